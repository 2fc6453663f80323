#pragma once

#include "gui/widgets/TabPage.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace tw {

class FilesInProcessBox;
class SearchCriteriaPanel;

// The "Reporter" tab: the report directory, the fields that make the report's
// columns (they also give the export report its extra columns), and the run.
class ReporterTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit23 = nullptr;
        QToolButton* SpeedButton7 = nullptr;
        QListWidget* ListBox3 = nullptr;
        QListWidget* ListBox4 = nullptr;
        QToolButton* SpeedButton10 = nullptr;
        QToolButton* SpeedButton11 = nullptr;
        QLineEdit* Edit29 = nullptr;
        SearchCriteriaPanel* criteria = nullptr; // RadioGroup1, BRepTestQuery, Label64
        QPushButton* BReport = nullptr;
        QProgressBar* ProgressBar4 = nullptr;
        QLabel* Label65 = nullptr;
        FilesInProcessBox* filesInProcess = nullptr; // Edit24 to Edit28
    };

    explicit ReporterTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the report structure line, the "Files in Process" boxes and both
    // result lines and resets the progress bar.
    void ReporterInfoClear();
    // Rebuilds the report structure line: the chosen fields joined by ", ".
    void ReportCalcPath();
    // What the main window's creation sets: a clear tab, no directory, "Report" disabled.
    void setStartState();

private:
    QWidget* buildFieldPicker();

    Controls m_ui;
};

} // namespace tw
