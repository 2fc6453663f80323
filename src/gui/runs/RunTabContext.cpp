#include "RunTabContext.h"

#include "core/app/RunState.h"
#include "core/runs/RunInputSource.h"
#include "gui/host/BusyGate.h"
#include "gui/widgets/SearchCriteriaPanel.h"

namespace tw {

RunTabContext::RunTabContext(RunEnvironment environment, RunInputSource& sources, BusyGate& gate, GuiHost& host,
                             OptionMarks& options, SortState& sort, ReportDesk& reports, QString programDirectory,
                             FileServerSource fileServer)
    : m_environment(environment)
    , m_sources(sources)
    , m_gate(gate)
    , m_host(host)
    , m_options(options)
    , m_sort(sort)
    , m_reports(reports)
    , m_programDirectory(std::move(programDirectory))
    , m_fileServer(std::move(fileServer))
{
}

RunInputs RunTabContext::inputs(const SearchCriteriaPanel& criteria, const QString& reportDirectory) const
{
    return m_sources.inputs(criteria.useQuery(), reportDirectory);
}

bool RunTabContext::runOperation(const std::function<void()>& body)
{
    return m_gate.enter(BusyGate::Kind::Cancellable, body);
}

bool RunTabContext::runPlain(const std::function<void()>& body)
{
    return m_gate.enter(BusyGate::Kind::Plain, body);
}

void RunTabContext::follow(const QString& key, std::function<void()> body)
{
    m_gate.follow(key, BusyGate::Kind::Plain, std::move(body));
}

bool RunTabContext::idle() const
{
    return !m_gate.busy();
}

void RunTabContext::showRange(const RunOutcome& outcome)
{
    m_sources.showRange(outcome);
}

} // namespace tw
