#include "store/Sql.h"

#include "store/StoreError.h"

#include <QDateTime>
#include <QSqlError>
#include <atomic>

namespace store {

QSqlQuery Sql::run(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        throw StoreError(QStringLiteral("Store statement failed: %1").arg(q.lastError().text()));
    }
    for (const QVariant& value : binds) {
        // A null QString is empty text, never SQL NULL: NULL is only ever
        // bound on purpose (an absent date or row).
        if (value.typeId() == QMetaType::QString && value.toString().isNull()) {
            q.addBindValue(QStringLiteral(""));
        } else {
            q.addBindValue(value);
        }
    }
    if (!q.exec()) {
        throw StoreError(QStringLiteral("Store statement failed: %1").arg(q.lastError().text()));
    }
    return q;
}

QVariant Sql::scalar(QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    QSqlQuery q = run(db, sql, binds);
    return q.next() ? q.value(0) : QVariant();
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
