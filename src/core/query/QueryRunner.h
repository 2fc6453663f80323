#pragma once

#include <QString>
#include <functional>

namespace tw {

struct GwRefs;
struct RunState;
class OperationLog;
class RunHost;

// Runs the Query tab's expression against the selected library: wraps it
// (as librarian when the user is one), starts the query and polls it until it
// completes, stopping above 4100 hits or on Cancel.
class QueryRunner
{
public:
    QueryRunner(GwRefs& refs, RunState& state, OperationLog& log, RunHost& host, std::function<QString()> assemble);

    // The number of documents found, 0 when cancelled. Object-model errors and
    // bad query fields propagate after the cursor is restored. The program is
    // busy while the query runs and afterwards as busy as it was before: a mass
    // run's query leaves the run busy.
    int RunQuery(const QString& extraTerms = QString());

    void setPollIntervalForTesting(int milliseconds) { m_pollMs = milliseconds; }

    static constexpr int HitLimit = 4100;

private:
    void waitOnePoll();
    int poll();

    GwRefs& m_refs;
    RunState& m_state;
    OperationLog& m_log;
    RunHost& m_host;
    std::function<QString()> m_assemble;
    int m_pollMs = 500;
};

} // namespace tw
