#include "SortedList.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>

namespace tw {

namespace {

// An entry of a sorted list widget: the list keeps itself sorted by this order,
// also when an entry is renamed.
class CaselessItem : public QListWidgetItem
{
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override { return SortedList::lessThan(text(), other.text()); }
};

} // namespace

bool SortedList::lessThan(const QString& left, const QString& right)
{
    const int caseless = left.compare(right, Qt::CaseInsensitive);
    return caseless != 0 ? caseless < 0 : left < right;
}

void SortedList::fill(QListWidget* list, const QStringList& entries)
{
    list->clear();
    for (const QString& entry : entries)
        add(list, entry);
}

void SortedList::add(QListWidget* list, const QString& entry)
{
    list->addItem(new CaselessItem(entry));
}

void SortedList::fill(QComboBox* box, const QStringList& entries)
{
    QStringList sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), lessThan);
    box->clear();
    box->addItems(sorted);
}

} // namespace tw
