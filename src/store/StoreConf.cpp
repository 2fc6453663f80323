#include "store/StoreConf.h"

#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>
#include <QUrlQuery>

namespace store {

QString StoreConf::pathIn(const QString& directory)
{
    return QDir(directory).filePath(fileName());
}

bool StoreConf::existsIn(const QString& directory)
{
    return QFileInfo::exists(pathIn(directory));
}

StoreConf::Connection StoreConf::parse(const QString& url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid()
        || (parsed.scheme() != QLatin1String("postgresql") && parsed.scheme() != QLatin1String("postgres"))) {
        throw StoreError(
            QStringLiteral("%1 is no PostgreSQL connection string (postgresql://ROLE@HOST/DATABASE)").arg(url));
    }
    const QUrlQuery query(parsed);
    if (!parsed.password().isEmpty() || query.hasQueryItem(QStringLiteral("password"))) {
        throw StoreError(QStringLiteral("The connection string %1 holds a password; keep it in ~/.pgpass or "
                                        "PGPASSFILE instead")
                             .arg(parsed.toString(QUrl::RemovePassword)));
    }
    Connection c;
    c.host = parsed.host();
    c.port = parsed.port(-1);
    c.user = parsed.userName();
    c.database = parsed.path().mid(1);
    QStringList options;
    for (const auto& item : query.queryItems(QUrl::FullyDecoded))
        options << item.first + QLatin1Char('=') + item.second;
    c.options = options.join(QLatin1Char(';'));
    if (c.database.isEmpty()) {
        throw StoreError(QStringLiteral("The connection string %1 names no database").arg(url));
    }
    return c;
}

QSqlDatabase StoreConf::addConnection(const QString& url, const QString& connectionName)
{
    const Connection c = parse(url);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(c.host);
    db.setPort(c.port);
    db.setUserName(c.user);
    db.setDatabaseName(c.database);
    db.setConnectOptions(c.options);
    return db;
}

QString StoreConf::read(const QString& directory)
{
    QFile file(pathIn(directory));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw StoreError::fromFile(
            QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString()),
            errno);
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        parse(line);
        return line;
    }
    throw StoreError(QStringLiteral("%1 names no database").arg(QDir::toNativeSeparators(file.fileName())));
}

void StoreConf::write(const QString& directory, const QString& url)
{
    parse(url);
    QSaveFile file(pathIn(directory));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)
        || file.write("# The library store's database (libpq connection string; no password here).\n") < 0
        || file.write(url.toUtf8() + '\n') < 0 || !file.commit()) {
        throw StoreError::fromFile(
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString()),
            errno);
    }
}

} // namespace store
