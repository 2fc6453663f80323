#include "Generator.h"

#include "store/PendingChange.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StoreError.h"
#include "store/demo/GeneratorRun.h"

#include <QJsonObject>
#include <optional>

namespace store {

namespace {

qint64 libraryFor(Store& store, const QString& library)
{
    if (const qint64 row = store.libraryRow(library))
        return row;
    QSqlDatabase db = store.database();
    QString office = Sql::scalar(db, QStringLiteral("SELECT name FROM post_offices ORDER BY id LIMIT 1")).toString();
    if (office.isEmpty()) {
        office = QStringLiteral("BENCHPO");
        StoreBuilder(store).addPostOffice(QStringLiteral("BENCH"), office);
    }
    return StoreBuilder(store).addLibrary(office, library, QStringLiteral("Synthetic documents"));
}

qint64 authorFor(Store& store, qint64 libraryRow, const QString& library)
{
    if (const qint64 row = store.userRow(store.clientUser()))
        return row;
    if (const qint64 row = store.userRow(QStringLiteral("BENCH")))
        return row;
    QSqlDatabase db = store.database();
    const QString office = Sql::scalar(db,
                                       QStringLiteral("SELECT p.name FROM libraries l JOIN post_offices p"
                                                      " ON p.id = l.post_office_id WHERE l.id = ?"),
                                       {libraryRow})
                               .toString();
    const qint64 row
        = StoreBuilder(store).addUser(office, QStringLiteral("BENCH"), QStringLiteral("Bench"), QStringLiteral("Mark"));
    StoreBuilder(store).setDefaultLibrary(QStringLiteral("BENCH"), library);
    return row;
}

} // namespace

Generator::Result Generator::generate(Store& store, const QString& library, qint64 documents, int versionsPerDocument)
{
    if (documents < 1 || documents > MaxDocuments)
        throw StoreError(QStringLiteral("The number of documents must be 1 to %1").arg(MaxDocuments));
    if (versionsPerDocument < 1 || versionsPerDocument > MaxVersions)
        throw StoreError(QStringLiteral("The number of versions per document must be 1 to %1").arg(MaxVersions));
    if (library.trimmed().isEmpty())
        throw StoreError(QStringLiteral("A library name is needed"));
    QSqlDatabase db = store.database();
    // The write order: the files the run may write are recorded first, so that the next open
    // removes them should the run be killed before its one commit (PendingChange).
    const qint64 firstFile
        = Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM versions")).toLongLong();
    PendingChange change(store,
                         {PendingChange::Kind::Generate, 0, QString(), QString(), QString(),
                          QJsonObject {{QStringLiteral("first"), firstFile},
                                       {QStringLiteral("count"), documents * versionsPerDocument}}});
    std::optional<GeneratorRun> run;
    try {
        WriteTransaction whole(db);
        const qint64 libraryRow = libraryFor(store, library.trimmed());
        run.emplace(store, libraryRow, authorFor(store, libraryRow, library.trimmed()), versionsPerDocument);
        const Result result = run->run(documents, firstFile);
        change.committed(db, QString());
        whole.commit();
        change.finish();
        return result;
    } catch (...) {
        if (run)
            run->removeWrittenFiles();
        change.abandon();
        throw;
    }
}

QString Generator::fileNameOf(qint64 number)
{
    return QStringLiteral("G%1.TXT").arg(number, 7, 16, QLatin1Char('0')).toUpper();
}

} // namespace store
