#include "Args.h"

#include <algorithm>

Args::Args(const QStringList& arguments, const QStringList& valueOptions, const QStringList& flags)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            m_positionals.append(arg);
            continue;
        }
        const QString name = arg.mid(2);
        if (flags.contains(name)) {
            m_flags.append(name);
        } else if (valueOptions.contains(name)) {
            if (i + 1 >= arguments.size())
                throw UsageError(QStringLiteral("option %1 needs a value").arg(arg));
            // QMultiMap::values() gives the latest first; keep them in typed order.
            m_values.insert(name, arguments.at(++i));
        } else {
            throw UsageError(QStringLiteral("unknown option %1").arg(arg));
        }
    }
}

QString Args::at(int index) const
{
    return index < m_positionals.size() ? m_positionals.at(index) : QString();
}

void Args::expectCount(int minimum, int maximum) const
{
    if (count() < minimum)
        throw UsageError(QStringLiteral("missing arguments"));
    if (maximum >= 0 && count() > maximum)
        throw UsageError(QStringLiteral("unexpected argument \"%1\"").arg(at(maximum)));
}

qint64 Args::toNumber(const QString& text, const QString& what, qint64 minimum, qint64 maximum)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < minimum || value > maximum) {
        throw UsageError(QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\"")
                             .arg(what, QString::number(minimum), QString::number(maximum), text));
    }
    return value;
}

QStringList Args::values(const QString& option) const
{
    QStringList list = m_values.values(option);
    std::reverse(list.begin(), list.end());
    return list;
}

QString Args::value(const QString& option, const QString& fallback) const
{
    return m_values.contains(option) ? m_values.value(option) : fallback;
}
