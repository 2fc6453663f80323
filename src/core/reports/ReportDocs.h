#pragma once

#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

namespace tw {

// The field reporter: one line per document version in "Library.rpt" with the
// document number, the version number and the chosen fields' values.
// Successes and failures count documents, not lines.
class ReportDocs
{
public:
    explicit ReportDocs(RunServices services);

    // `inputs.extraFields` are the Reporter tab's chosen fields, in order.
    RunOutcome run(const RunInputs& inputs);

    static RunDefinition definition();

private:
    RunServices m_services;
};

} // namespace tw
