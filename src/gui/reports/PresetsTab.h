#pragma once

#include "gui/widgets/RunTabSkeleton.h"
#include "gui/widgets/TabPage.h"

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

// The "Preset Reports" tab: the nine preset problem reports, their result
// list, and printing or copying that list.
class PresetsTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit30 = nullptr;
        QToolButton* SpeedButton12 = nullptr;
        QComboBox* ComboB_Presets = nullptr;
        SearchCriteriaPanel* criteria = nullptr; // RadioGroup2, BPresetTestQuery, Label74
        QPushButton* Button3 = nullptr;
        QProgressBar* ProgressBar5 = nullptr;
        QLabel* Label75 = nullptr;
        QTreeView* LV_Presets = nullptr;
        QPushButton* Button4 = nullptr;
        QPushButton* Button13 = nullptr;
    };

    explicit PresetsTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }
    // The result list's rows, kept by the presenter.
    void setPresetsModel(QAbstractItemModel* model);

    // Empties the report directory field and both result lines and resets the progress bar.
    void PresetsInfoClear();
    // What the main window's creation sets: a clear tab on the first preset.
    void setStartState();

private:
    RunTabSkeleton m_skeleton;
    Controls m_ui;
};

} // namespace tw
