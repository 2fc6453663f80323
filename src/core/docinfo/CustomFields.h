#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace tw {

// The derived fields FKW1, FKW2, ...: each is a piece of another field's
// value (its start, a tail from a position, or its end), cut to a length and
// cleaned of unwanted characters. They live only in memory and are discarded
// at every library selection.
class CustomFields
{
public:
    struct Definition
    {
        QString name; // "FKW" + position, counted from 1
        QString source; // a field name
        QString type; // "Start", "Middle" or "End"; the first letter decides
        int length = 1; // 1..255
        QString excluded; // characters removed from the value, ignoring case
    };
    // Old name -> new name, in list order, for the lists that show the names.
    using Renames = QList<QPair<QString, QString>>;

    const QList<Definition>& definitions() const { return m_definitions; }
    bool isEmpty() const { return m_definitions.isEmpty(); }
    void clear() { m_definitions.clear(); }

    // Appends a definition and returns its name.
    QString add(const QString& source, const QString& type, int length, const QString& excluded);
    // Removes the row at `index` (0-based) and renumbers the rows after it.
    Renames remove(int index);

    // The value of the named customised field; `catalogue` gives a source
    // field's value. The empty text when no definition has that name.
    QString GetCustGWFieldNames(const QString& name, const std::function<QString(const QString&)>& catalogue) const;

    // The cut of one value by a type's first letter and a length, cleaned of
    // the excluded characters (ignoring case) and trimmed.
    static QString cut(const QString& value, const QString& type, int length, const QString& excluded);

private:
    QList<Definition> m_definitions;
};

} // namespace tw
