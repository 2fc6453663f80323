#pragma once

#include <QStringList>

class QComboBox;
class QListWidget;

namespace tw {

// The sorted pick lists (field lists, document types) order their entries
// ignoring letter case, as the library selector does: "author" comes before
// "Doc. Type". Entries added to a sorted list one by one find the same place.
class SortedList
{
public:
    // Replaces the list's entries.
    static void fill(QListWidget* list, const QStringList& entries);
    // Adds one entry: in its place in a sorted list, at the end of another.
    static void add(QListWidget* list, const QString& entry);
    // Replaces the entries of a drop-down list, sorted; an empty entry stays first.
    static void fill(QComboBox* box, const QStringList& entries);
    static bool lessThan(const QString& left, const QString& right);
};

} // namespace tw
