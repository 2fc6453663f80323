#include "store/Sql.h"

#include "store/StoreError.h"
#include "store/model/DirectRead.h"

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <memory>
#include <optional>
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
    return value;
}

// Prepared statements per connection of this thread.
thread_local std::unordered_map<QString, std::unordered_map<QString, std::unique_ptr<QSqlQuery>>> t_statements;

} // namespace

QSqlQuery Sql::run(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
    }
    for (const QVariant& value : binds) {
        q.addBindValue(bindable(value));
    }
    if (!q.exec()) {
        throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
    }
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
    QSqlQuery& q = prepared(db, sql);
    for (int i = 0; i < binds.size(); ++i) {
        q.bindValue(i, bindable(binds.at(i)));
    }
    if (!q.exec()) {
        throw StoreError::fromSql(QStringLiteral("Store statement failed"), q.lastError());
    }
    return q;
}

void Sql::dropCache(const QString& connectionName)
{
    DirectRead::dropCache(connectionName);
    t_statements.erase(connectionName);
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

// Savepoints of this thread, innermost last. A savepoint is named by its depth, so that every
// mass run starts, releases and rolls back the same few prepared statements; a name met again
// further in names the inner savepoint, and savepoints end in the order they began.
thread_local int t_savepointDepth = 0;

// Runs a savepoint statement; the error it failed with, if any (`what` says what it was for).
std::optional<StoreError> failureOf(QSqlDatabase& db, const QString& sql, const QString& what)
{
    try {
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

} // namespace

Savepoint::Savepoint(QSqlDatabase& db) : m_db(db), m_name(QStringLiteral("tw_sp_%1").arg(t_savepointDepth + 1))
{
    if (const auto failure
        = failureOf(m_db, QStringLiteral("SAVEPOINT ") + m_name, QStringLiteral("Cannot start a store transaction"))) {
        throw *failure;
    }
    ++t_savepointDepth;
}

Savepoint::~Savepoint()
{
    if (!m_done) {
        failureOf(m_db, QStringLiteral("ROLLBACK TO ") + m_name, QString());
        failureOf(m_db, QStringLiteral("RELEASE ") + m_name, QString());
        --t_savepointDepth;
    }
}

void Savepoint::commit()
{
    if (const auto failure
        = failureOf(m_db, QStringLiteral("RELEASE ") + m_name, QStringLiteral("Cannot commit a store transaction"))) {
        throw *failure;
    }
    m_done = true;
    --t_savepointDepth;
}

} // namespace store
