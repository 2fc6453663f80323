#include "TestBackend.h"

#include "store/Store.h"
#include "store/StoreConf.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tw::test {

namespace {

const QString kAdminConnection = QStringLiteral("tw_test_backend_admin");

QString serverUrl()
{
    return qEnvironmentVariable("TARNWICK_TEST_PG");
}

// The connection to the server's own test database, from which the tests' databases are made.
// An empty text when it is open, else why it cannot be.
QString openAdmin()
{
    if (QSqlDatabase::contains(kAdminConnection) && QSqlDatabase::database(kAdminConnection).isOpen())
        return QString();
    if (serverUrl().isEmpty())
        return QStringLiteral("TARNWICK_TEST_PG names no PostgreSQL server (scripts/test starts one)");
    QSqlDatabase db = store::StoreConf::addConnection(serverUrl(), kAdminConnection);
    if (!db.open())
        return QStringLiteral("cannot connect to %1: %2").arg(serverUrl(), db.lastError().text());
    return QString();
}

// The databases this process made; dropped when its tests are done (each takes some megabytes).
QStringList s_made;

// Skips every test of a PostgreSQL run that has no server to run on.
class PostgresEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!onPostgres())
            return;
        const QString reason = openAdmin();
        if (!reason.isEmpty())
            GTEST_SKIP() << "PostgreSQL run skipped: " << reason.toStdString();
    }
    void TearDown() override
    {
        if (s_made.isEmpty())
            return;
        // A store still open in this process loses its connections with FORCE.
        QSqlQuery q(QSqlDatabase::database(kAdminConnection));
        for (const QString& name : std::as_const(s_made))
            q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
        s_made.clear();
    }
};

const auto* const s_environment = ::testing::AddGlobalTestEnvironment(new PostgresEnvironment);

} // namespace

bool onPostgres()
{
    return qEnvironmentVariable("TARNWICK_TEST_BACKEND") == QLatin1String("postgresql");
}

QString newDatabaseUrl()
{
    const QString reason = openAdmin();
    if (!reason.isEmpty())
        throw std::runtime_error(reason.toStdString());
    static int made = 0;
    const QString name = QStringLiteral("tw_%1_%2").arg(::getpid()).arg(++made);
    QSqlQuery q(QSqlDatabase::database(kAdminConnection));
    if (!q.exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
        throw std::runtime_error(q.lastError().text().toStdString());
    s_made << name;
    QUrl url(serverUrl());
    url.setPath(QLatin1Char('/') + name);
    return url.toString();
}

std::shared_ptr<store::Store> createStore(const QString& directory)
{
    return store::Store::create(directory, onPostgres() ? newDatabaseUrl() : QString());
}

} // namespace tw::test
