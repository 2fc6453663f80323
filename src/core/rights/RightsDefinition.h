#pragma once

#include "core/runs/RunDefinition.h"

#include <QString>

namespace tw {

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

// The column header of "FRights.rpt" and "FREdits.rpt".
QString fullRightsHeader();

} // namespace tw
