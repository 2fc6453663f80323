#pragma once

#include "RunInputs.h"
#include "RunOutcome.h"

#include <QString>
#include <QStringList>

namespace tw {

struct DocumentRange;

// What other tabs lend a run when it starts: the Query tab's document-number
// fields, the fields chosen on the Reporter tab (the extra report columns of
// the export and the Check In/Out runs) and the Export tab's top output
// directory (where the Check In/Out runs write their reports). The window
// implements it, so that no tab reaches into another.
class RunInputSource
{
public:
    virtual ~RunInputSource() = default;

    virtual QString rangeLowText() const = 0;
    virtual QString rangeHighText() const = 0;
    // The range fields as a full-library run's check rewrote them.
    virtual void setRangeTexts(const QString& low, const QString& high) = 0;
    virtual QStringList reportFields() const = 0;
    virtual QString exportDirectory() const = 0;

    // The inputs every run gathers when it starts: its mode, the range, the
    // extra fields and its report directory.
    RunInputs inputs(bool useQuery, const QString& reportDirectory) const;
    // After a full-library run: the range fields show the range it walked.
    void showRange(const RunOutcome& outcome);
};

} // namespace tw
