#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QWidget;

namespace tw {

class FilesInProcessBox;
class SearchCriteriaPanel;

// What every run tab repeats, built one way: its directory rows (caption,
// field and folder button) at the top of the tab's grid of controls, the "Select Search
// Criteria" group with its Test Query button and result line, the run
// buttons, each run's progress bar with its status line, and the "Files in
// Process" boxes where the tab has them. The tab places the parts and its own
// controls in the grid; the parts are made in the order the tab asks for them,
// which is the order the Tab key goes through them.
class RunTabSkeleton
{
public:
    struct Directory
    {
        QString caption;
        QString field;
        QString fieldHint;
        QString picker;
        QString pickerHint;
    };
    // A tab's "Selected Report Directory:" row.
    static Directory reportDirectory(const QString& field, const QString& picker);

    // The grid goes into `group`'s column, where the tab puts it.
    explicit RunTabSkeleton(QWidget* group);

    QGridLayout* grid() const { return m_grid; }
    // The group's layout: the grid of controls and, under it, the tab's list.
    QBoxLayout* column() const { return m_column; }

    // The next directory row, its field spanning `span` columns.
    struct DirectoryRow
    {
        QLineEdit* field = nullptr;
        QToolButton* picker = nullptr;
    };
    DirectoryRow addDirectory(const Directory& directory, int span);
    // The "Select Search Criteria" group with its Test Query button and result line.
    SearchCriteriaPanel* addCriteria(const QString& group, const QString& testButton, const QString& testResult);
    QPushButton* runButton(const QString& name, const QString& caption, const QString& hint);
    struct Progress
    {
        QProgressBar* bar = nullptr;
        QLabel* status = nullptr;
    };
    Progress addProgress(const QString& barName, const QString& statusName);
    FilesInProcessBox* filesInProcess(const QStringList& captions, const QStringList& names);
    // Widgets top to bottom with the tab's usual spacing, then a stretch when asked.
    static QBoxLayout* column(const QList<QWidget*>& widgets, bool stretch = false);

    // The common part of the tab's clearer: the test query's result line and
    // every run's status line emptied, every progress bar back to 0.
    void clearResults() const;

private:
    QWidget* m_group;
    QBoxLayout* m_column;
    QGridLayout* m_grid;
    SearchCriteriaPanel* m_criteria = nullptr;
    QList<Progress> m_progress;
    int m_directoryRows = 0;
};

} // namespace tw
