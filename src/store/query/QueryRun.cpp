#include "QueryRun.h"

#include "QueryEvaluator.h"
#include "QueryPlan.h"
#include "VersionScan.h"
#include "gw/Error.h"
#include "store/Access.h"
#include "store/Sql.h"
#include "store/Store.h"

#include <QSqlQuery>

namespace store {

QueryRun::QueryRun(ContextPtr context, ParsedQuery parsed, std::vector<qint64> libraries,
                   std::shared_ptr<QueryHitList> hits)
    : m_context(std::move(context))
    , m_parsed(std::move(parsed))
    , m_libraries(std::move(libraries))
    , m_hits(std::move(hits))
{
}

void QueryRun::execute()
{
    try {
        scan();
    } catch (const gw::Error& e) {
        QMutexLocker lock(&m_errorMutex);
        m_error = e.message();
    } catch (const std::exception& e) {
        QMutexLocker lock(&m_errorMutex);
        m_error = QString::fromLocal8Bit(e.what());
    }
    // The connection belongs to this thread and must go before the thread does.
    m_context->store->releaseThreadConnection();
    m_finished.store(true);
}

QString QueryRun::error() const
{
    QMutexLocker lock(&m_errorMutex);
    return m_error;
}

void QueryRun::scan()
{
    QSqlDatabase db = m_context->store->database();
    // One read transaction: the librarian check, the field names and every row
    // come from the same snapshot, and in WAL mode it never holds up a writer.
    ReadTransaction snapshot(db);
    const QueryPlan plan(m_parsed, Dialect::of(db));
    ScanScope scope;
    scope.libraries = m_libraries;
    scope.userRow = m_context->userRow;
    if (m_parsed.searchAsLibrarian) {
        scope.librarianLibraries = librarianLibraries();
    }
    {
        VersionScan versions(db, plan, scope);
        versions.start();
        ScannedVersion row;
        while (!m_stop.load(std::memory_order_relaxed) && versions.next(row)) {
            if (QueryEvaluator::matches(*m_parsed.root, row.record)) {
                m_hits->append(
                    {row.versionRow, row.libraryRow, row.record.documentNumber, int(row.record.versionNumber)});
            }
        }
    }
    snapshot.commit();
}

std::vector<qint64> QueryRun::librarianLibraries()
{
    QSqlDatabase db = m_context->store->database();
    std::vector<qint64> candidates = m_libraries;
    if (candidates.empty()) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT id FROM libraries"));
        while (q.next()) {
            candidates.push_back(q.value(0).toLongLong());
        }
    }
    std::vector<qint64> librarian;
    for (qint64 library : candidates) {
        if (Access::isLibrarian(db, m_context->userRow, library)) {
            librarian.push_back(library);
        }
    }
    return librarian;
}

} // namespace store
