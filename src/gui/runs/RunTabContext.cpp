#include "RunTabContext.h"

#include "core/app/RunState.h"
#include "core/runs/RunInputSource.h"
#include "gui/host/OperationControl.h"
#include "gui/widgets/SearchCriteriaPanel.h"

namespace tw {

RunTabContext::RunTabContext(RunEnvironment environment, RunInputSource& sources, OperationControl& operations,
                             GuiHost& host, OptionMarks& options, SortState& sort, ReportDesk& reports,
                             QString programDirectory)
    : m_environment(environment)
    , m_sources(sources)
    , m_operations(operations)
    , m_host(host)
    , m_options(options)
    , m_sort(sort)
    , m_reports(reports)
    , m_programDirectory(std::move(programDirectory))
{
}

RunInputs RunTabContext::inputs(const SearchCriteriaPanel& criteria, const QString& reportDirectory) const
{
    return m_sources.inputs(criteria.useQuery(), reportDirectory);
}

bool RunTabContext::runOperation(const std::function<void()>& body)
{
    return m_operations.run(body);
}

bool RunTabContext::idle() const
{
    return m_environment.state.OperationIdle;
}

void RunTabContext::showRange(const RunOutcome& outcome)
{
    m_sources.showRange(outcome);
}

} // namespace tw
