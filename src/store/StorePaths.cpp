#include "store/StorePaths.h"

#include "store/Sql.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <utility>
#include <vector>

namespace store::StorePaths {

namespace {

QString prefixOf(const QString& storeDirectory)
{
    return QDir::cleanPath(storeDirectory) + QLatin1Char('/');
}

// "files/FOLDER/NAME" or "domains/NAME" at the end of `path`, or nothing.
QString storeLayoutTail(const QString& path)
{
    const QString clean = QDir::fromNativeSeparators(path);
    for (const auto& [marker, depth] :
         {std::pair {QLatin1String("/files/"), 1}, std::pair {QLatin1String("/domains/"), 0}}) {
        const int at = clean.lastIndexOf(marker);
        if (at >= 0 && clean.mid(at + marker.size()).count(QLatin1Char('/')) == depth)
            return clean.mid(at + 1);
    }
    return QString();
}

} // namespace

QString recorded(const QString& storeDirectory, const QString& path)
{
    const QString prefix = prefixOf(storeDirectory);
    return path.startsWith(prefix) ? path.mid(prefix.size()) : path;
}

QString resolved(const QString& storeDirectory, const QString& recorded)
{
    if (recorded.isEmpty() || QDir::isAbsolutePath(recorded))
        return recorded;
    return prefixOf(storeDirectory) + recorded;
}

QString directoryOf(const QSqlDatabase& db)
{
    return QFileInfo(db.databaseName()).path();
}

QString migrated(const QString& storeDirectory, const QString& fullPath)
{
    if (fullPath.isEmpty() || !QDir::isAbsolutePath(fullPath))
        return fullPath;
    if (fullPath.startsWith(prefixOf(storeDirectory)))
        return recorded(storeDirectory, fullPath);
    const QString tail = storeLayoutTail(fullPath);
    return tail.isEmpty() ? fullPath : tail;
}

void migrateAll(QSqlDatabase& db)
{
    const QString directory = directoryOf(db);
    const QString prefix = prefixOf(directory);
    for (const auto& [table, column] : {std::pair {QLatin1String("events"), QLatin1String("file_name")},
                                        std::pair {QLatin1String("domains"), QLatin1String("path")}}) {
        // Paths inside the store where it lies now, in one statement; then those of the place
        // it was copied or moved from, one by one.
        Sql::run(db, QStringLiteral("UPDATE %1 SET %2 = substr(%2, ?) WHERE substr(%2, 1, ?) = ?").arg(table, column),
                 {qint64(prefix.size() + 1), qint64(prefix.size()), prefix});
        std::vector<std::pair<qint64, QString>> changed;
        QSqlQuery q = Sql::run(db,
                               QStringLiteral("SELECT id, %1 FROM %2 WHERE substr(%1, 1, 1) IN ('/', '\\') OR "
                                              "substr(%1, 2, 1) = ':'")
                                   .arg(column, table));
        while (q.next()) {
            const QString old = q.value(1).toString();
            const QString now = migrated(directory, old);
            if (now != old)
                changed.emplace_back(q.value(0).toLongLong(), now);
        }
        q.finish();
        const QString update = QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?").arg(table, column);
        for (const auto& [row, path] : changed)
            Sql::cached(db, update, {path, row}).finish();
    }
}

} // namespace store::StorePaths
