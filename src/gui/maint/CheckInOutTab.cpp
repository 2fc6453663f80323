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
    , m_skeleton(group())
{
    QGridLayout* grid = m_skeleton.grid();
    grid->setVerticalSpacing(5);
    m_skeleton.column()->addLayout(keptWidth(grid));
    const RunTabSkeleton::DirectoryRow out = m_skeleton.addDirectory(
        {QStringLiteral("Selected Check Out Directory:"), QStringLiteral("Edit15"),
         QStringLiteral("Use the Button to Select the Required Check Out Directory"), QStringLiteral("SpeedButton5"),
         QStringLiteral("Select the Required Check Out Directory")},
        3);
    m_ui.Edit15 = out.field;
    m_ui.SpeedButton5 = out.picker;
    const RunTabSkeleton::DirectoryRow in = m_skeleton.addDirectory(
        {QStringLiteral("Selected Check In Directory:"), QStringLiteral("Edit16"),
         QStringLiteral("Use the Button to Select the Required Check In Directory"), QStringLiteral("SpeedButton6"),
         QStringLiteral("Select the Required Check In Directory")},
        3);
    m_ui.Edit16 = in.field;
    m_ui.SpeedButton6 = in.picker;

    m_ui.criteria = m_skeleton.addCriteria(QStringLiteral("RadioGroup7"), QStringLiteral("BTestQuery"),
                                           QStringLiteral("Label56"));
    grid->addWidget(m_ui.criteria, 2, 0, Qt::AlignTop);
    grid->addLayout(buildButtons(), 2, 1, Qt::AlignTop);
    m_ui.filesInProcess = m_skeleton.filesInProcess(
        {QStringLiteral("Document Number:"), QStringLiteral("Document Subject:"), QStringLiteral("Document Version:"),
         QStringLiteral("Output File Name:"), QStringLiteral("File Extension:")},
        {QStringLiteral("Edit17"), QStringLiteral("Edit18"), QStringLiteral("Edit19"), QStringLiteral("Edit20"),
         QStringLiteral("Edit21")});
    grid->addWidget(m_ui.filesInProcess, 2, 2, 1, 2, Qt::AlignTop);

    const RunTabSkeleton::Progress checkOut
        = m_skeleton.addProgress(QStringLiteral("ProgressBar2"), QStringLiteral("Label57"));
    const RunTabSkeleton::Progress checkIn
        = m_skeleton.addProgress(QStringLiteral("ProgressBar3"), QStringLiteral("Label58"));
    m_ui.ProgressBar2 = checkOut.bar;
    m_ui.Label57 = checkOut.status;
    m_ui.ProgressBar3 = checkIn.bar;
    m_ui.Label58 = checkIn.status;
    // Each run's status line under its bar, wide enough for "Reset Library Report (Limit Library) Started".
    grid->addWidget(WidgetKit::label(QStringLiteral("Check Out Progress:")), 3, 0);
    grid->addWidget(m_ui.ProgressBar2, 3, 1, 1, 3);
    grid->addWidget(m_ui.Label57, 4, 1, 1, 3);
    grid->addWidget(WidgetKit::label(QStringLiteral("Check In Progress:")), 5, 0);
    grid->addWidget(m_ui.ProgressBar3, 5, 1, 1, 3);
    grid->addWidget(m_ui.Label58, 6, 1, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    // The tab has no list: on a larger window the room is left under the controls,
    // so that each progress bar stays by the buttons that start its run.
    m_skeleton.column()->addStretch(1);
}

QLayout* CheckInOutTab::buildButtons()
{
    m_ui.BCheckOut = m_skeleton.runButton(QStringLiteral("BCheckOut"), QStringLiteral("Check Out"),
                                          QStringLiteral("Run Check Out Process"));
    m_ui.BCOClear = m_skeleton.runButton(QStringLiteral("BCOClear"), QStringLiteral("Clear Check"),
                                         QStringLiteral("Clear ALL Check Out Flags (Dangerous)"));
    m_ui.BCheckIn = m_skeleton.runButton(QStringLiteral("BCheckIn"), QStringLiteral("Check In"),
                                         QStringLiteral("Run Check In Process"));
    m_ui.BLReset = m_skeleton.runButton(QStringLiteral("BLReset"), QStringLiteral("Library Reset"),
                                        QStringLiteral("Generate report from document activity logs (Slow)"));
    return RunTabSkeleton::column({m_ui.BCheckOut, m_ui.BCOClear, m_ui.BCheckIn, m_ui.BLReset}, true);
}

void CheckInOutTab::CIOInfoClear()
{
    m_ui.filesInProcess->clear();
    m_skeleton.clearResults();
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
