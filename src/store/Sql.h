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

// A savepoint: released by commit(), rolled back when it goes out of scope
// without it. Savepoints nest, so a building call inside a batch stays whole.
class Savepoint
{
public:
    explicit Savepoint(QSqlDatabase& db);
    ~Savepoint();
    void commit();
    // True while a savepoint of this thread is open: a statement run now joins its transaction
    // and is committed with it, not at once.
    static bool active();

private:
    QSqlDatabase& m_db;
    QString m_name;
    bool m_done = false;
};

} // namespace store
