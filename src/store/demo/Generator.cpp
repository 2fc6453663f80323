#include "Generator.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StoreError.h"
#include "store/demo/GeneratorRun.h"

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
    WriteTransaction whole(db);
    const qint64 libraryRow = libraryFor(store, library.trimmed());
    GeneratorRun run(store, libraryRow, authorFor(store, libraryRow, library.trimmed()), versionsPerDocument);
    try {
        const Result result = run.run(documents);
        whole.commit();
        return result;
    } catch (...) {
        run.removeWrittenFiles();
        throw;
    }
}

} // namespace store
