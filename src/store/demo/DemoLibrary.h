#pragma once

#include "store/StoreBuilder.h"
#include "store/StoreTypes.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace store {

class Store;

// Fills one demo library with documents of 1 to 12 versions of many file types, then gives
// them the states, sharing lists and histories a working library has: versions checked out by
// the OS user and by others, archived, in use, opened read-write, never retrieved, empty, and
// purged into the salvage area.
class DemoLibrary
{
public:
    struct Plan
    {
        QString name;
        int documents = 0;
        QStringList types;
        double archivedShare = 0.03;
    };

    DemoLibrary(Store& store, const Plan& plan, const QString& osUser, const QStringList& users);
    void fill();

private:
    void addDocument(int index);
    QMap<QString, QVariant> fieldsFor(int index);
    int versionCount();
    void addVersions(qint64 number, const QString& author, const QString& subject, const QDateTime& created);
    void setStates(qint64 number, int versions, const QDateTime& created);
    QString anyUser();
    QDateTime after(const QDateTime& from, int maxDays);

    StoreBuilder m_store;
    Plan m_plan;
    QString m_osUser;
    QStringList m_users;
    QRandomGenerator m_random;
};

} // namespace store
