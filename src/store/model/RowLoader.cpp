#include "store/model/RowLoader.h"

#include "store/Sql.h"
#include "store/Store.h"

#include <QSqlQuery>

namespace store {

namespace {

const char* const kLibrarySelect
    = "SELECT l.id, l.name, d.name || '.' || p.name || '.' || l.name, l.description, l.directory FROM libraries l "
      "JOIN post_offices p ON p.id = l.post_office_id JOIN domains d ON d.id = p.domain_id ";

const char* const kDocumentSelect
    = "SELECT d.id, d.library_id, d.number, d.subject, d.author_id, a.display_name, d.creator_id, c.display_name, "
      "COALESCE(t.name, ''), d.created, d.official_version, d.current_version FROM documents d "
      "LEFT JOIN users a ON a.id = d.author_id LEFT JOIN users c ON c.id = d.creator_id "
      "LEFT JOIN document_types t ON t.id = d.type_id ";

// A document and all its versions in one statement: the fetch of a document
// and the walk of its versions cost one read.
const char* const kDocumentWithVersions
    = "SELECT d.id, d.library_id, d.number, d.subject, d.author_id, a.display_name, d.creator_id, c.display_name, "
      "COALESCE(t.name, ''), d.created, d.official_version, d.current_version, "
      "v.id, v.document_id, v.number, v.creator_id, vc.display_name, v.retriever_id, r.display_name, "
      "v.retrieved, v.created, v.expires, v.description, v.file_type, v.content_file, v.staged_file, v.size, "
      "v.archived, v.checked_out, v.in_use, v.read_write FROM documents d "
      "LEFT JOIN users a ON a.id = d.author_id LEFT JOIN users c ON c.id = d.creator_id "
      "LEFT JOIN document_types t ON t.id = d.type_id LEFT JOIN versions v ON v.document_id = d.id "
      "LEFT JOIN users vc ON vc.id = v.creator_id LEFT JOIN users r ON r.id = v.retriever_id "
      "WHERE d.library_id = ? AND d.number = ? ORDER BY v.number";

const char* const kVersionSelect
    = "SELECT v.id, v.document_id, v.number, v.creator_id, c.display_name, v.retriever_id, r.display_name, "
      "v.retrieved, v.created, v.expires, v.description, v.file_type, v.content_file, v.staged_file, v.size, "
      "v.archived, v.checked_out, v.in_use, v.read_write FROM versions v LEFT JOIN users c ON c.id = v.creator_id "
      "LEFT JOIN users r ON r.id = v.retriever_id ";

LibraryRow libraryFrom(Store& store, const QSqlQuery& q)
{
    LibraryRow l;
    l.row = q.value(0).toLongLong();
    l.name = q.value(1).toString();
    l.libraryId = q.value(2).toString();
    l.description = q.value(3).toString();
    l.directory = store.libraryDirectory(q.value(4).toString());
    return l;
}

DocumentRow documentFrom(const QSqlQuery& q)
{
    DocumentRow d;
    d.row = q.value(0).toLongLong();
    d.libraryRow = q.value(1).toLongLong();
    d.number = q.value(2).toLongLong();
    d.subject = q.value(3).toString();
    d.authorRow = q.value(4).toLongLong();
    d.authorName = q.value(5).toString();
    d.creatorRow = q.value(6).toLongLong();
    d.creatorName = q.value(7).toString();
    d.typeName = q.value(8).toString();
    d.created = StoredDate::from(q.value(9));
    d.officialVersion = q.value(10).toInt();
    d.currentVersion = q.value(11).toInt();
    return d;
}

VersionRow versionFrom(const QSqlQuery& q, int o = 0)
{
    VersionRow v;
    v.row = q.value(o + 0).toLongLong();
    v.documentRow = q.value(o + 1).toLongLong();
    v.number = q.value(o + 2).toInt();
    v.creatorRow = q.value(o + 3).toLongLong();
    v.creatorName = q.value(o + 4).toString();
    v.retrieverRow = q.value(o + 5).toLongLong();
    v.retrieverName = q.value(o + 6).toString();
    v.retrieved = StoredDate::from(q.value(o + 7));
    v.created = StoredDate::from(q.value(o + 8));
    v.expires = StoredDate::from(q.value(o + 9));
    v.description = q.value(o + 10).toString();
    v.fileType = q.value(o + 11).toString();
    v.contentFile = q.value(o + 12).toString();
    v.stagedFile = q.value(o + 13).toString();
    v.size = q.value(o + 14).toLongLong();
    v.archived = q.value(o + 15).toInt() != 0;
    v.checkedOut = q.value(o + 16).toInt() != 0;
    v.inUse = q.value(o + 17).toInt() != 0;
    v.readWrite = q.value(o + 18).toInt() != 0;
    return v;
}

} // namespace

std::vector<LibraryRow> RowLoader::libraries(Store& store, QSqlDatabase& db)
{
    QSqlQuery& q = Sql::cached(db, QLatin1String(kLibrarySelect) + QLatin1String("ORDER BY l.id"));
    std::vector<LibraryRow> result;
    while (q.next()) {
        result.push_back(libraryFrom(store, q));
    }
    return result;
}

std::optional<LibraryRow> RowLoader::library(Store& store, QSqlDatabase& db, qint64 libraryRow)
{
    QSqlQuery& q = Sql::cached(db, QLatin1String(kLibrarySelect) + QLatin1String("WHERE l.id = ?"), {libraryRow});
    if (!q.next()) {
        return std::nullopt;
    }
    LibraryRow row = libraryFrom(store, q);
    q.finish();
    return row;
}

std::optional<DocumentRow> RowLoader::document(QSqlDatabase& db, qint64 libraryRow, qint64 number)
{
    QSqlQuery& q
        = Sql::cached(db, QLatin1String(kDocumentSelect) + QLatin1String("WHERE d.library_id = ? AND d.number = ?"),
                      {libraryRow, number});
    if (!q.next()) {
        return std::nullopt;
    }
    DocumentRow row = documentFrom(q);
    q.finish();
    return row;
}

std::optional<DocumentRow> RowLoader::documentWithVersions(QSqlDatabase& db, qint64 libraryRow, qint64 number,
                                                           std::vector<VersionRow>& versions)
{
    // Read once per document of a walk: the statement's text is converted once.
    static const QString sql = QString::fromLatin1(kDocumentWithVersions);
    QSqlQuery& q = Sql::cached(db, sql, {libraryRow, number});
    std::optional<DocumentRow> document;
    versions.clear();
    while (q.next()) {
        if (!document) {
            document = documentFrom(q);
        }
        if (!q.isNull(12)) {
            versions.push_back(versionFrom(q, 12));
        }
    }
    return document;
}

std::optional<DocumentRow> RowLoader::documentByRow(QSqlDatabase& db, qint64 documentRow)
{
    QSqlQuery& q = Sql::cached(db, QLatin1String(kDocumentSelect) + QLatin1String("WHERE d.id = ?"), {documentRow});
    if (!q.next()) {
        return std::nullopt;
    }
    DocumentRow row = documentFrom(q);
    q.finish();
    return row;
}

std::vector<VersionRow> RowLoader::versions(QSqlDatabase& db, qint64 documentRow)
{
    QSqlQuery& q = Sql::cached(
        db, QLatin1String(kVersionSelect) + QLatin1String("WHERE v.document_id = ? ORDER BY v.number"), {documentRow});
    std::vector<VersionRow> result;
    while (q.next()) {
        result.push_back(versionFrom(q));
    }
    return result;
}

std::optional<VersionRow> RowLoader::version(QSqlDatabase& db, qint64 versionRow)
{
    static const QString sql = QLatin1String(kVersionSelect) + QLatin1String("WHERE v.id = ?");
    QSqlQuery& q = Sql::cached(db, sql, {versionRow});
    if (!q.next()) {
        return std::nullopt;
    }
    VersionRow row = versionFrom(q);
    q.finish();
    return row;
}

std::optional<QString> RowLoader::contentFile(QSqlDatabase& db, qint64 versionRow)
{
    QSqlQuery& q = Sql::cached(db, QStringLiteral("SELECT content_file FROM versions WHERE id = ?"), {versionRow});
    if (!q.next()) {
        return std::nullopt;
    }
    const QString name = q.value(0).toString();
    q.finish();
    return name;
}

} // namespace store
