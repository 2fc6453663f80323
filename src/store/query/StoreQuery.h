#pragma once

#include "QueryHitList.h"
#include "QueryLocations.h"
#include "QueryRun.h"
#include "gw/Query.h"
#include "store/Context.h"

#include <QThread>
#include <memory>

namespace store {

// A query of the logged-in user. Start parses the expression (a malformed one
// raises gw::Error at once) and runs the search on a worker thread; while it
// runs QueryMessages().Count() grows, Stop ends it within a row and keeps the
// hits found so far, and Completed turns true. A search that fails on the way
// raises its error from the next Completed, so it never passes for an empty
// result.
class StoreQuery : public gw::Query
{
public:
    explicit StoreQuery(ContextPtr context);
    ~StoreQuery() override;

    QString Expression() override;
    void setExpression(const QString& expression) override;
    std::shared_ptr<gw::Locations> Locations() override;
    void Start() override;
    bool Completed() override;
    void Stop() override;
    std::shared_ptr<gw::Messages> QueryMessages() override;

private:
    void checkFault(const QString& member);
    void joinWorker();

    ContextPtr m_context;
    QString m_expression;
    std::shared_ptr<QueryLocations> m_locations;
    std::shared_ptr<QueryHitList> m_hits;
    std::shared_ptr<QueryRun> m_run;
    std::unique_ptr<QThread> m_worker;
    bool m_errorRaised = false;
};

} // namespace store
