#include "CustomFieldsTab.h"

#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tw {

CustomFieldsTab::CustomFieldsTab(QWidget* parent)
    : TabPage(QStringLiteral("TSCustom"), QStringLiteral("Customise Fields"), parent)
{
    auto* grid = new QGridLayout(group());
    grid->setVerticalSpacing(4);
    m_ui.ListBox5 = WidgetKit::listBox(QStringLiteral("ListBox5"), QStringLiteral("Available Document Fields"), true);
    m_ui.SpeedButton14 = WidgetKit::speedButton(QStringLiteral("SpeedButton14"), QStringLiteral(">"),
                                                QStringLiteral("Add Customised Field"));
    m_ui.SpeedButton15 = WidgetKit::speedButton(QStringLiteral("SpeedButton15"), QStringLiteral("<"),
                                                QStringLiteral("Remove Customised Field"));
    m_ui.ListView1 = WidgetKit::listView(
        QStringLiteral("ListView1"),
        {QStringLiteral("Name"), QStringLiteral("Source"), QStringLiteral("Type"), QStringLiteral("Length")},
        QStringLiteral("Available Customised Fields"));
    m_ui.ListView1->setColumnWidth(0, 70);
    m_ui.ListView1->setColumnWidth(1, 130);
    m_ui.ListView1->setColumnWidth(2, 60);

    auto* movers = new QVBoxLayout;
    movers->addStretch(1);
    movers->addWidget(m_ui.SpeedButton14);
    movers->addWidget(m_ui.SpeedButton15);
    movers->addStretch(1);
    grid->addWidget(WidgetKit::label(QStringLiteral("Select Fields to Customise")), 0, 0);
    grid->addWidget(WidgetKit::label(QStringLiteral("Available Customised Fields")), 0, 2);
    grid->addWidget(m_ui.ListBox5, 1, 0);
    grid->addLayout(movers, 1, 1);
    grid->addWidget(m_ui.ListView1, 1, 2);
    grid->addLayout(keptWidth(buildCutControls()), 2, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 3);
    grid->setRowStretch(1, 1);
}

QLayout* CustomFieldsTab::buildCutControls()
{
    m_ui.RadioGroup3 = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Position Selector"),
                                      {QStringLiteral("Start"), QStringLiteral("Middle"), QStringLiteral("End")},
                                      QStringLiteral("Select String Start Type"), group());
    m_ui.SpinEdit1 = new QSpinBox(group());
    m_ui.SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    m_ui.SpinEdit1->setRange(1, 255);
    m_ui.SpinEdit1->setValue(1);
    WidgetKit::setHint(m_ui.SpinEdit1, QStringLiteral("Select String Length"));
    m_ui.Edit32 = WidgetKit::edit(QStringLiteral("Edit32"), QString());

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->addWidget(WidgetKit::label(QStringLiteral("String Length")), 0, 0);
    fields->addWidget(m_ui.SpinEdit1, 0, 1, Qt::AlignLeft);
    fields->addWidget(WidgetKit::label(QStringLiteral("Excluded Characters")), 1, 0);
    fields->addWidget(m_ui.Edit32, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_ui.RadioGroup3);
    row->addSpacing(12);
    row->addLayout(fields, 1);
    return row;
}

void CustomFieldsTab::setStartState()
{
    m_ui.Edit32->clear();
}

} // namespace tw
