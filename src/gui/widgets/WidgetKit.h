#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QWidget;

namespace tw {

// Builds the controls of the main window's tabs the same way everywhere: every
// control carries its component name as objectName and its hint both as the
// status tip (shown in the status bar's second panel) and as the tool tip.
class WidgetKit
{
public:
    static void setHint(QWidget* widget, const QString& hint);

    static QLabel* label(const QString& text, QWidget* parent = nullptr);
    // A line that a run or a lookup writes into; empty at start.
    static QLabel* valueLine(const QString& name, QWidget* parent = nullptr);
    static QLineEdit* edit(const QString& name, const QString& hint, QWidget* parent = nullptr);
    static QLineEdit* readOnlyEdit(const QString& name, const QString& hint = {}, QWidget* parent = nullptr);
    static QPushButton* button(const QString& name, const QString& caption, const QString& hint = {},
                               QWidget* parent = nullptr);
    // A small flat button beside a field: a folder picker, a date picker or a list mover.
    static QToolButton* speedButton(const QString& name, const QString& caption, const QString& hint = {},
                                    QWidget* parent = nullptr);
    static QToolButton* folderButton(const QString& name, const QString& hint, QWidget* parent = nullptr);
    static QCheckBox* checkBox(const QString& name, const QString& caption, const QString& hint = {},
                               QWidget* parent = nullptr);
    static QComboBox* pickList(const QString& name, const QString& hint, QWidget* parent = nullptr);
    static QListWidget* listBox(const QString& name, const QString& hint, bool sorted, QWidget* parent = nullptr);
    // A list over a model: rows of columns, one row chosen at a time.
    static QTreeView* modelView(const QString& name, const QString& hint = {}, QWidget* parent = nullptr);
    static QTreeWidget* listView(const QString& name, const QStringList& columns, const QString& hint = {},
                                 QWidget* parent = nullptr);
    static QProgressBar* progressBar(const QString& name, QWidget* parent = nullptr);

    // One row of a grid: the caption, the directory field and its picker button.
    static void directoryRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* field, QToolButton* picker,
                             int span = 1);
    // The field chooser of a run tab: the caption above the available fields,
    // the add and remove buttons and the chosen fields, side by side.
    static QWidget* fieldPicker(const QString& caption, QListWidget* available, QToolButton* add, QToolButton* remove,
                                QListWidget* chosen, QWidget* parent);
};

} // namespace tw
