#pragma once

#include "store/StoreBuilder.h"

#include <QString>
#include <QStringList>

namespace store {

class Store;

// The demo's people and places: the domain with two post offices, a dozen users (the OS user
// among them), two distribution lists, a user no longer in the system, three libraries, the
// directory entries the account discovery reads and two address books. The OS user
// administers the domain, is librarian of Projects and is the store's client user.
class DemoDomain
{
public:
    static QString domainName() { return QStringLiteral("TARNWICK"); }
    static QString headOffice() { return QStringLiteral("HQPO"); }
    static QString branchOffice() { return QStringLiteral("BRANCHPO"); }
    static QString formerUser() { return QStringLiteral("FFORMER"); }
    // A sharing-list name of nobody in the system at all.
    static QString ghostName() { return QStringLiteral("Gerald Ghost"); }
    static QStringList distributionLists() { return {QStringLiteral("Sales Team"), QStringLiteral("Legal Review")}; }

    DemoDomain(Store& store, const QString& osUser);
    void build();

    const QString& osUser() const { return m_osUser; }
    // The user IDs still in the system, the OS user first.
    const QStringList& users() const { return m_users; }

private:
    void addPeople();
    void addLibraries();
    void addDirectory();
    void addAddressBooks();

    StoreBuilder m_store;
    QString m_osUser;
    QStringList m_users;
};

} // namespace store
