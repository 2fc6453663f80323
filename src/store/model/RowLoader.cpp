#include "store/model/RowLoader.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/model/DirectRead.h"

#include <QSqlQuery>
#include <string>

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
    l.folder = q.value(4).toString();
    l.directory = store.libraryDirectory(l.folder);
    return l;
}

// A row of a Qt query, read as DirectRead reads its rows.
class QueryRow
{
public:
    explicit QueryRow(const QSqlQuery& q) : m_q(q) { }
    bool isNull(int column) const { return m_q.isNull(column); }
    qint64 integer(int column) const { return m_q.value(column).toLongLong(); }
    QString text(int column) const { return m_q.value(column).toString(); }
    StoredDate date(int column) const { return StoredDate::from(m_q.value(column)); }

private:
    const QSqlQuery& m_q;
};

template <typename Row> DocumentRow documentFrom(const Row& q)
{
    DocumentRow d;
    d.row = q.integer(0);
    d.libraryRow = q.integer(1);
    d.number = q.integer(2);
    d.subject = q.text(3);
    d.authorRow = q.integer(4);
    d.authorName = q.text(5);
    d.creatorRow = q.integer(6);
    d.creatorName = q.text(7);
    d.typeName = q.text(8);
    d.created = q.date(9);
    d.officialVersion = int(q.integer(10));
    d.currentVersion = int(q.integer(11));
    return d;
}

template <typename Row> VersionRow versionFrom(const Row& q, int o = 0)
{
    VersionRow v;
    v.row = q.integer(o + 0);
    v.documentRow = q.integer(o + 1);
    v.number = int(q.integer(o + 2));
    v.creatorRow = q.integer(o + 3);
    v.creatorName = q.text(o + 4);
    v.retrieverRow = q.integer(o + 5);
    v.retrieverName = q.text(o + 6);
    v.retrieved = q.date(o + 7);
    v.created = q.date(o + 8);
    v.expires = q.date(o + 9);
    v.description = q.text(o + 10);
    v.fileType = q.text(o + 11);
    v.contentFile = q.text(o + 12);
    v.stagedFile = q.text(o + 13);
    v.size = q.integer(o + 14);
    v.archived = q.integer(o + 15) != 0;
    v.checkedOut = q.integer(o + 16) != 0;
    v.inUse = q.integer(o + 17) != 0;
    v.readWrite = q.integer(o + 18) != 0;
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
    DocumentRow row = documentFrom(QueryRow(q));
    q.finish();
    return row;
}

std::optional<DocumentRow> RowLoader::documentWithVersions(QSqlDatabase& db, qint64 libraryRow, qint64 number,
                                                           std::vector<VersionRow>& versions)
{
    // Read once per document of a walk, straight from SQLite.
    DirectRead q(db, kDocumentWithVersions, {libraryRow, number});
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
    DocumentRow row = documentFrom(QueryRow(q));
    q.finish();
    return row;
}

std::vector<VersionRow> RowLoader::versions(QSqlDatabase& db, qint64 documentRow)
{
    QSqlQuery& q = Sql::cached(
        db, QLatin1String(kVersionSelect) + QLatin1String("WHERE v.document_id = ? ORDER BY v.number"), {documentRow});
    std::vector<VersionRow> result;
    while (q.next()) {
        result.push_back(versionFrom(QueryRow(q)));
    }
    return result;
}

std::optional<VersionRow> RowLoader::version(QSqlDatabase& db, qint64 versionRow)
{
    // Read again before and after every check-out and check-in of a mass run, straight from SQLite.
    static const std::string sql = std::string(kVersionSelect) + "WHERE v.id = ?";
    DirectRead q(db, sql.c_str(), {versionRow});
    if (!q.next()) {
        return std::nullopt;
    }
    return versionFrom(q);
}

} // namespace store
