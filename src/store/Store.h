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
// The building calls (add..., import..., set...) are what the command-line tool and the demo
// builder use; each is one transaction and raises StoreError on bad input, leaving the store
// as it was. Libraries are named by Name or LibraryID, users by user ID, post offices by name.
class Store : public std::enable_shared_from_this<Store>
{
public:
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Raises StoreError when there is no store or its schema version differs.
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

    // Building.
    qint64 addDomain(const QString& name);
    qint64 addPostOffice(const QString& domain, const QString& name);
    qint64 addUser(const QString& postOffice, const QString& userId, const QString& givenName, const QString& surname);
    void setUserActive(const QString& userId, bool active);
    qint64 addDistributionList(const QString& postOffice, const QString& name, const QStringList& memberIds);
    void addDomainAdministrator(const QString& domain, const QString& userId);
    qint64 addLibrary(const QString& postOffice, const QString& name, const QString& description);
    void setLibraryRights(const QString& library, const QString& userId, bool librarian, int rights = 0);
    void setLibraryDefaultRights(const QString& library, bool librarian, int rights = 0);
    void setDefaultLibrary(const QString& userId, const QString& library);
    qint64 addDocumentType(const QString& library, const QString& name);
    qint64 addFieldDefinition(const QString& library, const QString& name, int fieldType);
    // The new document's number.
    qint64 importDocument(const NewDocument& document, const NewVersion& firstVersion);
    // The new version's number.
    int addVersion(const QString& library, qint64 number, const NewVersion& version);
    void setVersionState(const QString& library, qint64 number, int version, const VersionState& state);
    void setFieldValue(const QString& library, qint64 number, const QString& field, const QVariant& value);
    // Deletes a version's content file into its directory's salvage area.
    void purgeVersion(const QString& library, qint64 number, int version, const QString& deletorId);
    void setRights(const QString& library, qint64 number, const RightsSpec& rights);
    void addEvent(const QString& library, qint64 number, int version, int eventType, const QString& userId,
                  const QDateTime& when);
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
    qint64 requireLibrary(const QString& library);
    qint64 requireUserRow(const QString& userId);
    QString libraryFolderOf(qint64 libraryRow);
    qint64 requireDocument(qint64 libraryRow, qint64 number);
    qint64 requireVersion(qint64 documentRow, int version);
    int addVersionTo(qint64 documentRow, const NewVersion& version);
    void setFieldValueOf(qint64 documentRow, const QString& field, const QVariant& value);

    QString m_directory;
    FaultRules m_faults;
    QMutex m_connectionsMutex;
    QHash<void*, QString> m_connections;
};

} // namespace store
