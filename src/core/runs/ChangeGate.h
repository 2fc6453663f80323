#pragma once

#include <QString>

namespace tw {

struct RunState;

// The one door every run that changes the library passes, once per unit, just before the unit's
// first change. In a dry run ("Options" > "Dry Run" ticked when the run started) the door stays
// shut: the unit has done every query, fetch, test, name check, rights read and question the real
// run does, skips the change and writes what it would have done, its outcome lines beginning with
// "Dry Run: " and the run's closing texts ending in " (Dry Run)". Every change of a unit passes
// here first, so this is also where a record of the change belongs.
class ChangeGate
{
public:
    ChangeGate() = default;
    explicit ChangeGate(const RunState& state);

    bool dry() const { return m_dry; }
    // Asked once per unit, before its first change: true lets the change go ahead.
    bool mayChange() const { return !m_dry; }
    // A unit's outcome line (report or daily log) as this run writes it.
    QString outcome(const QString& line) const;
    // A completion, cancel or status text as this run writes it.
    QString closing(const QString& text) const;

private:
    bool m_dry = false;
};

} // namespace tw
