#include "WindowRuns.h"

#include "gui/app/GuiHost.h"
#include "gui/app/TMainScreen.h"
#include "gui/query/QueryTab.h"

#include <QLineEdit>

namespace tw {

RunServices WindowRuns::services(TMainScreen& screen, RunView& view)
{
    return RunServices {screen.refs(),        screen.runState(),  screen.log(),          screen.host(),       view,
                        screen.queryRunner(), screen.catalogue(), screen.customFields(), screen.ProgramName()};
}

void WindowRuns::showRange(TMainScreen& screen, const RunOutcome& outcome)
{
    if (!outcome.range)
        return;
    screen.queryTab()->ui().MaskEdit1->setText(outcome.range->lowText);
    screen.queryTab()->ui().MaskEdit2->setText(outcome.range->highText);
}

} // namespace tw
