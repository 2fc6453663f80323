#include "DemoHistory.h"

#include "gw/VersionEvent.h"
#include "store/Store.h"

namespace store {

namespace {

// Weighted choice of what happened next; the pairs keep a check-out before its check-in and
// an open before its close.
const int kSingles[] = {gw::EventViewed,
                        gw::EventViewed,
                        gw::EventExported,
                        gw::EventShared,
                        gw::EventSecurityModified,
                        gw::EventPropertiesUpdated,
                        gw::EventCopyVersion,
                        18,
                        gw::EventStatusReset,
                        gw::EventImported,
                        5,
                        3};

} // namespace

DemoHistory::DemoHistory(Store& store, QRandomGenerator& random, const QStringList& users)
    : m_store(store), m_random(random), m_users(users)
{
}

QString DemoHistory::anyUser()
{
    return m_users.at(int(m_random.bounded(quint32(m_users.size()))));
}

void DemoHistory::add(const QString& library, qint64 number, int version, const QDateTime& from, int events)
{
    QDateTime when = from;
    for (int i = 0; i < events; ++i) {
        when = when.addSecs(qint64(m_random.bounded(20u * 86400u)) + 300);
        const QString user = anyUser();
        switch (m_random.bounded(3u)) {
        case 0:
            m_store.addEvent(library, number, version, gw::EventCheckedOut, user, when);
            m_store.addEvent(library, number, version, gw::EventCheckedIn, user, when.addSecs(5400));
            break;
        case 1:
            m_store.addEvent(library, number, version, gw::EventOpened, user, when);
            m_store.addEvent(library, number, version, gw::EventClosed, user, when.addSecs(900));
            break;
        default:
            m_store.addEvent(library, number, version, kSingles[m_random.bounded(12u)], user, when);
            break;
        }
    }
}

} // namespace store
