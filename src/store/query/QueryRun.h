#pragma once

#include "ParsedQuery.h"
#include "QueryHitList.h"
#include "store/Context.h"

#include <QMutex>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

namespace store {

// One run of a query, shared by the query object and its worker thread. The
// worker reads through its own connection to the store, so the program's
// thread and its writes go on while it runs.
class QueryRun
{
public:
    QueryRun(ContextPtr context, ParsedQuery parsed, std::vector<qint64> libraries, std::shared_ptr<QueryHitList> hits);

    // Runs on the worker thread until every version is seen or a stop is asked.
    void execute();
    void requestStop() { m_stop.store(true); }
    bool finished() const { return m_finished.load(); }
    // The reason the run failed, empty when it did not.
    QString error() const;

private:
    void scan();
    std::vector<qint64> librarianLibraries();

    ContextPtr m_context;
    ParsedQuery m_parsed;
    std::vector<qint64> m_libraries;
    std::shared_ptr<QueryHitList> m_hits;
    std::atomic<bool> m_stop {false};
    std::atomic<bool> m_finished {false};
    mutable QMutex m_errorMutex;
    QString m_error;
};

} // namespace store
