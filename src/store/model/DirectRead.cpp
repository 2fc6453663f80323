#include "store/model/DirectRead.h"

#include "store/Dialect.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QSqlDriver>
#include <sqlite3.h>
#include <unordered_map>

namespace store {

namespace {

// Prepared statements per connection of this thread, by statement text.
thread_local std::unordered_map<QString, std::unordered_map<const char*, sqlite3_stmt*>> t_statements;

} // namespace

sqlite3* DirectRead::handleOf(QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw StoreError(QStringLiteral("Store statement failed: the connection has no SQLite handle"));
    return *static_cast<sqlite3* const*>(handle.constData());
}

namespace {

QVariantList variants(std::initializer_list<qint64> binds)
{
    QVariantList list;
    for (const qint64 value : binds)
        list << value;
    return list;
}

} // namespace

DirectRead::DirectRead(QSqlDatabase& db, const char* sql, std::initializer_list<qint64> binds)
{
    if (Dialect::isPostgres(db)) {
        m_query = &Sql::cached(db, QString::fromLatin1(sql), variants(binds));
        return;
    }
    m_db = handleOf(db);
    sqlite3_stmt*& statement = t_statements[db.connectionName()][sql];
    if (!statement && sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
        fail();
    m_statement = statement;
    int index = 1;
    for (const qint64 value : binds) {
        if (sqlite3_bind_int64(m_statement, index++, value) != SQLITE_OK)
            fail();
    }
}

DirectRead::~DirectRead()
{
    if (m_query) {
        m_query->finish();
        return;
    }
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

bool DirectRead::next()
{
    if (m_query)
        return m_query->next();
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        fail();
    return false;
}

bool DirectRead::isNull(int column) const
{
    if (m_query)
        return m_query->isNull(column);
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 DirectRead::integer(int column) const
{
    if (m_query)
        return m_query->value(column).toLongLong();
    return sqlite3_column_int64(m_statement, column);
}

QString DirectRead::text(int column) const
{
    if (m_query)
        return m_query->value(column).toString();
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column)) : QString();
}

StoredDate DirectRead::date(int column) const
{
    return isNull(column) ? StoredDate {} : StoredDate {integer(column), true};
}

void DirectRead::fail() const
{
    throw StoreError(QStringLiteral("Store statement failed: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
}

void DirectRead::dropCache(const QString& connectionName)
{
    const auto found = t_statements.find(connectionName);
    if (found == t_statements.end())
        return;
    for (const auto& entry : found->second)
        sqlite3_finalize(entry.second);
    t_statements.erase(found);
}

} // namespace store
