#include "store/Sql.h"

#include "store/StoreError.h"
#include "store/model/DirectRead.h"

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <atomic>
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

QSqlQuery& Sql::cached(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
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
std::atomic<int> g_savepoints {0};
}

Savepoint::Savepoint(QSqlDatabase& db) : m_db(db), m_name(QStringLiteral("tw_sp_%1").arg(++g_savepoints))
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SAVEPOINT ") + m_name)) {
        throw StoreError(QStringLiteral("Cannot start a store transaction: %1").arg(q.lastError().text()));
    }
}

Savepoint::~Savepoint()
{
    if (!m_done) {
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK TO ") + m_name);
        q.exec(QStringLiteral("RELEASE ") + m_name);
    }
}

void Savepoint::commit()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("RELEASE ") + m_name)) {
        throw StoreError(QStringLiteral("Cannot commit a store transaction: %1").arg(q.lastError().text()));
    }
    m_done = true;
}

} // namespace store
