#include "RowOrder.h"

#include "core/app/DateTimeText.h"

namespace tw {

RowOrder::Kind RowOrder::kindOf(int column) const
{
    return column >= 0 && static_cast<size_t>(column) < m_kinds.size() ? m_kinds[static_cast<size_t>(column)]
                                                                       : Kind::Text;
}

qint64 RowOrder::dateKey(const QString& text)
{
    const QDateTime when = DateTimeText::parse(text);
    return when.isValid() ? when.toMSecsSinceEpoch() : kNoDate;
}

int RowOrder::compare(const QStringList& a, const QStringList& b, const SortState& sort) const
{
    const QString left = a.value(sort.column);
    const QString right = b.value(sort.column);
    int result = 0;
    if (kindOf(sort.column) == Kind::Date) {
        const qint64 l = dateKey(left);
        const qint64 r = dateKey(right);
        result = l < r ? -1 : (l > r ? 1 : 0);
    } else {
        result = left.compare(right, Qt::CaseSensitive);
        result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    }
    return result * sort.direction;
}

} // namespace tw
