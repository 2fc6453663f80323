#include "WidgetKit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tw {

void WidgetKit::setHint(QWidget* widget, const QString& hint)
{
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
}

QLabel* WidgetKit::label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

QLabel* WidgetKit::valueLine(const QString& name, QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setMinimumWidth(40);
    return line;
}

QLineEdit* WidgetKit::edit(const QString& name, const QString& hint, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    setHint(field, hint);
    return field;
}

QLineEdit* WidgetKit::readOnlyEdit(const QString& name, const QString& hint, QWidget* parent)
{
    QLineEdit* field = edit(name, hint, parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QPushButton* WidgetKit::button(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    setHint(pushButton, hint);
    return pushButton;
}

QToolButton* WidgetKit::speedButton(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* speed = new QToolButton(parent);
    speed->setObjectName(name);
    speed->setText(caption);
    speed->setMinimumWidth(26);
    setHint(speed, hint);
    return speed;
}

QToolButton* WidgetKit::folderButton(const QString& name, const QString& hint, QWidget* parent)
{
    QToolButton* speed = speedButton(name, QString(), hint, parent);
    speed->setIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    return speed;
}

QCheckBox* WidgetKit::checkBox(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    setHint(box, hint);
    return box;
}

QComboBox* WidgetKit::pickList(const QString& name, const QString& hint, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    setHint(combo, hint);
    return combo;
}

QListWidget* WidgetKit::listBox(const QString& name, const QString& hint, bool sorted, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSortingEnabled(sorted);
    setHint(list, hint);
    return list;
}

namespace {
void setUpList(QTreeView* view, const QString& name)
{
    view->setObjectName(name);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAllColumnsShowFocus(true);
    view->header()->setStretchLastSection(true);
    view->header()->setSectionsMovable(false);
}
} // namespace

QTreeView* WidgetKit::modelView(const QString& name, const QString& hint, QWidget* parent)
{
    auto* view = new QTreeView(parent);
    setUpList(view, name);
    setHint(view, hint);
    return view;
}

QTreeWidget* WidgetKit::listView(const QString& name, const QStringList& columns, const QString& hint, QWidget* parent)
{
    auto* view = new QTreeWidget(parent);
    setUpList(view, name);
    view->setHeaderLabels(columns);
    setHint(view, hint);
    return view;
}

QProgressBar* WidgetKit::progressBar(const QString& name, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

void WidgetKit::directoryRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* field, QToolButton* picker,
                             int span)
{
    grid->addWidget(label(caption), row, 0);
    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    line->addWidget(field, 1);
    line->addWidget(picker);
    grid->addLayout(line, row, 1, 1, span);
}

QWidget* WidgetKit::fieldPicker(const QString& caption, QListWidget* available, QToolButton* add, QToolButton* remove,
                                QListWidget* chosen, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto* movers = new QVBoxLayout;
    movers->addStretch(1);
    movers->addWidget(add);
    movers->addWidget(remove);
    movers->addStretch(1);
    grid->addWidget(label(caption), 0, 0, 1, 3);
    grid->addWidget(available, 1, 0);
    grid->addLayout(movers, 1, 1);
    grid->addWidget(chosen, 1, 2);
    return box;
}

} // namespace tw
