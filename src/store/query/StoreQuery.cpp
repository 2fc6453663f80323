#include "StoreQuery.h"

#include "QueryHitMessages.h"
#include "QueryParser.h"
#include "gw/Error.h"
#include "store/Store.h"

namespace store {

StoreQuery::StoreQuery(ContextPtr context)
    : m_context(std::move(context))
    , m_locations(std::make_shared<QueryLocations>())
    , m_hits(std::make_shared<QueryHitList>())
{
}

StoreQuery::~StoreQuery()
{
    if (m_run) {
        m_run->requestStop();
    }
    joinWorker();
}

QString StoreQuery::Expression()
{
    checkFault(QStringLiteral("Expression"));
    return m_expression;
}

void StoreQuery::setExpression(const QString& expression)
{
    checkFault(QStringLiteral("Expression"));
    m_expression = expression;
}

std::shared_ptr<gw::Locations> StoreQuery::Locations()
{
    checkFault(QStringLiteral("Locations"));
    return m_locations;
}

void StoreQuery::Start()
{
    checkFault(QStringLiteral("Start"));
    if (m_run && !m_run->finished()) {
        throw gw::Error(QStringLiteral("The query is already running"));
    }
    joinWorker();
    ParsedQuery parsed = QueryParser::parse(m_expression);
    // A new start gives a new result collection; one taken from the last run
    // keeps its hits.
    m_hits = std::make_shared<QueryHitList>();
    m_run = std::make_shared<QueryRun>(m_context, std::move(parsed), m_locations->libraryRows(), m_hits);
    m_errorRaised = false;
    std::shared_ptr<QueryRun> run = m_run;
    m_worker.reset(QThread::create([run] { run->execute(); }));
    m_worker->start();
}

bool StoreQuery::Completed()
{
    checkFault(QStringLiteral("Completed"));
    if (!m_run) {
        return true;
    }
    if (!m_run->finished()) {
        return false;
    }
    joinWorker();
    const QString error = m_run->error();
    if (!error.isEmpty() && !m_errorRaised) {
        m_errorRaised = true;
        throw gw::Error(error);
    }
    return true;
}

void StoreQuery::Stop()
{
    checkFault(QStringLiteral("Stop"));
    if (m_run) {
        m_run->requestStop();
    }
    joinWorker();
}

std::shared_ptr<gw::Messages> StoreQuery::QueryMessages()
{
    checkFault(QStringLiteral("QueryMessages"));
    return std::make_shared<QueryHitMessages>(m_context, m_hits);
}

void StoreQuery::checkFault(const QString& member)
{
    FaultRules& faults = m_context->store->faults();
    if (faults.any()) {
        FaultPoint point;
        point.member = member;
        faults.check(point);
    }
}

void StoreQuery::joinWorker()
{
    if (m_worker) {
        m_worker->wait();
        m_worker.reset();
    }
}

} // namespace store
