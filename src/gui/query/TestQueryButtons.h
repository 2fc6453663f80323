#pragma once

#include <QObject>
#include <functional>

namespace tw {

class OperationLog;
class QueryRunner;
class SearchCriteriaPanel;
struct GwRefs;
struct RunState;

// The "Test Query" buttons of the six run tabs: each runs the Query tab's
// expression by itself, as one operation, and shows how many documents it
// found on its tab's result line.
class TestQueryButtons : public QObject
{
    Q_OBJECT
public:
    // Runs a body as one operation (the main window's frame): false when busy.
    using RunOperation = std::function<bool(const std::function<void()>&)>;

    TestQueryButtons(QueryRunner& runner, RunState& state, GwRefs& refs, OperationLog& log, RunOperation run,
                     QObject* parent);

    // Connects a tab's button; `word` names the run in the messages ("Export", "Rights", ...).
    void add(SearchCriteriaPanel* panel, const QString& word);

    // The steps every button's click runs.
    void testQuery(SearchCriteriaPanel* panel, const QString& word);

private:
    QueryRunner& m_runner;
    RunState& m_state;
    GwRefs& m_refs;
    OperationLog& m_log;
    RunOperation m_run;
};

} // namespace tw
