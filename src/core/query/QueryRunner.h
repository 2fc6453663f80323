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
    // bad query fields propagate after the cursor is restored; the caller ends
    // its operation idle. `endIdle`: a Test Query button's run ends the busy
    // state here; a mass run stays busy until it ends itself.
    int RunQuery(const QString& extraTerms = QString(), bool endIdle = false);

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
