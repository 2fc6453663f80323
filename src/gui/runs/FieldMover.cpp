#include "FieldMover.h"

#include "gui/widgets/SortedList.h"

#include <QListWidget>
#include <QToolButton>

namespace tw {

FieldMover::FieldMover(QListWidget* available, QListWidget* chosen, QToolButton* add, QToolButton* remove,
                       std::function<void()> afterMove, QObject* parent)
    : QObject(parent), m_available(available), m_chosen(chosen), m_afterMove(std::move(afterMove))
{
    connect(add, &QToolButton::clicked, this, &FieldMover::addClick);
    connect(remove, &QToolButton::clicked, this, &FieldMover::removeClick);
    // A double click moves the field under the mouse, which it also highlights.
    connect(available, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_available->setCurrentItem(item);
        addClick();
    });
    connect(chosen, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_chosen->setCurrentItem(item);
        removeClick();
    });
}

void FieldMover::addClick()
{
    move(m_available, m_chosen);
    m_afterMove();
}

void FieldMover::removeClick()
{
    move(m_chosen, m_available);
    m_afterMove();
}

void FieldMover::addAvailable(const QString& name)
{
    // The available list is sorted, so FKW10 comes before FKW2.
    SortedList::add(m_available, name);
}

void FieldMover::removeEverywhere(const QString& name)
{
    for (QListWidget* list : {m_available, m_chosen}) {
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty())
            delete list->takeItem(list->row(found.first()));
    }
    m_afterMove();
}

void FieldMover::renameEverywhere(const QString& from, const QString& to)
{
    for (QListWidget* list : {m_available, m_chosen}) {
        const QList<QListWidgetItem*> found = list->findItems(from, Qt::MatchExactly);
        // findItems gives the rows in list order; a sorted list puts the new name in its place.
        if (!found.isEmpty())
            found.first()->setText(to);
    }
    m_afterMove();
}

void FieldMover::move(QListWidget* from, QListWidget* to)
{
    QListWidgetItem* item = from->currentItem();
    if (!item)
        return;
    // A sorted list puts the field into its place by itself; the chosen list keeps the order of choosing.
    SortedList::add(to, item->text());
    delete from->takeItem(from->row(item));
    // Nothing stays highlighted, so a second click moves nothing.
    from->setCurrentRow(-1);
}

} // namespace tw
