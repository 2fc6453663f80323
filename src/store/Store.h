#pragma once

#include "store/FaultRules.h"
#include "store/StoreTypes.h"

#include <QHash>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace store {

// A library store: a directory holding store.db (SQLite, WAL) and files/<library>/ with the
// libraries' content files. Qt SQL connections belong to their thread, so database() gives
// each thread its own connection to the same database; a worker thread calls
// releaseThreadConnection() before it ends.
//
// A store is built with a StoreBuilder; the store itself holds its settings, its fault rules
// and the lookups the builders and the object model share.
class Store : public std::enable_shared_from_this<Store>
{
public:
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Raises StoreError, naming the cause, when there is no store, its database cannot be read
    // (damaged, not a database, in a folder it cannot write into) or its schema version differs.
    static std::shared_ptr<Store> open(const QString& directory);
    // Creates an empty store (or opens the one already there).
    static std::shared_ptr<Store> create(const QString& directory);
    static bool exists(const QString& directory);
    // TARNWICK_STORE, else the per-user data folder's "tarnwick/store".
    static QString defaultLocation();

    QString directory() const { return m_directory; }
    QString databasePath() const;
    QString filesDirectory() const;
    QString libraryDirectory(const QString& libraryFolder) const;

    QSqlDatabase database();
    void releaseThreadConnection();
    FaultRules& faults() { return m_faults; }

    QString setting(const QString& key, const QString& fallback = QString());
    void setSetting(const QString& key, const QString& value);
    QString clientUser();
    void setClientUser(const QString& userId);
    int majorVersion();

    void addFaultRule(const FaultRule& rule);
    void clearFaultRules();
    StoreInfo info();

    // Row lookups; 0 when there is none.
    qint64 userRow(const QString& userId);
    qint64 libraryRow(const QString& library); // raises StoreError when ambiguous

private:
    explicit Store(const QString& directory);
    void openDatabase(bool create);
    QString connectionName() const;

    QString m_directory;
    FaultRules m_faults;
    QMutex m_connectionsMutex;
    QHash<void*, QString> m_connections;
};

} // namespace store
