#include "ScriptWidgets.h"

#include "ScriptFailure.h"
#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointingDevice>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>

namespace tw::ScriptWidgets {

namespace {

QList<QWidget*> named(const QString& name)
{
    // A dialog is a window of its own and a child of the main window, so it
    // is met twice.
    QList<QWidget*> found;
    const auto add = [&found](QWidget* widget) {
        if (!found.contains(widget))
            found.append(widget);
    };
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            add(top);
        for (QWidget* child : top->findChildren<QWidget*>(name))
            add(child);
    }
    return found;
}

QList<QWidget*> within(const QList<QWidget*>& widgets, QWidget* dialog)
{
    QList<QWidget*> inside;
    for (QWidget* widget : widgets) {
        if (widget == dialog || dialog->isAncestorOf(widget))
            inside.append(widget);
    }
    return inside;
}

QList<QWidget*> onScreen(const QList<QWidget*>& widgets)
{
    QList<QWidget*> shown;
    for (QWidget* widget : widgets) {
        if (widget->isVisible())
            shown.append(widget);
    }
    return shown;
}

QWidget* choose(const QString& name, const QList<QWidget*>& all, Use use)
{
    QList<QWidget*> candidates = all;
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        const QList<QWidget*> inside = within(all, dialog);
        if (!inside.isEmpty())
            candidates = inside;
        else if (use == Use::Act)
            throw ScriptFailure(QStringLiteral("%1 is behind the dialog \"%2\"; close the dialog first")
                                    .arg(name, dialog->windowTitle()));
    }
    const QList<QWidget*> shown = onScreen(candidates);
    if (shown.size() == 1)
        return shown.first();
    if (shown.size() > 1)
        throw ScriptFailure(QStringLiteral("%1 names %2 widgets on screen").arg(name, QString::number(shown.size())));
    if (use == Use::Act)
        throw ScriptFailure(QStringLiteral("%1 is not on screen (is its tab showing?)").arg(name));
    if (candidates.size() > 1)
        throw ScriptFailure(
            QStringLiteral("%1 names %2 widgets, none on screen").arg(name, QString::number(candidates.size())));
    return candidates.first();
}

void send(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(target, &event);
}

} // namespace

QWidget* find(const QString& name, Use use)
{
    const QList<QWidget*> all = named(name);
    if (all.isEmpty())
        throw ScriptFailure(QStringLiteral("no widget is named %1").arg(name));
    QWidget* widget = choose(name, all, use);
    if (use == Use::Act && !widget->isEnabled())
        throw ScriptFailure(QStringLiteral("%1 is disabled").arg(name));
    return widget;
}

QString plainCaption(const QString& caption)
{
    QString plain;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i; // "&&" stands for one ampersand; "&x" marks x
        plain += caption.at(i);
    }
    return plain;
}

QString textOf(QWidget* widget)
{
    if (auto* group = qobject_cast<RadioGroup*>(widget))
        return plainCaption(group->itemText(group->itemIndex()));
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return memo->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        return rich->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        return spin->text();
    if (auto* bar = qobject_cast<QProgressBar*>(widget))
        return QString::number(bar->value());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return plainCaption(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return plainCaption(group->title());
    if (widget->isWindow())
        return widget->windowTitle();
    throw ScriptFailure(QStringLiteral("%1 shows no text").arg(widget->objectName()));
}

QAbstractItemView* asList(QWidget* widget)
{
    return qobject_cast<QAbstractItemView*>(widget);
}

QStringList rowsOf(QAbstractItemView* list)
{
    const QAbstractItemModel* model = list->model();
    const QModelIndex root = list->rootIndex();
    const QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(list))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(list))
        header = table->horizontalHeader();
    QStringList rows;
    for (int row = 0; row < model->rowCount(root); ++row) {
        QStringList cells;
        // A row with a check box begins with its state.
        const QModelIndex first = model->index(row, 0, root);
        if ((first.flags() & Qt::ItemIsUserCheckable) && first.data(Qt::CheckStateRole).isValid())
            cells.append(first.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStringLiteral("[x]")
                                                                               : QStringLiteral("[ ]"));
        for (int visual = 0; visual < model->columnCount(root); ++visual) {
            const int column = header ? header->logicalIndex(visual) : visual;
            if (header && header->isSectionHidden(column))
                continue;
            cells.append(model->index(row, column, root).data(Qt::DisplayRole).toString());
        }
        rows.append(cells.join(QLatin1Char('\t')));
    }
    return rows;
}

QModelIndex rowNamed(QAbstractItemView* list, const QString& text)
{
    const QAbstractItemModel* model = list->model();
    const QModelIndex root = list->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row) {
        const QModelIndex index = model->index(row, 0, root);
        if (index.data(Qt::DisplayRole).toString().trimmed() == text)
            return index;
    }
    throw ScriptFailure(QStringLiteral("%1 has no row \"%2\"").arg(list->objectName(), text));
}

void click(QWidget* target, const QPoint& at)
{
    send(target, QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void doubleClick(QWidget* target, const QPoint& at)
{
    click(target, at);
    send(target, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void clickRow(QAbstractItemView* list, const QModelIndex& row)
{
    list->scrollTo(row);
    click(list->viewport(), list->visualRect(row).center());
    if (list->currentIndex() != row)
        throw ScriptFailure(QStringLiteral("%1 did not select the row \"%2\"")
                                .arg(list->objectName(), row.data(Qt::DisplayRole).toString().trimmed()));
}

void clickCheckBox(QAbstractItemView* list, const QModelIndex& row)
{
    list->scrollTo(row);
    // Where the item delegate draws the box: at the left of the row's first cell.
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualRect(row);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.widget = list;
    const QRect box = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    click(list->viewport(), box.center());
}

} // namespace tw::ScriptWidgets
