#include "FieldColumns.h"

#include "core/app/TabText.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"

namespace tw {

FieldColumns::FieldColumns(FieldCatalogue& catalogue, const CustomFields& customFields)
    : m_catalogue(catalogue), m_customFields(customFields)
{
}

QString FieldColumns::value(const QString& name)
{
    QString text = m_customFields.GetCustGWFieldNames(
        name, [this](const QString& source) { return m_catalogue.GetGWFieldNames(source); });
    if (text.isEmpty())
        text = m_catalogue.GetGWFieldNames(name);
    if (text.isEmpty())
        text = QStringLiteral("<No ") + name + QLatin1Char('>');
    return text;
}

QString FieldColumns::values(const QStringList& names)
{
    QString text;
    for (const QString& name : names)
        text += QLatin1Char('\t') + TabText::cell(value(name));
    return text;
}

QStringList FieldColumns::definitionBlock(const CustomFields& customFields)
{
    if (customFields.isEmpty())
        return {};
    QStringList block {QStringLiteral("Customised Field Definitions Present"), QString(),
                       QStringLiteral("Name\tGW Field\tPosition\tLength")};
    for (const CustomFields::Definition& d : customFields.definitions())
        block.append(TabText::join({d.name, d.source, d.type, QString::number(d.length)}));
    block.append(QString());
    return block;
}

} // namespace tw
