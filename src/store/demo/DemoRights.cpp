#include "DemoRights.h"

#include "gw/VersionSecurity.h"
#include "store/Store.h"
#include "store/demo/DemoDomain.h"

namespace store {

namespace {

const int kView = gw::RightView;
const int kEdit = gw::RightView | gw::RightEdit;
const int kFull = gw::RightView | gw::RightEdit | gw::RightDelete | gw::RightShare | gw::RightModifySecurity;
const int kMasks[] = {kView, kEdit, kEdit | gw::RightDelete, kEdit | gw::RightShare, kFull, 0};

} // namespace

DemoRights::DemoRights(Store& store, QRandomGenerator& random, const QStringList& users)
    : m_store(store), m_random(random), m_users(users)
{
}

int DemoRights::mask()
{
    return kMasks[m_random.bounded(6u)];
}

void DemoRights::set(const QString& library, qint64 number)
{
    RightsSpec rights;
    // Most creators hold full rights; some were given 63 (with the meaningless bit 16) or less.
    const quint32 creatorRoll = m_random.bounded(20u);
    const int creator = creatorRoll == 0 ? 63 : creatorRoll == 1 ? kEdit : kFull;
    rights.creator = LevelMasks {creator, creator, creator};
    const int general = m_random.bounded(3u) == 0 ? 0 : kView;
    rights.general = LevelMasks {general, general, m_random.bounded(4u) == 0 ? 0 : general};
    QList<SharingSpec> sharing;
    if (m_random.bounded(10u) < 4) {
        const int entries = 1 + int(m_random.bounded(4u));
        for (int i = 0; i < entries; ++i) {
            SharingSpec entry;
            const quint32 who = m_random.bounded(20u);
            entry.name = who == 0 ? DemoDomain::formerUser()
                : who == 1        ? DemoDomain::ghostName()
                : who < 4         ? DemoDomain::distributionLists().at(int(who % 2))
                                  : m_users.at(int(m_random.bounded(quint32(m_users.size()))));
            entry.masks = LevelMasks {mask(), mask(), mask()};
            entry.revokeAll = m_random.bounded(12u) == 0;
            entry.modifySecurity = (entry.masks.official & gw::RightModifySecurity) != 0;
            sharing << entry;
        }
    }
    rights.sharing = sharing;
    m_store.setRights(library, number, rights);
}

} // namespace store
