#pragma once

#include "gui/widgets/TabPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QAbstractItemModel;
class QTreeView;

namespace tw {

// The "DoRoDi" tab: a scan of users' directories for stray copies of library
// files, with the deletion of the copies that are safe to remove.
class DoRoDiTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit36 = nullptr;
        QToolButton* SpeedButton17 = nullptr;
        QLabel* Label99 = nullptr;
        QLabel* Label97 = nullptr;
        QLabel* Label105 = nullptr;
        QLabel* Label107 = nullptr;
        QLabel* Label109 = nullptr;
        QLabel* Label111 = nullptr;
        QCheckBox* cbDMSFilter = nullptr;
        QTreeView* LV_OFiles = nullptr;
        QPushButton* Button15 = nullptr;
        QPushButton* Button11 = nullptr;
        QPushButton* Button14 = nullptr;
    };

    explicit DoRoDiTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }
    // The result list's rows, kept by the presenter.
    void setFilesModel(QAbstractItemModel* model);

    // Empties "Checking Directory:" and "Checking File:" and sets the four counters to "0".
    void resetScanLines();
    // What the main window's creation sets: no top directory.
    void setStartState();

private:
    QLayout* buildScanLines();

    Controls m_ui;
};

} // namespace tw
