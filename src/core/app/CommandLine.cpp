#include "CommandLine.h"

namespace tw {

QString CommandLine::ProgPar(const QString& name, int minimumLength) const
{
    if (name.size() < minimumLength)
        return {};
    const QString wanted = name.toUpper();
    for (const QString& parameter : m_parameters) {
        const int equals = parameter.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        int start = 0;
        while (start < parameter.size()
               && (parameter.at(start) == QLatin1Char('\\') || parameter.at(start) == QLatin1Char('/'))) {
            ++start;
        }
        const QString stripped = parameter.mid(start);
        const int keyEnd = stripped.indexOf(QLatin1Char('='));
        const QString key = stripped.left(keyEnd).toUpper();
        if (key.size() >= minimumLength && wanted.startsWith(key))
            return stripped.mid(keyEnd + 1).toUpper();
    }
    return {};
}

bool CommandLine::switchOn(const QString& name, int minimumLength) const
{
    return ProgPar(name, minimumLength) == QLatin1String("YES");
}

bool CommandLine::noSplash() const
{
    return m_parameters.contains(QStringLiteral("/NS"), Qt::CaseSensitive);
}

QString CommandLine::scriptPath() const
{
    const QLatin1String prefix("--script=");
    for (const QString& parameter : m_parameters) {
        if (parameter.startsWith(prefix))
            return parameter.mid(prefix.size());
    }
    return {};
}

} // namespace tw
