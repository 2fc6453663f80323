#pragma once

#include "MaintDefinition.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

#include <optional>

namespace tw {

class RunReport;

// The library reset report: the activity log of every chosen version, one
// line per event (date, event word, file name, user), then a summary line with
// the extra field values and an empty line, into "ResetLib.rpt" (in the Export
// tab's directory). It reads the logs and changes nothing.
class LibReset
{
public:
    explicit LibReset(RunServices services);

    // The button's run: its start and completion lines around the question
    // "Absolutely Sure About This ?"; only Yes runs it. Nothing when No.
    std::optional<RunOutcome> BLResetClick(const MaintInputs& inputs);
    RunOutcome LibResetRun(const MaintInputs& inputs);

    static RunDefinition definition(const RunState& state);

private:
    RunDefinition::Outcome readVersion(const QString& directory, RunReport& report);

    RunServices m_services;
};

} // namespace tw
