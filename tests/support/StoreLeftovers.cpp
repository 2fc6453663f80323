#include "StoreLeftovers.h"

#include "store/Sql.h"
#include "store/Store.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QSqlQuery>

namespace tw::test {

namespace {

constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

QStringList temporaryFiles(const QString& directory)
{
    QStringList found;
    QDirIterator it(directory, {QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QStringLiteral("temporary file ") + it.next();
    return found;
}

QStringList unpairedSalvage(const QString& folder)
{
    const QDir salvage(folder + QStringLiteral("/.salvage"));
    QSet<QString> records;
    QSet<QString> contents;
    for (const QString& name : salvage.entryList(QDir::Files | QDir::Hidden)) {
        if (name.endsWith(QLatin1String(".INF")))
            records.insert(name.chopped(4));
        else if (name.endsWith(QLatin1String(".DAT")))
            contents.insert(name.chopped(4));
    }
    QStringList found;
    for (const QString& entry : records - contents)
        found << QStringLiteral("salvage record without content ") + salvage.filePath(entry + ".INF");
    for (const QString& entry : contents - records)
        found << QStringLiteral("salvage content without record ") + salvage.filePath(entry + ".DAT");
    return found;
}

} // namespace

QStringList storeLeftovers(store::Store& store)
{
    QSqlDatabase db = store.database();
    QStringList found = temporaryFiles(store.filesDirectory());
    QSqlQuery libraries = store::Sql::run(db, QStringLiteral("SELECT id, directory FROM libraries"));
    while (libraries.next()) {
        const QString folder = store.libraryDirectory(libraries.value(1).toString());
        QSet<QString> named;
        QSqlQuery versions = store::Sql::run(db,
                                             QStringLiteral("SELECT v.content_file FROM versions v JOIN documents d "
                                                            "ON d.id = v.document_id WHERE d.library_id = ?"),
                                             {libraries.value(0)});
        while (versions.next())
            named.insert(versions.value(0).toString());
        for (const QString& name : QDir(folder).entryList(kEverything)) {
            if (name == QLatin1String(".salvage") || name.endsWith(QLatin1String(".tmp")))
                continue;
            if (!named.contains(name))
                found << QStringLiteral("content file no version names ") + folder + QLatin1Char('/') + name;
        }
        found << unpairedSalvage(folder);
    }
    if (store::Sql::scalar(db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'pending'")).isValid()) {
        QSqlQuery pending = store::Sql::run(db, QStringLiteral("SELECT id, kind, new_file, old_file FROM pending"));
        while (pending.next())
            found << QStringLiteral("change %1 of kind %2 still under way (%3, %4)")
                         .arg(pending.value(0).toString(), pending.value(1).toString(), pending.value(2).toString(),
                              pending.value(3).toString());
    }
    return found;
}

} // namespace tw::test
