#pragma once

#include "store/model/StoredDate.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <initializer_list>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// One read straight through SQLite's own interface on the handle of a Qt
// connection, for the reads every document of a mass run makes: it spares
// the conversion of every column into a variant and back. The prepared
// statement stays in this thread's cache; the read resets it when it ends.
// Throws StoreError as Sql does. On PostgreSQL the read goes through this thread's prepared
// statement of Sql::cached instead (libpq's own interface is not used yet).
class DirectRead
{
public:
    DirectRead(QSqlDatabase& db, const char* sql, std::initializer_list<qint64> binds);
    ~DirectRead();
    DirectRead(const DirectRead&) = delete;
    DirectRead& operator=(const DirectRead&) = delete;

    bool next();
    bool isNull(int column) const;
    qint64 integer(int column) const;
    QString text(int column) const;
    StoredDate date(int column) const;

    // Finalizes this thread's statements of a connection before it closes.
    static void dropCache(const QString& connectionName);
    // The SQLite handle of a Qt connection.
    static sqlite3* handleOf(QSqlDatabase& db);

private:
    [[noreturn]] void fail() const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QSqlQuery* m_query = nullptr; // PostgreSQL
};

} // namespace store
