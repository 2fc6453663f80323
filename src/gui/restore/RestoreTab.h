#pragma once

#include "gui/widgets/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tw {

// The "Restore" tab: the activity history of one document version and the
// restore of a deleted version file from its directory's salvage area.
class RestoreTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit33 = nullptr;
        QPushButton* Button2 = nullptr;
        QComboBox* ComboB_RVers = nullptr;
        QLabel* Label103 = nullptr;
        QCheckBox* CB_ROfficial = nullptr;
        QCheckBox* CB_RCurrent = nullptr;
        QTreeWidget* LV_Restores = nullptr;
        QLabel* Label87 = nullptr;
        QLabel* Label89 = nullptr;
        QPushButton* BRestore = nullptr;
        QPushButton* BCopytoClip = nullptr;
    };

    explicit RestoreTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the version count, file and status lines, the version list and
    // the history, unticks "Official" and "Current", disables "Restore" and "Clipboard".
    void RDocInfoClear();
    // What the main window's creation sets: no document number, a clear tab.
    void setStartState();

private:
    QLayout* buildHeader();

    Controls m_ui;
};

} // namespace tw
