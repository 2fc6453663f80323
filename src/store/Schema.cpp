#include "store/Schema.h"

#include "store/Dialect.h"
#include "store/StoreError.h"
#include "store/StorePaths.h"

#include <QSqlError>
#include <QSqlQuery>

namespace store {

namespace {

const char* const kPendingTable
    = "CREATE TABLE pending(id INTEGER PRIMARY KEY, owner TEXT NOT NULL, kind INTEGER NOT NULL,"
      " stage INTEGER NOT NULL DEFAULT 0, version_id INTEGER, folder TEXT NOT NULL DEFAULT '',"
      " new_file TEXT NOT NULL DEFAULT '', old_file TEXT NOT NULL DEFAULT '', detail TEXT NOT NULL DEFAULT '',"
      " created INTEGER)";

void exec(QSqlQuery& q, const QString& statement, const char* what)
{
    if (!q.exec(statement)) {
        throw StoreError(QStringLiteral("Cannot %1: %2").arg(QLatin1String(what), q.lastError().text()));
    }
}

const char* const kStatements[] = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT)",
    "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT)",
    "CREATE TABLE domains(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, dn TEXT NOT NULL DEFAULT '',"
    " path TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE post_offices(id INTEGER PRIMARY KEY, domain_id INTEGER NOT NULL REFERENCES domains(id),"
    " name TEXT NOT NULL, dn TEXT NOT NULL DEFAULT '', UNIQUE(domain_id, name))",
    "CREATE TABLE users(id INTEGER PRIMARY KEY, post_office_id INTEGER NOT NULL REFERENCES post_offices(id),"
    " user_id TEXT NOT NULL UNIQUE COLLATE NOCASE, given_name TEXT NOT NULL DEFAULT '',"
    " surname TEXT NOT NULL DEFAULT '', display_name TEXT NOT NULL, active INTEGER NOT NULL DEFAULT 1,"
    " default_library_id INTEGER)",
    "CREATE TABLE distribution_lists(id INTEGER PRIMARY KEY, post_office_id INTEGER NOT NULL"
    " REFERENCES post_offices(id), name TEXT NOT NULL, display_name TEXT NOT NULL)",
    "CREATE TABLE distribution_members(list_id INTEGER NOT NULL, user_id INTEGER NOT NULL,"
    " PRIMARY KEY(list_id, user_id))",
    "CREATE TABLE domain_admins(domain_id INTEGER NOT NULL, user_id INTEGER NOT NULL,"
    " PRIMARY KEY(domain_id, user_id))",
    "CREATE TABLE libraries(id INTEGER PRIMARY KEY, post_office_id INTEGER NOT NULL REFERENCES post_offices(id),"
    " name TEXT NOT NULL, description TEXT NOT NULL DEFAULT '', dn TEXT NOT NULL DEFAULT '',"
    " directory TEXT NOT NULL UNIQUE, default_librarian INTEGER NOT NULL DEFAULT 0,"
    " default_rights INTEGER NOT NULL DEFAULT 0, UNIQUE(post_office_id, name))",
    "CREATE TABLE library_rights(library_id INTEGER NOT NULL, user_id INTEGER NOT NULL,"
    " librarian INTEGER NOT NULL DEFAULT 0, rights INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(library_id, user_id))",
    "CREATE TABLE document_types(id INTEGER PRIMARY KEY, library_id INTEGER NOT NULL, name TEXT NOT NULL,"
    " position INTEGER NOT NULL, UNIQUE(library_id, name))",
    "CREATE TABLE field_definitions(id INTEGER PRIMARY KEY, library_id INTEGER NOT NULL, name TEXT NOT NULL,"
    " field_type INTEGER NOT NULL, position INTEGER NOT NULL, UNIQUE(library_id, name))",
    "CREATE TABLE documents(id INTEGER PRIMARY KEY, library_id INTEGER NOT NULL, number INTEGER NOT NULL,"
    " subject TEXT NOT NULL DEFAULT '', author_id INTEGER NOT NULL, creator_id INTEGER NOT NULL,"
    " type_id INTEGER, created INTEGER, official_version INTEGER NOT NULL DEFAULT 1,"
    " current_version INTEGER NOT NULL DEFAULT 1, UNIQUE(library_id, number))",
    "CREATE TABLE versions(id INTEGER PRIMARY KEY, document_id INTEGER NOT NULL, number INTEGER NOT NULL,"
    " creator_id INTEGER NOT NULL, retriever_id INTEGER, retrieved INTEGER, created INTEGER, expires INTEGER,"
    " description TEXT NOT NULL DEFAULT '', file_type TEXT NOT NULL DEFAULT '',"
    " content_file TEXT NOT NULL DEFAULT '', staged_file TEXT NOT NULL DEFAULT '',"
    " size INTEGER NOT NULL DEFAULT 0, archived INTEGER NOT NULL DEFAULT 0,"
    " checked_out INTEGER NOT NULL DEFAULT 0, in_use INTEGER NOT NULL DEFAULT 0,"
    " read_write INTEGER NOT NULL DEFAULT 0, UNIQUE(document_id, number))",
    "CREATE TABLE field_values(document_id INTEGER NOT NULL, field_id INTEGER NOT NULL, value,"
    " PRIMARY KEY(document_id, field_id))",
    "CREATE TABLE rights(id INTEGER PRIMARY KEY, document_id INTEGER NOT NULL, kind INTEGER NOT NULL,"
    " position INTEGER NOT NULL DEFAULT 0, user_id INTEGER, list_id INTEGER, display_name TEXT NOT NULL DEFAULT '',"
    " official INTEGER NOT NULL DEFAULT 0, current INTEGER NOT NULL DEFAULT 0, other INTEGER NOT NULL DEFAULT 0,"
    " revoke_all INTEGER NOT NULL DEFAULT 0, modify_security INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE events(id INTEGER PRIMARY KEY, version_id INTEGER NOT NULL, event_type INTEGER NOT NULL,"
    " user_id INTEGER, user_name TEXT NOT NULL DEFAULT '', created INTEGER, file_name TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE refs(id INTEGER PRIMARY KEY, owner_id INTEGER NOT NULL, version_id INTEGER NOT NULL,"
    " message_id TEXT NOT NULL UNIQUE, created INTEGER, in_trash INTEGER NOT NULL DEFAULT 0,"
    " deleted INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE address_books(id INTEGER PRIMARY KEY, name TEXT NOT NULL, owner_id INTEGER)",
    "CREATE TABLE address_entries(id INTEGER PRIMARY KEY, book_id INTEGER NOT NULL, display_name TEXT NOT NULL,"
    " user_id INTEGER, list_id INTEGER)",
    "CREATE TABLE directory_objects(id INTEGER PRIMARY KEY, dn TEXT NOT NULL UNIQUE COLLATE NOCASE,"
    " object_class TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE directory_attributes(object_id INTEGER NOT NULL, name TEXT NOT NULL COLLATE NOCASE,"
    " position INTEGER NOT NULL DEFAULT 0, value TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE fault_rules(id INTEGER PRIMARY KEY, member TEXT NOT NULL, library TEXT, document INTEGER,"
    " version INTEGER, event INTEGER, entry INTEGER, occurrence INTEGER NOT NULL DEFAULT 0,"
    " message TEXT NOT NULL, calls INTEGER NOT NULL DEFAULT 0)",
    kPendingTable,
    // Fetching a document and its versions are indexed lookups; so are the
    // per-version reads (events, references) and the per-document rights.
    "CREATE INDEX versions_by_document ON versions(document_id, number)",
    "CREATE INDEX rights_by_document ON rights(document_id, kind, position)",
    "CREATE INDEX events_by_version ON events(version_id, id)",
    "CREATE INDEX refs_by_owner ON refs(owner_id, in_trash, deleted)",
    "CREATE INDEX field_values_by_field ON field_values(field_id)",
    "CREATE INDEX documents_by_author ON documents(author_id)",
    "CREATE INDEX documents_by_creator ON documents(creator_id)",
    "CREATE INDEX address_entries_by_book ON address_entries(book_id)",
    "CREATE INDEX directory_attributes_by_object ON directory_attributes(object_id, name, position)",
    "CREATE INDEX users_by_post_office ON users(post_office_id)",
    "CREATE INDEX distribution_lists_by_post_office ON distribution_lists(post_office_id)",
    "CREATE INDEX libraries_by_post_office ON libraries(post_office_id)",
};

} // namespace

