#include "QueryRunner.h"

#include "core/app/GwRefs.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"

#include <QElapsedTimer>
#include <QThread>

namespace tw {
namespace {
// The window is pumped this often while a poll waits, so it never stalls for the whole interval.
constexpr int kPumpSliceMs = 25;
} // namespace

QueryRunner::QueryRunner(GwRefs& refs, RunState& state, OperationLog& log, RunHost& host,
                         std::function<QString()> assemble)
    : m_refs(refs), m_state(state), m_log(log), m_host(host), m_assemble(std::move(assemble))
{
}

void QueryRunner::waitOnePoll()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < m_pollMs) {
        QThread::msleep(static_cast<unsigned long>(qMin<qint64>(kPumpSliceMs, m_pollMs - timer.elapsed())));
        if (timer.elapsed() < m_pollMs)
            m_host.pumpEvents();
    }
}

int QueryRunner::poll()
{
    gw::Query& query = *m_refs.currentQuery;
    while (!query.Completed()) {
        waitOnePoll();
        const int n = query.QueryMessages()->Count();
        m_host.pumpEvents();
        if (n > HitLimit) {
            query.Stop();
            m_host.showMessage(kProgramTitle, QStringLiteral("Query returned more than 4000 documents"),
                               RunHost::Icon::Information);
            break;
        }
        if (m_state.CancelRequested) {
            query.Stop();
            break;
        }
        m_log.ErrorCheck(QStringLiteral("Query returned %1 documents").arg(n), true, false);
    }
    // Every hit collected so far is kept, also beyond the limit.
    m_refs.queryResults = query.QueryMessages();
    return m_refs.queryResults->Count();
}

int QueryRunner::RunQuery(const QString& extraTerms)
{
    m_host.setBusyCursor(true);
    const BusyMark busy(m_state);
    m_state.CancelRequested = false;
    struct Restore
    {
        QueryRunner& runner;
        ~Restore()
        {
            runner.m_state.CancelRequested = false;
            runner.m_host.setBusyCursor(false);
        }
    } restore {*this};

    if (const QString missing = missingForLibraryWork(m_refs); !missing.isEmpty())
        throw gw::Error(missing);
    m_log.ErrorCheck(QStringLiteral("Querying for Documents"), true, true);
    m_refs.currentQuery = m_refs.account->CreateQuery();
    QString text = m_assemble() + extraTerms;
    text = m_state.LibrarianAccess ? QStringLiteral("(") + text + QStringLiteral(") AND (SEARCH_AS_LIBRARIAN)")
                                   : QStringLiteral("(") + text + QStringLiteral(")");
    m_state.QueryString = text;
    gw::Query& query = *m_refs.currentQuery;
    query.setExpression(text);
    const auto locations = query.Locations();
    while (locations->Count() > 0)
        locations->Remove(1);
    locations->Add(m_refs.selectedLibrary);
    query.Start();

    int n = poll();
    if (m_state.CancelRequested) {
        m_log.ErrorCheck(QStringLiteral("Query Cancelled after returning %1 documents").arg(n), true, true);
        n = 0;
    }
    m_log.ErrorCheck(QStringLiteral("Query returned %1 documents").arg(n), true, true);
    m_state.CancelRequested = false;
    m_log.ErrorCheck(QStringLiteral("Query Successfully Completed"), true, true);
    return n;
}

} // namespace tw
