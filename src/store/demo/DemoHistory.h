#pragma once

#include "store/StoreBuilder.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>

namespace store {

class Store;

// Writes the activity of one demo version after its creation: views, opens and closes,
// check-out and check-in pairs, exports, sharing and security changes, property updates and
// now and then an activity the program has no word for.
class DemoHistory
{
public:
    DemoHistory(Store& store, QRandomGenerator& random, const QStringList& users);
    void add(const QString& library, qint64 number, int version, const QDateTime& from, int events);

private:
    QString anyUser();

    StoreBuilder m_store;
    QRandomGenerator& m_random;
    QStringList m_users;
};

} // namespace store
