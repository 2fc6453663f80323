#pragma once

#include <QSqlDatabase>
#include <QString>

namespace store {

// store.conf: a store folder whose database lives on a PostgreSQL server names it there by a
// libpq connection string (postgresql://ROLE@HOST:PORT/DATABASE?sslmode=verify-full). The
// password is never written there: libpq takes it from ~/.pgpass, PGPASSFILE or a service file.
// Lines that are empty or begin with # are comments.
class StoreConf
{
public:
    static QString fileName() { return QStringLiteral("store.conf"); }
    static QString pathIn(const QString& directory);
    static bool existsIn(const QString& directory);

    // The connection string; raises StoreError when the file cannot be read, names no
    // database, is no postgresql:// URL or holds a password.
    static QString read(const QString& directory);
    // Checks the connection string as read() does and writes it.
    static void write(const QString& directory, const QString& url);

    // The parts of a connection string for Qt's PostgreSQL driver.
    struct Connection
    {
        QString host;
        int port = -1;
        QString user;
        QString database;
        QString options; // key=value;key=value (the URL's query)
    };
    static Connection parse(const QString& url);
    // A Qt connection (QPSQL) to the database of `url`, added under `connectionName`, not opened.
    static QSqlDatabase addConnection(const QString& url, const QString& connectionName);
};

} // namespace store
