#include "store/Sql.h"

#include "store/Dialect.h"
#include "store/StoreError.h"
#include "store/model/DirectRead.h"

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <unordered_map>

namespace store {

namespace {

QVariant bindable(const QVariant& value)
{
    // A null QString is empty text, never SQL NULL: NULL is only ever bound
    // on purpose (an absent date or row).
    if (value.typeId() == QMetaType::QString && value.toString().isNull()) {
        return QStringLiteral("");
    }
    // A flag is stored as 0 or 1; PostgreSQL would not take a boolean into an integer column.
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool() ? 1 : 0;
    }
    return value;
}

// Prepared statements per connection of this thread.
thread_local std::unordered_map<QString, std::unordered_map<QString, std::unique_ptr<QSqlQuery>>> t_statements;

// The transactions open on each connection of this thread. A savepoint is named by its depth, so
// that every mass run starts, releases and rolls back the same few prepared statements; a name
// met again further in names the inner savepoint, and savepoints end in the order they began.
struct OpenTransactions
{
    int depth = 0;
    bool writing = false;
};
thread_local std::unordered_map<QString, OpenTransactions> t_open;

} // namespace

namespace {

// A write transaction for a change run outside one, where the backend needs it (Dialect).
void lockAlone(std::optional<WriteTransaction>& own, QSqlDatabase& db, const QString& sql)
{
    if (!WriteTransaction::active(db) && Dialect::changeNeedsItsOwnLock(db, sql))
        own.emplace(db);
}

} // namespace

QSqlQuery Sql::run(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    std::optional<WriteTransaction> own;
    lockAlone(own, db, sql);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (binds.isEmpty() && !Dialect::prepares(db, sql)) {
        if (!q.exec(sql))
            throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
        return q;
    }
    if (!q.prepare(sql)) {
        throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
    }
    for (const QVariant& value : binds) {
        q.addBindValue(bindable(value));
    }
    if (!q.exec()) {
        throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
    }
    if (own)
        own->commit();
    return q;
}

namespace {

// This thread's prepared statement of `sql` on the connection, reset and ready to bind.
QSqlQuery& prepared(QSqlDatabase& db, const QString& sql)
{
    auto& statements = t_statements[db.connectionName()];
    auto it = statements.find(sql);
    if (it == statements.end()) {
        auto q = std::make_unique<QSqlQuery>(db);
        q->setForwardOnly(true);
        if (!q->prepare(sql)) {
            throw StoreError::fromSql(QStringLiteral("Store statement failed"), q->lastError());
        }
        it = statements.emplace(sql, std::move(q)).first;
    }
    QSqlQuery& q = *it->second;
    q.finish();
    return q;
}

} // namespace

QSqlQuery& Sql::cached(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    std::optional<WriteTransaction> own;
    lockAlone(own, db, sql);
    QSqlQuery& q = prepared(db, sql);
    for (int i = 0; i < binds.size(); ++i) {
        q.bindValue(i, bindable(binds.at(i)));
    }
    if (!q.exec()) {
        throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
    }
    if (own)
        own->commit();
    return q;
}

void Sql::dropCache(const QString& connectionName)
{
    DirectRead::dropCache(connectionName);
    t_statements.erase(connectionName);
    t_open.erase(connectionName);
}

QVariant Sql::scalar(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    QSqlQuery& q = cached(db, sql, binds);
    QVariant value = q.next() ? q.value(0) : QVariant();
    // Reset the statement so that no read stays open on the connection.
    q.finish();
    return value;
}

QVariant Sql::fromDate(const QDateTime& date)
{
    return date.isValid() ? QVariant(date.toMSecsSinceEpoch()) : QVariant(QMetaType(QMetaType::LongLong));
}

QDateTime Sql::toDate(const QVariant& value)
{
    if (value.isNull()) {
        return QDateTime();
    }
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong());
}

namespace {

// Runs a transaction statement; the error it failed with, if any (`what` says what it was for).
std::optional<StoreError> failureOf(QSqlDatabase& db, const QString& sql, const QString& what = QString())
{
    try {
        if (!Dialect::preparesTransactionStatements(db)) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                return StoreError::fromSql(what, q.lastError());
            return std::nullopt;
        }
        QSqlQuery& q = prepared(db, sql);
        const bool done = q.exec();
        const QSqlError error = q.lastError();
        q.finish();
        if (!done) {
            return StoreError::fromSql(what, error);
        }
    } catch (const StoreError& e) {
        return e;
    }
    return std::nullopt;
}

