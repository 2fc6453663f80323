#include "CheckInOutTab.h"

#include "gui/widgets/FilesInProcessBox.h"
#include "gui/widgets/SearchCriteriaPanel.h"
#include "gui/widgets/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tw {

CheckInOutTab::CheckInOutTab(QWidget* parent)
    : TabPage(QStringLiteral("TSCheckInOut"), QStringLiteral("Mass Document Check Out and Check In"), parent)
{
    auto* grid = new QGridLayout(group());
    grid->setVerticalSpacing(5);
    m_ui.Edit15 = WidgetKit::edit(QStringLiteral("Edit15"),
                                  QStringLiteral("Use the Button to Select the Required Check Out Directory"));
    m_ui.SpeedButton5 = WidgetKit::folderButton(QStringLiteral("SpeedButton5"),
                                                QStringLiteral("Select the Required Check Out Directory"));
    m_ui.Edit16 = WidgetKit::edit(QStringLiteral("Edit16"),
                                  QStringLiteral("Use the Button to Select the Required Check In Directory"));
    m_ui.SpeedButton6 = WidgetKit::folderButton(QStringLiteral("SpeedButton6"),
                                                QStringLiteral("Select the Required Check In Directory"));
    WidgetKit::directoryRow(grid, 0, QStringLiteral("Selected Check Out Directory:"), m_ui.Edit15, m_ui.SpeedButton5,
                            3);
    WidgetKit::directoryRow(grid, 1, QStringLiteral("Selected Check In Directory:"), m_ui.Edit16, m_ui.SpeedButton6, 3);

    m_ui.criteria = new SearchCriteriaPanel(QStringLiteral("RadioGroup7"), QStringLiteral("BTestQuery"),
                                            QStringLiteral("Label56"), group());
    grid->addWidget(m_ui.criteria, 2, 0, Qt::AlignTop);
    grid->addLayout(buildButtons(), 2, 1, Qt::AlignTop);
    m_ui.filesInProcess = new FilesInProcessBox(
        {QStringLiteral("Document Number:"), QStringLiteral("Document Subject:"), QStringLiteral("Document Version:"),
         QStringLiteral("Output File Name:"), QStringLiteral("File Extension:")},
        {QStringLiteral("Edit17"), QStringLiteral("Edit18"), QStringLiteral("Edit19"), QStringLiteral("Edit20"),
         QStringLiteral("Edit21")},
        group());
    grid->addWidget(m_ui.filesInProcess, 2, 2, 1, 2, Qt::AlignTop);

    m_ui.ProgressBar2 = WidgetKit::progressBar(QStringLiteral("ProgressBar2"));
    m_ui.Label57 = WidgetKit::valueLine(QStringLiteral("Label57"));
    m_ui.ProgressBar3 = WidgetKit::progressBar(QStringLiteral("ProgressBar3"));
    m_ui.Label58 = WidgetKit::valueLine(QStringLiteral("Label58"));
    grid->addWidget(WidgetKit::label(QStringLiteral("Check Out Progress:")), 3, 0);
    grid->addWidget(m_ui.ProgressBar2, 3, 1, 1, 2);
    grid->addWidget(m_ui.Label57, 3, 3);
    grid->addWidget(WidgetKit::label(QStringLiteral("Check In Progress:")), 4, 0);
    grid->addWidget(m_ui.ProgressBar3, 4, 1, 1, 2);
    grid->addWidget(m_ui.Label58, 4, 3);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
}

QLayout* CheckInOutTab::buildButtons()
{
    m_ui.BCheckOut = WidgetKit::button(QStringLiteral("BCheckOut"), QStringLiteral("Check Out"),
                                       QStringLiteral("Run Check Out Process"));
    m_ui.BCOClear = WidgetKit::button(QStringLiteral("BCOClear"), QStringLiteral("Clear Check"),
                                      QStringLiteral("Clear ALL Check Out Flags (Dangerous)"));
    m_ui.BCheckIn = WidgetKit::button(QStringLiteral("BCheckIn"), QStringLiteral("Check In"),
                                      QStringLiteral("Run Check In Process"));
    m_ui.BLReset = WidgetKit::button(QStringLiteral("BLReset"), QStringLiteral("Library Reset"),
                                     QStringLiteral("Generate report from document activity logs (Slow)"));
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    for (QPushButton* button : {m_ui.BCheckOut, m_ui.BCOClear, m_ui.BCheckIn, m_ui.BLReset})
        column->addWidget(button);
    column->addStretch(1);
    return column;
}

void CheckInOutTab::CIOInfoClear()
{
    m_ui.filesInProcess->clear();
    clearResultLines();
    for (QProgressBar* bar : {m_ui.ProgressBar2, m_ui.ProgressBar3}) {
        bar->setMinimum(0);
        bar->setValue(0);
    }
}

void CheckInOutTab::clearResultLines()
{
    m_ui.criteria->resultLine()->clear();
    m_ui.Label57->clear();
    m_ui.Label58->clear();
}

void CheckInOutTab::setStartState(bool libResetEnabled)
{
    CIOInfoClear();
    m_ui.Edit15->clear();
    m_ui.Edit16->clear();
    for (QPushButton* button : {m_ui.BCheckOut, m_ui.BCheckIn, m_ui.BCOClear})
        button->setEnabled(false);
    m_ui.BLReset->setVisible(libResetEnabled);
}

} // namespace tw
