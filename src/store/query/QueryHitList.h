#pragma once

#include <QMutex>
#include <vector>

namespace store {

// One hit of a query: the version it stands for and where it lives.
struct QueryHit
{
    qint64 versionRow = 0;
    qint64 libraryRow = 0;
    qint64 document = 0;
    int version = 0;
};

// The hits of a query, appended by its worker thread while the program reads
// the count and the items from its own thread.
class QueryHitList
{
public:
    void clear();
    void append(const QueryHit& hit);
    int count() const;
    // index counts from 0; the caller checks it against count().
    QueryHit at(int index) const;

private:
    mutable QMutex m_mutex;
    std::vector<QueryHit> m_hits;
};

} // namespace store
