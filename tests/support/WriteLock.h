#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace tw::test {

// The write lock of a store's database, held by a connection of its own as another program
// would hold it (BEGIN IMMEDIATE), until this object ends.
class WriteLock
{
public:
    explicit WriteLock(const QString& databasePath)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(databasePath);
        if (!db.open()) {
            m_error = db.lastError().text();
            return;
        }
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
            m_error = begin.lastError().text();
    }
    ~WriteLock()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(kName, false);
            if (db.isOpen())
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(kName);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // Empty when the lock is held.
    const QString& error() const { return m_error; }

private:
    static inline const QString kName = QStringLiteral("tw_test_write_lock");
    QString m_error;
};

} // namespace tw::test
