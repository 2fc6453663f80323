#pragma once

#include "gui/widgets/TabPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tw {

class FilesInProcessBox;
class SearchCriteriaPanel;

// The "Export" tab: the top output directory, the fields that name the folder
// levels, what the run covers, and the run's progress.
class ExportTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* EDocOutputDir = nullptr;
        QToolButton* SpdBOPDir = nullptr;
        QListWidget* ListBox1 = nullptr;
        QListWidget* ListBox2 = nullptr;
        QToolButton* SpeedButton8 = nullptr;
        QToolButton* SpeedButton9 = nullptr;
        QLineEdit* Edit22 = nullptr;
        SearchCriteriaPanel* criteria = nullptr; // RadioGroup6, BExTestQuery, Label59
        QCheckBox* CBText = nullptr;
        QPushButton* BExport = nullptr;
        QProgressBar* ProgressBar1 = nullptr;
        QLabel* Label60 = nullptr;
        FilesInProcessBox* filesInProcess = nullptr; // Edit10 to Edit14
    };

    explicit ExportTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the subdirectory structure line, the "Files in Process" boxes,
    // both result lines and resets the progress bar.
    void ExportInfoClear();
    // Rebuilds the subdirectory structure line from the chosen fields: "[Author]/[Doc. Type]/".
    void ExportCalcPath();
    // Empties the two result lines (on entering the tab).
    void clearResultLines();
    // What the main window's creation sets: a clear tab, no directory, "Export" disabled.
    void setStartState();

private:
    QWidget* buildFieldPicker();

    Controls m_ui;
};

} // namespace tw
