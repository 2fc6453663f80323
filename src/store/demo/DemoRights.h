#pragma once

#include "store/StoreBuilder.h"

#include <QRandomGenerator>
#include <QStringList>

namespace store {

class Store;

// Gives a demo document its rights: creator rights (sometimes short of full), default rights
// from none to view at every level, and for many documents a sharing list of users and
// distribution lists, with explicit denies and entries for people no longer in the system.
class DemoRights
{
public:
    DemoRights(Store& store, QRandomGenerator& random, const QStringList& users);
    void set(const QString& library, qint64 number);

private:
    int mask();

    StoreBuilder m_store;
    QRandomGenerator& m_random;
    QStringList m_users;
};

} // namespace store
