#include "QueryHitList.h"

namespace store {

void QueryHitList::clear()
{
    QMutexLocker lock(&m_mutex);
    m_hits.clear();
}

void QueryHitList::append(const QueryHit& hit)
{
    QMutexLocker lock(&m_mutex);
    m_hits.push_back(hit);
}

int QueryHitList::count() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_hits.size());
}

QueryHit QueryHitList::at(int index) const
{
    QMutexLocker lock(&m_mutex);
    return m_hits.at(size_t(index));
}

} // namespace store
