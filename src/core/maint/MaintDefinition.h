#pragma once

#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"

#include <QString>

namespace tw {

struct RunState;

// What the three document runs of the Check In/Out tab (check-out, clearing
// check-out flags, the library reset report) share: their reports go into the
// Export tab's directory with the head of the run frame and a query line,
// carry the customised-field block and the extra field columns, and count
// versions. Each run gives its texts.
struct MaintTexts
{
    QString modeLog; // "Checking Out Documents": + " - Query Results", ...
    QString modeStatus; // "Check Out": + " (Query Results) Started", ...
    QString reportName;
    QString initialisedTitle;
    QString runHeadPrefix;
    QString queryLinePrefix;
    QString columnHeader; // the fixed columns; the extra field names follow
    QString cancelText;
    QString completionText;
    QString finalStatus;
};

// What the Check In/Out tab gathers for one of its document runs: the common
// run inputs, whose report directory is the Export tab's, and the check-out
// directory (the name a version is or would be checked out under).
struct MaintInputs
{
    RunInputs run;
    QString checkOutDirectory; // ends in the separator once accepted
};

// The run definition of those texts; the query line shows `state`'s expression
// as the head is written.
RunDefinition maintDefinition(const MaintTexts& texts, const RunState& state);

} // namespace tw
