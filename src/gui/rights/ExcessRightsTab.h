#pragma once

#include "gui/widgets/RunTabSkeleton.h"
#include "gui/widgets/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QAbstractItemModel;
class QTreeView;

namespace tw {

class RadioGroup;
class SearchCriteriaPanel;

// The "Excessive Rights" tab: the rights check and the full rights report,
// with the test, the selected rights and the user they look for.
class ExcessRightsTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit31 = nullptr;
        QToolButton* SpeedButton13 = nullptr;
        SearchCriteriaPanel* criteria = nullptr; // RadioGroup4, BExRTestQuery, Label83
        QPushButton* Button5 = nullptr;
        QCheckBox* CB_RFull = nullptr;
        RadioGroup* RadioGroup5 = nullptr;
        QCheckBox* CB_View = nullptr;
        QCheckBox* CB_Edit = nullptr;
        QCheckBox* CB_Delete = nullptr;
        QCheckBox* CB_Share = nullptr;
        QCheckBox* CB_ModSec = nullptr;
        QComboBox* ComboB_Users = nullptr;
        QTreeView* LV_Rights = nullptr;
        QPushButton* Button6 = nullptr;
        QPushButton* Button7 = nullptr;
        QProgressBar* ProgressBar6 = nullptr;
        QLabel* Label84 = nullptr;
    };

    explicit ExcessRightsTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the report directory field and both result lines and resets the progress bar.
    void ExcessInfoClear();
    // What the main window's creation sets: a clear tab with "Full Report" disabled.
    void setStartState();
    // The list's rows; its columns get their widths.
    void setRightsModel(QAbstractItemModel* model);

private:
    QLayout* buildRightsBoxes();

    RunTabSkeleton m_skeleton;
    Controls m_ui;
};

} // namespace tw
