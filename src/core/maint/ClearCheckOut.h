#pragma once

#include "MaintDefinition.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

#include <optional>

namespace gw {
class Version;
} // namespace gw

namespace tw {

class ChangeGate;

// Clearing check-out flags: every chosen version checked out by the logged-in
// user (its retriever's display name is the account owner's) is checked back
// in from its staged file; versions of other users and versions not checked
// out are only reported. Reported in "ClearChk.rpt" (in the Export tab's
// directory) with the words "Success", "Failure", "Not Valid User" and "Not
// Checked Out".
class ClearCheckOut
{
public:
    explicit ClearCheckOut(RunServices services);

    // The button's run: its start and completion lines around the question
    // "Absolutely Sure About This ?"; only Yes runs it. Nothing when No.
    std::optional<RunOutcome> BCOClearClick(const MaintInputs& inputs);
    RunOutcome ClearCheckOutRun(const MaintInputs& inputs);

    static RunDefinition definition(const RunState& state);

private:
    RunDefinition::Outcome clearVersion(const QString& directory, const ChangeGate& gate);
    bool checkIn(gw::Version& version, const ChangeGate& gate);
    const QString& ownerName();

    RunServices m_services;
    // The account owner's display name, read once per run.
    std::optional<QString> m_owner;
};

} // namespace tw