// A statement of the connection that has begun reading and not finished, or an empty text.
// Qt's PostgreSQL driver has no list of the connection's statements to look at: there a query
// still being read is the caller's to finish before a write transaction begins.
QString readInProgress(QSqlDatabase& db)
{
    if (Dialect::isPostgres(db))
        return QString();
    sqlite3* handle = DirectRead::handleOf(db);
    for (sqlite3_stmt* s = sqlite3_next_stmt(handle, nullptr); s; s = sqlite3_next_stmt(handle, s)) {
        if (sqlite3_stmt_busy(s))
            return QStringLiteral("a read is still open (%1)").arg(QString::fromUtf8(sqlite3_sql(s)));
    }
    return QString();
}

enum class Kind { Read, Write };

std::optional<StoreError> beginOutermost(QSqlDatabase& db, Kind kind, const QString& what)
{
    const QStringList statements = kind == Kind::Write ? Dialect::beginWrite(db) : QStringList {Dialect::beginRead(db)};
    for (int i = 0; i < statements.size(); ++i) {
        if (auto failure = failureOf(db, statements.at(i), what)) {
            if (i > 0)
                failureOf(db, QStringLiteral("ROLLBACK"));
            return failure;
        }
    }
    return std::nullopt;
}

// Begins a transaction, or a savepoint inside the one open; the savepoint's name, empty for a
// transaction.
QString begin(QSqlDatabase& db, Kind kind)
{
    const QString what = QStringLiteral("Cannot start a store transaction");
    OpenTransactions& open = t_open[db.connectionName()];
    QString savepoint;
    std::optional<StoreError> failure;
    if (open.depth == 0) {
        const QString reading = kind == Kind::Write ? readInProgress(db) : QString();
        if (!reading.isEmpty())
            failure = StoreError(what + QStringLiteral(": ") + reading);
        else
            failure = beginOutermost(db, kind, what);
    } else if (kind == Kind::Write && !open.writing) {
        failure = StoreError(what + QStringLiteral(": a write cannot begin inside a read transaction"));
    } else {
        savepoint = QStringLiteral("tw_sp_%1").arg(open.depth);
        failure = failureOf(db, QStringLiteral("SAVEPOINT ") + savepoint, what);
    }
    if (failure) {
        throw *failure;
    }
    if (open.depth == 0)
        open.writing = kind == Kind::Write;
    ++open.depth;
    return savepoint;
}

void ended(QSqlDatabase& db)
{
    OpenTransactions& open = t_open[db.connectionName()];
    if (--open.depth == 0)
        open.writing = false;
}

// Commits the transaction or releases the savepoint; on failure it stays open for the undo.
void commitOf(QSqlDatabase& db, const QString& savepoint)
{
    if (const auto failure
        = failureOf(db, savepoint.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint,
                    QStringLiteral("Cannot commit a store transaction"))) {
        throw *failure;
    }
    ended(db);
}

void undo(QSqlDatabase& db, const QString& savepoint)
{
    if (savepoint.isEmpty()) {
        failureOf(db, QStringLiteral("ROLLBACK"));
    } else {
        failureOf(db, QStringLiteral("ROLLBACK TO ") + savepoint);
        failureOf(db, QStringLiteral("RELEASE ") + savepoint);
    }
    ended(db);
}

} // namespace

WriteTransaction::WriteTransaction(QSqlDatabase db) : m_db(std::move(db)), m_savepoint(begin(m_db, Kind::Write)) { }

WriteTransaction::~WriteTransaction()
{
    if (!m_done)
        undo(m_db, m_savepoint);
}

void WriteTransaction::commit()
{
    commitOf(m_db, m_savepoint);
    m_done = true;
}

bool WriteTransaction::active(const QSqlDatabase& db)
{
    const auto open = t_open.find(db.connectionName());
    return open != t_open.end() && open->second.depth > 0;
}

ReadTransaction::ReadTransaction(QSqlDatabase db) : m_db(std::move(db)), m_savepoint(begin(m_db, Kind::Read)) { }

ReadTransaction::~ReadTransaction()
{
    if (!m_done)
        undo(m_db, m_savepoint);
}

void ReadTransaction::commit()
{
    commitOf(m_db, m_savepoint);
    m_done = true;
}

} // namespace store
