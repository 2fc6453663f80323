#pragma once

#include "RunMode.h"
#include "core/query/QueryChecks.h"

#include <QString>
#include <optional>

namespace tw {

// How a run ended: its counts, whether it was cancelled, and the error that
// stopped it (empty when it ran to its end). The checked range is given back
// so that the tab can show the rewritten range fields.
struct RunOutcome
{
    RunMode mode = RunMode::QueryResults;
    qint64 total = 0;
    int successes = 0;
    int failures = 0;
    bool cancelled = false;
    QString error;
    std::optional<DocumentRange> range;
    // The last message of a unit that failed because the store could not be changed (locked by
    // another program, read-only, full); empty when none did.
    QString storeUnavailable;

    bool stopped() const { return !error.isEmpty(); }
    // Not one unit done, and the store refused at least one: the run could not do its work.
    bool nothingDone() const { return successes == 0 && !storeUnavailable.isEmpty(); }
};

} // namespace tw
