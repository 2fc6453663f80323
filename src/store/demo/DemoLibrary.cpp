#include "DemoLibrary.h"

#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store/Store.h"
#include "store/demo/DemoContent.h"
#include "store/demo/DemoDomain.h"
#include "store/demo/DemoHistory.h"
#include "store/demo/DemoRights.h"

namespace store {

namespace {

const char* const kTopics[] = {"Budget", "Site survey", "Supplier",  "Quarterly", "Safety",    "Staffing",
                               "Lease",  "Maintenance", "Migration", "Tender",    "Insurance", "Training",
                               "Audit",  "Network",     "Warehouse", "Marketing", "Pension",   "Fleet"};
const char* const kKinds[] = {"review", "plan", "minutes", "proposal", "summary", "schedule", "notes", "agreement"};
const char* const kClients[] = {"Harlow & Sons", "Bexley Foods", "Northgate Ltd", "Quayside Marine", "Oriel Press"};
const char* const kRegions[] = {"North", "South", "East", "West"};

// The date the demo's history ends, so that every build gives the same library.
const QDateTime kEnd(QDate(2024, 11, 29), QTime(17, 30));

} // namespace

DemoLibrary::DemoLibrary(Store& store, const Plan& plan, const QString& osUser, const QStringList& users)
    : m_store(store), m_plan(plan), m_osUser(osUser), m_users(users), m_random(quint32(qHash(plan.name)))
{
}

void DemoLibrary::fill()
{
    for (int i = 1; i <= m_plan.documents; ++i)
        addDocument(i);
}

QString DemoLibrary::anyUser()
{
    return m_users.at(int(m_random.bounded(quint32(m_users.size()))));
}

QDateTime DemoLibrary::after(const QDateTime& from, int maxDays)
{
    const QDateTime next = from.addSecs(qint64(m_random.bounded(quint32(maxDays) * 86400u)) + 60);
    return next < kEnd ? next : kEnd;
}

int DemoLibrary::versionCount()
{
    const quint32 roll = m_random.bounded(100u);
    if (roll < 45)
        return 1;
    if (roll < 70)
        return 2;
    if (roll < 85)
        return 3;
    if (roll < 95)
        return 4 + int(m_random.bounded(4u));
    return 8 + int(m_random.bounded(5u));
}

QMap<QString, QVariant> DemoLibrary::fieldsFor(int index)
{
    QMap<QString, QVariant> fields;
    if (m_plan.name == QLatin1String("Contracts")) {
        if (index % 9 != 0)
            fields.insert(QStringLiteral("Client"), QString::fromUtf8(kClients[index % 5]));
        fields.insert(QStringLiteral("Contract Value"), qint64(1000 + (index * 7919) % 250000));
        fields.insert(QStringLiteral("Renewal Date"), QDateTime(QDate(2025, 1 + index % 12, 1 + index % 28), QTime()));
        fields.insert(QStringLiteral("Region"), QString::fromUtf8(kRegions[index % 4]));
    } else if (m_plan.name == QLatin1String("Projects") && index % 4 != 0) {
        fields.insert(QStringLiteral("Project Code"), QStringLiteral("PRJ-%1").arg(100 + index % 60));
    }
    return fields;
}

void DemoLibrary::addDocument(int index)
{
    NewDocument document;
    document.library = m_plan.name;
    document.author = anyUser();
    document.creator = m_random.bounded(5u) == 0 ? anyUser() : document.author;
    document.subject
        = QStringLiteral("%1 %2 %3")
              .arg(QString::fromUtf8(kTopics[m_random.bounded(18u)]), QString::fromUtf8(kKinds[m_random.bounded(8u)]))
              .arg(index);
    // A few documents have no subject, as imported mail sometimes has none.
    if (index % 97 == 0)
        document.subject.clear();
    document.documentType = m_plan.types.at(int(m_random.bounded(quint32(m_plan.types.size()))));
    document.created = after(QDateTime(QDate(2019, 1, 7), QTime(9, 0)), 1800);
    document.fields = fieldsFor(index);
    const QString type = DemoContent::fileTypes().at(int(m_random.bounded(quint32(DemoContent::fileTypes().size()))));
    NewVersion first;
    first.fileType = type;
    if (index % 53 != 0)
        first.content = DemoContent::make(type, document.subject, document.author, 1);
    const qint64 number = m_store.importDocument(document, first);
    addVersions(number, document.author, document.subject, document.created);
}

void DemoLibrary::addVersions(qint64 number, const QString& author, const QString& subject, const QDateTime& created)
{
    const int count = versionCount();
    QDateTime when = created;
    for (int v = 2; v <= count; ++v) {
        when = after(when, 60);
        NewVersion version;
        version.fileType = DemoContent::fileTypes().at(int(m_random.bounded(quint32(DemoContent::fileTypes().size()))));
        version.creator = m_random.bounded(3u) == 0 ? anyUser() : author;
        version.created = when;
        version.description = QStringLiteral("Revision %1").arg(v);
        // Some versions were saved empty.
        if (m_random.bounded(40u) != 0)
            version.content = DemoContent::make(version.fileType, subject, author, v);
        m_store.addVersion(m_plan.name, number, version);
    }
    DemoHistory history(m_store.store(), m_random, m_users);
    for (int v = 1; v <= count; ++v)
        history.add(m_plan.name, number, v, created.addDays(v * 2), int(m_random.bounded(6u)));
    setStates(number, count, created);
    DemoRights(m_store.store(), m_random, m_users).set(m_plan.name, number);
}

// One state per version at most, by a single roll; purged content goes only from versions that
// are neither official nor current nor held.
void DemoLibrary::setStates(qint64 number, int versions, const QDateTime& created)
{
    const int official
        = versions == 1 || m_random.bounded(10u) < 7 ? versions : 1 + int(m_random.bounded(quint32(versions - 1)));
    VersionState documentState;
    documentState.officialVersion = official;
    m_store.setVersionState(m_plan.name, number, versions, documentState);
    const int archivedPerMille = int(m_plan.archivedShare * 1000);
    for (int v = 1; v <= versions; ++v) {
        const int roll = int(m_random.bounded(1000u));
        const QString user = roll < 20 ? m_osUser : anyUser();
        const QDateTime when = after(created.addDays(v), 200);
        VersionState state;
        if (roll < 50) {
            state.checkedOut = true;
            state.retriever = user;
            state.retrieved = when;
            state.stagedFile = QStringLiteral("/home/%1/GroupWise Staging/%2_%3")
                                   .arg(user.toLower(), QString::number(number), QString::number(v));
        } else if (roll < 50 + archivedPerMille) {
            state.archived = true;
            m_store.addEvent(m_plan.name, number, v, gw::EventArchived, user, when);
        } else if (roll < 60 + archivedPerMille) {
            state.inUse = true;
        } else if (roll < 67 + archivedPerMille) {
            state.readWrite = true;
        } else if (roll < 82 + archivedPerMille && v != official && v != versions) {
            m_store.purgeVersion(m_plan.name, number, v, user);
            continue;
        } else if (roll < 500) {
            state.retriever = user;
            state.retrieved = when;
        } else {
            continue; // never retrieved
        }
        m_store.setVersionState(m_plan.name, number, v, state);
    }
}

} // namespace store
