#pragma once

#include <QString>
#include <QStringList>

namespace tw {

class CustomFields;
class FieldCatalogue;

// The extra field columns of a report: a name is looked up as a customised
// field first, then in the field catalogue, and written as "<No " + name + ">"
// when both give the empty text.
class FieldColumns
{
public:
    FieldColumns(FieldCatalogue& catalogue, const CustomFields& customFields);

    QString value(const QString& name);
    // "\t" + value for each name, in order; a TAB, CR or LF in a value is written as a blank.
    QString values(const QStringList& names);

    // The customised-field block of a report head; empty when no customised
    // field is defined.
    static QStringList definitionBlock(const CustomFields& customFields);

private:
    FieldCatalogue& m_catalogue;
    const CustomFields& m_customFields;
};

} // namespace tw
