#include "ScriptActions.h"

#include "ScriptFailure.h"
#include "ScriptFields.h"
#include "ScriptWidgets.h"
#include "core/script/Script.h"
#include "gui/host/GuiHost.h"
#include "gui/widgets/PageControl.h"
#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTreeView>

namespace tw {

using ScriptWidgets::Use;

namespace {

QAction* actionNamed(const QList<QAction*>& actions, const QString& caption)
{
    for (QAction* action : actions) {
        if (!action->isSeparator() && ScriptWidgets::plainCaption(action->text()) == caption)
            return action;
    }
    return nullptr;
}

// An expected text ending in "*" stands for every text that starts with
// what comes before it (counts and dates change from run to run).
bool matches(const QString& shown, const QString& expected)
{
    if (expected.endsWith(QLatin1Char('*')))
        return shown.startsWith(expected.chopped(1));
    return shown == expected;
}

QString quoted(const QStringList& texts)
{
    return QLatin1Char('"') + texts.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

} // namespace

template <typename T> T* ScriptActions::windowControl(const char* name) const
{
    T* control = m_window.findChild<T*>(QLatin1String(name));
    if (!control)
        throw ScriptFailure(QStringLiteral("the window has no %1").arg(QLatin1String(name)));
    return control;
}

void ScriptActions::perform(const ScriptLine& line)
{
    const QString& command = line.command;
    const QStringList& a = line.arguments;
    if (command == QLatin1String("library"))
        library(a.at(0));
    else if (command == QLatin1String("tab"))
        tab(a.at(0));
    else if (command == QLatin1String("set"))
        set(a.at(0), a.at(1));
    else if (command == QLatin1String("leave"))
        leave(a.at(0));
    else if (command == QLatin1String("click"))
        click(a.at(0));
    else if (command == QLatin1String("choose"))
        choose(a.at(0), a.at(1));
    else if (command == QLatin1String("row"))
        row(a.at(0), a.at(1));
    else if (command == QLatin1String("double"))
        doubleClick(a.at(0));
    else if (command == QLatin1String("menu"))
        menu(a.at(0));
    else if (command == QLatin1String("sort"))
        sort(a.at(0), a.at(1));
    else if (command == QLatin1String("tick") || command == QLatin1String("untick"))
        tick(a.at(0), a.at(1), command == QLatin1String("tick"));
    else if (command == QLatin1String("popup"))
        popup(a.at(0), a.at(1));
    else if (command == QLatin1String("expect"))
        expect(a.at(0), a.at(1));
    else if (command == QLatin1String("status"))
        status(a.at(0));
    else if (command == QLatin1String("dump"))
        dump(a.at(0), a.at(1));
    else if (command == QLatin1String("clipboard"))
        clipboard(a.at(0));
    else
        queueAnswer(command, a);
}

void ScriptActions::library(const QString& text)
{
    QComboBox* libraries = windowControl<QComboBox>("ComboB_Libs");
    if (!libraries->isEnabled() || !libraries->isVisible())
        throw ScriptFailure(QStringLiteral("the library selector cannot be used now"));
    QList<int> matches;
    for (int i = 0; i < libraries->count(); ++i) {
        if (libraries->itemText(i) == text) {
            matches = {i};
            break;
        }
        if (libraries->itemText(i).contains(text))
            matches.append(i);
    }
    if (matches.size() != 1) {
        QStringList entries;
        for (int i = 0; i < libraries->count(); ++i)
            entries.append(libraries->itemText(i));
        throw ScriptFailure(QStringLiteral("%1 library entries contain \"%2\"; the entries are %3")
                                .arg(matches.size())
                                .arg(text, quoted(entries)));
    }
    chooseEntry(libraries, matches.first());
}

void ScriptActions::tab(const QString& caption)
{
    PageControl* pages = windowControl<PageControl>("PageControl1");
    const int index = pages->indexOfCaption(caption);
    if (index < 0) {
        QStringList captions;
        for (int i = 0; i < pages->count(); ++i)
            captions.append(pages->tabText(i));
        throw ScriptFailure(QStringLiteral("no tab is called \"%1\"; the tabs are %2").arg(caption, quoted(captions)));
    }
    if (QWidget* dialog = QApplication::activeModalWidget())
        throw ScriptFailure(QStringLiteral("the tabs are behind the dialog \"%1\"").arg(dialog->windowTitle()));
    if (!pages->requestPage(index))
        throw ScriptFailure(
            QStringLiteral("the change to the tab \"%1\" was refused: an operation is running on \"%2\"")
                .arg(caption, pages->tabText(pages->currentIndex())));
}

void ScriptActions::set(const QString& name, const QString& text)
{
    ScriptFields::replaceText(ScriptWidgets::find(name, Use::Act), text);
}

void ScriptActions::leave(const QString& name)
{
    ScriptFields::leave(ScriptWidgets::find(name, Use::Act));
}

void ScriptActions::click(const QString& name)
{
    QWidget* widget = ScriptWidgets::find(name, Use::Act);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button)
        throw ScriptFailure(QStringLiteral("%1 is not a button; use choose, row or set").arg(name));
    button->click();
}

void ScriptActions::choose(const QString& name, const QString& item)
{
    QWidget* widget = ScriptWidgets::find(name, Use::Act);
    if (auto* group = qobject_cast<RadioGroup*>(widget)) {
        for (QRadioButton* radio : group->findChildren<QRadioButton*>()) {
            if (ScriptWidgets::plainCaption(radio->text()) == item) {
                radio->click();
                return;
            }
        }
        throw ScriptFailure(QStringLiteral("%1 has no item \"%2\"").arg(name, item));
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = combo->findText(item, Qt::MatchExactly);
        if (index < 0)
            throw ScriptFailure(QStringLiteral("%1 has no entry \"%2\"").arg(name, item));
        chooseEntry(combo, index);
        return;
    }
    if (QAbstractItemView* list = ScriptWidgets::asList(widget)) {
        ScriptWidgets::clickRow(list, ScriptWidgets::rowNamed(list, item));
        return;
    }
    throw ScriptFailure(QStringLiteral("%1 has nothing to choose from").arg(name));
}

void ScriptActions::chooseEntry(QWidget* widget, int index)
{
    // What picking an entry from the open list does: the entry becomes
    // current, then the list reports the user's choice.
    auto* combo = static_cast<QComboBox*>(widget);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    Q_EMIT combo->textActivated(combo->itemText(index));
}

void ScriptActions::row(const QString& name, const QString& text)
{
    QAbstractItemView* list = ScriptWidgets::asList(ScriptWidgets::find(name, Use::Act));
    if (!list)
        throw ScriptFailure(QStringLiteral("%1 is not a list").arg(name));
    ScriptWidgets::clickRow(list, ScriptWidgets::rowNamed(list, text));
}

void ScriptActions::doubleClick(const QString& name)
{
    QWidget* widget = ScriptWidgets::find(name, Use::Act);
    if (QAbstractItemView* list = ScriptWidgets::asList(widget)) {
        const QModelIndex current = list->currentIndex();
        if (!current.isValid())
            throw ScriptFailure(QStringLiteral("%1 has no row chosen to double-click; use row first").arg(name));
        list->scrollTo(current);
        ScriptWidgets::doubleClick(list->viewport(), list->visualRect(current).center());
        return;
    }
    ScriptWidgets::doubleClick(widget, widget->rect().center());
}

void ScriptActions::sort(const QString& name, const QString& column)
{
    auto* tree = qobject_cast<QTreeView*>(ScriptWidgets::find(name, Use::Act));
    if (!tree)
        throw ScriptFailure(QStringLiteral("%1 is not a list with column headings").arg(name));
    QHeaderView* header = tree->header();
    const QAbstractItemModel* model = tree->model();
    for (int section = 0; section < model->columnCount(); ++section) {
        if (model->headerData(section, Qt::Horizontal).toString() != column || header->isSectionHidden(section))
            continue;
        if (!header->sectionsClickable())
            throw ScriptFailure(QStringLiteral("the headings of %1 cannot be clicked").arg(name));
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        ScriptWidgets::click(header->viewport(), QPoint(x, header->height() / 2));
        return;
    }
    throw ScriptFailure(QStringLiteral("%1 has no column \"%2\"").arg(name, column));
}

void ScriptActions::tick(const QString& name, const QString& text, bool ticked)
{
    QAbstractItemView* list = ScriptWidgets::asList(ScriptWidgets::find(name, Use::Act));
    if (!list)
        throw ScriptFailure(QStringLiteral("%1 is not a list").arg(name));
    const QModelIndex row = ScriptWidgets::rowNamed(list, text);
    if (!(row.flags() & Qt::ItemIsUserCheckable) || !row.data(Qt::CheckStateRole).isValid())
        throw ScriptFailure(QStringLiteral("the rows of %1 have no check box").arg(name));
    if ((row.data(Qt::CheckStateRole).toInt() == Qt::Checked) != ticked)
        ScriptWidgets::clickCheckBox(list, row);
    if ((row.data(Qt::CheckStateRole).toInt() == Qt::Checked) != ticked)
        throw ScriptFailure(QStringLiteral("the check box of the row \"%1\" of %2 did not change").arg(text, name));
}

void ScriptActions::popup(const QString& name, const QString& item)
{
    QWidget* widget = ScriptWidgets::find(name, Use::Act);
    for (QAction* action : widget->actions()) {
        if (ScriptWidgets::plainCaption(action->text()) != item)
            continue;
        if (!action->isEnabled())
            throw ScriptFailure(QStringLiteral("the popup item \"%1\" of %2 is disabled").arg(item, name));
        action->trigger();
        return;
    }
    throw ScriptFailure(QStringLiteral("%1 has no popup item \"%2\"").arg(name, item));
}

void ScriptActions::menu(const QString& path)
{
    if (QWidget* dialog = QApplication::activeModalWidget())
        throw ScriptFailure(QStringLiteral("the menus are behind the dialog \"%1\"").arg(dialog->windowTitle()));
    const QStringList captions = path.split(QLatin1Char('/'));
    QList<QAction*> actions = m_window.menuBar()->actions();
    QAction* action = nullptr;
    for (int level = 0; level < captions.size(); ++level) {
        action = actionNamed(actions, captions.at(level));
        if (!action || !action->isVisible())
            throw ScriptFailure(QStringLiteral("no menu item \"%1\"").arg(captions.mid(0, level + 1).join('/')));
        if (!action->isEnabled())
            throw ScriptFailure(
                QStringLiteral("the menu item \"%1\" is disabled").arg(captions.mid(0, level + 1).join('/')));
        const bool last = level + 1 == captions.size();
        if (!last && !action->menu())
            throw ScriptFailure(QStringLiteral("\"%1\" is not a menu").arg(captions.mid(0, level + 1).join('/')));
        if (last && action->menu())
            throw ScriptFailure(QStringLiteral("\"%1\" is a menu, not an item").arg(path));
        if (!last)
            actions = action->menu()->actions();
    }
    action->trigger();
}

void ScriptActions::queueAnswer(const QString& command, const QStringList& arguments)
{
    PromptSeam& prompts = m_host.prompts();
    const QString first = arguments.value(0);
    if (command == QLatin1String("answer"))
        prompts.queue(PromptSeam::Kind::Message, first.toLower());
    else if (command == QLatin1String("folder"))
        // A folder picker answers with a whole path; an empty one is Cancel.
        prompts.queue(PromptSeam::Kind::Folder, first.isEmpty() ? first : QDir(first).absolutePath());
    else if (command == QLatin1String("save") || command == QLatin1String("print"))
        // The save dialog and the printer's file take a whole path; an empty one is Cancel.
        prompts.queue(command == QLatin1String("save") ? PromptSeam::Kind::SaveFile : PromptSeam::Kind::Print,
                      first.isEmpty() ? first : QDir(first).absolutePath());
    else if (command == QLatin1String("date"))
        prompts.queue(PromptSeam::Kind::Date, first);
    else if (command == QLatin1String("address"))
        prompts.queue(PromptSeam::Kind::Address, first);
    else if (command == QLatin1String("options"))
        prompts.queue(PromptSeam::Kind::ExportOptions, arguments.join(QLatin1Char(' ')));
    else
        throw ScriptFailure(QStringLiteral("the command \"%1\" is not carried out here").arg(command));
}

void ScriptActions::expect(const QString& name, const QString& text)
{
    QWidget* widget = ScriptWidgets::find(name, Use::Read);
    if (QAbstractItemView* list = ScriptWidgets::asList(widget)) {
        const int rows = ScriptWidgets::rowsOf(list).size();
        if (QString::number(rows) != text)
            throw ScriptFailure(QStringLiteral("%1 has %2 rows, expected %3").arg(name, QString::number(rows), text));
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button && button->isCheckable() && (text == QLatin1String("checked") || text == QLatin1String("unchecked"))) {
        const QString state = button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        if (state != text)
            throw ScriptFailure(QStringLiteral("%1 is %2, expected %3").arg(name, state, text));
        return;
    }
    const QString shown = ScriptWidgets::textOf(widget);
    if (!matches(shown, text))
        throw ScriptFailure(QStringLiteral("%1 reads \"%2\", expected \"%3\"").arg(name, shown, text));
}

void ScriptActions::status(const QString& text)
{
    const QString shown = windowControl<QLabel>("StatusPanel0")->text();
    if (!matches(shown, text))
        throw ScriptFailure(QStringLiteral("the status bar reads \"%1\", expected \"%2\"").arg(shown, text));
}

void ScriptActions::dump(const QString& name, const QString& file)
{
    QAbstractItemView* list = ScriptWidgets::asList(ScriptWidgets::find(name, Use::Read));
    if (!list)
        throw ScriptFailure(QStringLiteral("%1 is not a list").arg(name));
    ScriptFields::writeLines(file, ScriptWidgets::rowsOf(list));
}

void ScriptActions::clipboard(const QString& file)
{
    // As it is, line ends included: a script checks the text a user would paste.
    ScriptFields::writeText(file, QApplication::clipboard()->text());
}

} // namespace tw
