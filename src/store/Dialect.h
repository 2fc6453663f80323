#pragma once

#include <QSqlDatabase>
#include <QString>

namespace store {

// Every difference between the two databases a store can live in: SQLite (store.db in the
// store's folder) and PostgreSQL (store.conf in the folder names the database). The rest of the
// store writes SQL both understand (upserts as INSERT ... ON CONFLICT, COALESCE, lower()) and
// asks here for the few words that differ.
class Dialect
{
public:
    enum class Backend { Sqlite, Postgres };

    static Backend of(const QSqlDatabase& db);
    static bool isPostgres(const QSqlDatabase& db) { return of(db) == Backend::Postgres; }
    // The Qt driver of a backend.
    static QString driverName(Backend backend);

    // A statement of the schema, written once in SQLite's words, in the backend's words:
    // on PostgreSQL an id column is an identity column, integers are 64-bit (dates are
    // milliseconds), a case-insensitive text is citext and an untyped column is text.
    static QString schemaStatement(Backend backend, const QString& statement);
    // Statements that prepare an empty database for the schema (PostgreSQL's citext).
    static QStringList schemaPreamble(Backend backend);
    // A query whose first column counts the tables named `meta` (0 for a database without a store).
    static QString metaTableCount(Backend backend);

    // The id of the row the connection inserted last.
    static qint64 lastInsertedId(QSqlDatabase& db);
    // `column = ?` comparing text without regard to case (ASCII letters on SQLite).
    static QString equalsIgnoringCase(const QSqlDatabase& db, const QString& column);
    // `column LIKE ?` with `\` as escape, ignoring case as SQLite's LIKE does.
    static QString likeIgnoringCase(Backend backend, const QString& column);

    // The statements that begin the outermost write transaction, taking the store's write lock
    // before anything is read: BEGIN IMMEDIATE on SQLite; on PostgreSQL BEGIN and a transaction
    // advisory lock, which every writer of the store's database takes.
    static QStringList beginWrite(const QSqlDatabase& db);
    // The statement that begins a read transaction: one snapshot for every read inside it.
    static QString beginRead(const QSqlDatabase& db);
    // Whether a transaction statement can be prepared (PostgreSQL prepares no BEGIN or SAVEPOINT).
    static bool preparesTransactionStatements(const QSqlDatabase& db) { return !isPostgres(db); }
    // Whether a statement can be prepared: PostgreSQL prepares only queries and row changes
    // (no CREATE, DROP, ALTER, ...).
    static bool prepares(const QSqlDatabase& db, const QString& sql);

    // Whether a change run on its own must take the store's write lock itself. SQLite's
    // statement takes it; on PostgreSQL it would write past a write transaction under way (whose
    // reads then went stale), so it runs in a write transaction of its own.
    static bool changeNeedsItsOwnLock(const QSqlDatabase& db, const QString& sql);

    // Statements run once on every new connection.
    static QStringList connectionSetup(Backend backend);
};

} // namespace store
