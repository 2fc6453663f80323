#include "DirectoryName.h"

namespace store {

namespace {

// "CN=Name" gives "Name"; a component is typed when letters come before its first '='.
std::optional<QString> stripType(const QString& component)
{
    const int equals = component.indexOf(QLatin1Char('='));
    if (equals < 0)
        return component;
    for (int i = 0; i < equals; ++i) {
        if (!component.at(i).isLetter())
            return component;
    }
    const QString value = component.mid(equals + 1);
    if (equals == 0 || value.isEmpty())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QStringList> DirectoryName::typelessParts(const QString& name)
{
    if (name.trimmed().isEmpty())
        return std::nullopt;
    QStringList out;
    for (const QString& component : name.split(QLatin1Char('.'))) {
        const auto value = stripType(component.trimmed());
        if (!value || value->isEmpty())
            return std::nullopt;
        out << *value;
    }
    return out;
}

QString DirectoryName::typeless(const QString& name)
{
    const auto parts = typelessParts(name);
    return parts ? parts->join(QLatin1Char('.')) : QString();
}

std::optional<QString> DirectoryName::resolve(const QString& name, const QString& context)
{
    QString text = name.trimmed();
    if (text.startsWith(QLatin1Char('.'))) {
        const auto parts = typelessParts(text.mid(1));
        return parts ? std::optional<QString>(parts->join(QLatin1Char('.'))) : std::nullopt;
    }
    // A typed name that ends in an organisation or a country is already complete.
    const QString last = text.section(QLatin1Char('.'), -1).trimmed();
    if (last.startsWith(QLatin1String("O="), Qt::CaseInsensitive)
        || last.startsWith(QLatin1String("C="), Qt::CaseInsensitive)) {
        const auto parts = typelessParts(text);
        return parts ? std::optional<QString>(parts->join(QLatin1Char('.'))) : std::nullopt;
    }
    int climb = 0;
    while (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
        ++climb;
    }
    const auto own = typelessParts(text);
    if (!own)
        return std::nullopt;
    QStringList base = context.trimmed().isEmpty() ? QStringList() : typelessParts(context).value_or(QStringList());
    if (climb > base.size())
        return std::nullopt;
    base = base.mid(climb);
    return (*own + base).join(QLatin1Char('.'));
}

bool DirectoryName::same(const QString& a, const QString& b)
{
    const auto left = typelessParts(a.startsWith(QLatin1Char('.')) ? a.mid(1) : a);
    const auto right = typelessParts(b.startsWith(QLatin1Char('.')) ? b.mid(1) : b);
    return left && right
        && left->join(QLatin1Char('.')).compare(right->join(QLatin1Char('.')), Qt::CaseInsensitive) == 0;
}

} // namespace store
