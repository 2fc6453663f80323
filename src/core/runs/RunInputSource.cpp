#include "RunInputSource.h"

namespace tw {

RunInputs RunInputSource::inputs(bool useQuery, const QString& reportDirectory) const
{
    RunInputs inputs;
    inputs.useQuery = useQuery;
    inputs.rangeLowText = rangeLowText();
    inputs.rangeHighText = rangeHighText();
    inputs.reportDirectory = reportDirectory;
    inputs.extraFields = reportFields();
    return inputs;
}

void RunInputSource::showRange(const RunOutcome& outcome)
{
    if (outcome.range)
        setRangeTexts(outcome.range->lowText, outcome.range->highText);
}

} // namespace tw
