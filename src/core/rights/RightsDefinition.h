#pragma once

#include "core/runs/RunDefinition.h"

#include <QString>
#include <functional>

namespace tw {

class OperationLog;
class RunReport;

// What the three runs of the rights tabs share: the mode texts built from two prefixes, a
// report head of "Report on Library ..." and an empty line before the column header, a report
// only when a report directory is set, no counts in the closing texts.
struct RightsTexts
{
    QString modeLog; // "Rights Check Documents": + " - Query Results", ...
    QString modeStatus; // "Rights Check": + " (Query Results) Started", ...
    QString reportName;
    QString initialisedTitle;
    QString columnHeader;
    QString cancelText;
    QString completionText;
    QString finalStatus;
};

RunDefinition rightsDefinition(const RightsTexts& texts, RunDefinition::Unit unit);

// The work on one document (or version) of a rights run. A document whose fields cannot be
// read (its author, say) is counted as failed and reported, to the status line, the log and
// the report, as "Error: Cannot Read Document " + the run counter + " (" + the error + ")";
// the run goes on with the next one.
RunDefinition::Outcome rightsWork(OperationLog& log, RunReport& report,
                                  const std::function<RunDefinition::Outcome()>& work);

// The column header of "FRights.rpt" and "FREdits.rpt".
QString fullRightsHeader();

} // namespace tw
