#include "CustomFields.h"

#include "core/app/TextTrim.h"

namespace tw {

QString CustomFields::add(const QString& source, const QString& type, int length, const QString& excluded)
{
    const QString name = QStringLiteral("FKW") + QString::number(m_definitions.size() + 1);
    m_definitions.append({name, source, type, length, excluded});
    return name;
}

CustomFields::Renames CustomFields::remove(int index)
{
    Renames renames;
    if (index < 0 || index >= m_definitions.size())
        return renames;
    m_definitions.removeAt(index);
    // A removal only shifts later rows down by one, so each new name is free when it is given.
    for (int i = 0; i < m_definitions.size(); ++i) {
        const QString renamed = QStringLiteral("FKW") + QString::number(i + 1);
        if (m_definitions[i].name != renamed) {
            renames.append({m_definitions[i].name, renamed});
            m_definitions[i].name = renamed;
        }
    }
    return renames;
}

QString CustomFields::cut(const QString& value, const QString& type, int length, const QString& excluded)
{
    QString result;
    const QChar letter = type.isEmpty() ? QChar() : type.at(0);
    if (letter == QLatin1Char('S'))
        result = value.left(length);
    else if (letter == QLatin1Char('M'))
        result = length > value.size() ? QString() : value.mid(length - 1);
    else if (letter == QLatin1Char('E'))
        result = value.right(length);
    else
        result = value;
    for (const QChar c : excluded)
        result.remove(c, Qt::CaseInsensitive);
    return trimBlanksAndControls(result);
}

QString CustomFields::GetCustGWFieldNames(const QString& name,
                                          const std::function<QString(const QString&)>& catalogue) const
{
    QString value;
    // Later rows replace the value of earlier ones; names are unique in practice.
    for (const Definition& d : m_definitions) {
        if (d.name == name)
            value = cut(catalogue(d.source), d.type, d.length, d.excluded);
    }
    return trimBlanksAndControls(value);
}

} // namespace tw
