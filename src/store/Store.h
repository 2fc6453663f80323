#pragma once

#include "store/FaultRules.h"
#include "store/StoreOwner.h"
#include "store/StoreTypes.h"

#include <QHash>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace store {

// A library store: a directory holding its database, store.db (SQLite, WAL) or store.conf naming
// a PostgreSQL database (StoreConf), and files/<library>/ with the libraries' content files. Qt SQL connections belong
// to their thread, so database() gives each thread its own connection to the same database; a worker thread calls
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
    // (damaged, not a database, in a folder it cannot write into), its schema version is a later
    // one or it is half built. A store of an earlier schema version is brought to this one. The
    // changes that programs now gone left under way are finished or rolled back first (Recovery).
    static std::shared_ptr<Store> open(const QString& directory);
    // Creates an empty store (or opens the one already there). With a connection string its
    // database is the empty PostgreSQL database it names (written to store.conf), else store.db.
    static std::shared_ptr<Store> create(const QString& directory, const QString& databaseUrl = QString());
    // Creates an empty store marked half built, for a builder that fills it and then calls
    // markFinished(); until then it opens with a message that says so.
    static std::shared_ptr<Store> createUnfinished(const QString& directory, const QString& databaseUrl = QString());
    void markFinished();
    static bool exists(const QString& directory);
    // TARNWICK_STORE, else the per-user data folder's "tarnwick/store".
    static QString defaultLocation();

    QString directory() const { return m_directory; }
    QString databasePath() const;
    // The PostgreSQL connection string of store.conf, empty for a store on SQLite.
    QString databaseUrl() const { return m_databaseUrl; }
    // "SQLite" or "PostgreSQL".
    QString backendName() const;
    QString filesDirectory() const;
    QString libraryDirectory(const QString& libraryFolder) const;

    QSqlDatabase database();
    void releaseThreadConnection();
    // This program's entry among the programs that have the store open; the changes under way
    // that it records name it.
    QString ownerToken() const { return m_owner ? m_owner->token() : QString(); }
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
    Store(const QString& directory, const QString& databaseUrl);
    static std::shared_ptr<Store> createNew(const QString& directory, const QString& databaseUrl, bool unfinished);
    QSqlDatabase connect(const QString& name);
    enum class Opening { Existing, New, NewUnfinished };
    // True when the database was brought from an earlier schema version.
    bool openDatabase(Opening opening);
    QString connectionName() const;

    QString m_directory;
    QString m_databaseUrl;
    std::shared_ptr<StoreOwner> m_owner;
    FaultRules m_faults;
    QMutex m_connectionsMutex;
    QHash<void*, QString> m_connections;
};

} // namespace store