void Schema::create(QSqlDatabase& db)
{
    QSqlQuery q(db);
    const Dialect::Backend backend = Dialect::of(db);
    for (const QString& statement : Dialect::schemaPreamble(backend)) {
        exec(q, statement, "prepare the database for the store's tables");
    }
    for (const char* statement : kStatements) {
        exec(q, Dialect::schemaStatement(backend, QString::fromLatin1(statement)), "create the store's tables");
    }
    q.prepare(QStringLiteral("INSERT INTO meta(key, value) VALUES('schema_version', ?)"));
    q.addBindValue(QString::number(Version));
    if (!q.exec()) {
        throw StoreError(QStringLiteral("Cannot record the schema version: %1").arg(q.lastError().text()));
    }
}

int Schema::versionOf(QSqlDatabase& db)
{
    // The catalogue is read first: a file that is not a database, a damaged one or one that
    // cannot be read fails here with SQLite's reason, rather than passing for a version of 0.
    QSqlQuery q(db);
    if (!q.exec(Dialect::metaTableCount(Dialect::of(db))) || !q.next()) {
        throw StoreError::fromSql(QStringLiteral("Cannot read the library store's database %1").arg(db.databaseName()),
                                  q.lastError());
    }
    if (q.value(0).toInt() == 0) {
        return 0;
    }
    if (!q.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'schema_version'"))) {
        throw StoreError::fromSql(
            QStringLiteral("Cannot read the schema version of the library store's database %1").arg(db.databaseName()),
            q.lastError());
    }
    return q.next() ? q.value(0).toInt() : 0;
}

void Schema::migrate(QSqlDatabase& db, int from)
{
    QSqlQuery q(db);
    if (from < 2) {
        exec(q, Dialect::schemaStatement(Dialect::of(db), QString::fromLatin1(kPendingTable)),
             "add the table of changes under way");
    }
    if (from < 3) {
        StorePaths::migrateAll(db);
    }
    exec(q, QStringLiteral("UPDATE meta SET value = '%1' WHERE key = 'schema_version'").arg(Version),
         "record the schema version");
}

} // namespace store
