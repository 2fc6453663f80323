#include "store/Store.h"

#include "store/Dialect.h"
#include "store/Recovery.h"
#include "store/Schema.h"
#include "store/Sql.h"
#include "store/StoreConf.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <atomic>
#include <unistd.h>

namespace store {

Store::Store(const QString& directory, const QString& databaseUrl)
    : m_directory(QDir(directory).absolutePath()), m_databaseUrl(databaseUrl)
{
}

Store::~Store()
{
    QStringList names;
    {
        QMutexLocker lock(&m_connectionsMutex);
        names = m_connections.values();
        m_connections.clear();
    }
    for (const QString& name : names) {
        Sql::dropCache(name);
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

bool Store::exists(const QString& directory)
{
    return QFileInfo::exists(QDir(directory).filePath(QStringLiteral("store.db"))) || StoreConf::existsIn(directory);
}

QString Store::defaultLocation()
{
    const QString fromEnvironment = qEnvironmentVariable("TARNWICK_STORE");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("tarnwick/store"));
}

std::shared_ptr<Store> Store::open(const QString& directory)
{
    if (!exists(directory)) {
        throw StoreError(QStringLiteral("No library store at %1").arg(QDir(directory).absolutePath()));
    }
    const QString url = StoreConf::existsIn(directory) ? StoreConf::read(directory) : QString();
    std::shared_ptr<Store> store(new Store(directory, url));
    const bool migrated = store->openDatabase(Opening::Existing);
    // The entry is made before the recovery looks at the others, so that a program opening
    // the store meanwhile counts this one in.
    store->m_owner = StoreOwner::claim(store->m_directory);
    if (migrated) {
        // Stores of the earlier layout may hold what killed programs left: looked over once.
        StoreOwner::markForLookOver(store->m_directory);
    }
    Recovery(*store, *store->m_owner).run();
    return store;
}

std::shared_ptr<Store> Store::create(const QString& directory, const QString& databaseUrl)
{
    if (exists(directory)) {
        return open(directory);
    }
    return createNew(directory, databaseUrl, false);
}

std::shared_ptr<Store> Store::createUnfinished(const QString& directory, const QString& databaseUrl)
{
    if (exists(directory)) {
        throw StoreError(QStringLiteral("A store exists already in %1").arg(QDir::toNativeSeparators(directory)));
    }
    return createNew(directory, databaseUrl, true);
}

std::shared_ptr<Store> Store::createNew(const QString& directory, const QString& databaseUrl, bool unfinished)
{
    if (!databaseUrl.isEmpty()) {
        StoreConf::parse(databaseUrl);
    }
    if (!QDir().mkpath(QDir(directory).filePath(QStringLiteral("files")))) {
        throw StoreError(QStringLiteral("Cannot create the store directory %1").arg(directory));
    }
    std::shared_ptr<Store> store(new Store(directory, databaseUrl));
    store->openDatabase(unfinished ? Opening::NewUnfinished : Opening::New);
    // store.conf is written once the tables are there: a folder naming a database that holds
    // no store would not open.
    if (!databaseUrl.isEmpty()) {
        StoreConf::write(directory, databaseUrl);
    }
    store->m_owner = StoreOwner::claim(store->m_directory);
    return store;
}

QString Store::backendName() const
{
    return m_databaseUrl.isEmpty() ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

void Store::markFinished()
{
    QSqlDatabase db = database();
    Sql::run(db, QStringLiteral("DELETE FROM meta WHERE key = 'building'"));
}

QString Store::databasePath() const
{
    return QDir(m_directory).filePath(QStringLiteral("store.db"));
}

QString Store::filesDirectory() const
{
    return QDir(m_directory).filePath(QStringLiteral("files"));
}

QString Store::libraryDirectory(const QString& libraryFolder) const
{
    return QDir(filesDirectory()).filePath(libraryFolder);
}

QString Store::connectionName() const
{
    return QStringLiteral("tw_store_%1_%2").arg(quintptr(this), 0, 16).arg(quintptr(QThread::currentThread()), 0, 16);
}

QSqlDatabase Store::database()
{
    void* thread = QThread::currentThread();
    {
        QMutexLocker lock(&m_connectionsMutex);
        auto it = m_connections.find(thread);
        if (it != m_connections.end()) {
            QSqlDatabase db = QSqlDatabase::database(it.value(), false);
            if (db.isValid()) {
                return db;
            }
            // A thread that ended without releasing its connection left this
            // entry; its address now belongs to a new thread.
            m_connections.erase(it);
        }
    }
    const QString name = connectionName();
    QSqlDatabase db = connect(name);
    QMutexLocker lock(&m_connectionsMutex);
    m_connections.insert(thread, name);
    return db;
}

QSqlDatabase Store::connect(const QString& name)
{
    const auto backend = m_databaseUrl.isEmpty() ? Dialect::Backend::Sqlite : Dialect::Backend::Postgres;
    QSqlDatabase db;
    if (backend == Dialect::Backend::Postgres) {
        db = StoreConf::addConnection(m_databaseUrl, name);
    } else {
        db = QSqlDatabase::addDatabase(Dialect::driverName(backend), name);
        db.setDatabaseName(databasePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (!db.open()) {
        const QString error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        const QString where = backend == Dialect::Backend::Postgres ? m_databaseUrl : databasePath();
        throw StoreError(QStringLiteral("Cannot open the library store %1: %2").arg(where, error));
    }
    QSqlQuery q(db);
    for (const QString& statement : Dialect::connectionSetup(backend))
        q.exec(statement);
    return db;
}

void Store::releaseThreadConnection()
{
    QString name;
    {
        QMutexLocker lock(&m_connectionsMutex);
        name = m_connections.take(QThread::currentThread());
    }
    if (name.isEmpty()) {
        return;
    }
    Sql::dropCache(name);
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

namespace {

// A store whose schema this program cannot use, told by what it is.
StoreError versionError(const QString& directory, int version)
{
    if (version == 0) {
        return StoreError(
            QStringLiteral("The library store at %1 holds no library store tables (an empty or foreign database)")
                .arg(directory));
    }
    // A newer program's store is said to be one: the remedy is that program, not a repair.
    const QString newer = version > Schema::Version ? QStringLiteral(" of a newer program") : QString();
    return StoreError(QStringLiteral("The library store at %1 has schema version %2%3; this program needs schema "
                                     "version %4")
                          .arg(directory, QString::number(version), newer, QString::number(Schema::Version)));
}

// The schema version; a database that cannot even be opened in a folder this program may not
// write into is told as a read-only store (the database's journal lives beside it).
int readableVersion(QSqlDatabase& db, const QString& directory)
{
    try {
        return Schema::versionOf(db);
    } catch (const StoreError& error) {
        if (error.storeUnavailable() || ::access(QFile::encodeName(directory).constData(), W_OK) == 0) {
            throw;
        }
        throw StoreError::fromFile(error.message(), errno);
    }
}

} // namespace

bool Store::openDatabase(Opening opening)
{
    QSqlDatabase db = database();
    if (opening != Opening::Existing) {
        WriteTransaction sp(db);
        Schema::create(db);
        Sql::run(db, QStringLiteral("INSERT INTO settings(key, value) VALUES('MajorVersion', '8')"));
        if (opening == Opening::NewUnfinished) {
            Sql::run(db, QStringLiteral("INSERT INTO meta(key, value) VALUES('building', '1')"));
        }
        sp.commit();
    }
    int version = readableVersion(db, m_directory);
    const bool migrating = version > 0 && version < Schema::Version;
    if (migrating) {
        try {
            WriteTransaction sp(db);
            Schema::migrate(db, version);
            sp.commit();
        } catch (const StoreError& e) {
            throw StoreError(QStringLiteral("The library store at %1 has schema version %2 and cannot be brought to "
                                            "version %3: %4")
                                 .arg(m_directory)
                                 .arg(version)
                                 .arg(Schema::Version)
                                 .arg(e.message()));
        }
        version = Schema::versionOf(db);
    }
    if (version != Schema::Version) {
        throw versionError(m_directory, version);
    }
    if (opening == Opening::Existing
        && Sql::scalar(db, QStringLiteral("SELECT 1 FROM meta WHERE key = 'building'")).isValid()) {
        throw StoreError(QStringLiteral("The library store at %1 is half built: its building stopped before the end. "
                                        "Remove it and build it again.")
                             .arg(QDir::toNativeSeparators(m_directory)));
    }
    m_faults.load(db);
    return migrating;
}

QString Store::setting(const QString& key, const QString& fallback)
{
    QSqlDatabase db = database();
    const QVariant value = Sql::scalar(db, QStringLiteral("SELECT value FROM settings WHERE key = ?"), {key});
    return value.isValid() ? value.toString() : fallback;
}

void Store::setSetting(const QString& key, const QString& value)
{
    if (key.trimmed().isEmpty()) {
        throw StoreError(QStringLiteral("A setting needs a name"));
    }
    QSqlDatabase db = database();
    Sql::run(db,
             QStringLiteral("INSERT INTO settings(key, value) VALUES(?, ?) ON CONFLICT(key) DO UPDATE SET value = "
                            "excluded.value"),
             {key, value});
}

QString Store::clientUser()
{
    return setting(QStringLiteral("client.user"));
}

void Store::setClientUser(const QString& userId)
{
    if (userRow(userId) == 0) {
        throw StoreError(QStringLiteral("No user %1 in the store").arg(userId));
    }
    setSetting(QStringLiteral("client.user"), userId.toUpper());
}

int Store::majorVersion()
{
    bool ok = false;
    const int version = setting(QStringLiteral("MajorVersion"), QStringLiteral("8")).toInt(&ok);
    return ok ? version : 8;
}

qint64 Store::userRow(const QString& userId)
{
    QSqlDatabase db = database();
    return Sql::scalar(db, QStringLiteral("SELECT id FROM users WHERE user_id = ?"), {userId}).toLongLong();
}

qint64 Store::libraryRow(const QString& library)
{
    QSqlDatabase db = database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT l.id FROM libraries l JOIN post_offices p ON p.id = l.post_office_id "
                                          "JOIN domains d ON d.id = p.domain_id WHERE l.name = ? OR "
                                          "d.name || '.' || p.name || '.' || l.name = ?"),
                           {library, library});
    qint64 row = 0;
    int count = 0;
    while (q.next()) {
        row = q.value(0).toLongLong();
        ++count;
    }
    if (count > 1) {
        throw StoreError(QStringLiteral("More than one library is named %1; give its LibraryID").arg(library));
    }
    return row;
}

StoreInfo Store::info()
{
    QSqlDatabase db = database();
    StoreInfo info;
    info.schemaVersion = Schema::versionOf(db);
    info.clientUser = clientUser();
    info.majorVersion = majorVersion();
    auto count = [&db](const char* table) {
        return Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toLongLong();
    };
    info.postOffices = count("post_offices");
    info.users = count("users");
    info.libraries = count("libraries");
    info.documents = count("documents");
    info.versions = count("versions");
    info.events = count("events");
    info.faultRules = count("fault_rules");
    return info;
}

void Store::addFaultRule(const FaultRule& rule)
{
    QSqlDatabase db = database();
    m_faults.add(db, rule);
}

void Store::clearFaultRules()
{
    QSqlDatabase db = database();
    m_faults.clear(db);
}

} // namespace store
