#include "ReporterTab.h"

#include "gui/widgets/FilesInProcessBox.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

ReporterTab::ReporterTab(QWidget* parent)
    : TabPage(QStringLiteral("TSReporter"), QStringLiteral("Document Exporter"), parent)
{
    auto* column = new QVBoxLayout(group());
    column->setSpacing(5);
    auto* top = new QGridLayout;
    column->addLayout(keptWidth(top));
    m_ui.Edit23 = WidgetKit::edit(QStringLiteral("Edit23"),
                                  QStringLiteral("Use the Button to Select the Required Report Directory"));
    m_ui.SpeedButton7 = WidgetKit::folderButton(QStringLiteral("SpeedButton7"),
                                                QStringLiteral("Select the Required Output Directory"));
    WidgetKit::directoryRow(top, 0, QStringLiteral("Selected Report Directory:"), m_ui.Edit23, m_ui.SpeedButton7);
    top->setColumnStretch(1, 1);

    // The field lists take the room there is; the "Files in Process" box keeps its width.
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildFieldPicker(), 1);
    column->addLayout(middle, 1);
    m_ui.filesInProcess = new FilesInProcessBox(
        {QStringLiteral("Document Number"), QStringLiteral("Document Subject"), QStringLiteral("Document Version:"),
         QStringLiteral("Report Output Line"), QStringLiteral("File Extension:")},
        {QStringLiteral("Edit24"), QStringLiteral("Edit25"), QStringLiteral("Edit26"), QStringLiteral("Edit27"),
         QStringLiteral("Edit28")},
        group());
    middle->addWidget(m_ui.filesInProcess, 0, Qt::AlignTop);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    column->addLayout(keptWidth(grid));
    // The captions of both parts in one column.
    grid->setColumnMinimumWidth(0, top->itemAtPosition(0, 0)->widget()->sizeHint().width());

    m_ui.Edit29 = WidgetKit::readOnlyEdit(QStringLiteral("Edit29"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Report Structure:")), 0, 0);
    grid->addWidget(m_ui.Edit29, 0, 1);

    m_ui.criteria = new SearchCriteriaPanel(QStringLiteral("RadioGroup1"), QStringLiteral("BRepTestQuery"),
                                            QStringLiteral("Label64"), group());
    m_ui.BReport = WidgetKit::button(QStringLiteral("BReport"), QStringLiteral("Report"), QStringLiteral("Run Report"));
    m_ui.ProgressBar4 = WidgetKit::progressBar(QStringLiteral("ProgressBar4"));
    m_ui.Label65 = WidgetKit::valueLine(QStringLiteral("Label65"));
    auto* run = new QGridLayout;
    run->addWidget(m_ui.criteria, 0, 0, 3, 1);
    run->addWidget(m_ui.BReport, 0, 1, Qt::AlignLeft);
    run->addWidget(m_ui.ProgressBar4, 0, 2);
    run->addWidget(m_ui.Label65, 1, 2);
    run->setColumnStretch(2, 1);
    run->setColumnMinimumWidth(1, 120);
    grid->addLayout(run, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

QWidget* ReporterTab::buildFieldPicker()
{
    m_ui.ListBox3 = WidgetKit::listBox(QStringLiteral("ListBox3"), QString(), true);
    m_ui.ListBox4 = WidgetKit::listBox(QStringLiteral("ListBox4"), QString(), false);
    m_ui.SpeedButton10 = WidgetKit::speedButton(QStringLiteral("SpeedButton10"), QStringLiteral(">"));
    m_ui.SpeedButton11 = WidgetKit::speedButton(QStringLiteral("SpeedButton11"), QStringLiteral("<"));
    return WidgetKit::fieldPicker(QStringLiteral("Select Fields for Report Output"), m_ui.ListBox3, m_ui.SpeedButton10,
                                  m_ui.SpeedButton11, m_ui.ListBox4, group());
}

void ReporterTab::ReporterInfoClear()
{
    m_ui.Edit29->clear();
    m_ui.filesInProcess->clear();
    m_ui.criteria->resultLine()->clear();
    m_ui.Label65->clear();
    m_ui.ProgressBar4->setMinimum(0);
    m_ui.ProgressBar4->setValue(0);
}

void ReporterTab::ReportCalcPath()
{
    QStringList chosen;
    for (int i = 0; i < m_ui.ListBox4->count(); ++i)
        chosen.append(m_ui.ListBox4->item(i)->text());
    m_ui.Edit29->setText(chosen.join(QStringLiteral(", ")));
}

void ReporterTab::setStartState()
{
    ReporterInfoClear();
    m_ui.Edit23->clear();
    m_ui.BReport->setEnabled(false);
}

} // namespace tw
