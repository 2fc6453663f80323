#include "RestoreTab.h"

#include "gui/widgets/WidgetKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tw {

namespace {
QCheckBox* displayBox(const QString& name, const QString& caption)
{
    QCheckBox* box = WidgetKit::checkBox(name, caption);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel* framedLine(const QString& name)
{
    QLabel* line = WidgetKit::valueLine(name);
    line->setFrameShape(QFrame::StyledPanel);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

RestoreTab::RestoreTab(QWidget* parent)
    : TabPage(QStringLiteral("TSQRestore"), QStringLiteral("Information for a specific document"), parent)
{
    auto* layout = new QVBoxLayout(group());
    layout->setSpacing(5);
    layout->addLayout(buildHeader());

    m_ui.LV_Restores = WidgetKit::listView(
        QStringLiteral("LV_Restores"),
        {QStringLiteral("Date & Time"), QStringLiteral("Username"), QStringLiteral("Action"), QStringLiteral("File")},
        QStringLiteral("Select Required Document File"));
    m_ui.LV_Restores->setColumnWidth(0, 140);
    m_ui.LV_Restores->setColumnWidth(1, 150);
    m_ui.LV_Restores->setColumnWidth(2, 100);
    layout->addWidget(m_ui.LV_Restores, 1);

    m_ui.Label87 = framedLine(QStringLiteral("Label87"));
    m_ui.Label89 = framedLine(QStringLiteral("Label89"));
    m_ui.BRestore = WidgetKit::button(QStringLiteral("BRestore"), QStringLiteral("Restore"),
                                      QStringLiteral("Restore Selected Document"));
    m_ui.BCopytoClip = WidgetKit::button(QStringLiteral("BCopytoClip"), QStringLiteral("Clipboard"));
    auto* file = new QGridLayout;
    file->addWidget(WidgetKit::label(QStringLiteral("File Name:")), 0, 0);
    file->addWidget(m_ui.Label87, 0, 1);
    file->addWidget(m_ui.BRestore, 0, 2);
    file->addWidget(WidgetKit::label(QStringLiteral("Status:")), 1, 0);
    file->addWidget(m_ui.Label89, 1, 1);
    file->addWidget(m_ui.BCopytoClip, 1, 2);
    file->setColumnStretch(1, 1);
    layout->addLayout(file);
}

QLayout* RestoreTab::buildHeader()
{
    m_ui.Edit33 = WidgetKit::edit(QStringLiteral("Edit33"), QStringLiteral("Enter Document Number"));
    m_ui.Edit33->setMaximumWidth(110);
    m_ui.Button2 = WidgetKit::button(QStringLiteral("Button2"), QStringLiteral("Get Info"),
                                     QStringLiteral("Get Document History Information"));
    // Enter in the number field presses "Get Info", the tab's default button.
    m_ui.Button2->setDefault(true);
    connect(m_ui.Edit33, &QLineEdit::returnPressed, m_ui.Button2, &QPushButton::click);
    m_ui.ComboB_RVers = WidgetKit::pickList(QStringLiteral("ComboB_RVers"), QStringLiteral("Select Document Version"));
    m_ui.ComboB_RVers->setMinimumContentsLength(5);
    m_ui.Label103 = WidgetKit::valueLine(QStringLiteral("Label103"));
    m_ui.CB_ROfficial = displayBox(QStringLiteral("CB_ROfficial"), QStringLiteral("Official"));
    m_ui.CB_RCurrent = displayBox(QStringLiteral("CB_RCurrent"), QStringLiteral("Current"));

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(8);
    top->addWidget(WidgetKit::label(QStringLiteral("Enter Document Number")), 0, 0);
    top->addWidget(m_ui.Edit33, 0, 1);
    top->addWidget(m_ui.Button2, 0, 2);
    top->addWidget(WidgetKit::label(QStringLiteral("Select Version")), 1, 0);
    top->addWidget(m_ui.ComboB_RVers, 1, 1);
    top->addWidget(m_ui.Label103, 1, 2);
    top->addWidget(m_ui.CB_ROfficial, 1, 3);
    top->addWidget(m_ui.CB_RCurrent, 1, 4);
    top->setColumnStretch(5, 1);
    return top;
}

void RestoreTab::RDocInfoClear()
{
    m_ui.Label103->clear();
    m_ui.Label87->clear();
    m_ui.Label89->clear();
    m_ui.ComboB_RVers->clear();
    m_ui.LV_Restores->clear();
    m_ui.CB_ROfficial->setChecked(false);
    m_ui.CB_RCurrent->setChecked(false);
    m_ui.BRestore->setEnabled(false);
    m_ui.BCopytoClip->setEnabled(false);
}

void RestoreTab::setStartState()
{
    m_ui.Edit33->clear();
    RDocInfoClear();
}

} // namespace tw
