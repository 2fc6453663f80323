#pragma once

#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

namespace tw {

class ResultSink;
class RunReport;
struct ResultRow;

// What the Preset Reports tab gives a run, read once when it starts.
struct PresetInputs
{
    RunInputs run;
    QString presetText; // the preset combo's text, "1 - No Subject" ...
};

// The preset problem reports: every chosen version that meets the preset's test becomes a row
// of the result list and, with a report directory, a line of "Presets.rpt"; the missing-number
// preset lists the numbers whose documents cannot be fetched instead.
class PresetDocs
{
public:
    PresetDocs(RunServices services, ResultSink& list);

    RunOutcome PresetDocsRun(const PresetInputs& inputs);

    static RunDefinition definition();
    // The number before the first " - " of a preset text; 0 when there is none.
    static int presetNumber(const QString& presetText);
    // The fourth column's caption for a preset: "Modifier" for 3 to 5, else "Author".
    static QString fourthCaption(int preset);
    static const QStringList& fileHeader();

    static constexpr int kMissingNumbers = 6;

private:
    RunDefinition::Outcome checkVersion(const PresetInputs& inputs, RunReport& report);
    bool runTest(bool* known);
    ResultRow rowOf(int preset);

    RunServices m_services;
    ResultSink& m_list;
    int m_preset = 0;
};

} // namespace tw
