#pragma once

#include "gui/widgets/RunTabSkeleton.h"
#include "gui/widgets/TabPage.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QAbstractItemModel;
class QTreeView;

namespace tw {

class SearchCriteriaPanel;

// The "Edit Rights" tab: the edit list of users whose sharing-list entries
// are deleted or handed over, and the run that applies it.
class EditRightsTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit35 = nullptr;
        QToolButton* SpeedButton16 = nullptr;
        SearchCriteriaPanel* criteria = nullptr; // RadioGroup8, Button8, Label92
        QPushButton* Button9 = nullptr;
        QComboBox* ComboB_FEUsers = nullptr;
        QComboBox* ComboB_SEUsers = nullptr;
        QPushButton* Button12 = nullptr;
        QTreeView* LV_REdits = nullptr;
        QAction* SaveList = nullptr;
        QAction* LoadList = nullptr;
        QLabel* Label94 = nullptr;
        QPushButton* Button10 = nullptr;
        QProgressBar* ProgressBar7 = nullptr;
        QLabel* Label93 = nullptr;
    };

    explicit EditRightsTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the report directory field and both result lines and resets the progress bar.
    void EDitInfoClear();
    // What the main window's creation sets: a clear tab whose report directory
    // is the program's own directory.
    void setStartState(const QString& programDirectory);
    // The edit list's rows; its columns get their widths.
    void setEditModel(QAbstractItemModel* model);

private:
    QWidget* buildAlterGroup();

    RunTabSkeleton m_skeleton;
    Controls m_ui;
};

} // namespace tw
