#include "StoreOption.h"

#include "Args.h"

QString takeStoreOption(QStringList& arguments, const QString& fallback)
{
    const QLatin1String option("--store");
    const QLatin1String prefix("--store=");
    QString directory;
    bool given = false;
    for (int i = 0; i < arguments.size();) {
        const QString arg = arguments.at(i);
        if (arg != option && !arg.startsWith(prefix)) {
            ++i;
            continue;
        }
        if (given)
            throw UsageError(QStringLiteral("option --store is given twice"));
        given = true;
        if (arg == option && i + 1 >= arguments.size())
            throw UsageError(QStringLiteral("option --store needs a value"));
        directory = arg == option ? arguments.takeAt(i + 1) : arg.mid(prefix.size());
        arguments.removeAt(i);
        if (directory.isEmpty())
            throw UsageError(QStringLiteral("option --store needs a value"));
    }
    return given ? directory : fallback;
}
