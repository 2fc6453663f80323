#pragma once

#include "RunServices.h"

namespace tw {

// What the window lends every run for its duration: the object references and
// shared flags, the daily log, the host, the query runner, the field values,
// the customised fields and ProgramName. A run's tab adds its own view.
struct RunEnvironment
{
    GwRefs& refs;
    RunState& state;
    OperationLog& log;
    RunHost& host;
    QueryRunner& queryRunner;
    FieldCatalogue& catalogue;
    const CustomFields& customFields;
    // Set by the window's creation, after the environment is handed out.
    const QString& programName;

    RunServices services(RunView& view) const
    {
        return RunServices {refs, state, log, host, view, queryRunner, catalogue, customFields, programName};
    }
};

} // namespace tw
