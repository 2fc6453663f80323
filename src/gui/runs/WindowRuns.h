#pragma once

#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

namespace tw {

class RunView;
class TMainScreen;

// What every run's tab needs from the main window: the run's services with the
// tab's own view, and the Query tab's range fields brought up to date after a
// full-library run rewrote them.
class WindowRuns
{
public:
    static RunServices services(TMainScreen& screen, RunView& view);
    static void showRange(TMainScreen& screen, const RunOutcome& outcome);
};

} // namespace tw
