#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemView;
class QModelIndex;
class QPoint;
class QWidget;

namespace tw::ScriptWidgets {

// What a script line does with a widget: acting on it needs it on screen,
// enabled and not behind a dialog, as it would for a user; reading it does not.
enum class Use { Act, Read };

// The widget of that component name in any of the program's windows, by the
// rules above; throws ScriptFailure with the reason it cannot be used.
QWidget* find(const QString& name, Use use);

// The text a user reads in the widget, as `expect` compares it.
QString textOf(QWidget* widget);
// The widget as a list (list box, list view or table), or null.
QAbstractItemView* asList(QWidget* widget);
// A list's rows as shown: each row's visible columns joined by TAB.
QStringList rowsOf(QAbstractItemView* list);
// The row whose first column, trimmed, is `text`; throws ScriptFailure.
QModelIndex rowNamed(QAbstractItemView* list, const QString& text);

// A caption without its accelerator marks.
QString plainCaption(const QString& caption);

// Mouse clicks as the window system delivers them.
void click(QWidget* target, const QPoint& at);
void doubleClick(QWidget* target, const QPoint& at);
// Clicks a list's row, scrolled into view first.
void clickRow(QAbstractItemView* list, const QModelIndex& row);
// Clicks the check box of a list's row.
void clickCheckBox(QAbstractItemView* list, const QModelIndex& row);

} // namespace tw::ScriptWidgets
