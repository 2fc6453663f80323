#include "store/Sql.h"

#include "store/StoreError.h"
#include "store/model/DirectRead.h"

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <memory>
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
        throw StoreError(QStringLiteral("Store statement failed: %1").arg(q.lastError().text()));
    }
    for (const QVariant& value : binds) {
        q.addBindValue(bindable(value));
    }
    if (!q.exec()) {
        throw StoreError(QStringLiteral("Store statement failed: %1").arg(q.lastError().text()));
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
            throw StoreError(QStringLiteral("Store statement failed: %1").arg(q->lastError().text()));
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
        throw StoreError(QStringLiteral("Store statement failed: %1").arg(q.lastError().text()));
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

// Runs a savepoint statement; the driver's text of its failure, or an empty text.
QString failureOf(QSqlDatabase& db, const QString& sql)
{
    QString failure;
    try {
        QSqlQuery& q = prepared(db, sql);
        if (!q.exec()) {
            failure = q.lastError().text();
            if (failure.isEmpty())
                failure = QStringLiteral("the statement failed");
        }
        q.finish();
    } catch (const StoreError& e) {
        failure = e.message();
    }
    return failure;
}

} // namespace

Savepoint::Savepoint(QSqlDatabase& db) : m_db(db), m_name(QStringLiteral("tw_sp_%1").arg(t_savepointDepth + 1))
{
    const QString failure = failureOf(m_db, QStringLiteral("SAVEPOINT ") + m_name);
    if (!failure.isEmpty()) {
        throw StoreError(QStringLiteral("Cannot start a store transaction: %1").arg(failure));
    }
    ++t_savepointDepth;
}

Savepoint::~Savepoint()
{
    if (!m_done) {
        failureOf(m_db, QStringLiteral("ROLLBACK TO ") + m_name);
        failureOf(m_db, QStringLiteral("RELEASE ") + m_name);
        --t_savepointDepth;
    }
}

bool Savepoint::active()
{
    return t_savepointDepth > 0;
}

void Savepoint::commit()
{
    const QString failure = failureOf(m_db, QStringLiteral("RELEASE ") + m_name);
    if (!failure.isEmpty()) {
        throw StoreError(QStringLiteral("Cannot commit a store transaction: %1").arg(failure));
    }
    m_done = true;
    --t_savepointDepth;
}

} // namespace store
