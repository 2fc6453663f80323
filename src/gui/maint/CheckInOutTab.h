#pragma once

#include "gui/widgets/RunTabSkeleton.h"
#include "gui/widgets/TabPage.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tw {

class FilesInProcessBox;
class SearchCriteriaPanel;

// The "Check In/Out" tab: the check-out and check-in directories, the four
// maintenance runs and their progress.
class CheckInOutTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit15 = nullptr;
        QToolButton* SpeedButton5 = nullptr;
        QLineEdit* Edit16 = nullptr;
        QToolButton* SpeedButton6 = nullptr;
        SearchCriteriaPanel* criteria = nullptr; // RadioGroup7, BTestQuery, Label56
        QPushButton* BCheckOut = nullptr;
        QPushButton* BCOClear = nullptr;
        QPushButton* BCheckIn = nullptr;
        QPushButton* BLReset = nullptr;
        QProgressBar* ProgressBar2 = nullptr;
        QLabel* Label57 = nullptr;
        QProgressBar* ProgressBar3 = nullptr;
        QLabel* Label58 = nullptr;
        FilesInProcessBox* filesInProcess = nullptr; // Edit17 to Edit21
    };

    explicit CheckInOutTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the "Files in Process" boxes and the three result lines and
    // resets both progress bars.
    void CIOInfoClear();
    void clearResultLines();
    // What the main window's creation sets: no directories, the runs disabled,
    // "Library Reset" shown only when the program was started with LibReset=YES.
    void setStartState(bool libResetEnabled);

private:
    QLayout* buildButtons();

    RunTabSkeleton m_skeleton;
    Controls m_ui;
};

} // namespace tw
