#pragma once

#include "SortState.h"

#include <QString>
#include <QStringList>
#include <limits>
#include <vector>

namespace tw {

// How a result list compares its rows by the shared sort state. Text columns compare
// ordinally and case-sensitively (so padded numbers sort as numbers and "10" comes before
// "9"); date columns compare as date-times, a text that is no date counting as the earliest;
// a column a row has not got counts as empty.
class RowOrder
{
public:
    enum class Kind { Text, Date };

    explicit RowOrder(std::vector<Kind> kinds) : m_kinds(std::move(kinds)) { }

    Kind kindOf(int column) const;
    // Negative, zero or positive, times the direction.
    int compare(const QStringList& a, const QStringList& b, const SortState& sort) const;
    // What a date column sorts by: the msecs of the date-time text, the earliest for no date.
    static qint64 dateKey(const QString& text);
    static constexpr qint64 kNoDate = std::numeric_limits<qint64>::min();

private:
    std::vector<Kind> m_kinds;
};

} // namespace tw
