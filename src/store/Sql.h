#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

namespace store {

// Prepared statements that raise StoreError with the statement's failure
// instead of returning false.
class Sql
{
public:
    static QSqlQuery run(QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});
    // Like run, through this thread's cache of prepared statements. The hot
    // reads use it; the query returned must be read before the same statement
    // is run again.
    static QSqlQuery& cached(QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});
    // Drops this thread's prepared statements of a connection before it closes.
    static void dropCache(const QString& connectionName);
    // The first column of the first row, or an invalid QVariant without rows.
    static QVariant scalar(QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});
    // Milliseconds since the epoch, NULL for a null date (never).
    static QVariant fromDate(const QDateTime& date);
    static QDateTime toDate(const QVariant& value);
};

// The store's one way of changing its database: every read-modify-write runs in one write
// transaction, taken before its first read, so that two programs on one store give the result
// of running one after the other. The outermost one takes the write lock at once
// (BEGIN IMMEDIATE), waiting for another program's lock up to the busy timeout; a transaction
// that read first and wanted the lock later could not wait, as the other program's commit
// would have made its reads stale. One begun inside another is a savepoint of it, so a building
// call inside a batch stays whole. commit() ends it; going out of scope without commit() undoes
// everything since it began. A statement of this connection still being read when the
// outermost one begins is refused: it would hold the reads from before the lock.
class WriteTransaction
{
public:
    explicit WriteTransaction(QSqlDatabase db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void commit();
    // True while this thread has a transaction open on the connection: a statement run now
    // joins it and is committed with it, not at once.
    static bool active(const QSqlDatabase& db);

private:
    QSqlDatabase m_db;
    QString m_savepoint; // empty for the outermost transaction
    bool m_done = false;
};

// A read transaction: every read inside it sees one state of the store, and in WAL mode it
// never holds up a writer. A write transaction cannot begin inside it.
class ReadTransaction
{
public:
    explicit ReadTransaction(QSqlDatabase db);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;
    void commit();

private:
    QSqlDatabase m_db;
    QString m_savepoint;
    bool m_done = false;
};

} // namespace store
