#include "ChangeGate.h"

#include "core/app/RunState.h"

namespace tw {

// The mark is read once: ticked or cleared while the run goes, it changes nothing of that run.
ChangeGate::ChangeGate(const RunState& state) : m_dry(state.DryRun) { }

QString ChangeGate::outcome(const QString& line) const
{
    // An empty line stays empty: it only spaces the report.
    return m_dry && !line.isEmpty() ? QStringLiteral("Dry Run: ") + line : line;
}

QString ChangeGate::closing(const QString& text) const
{
    return m_dry ? text + QStringLiteral(" (Dry Run)") : text;
}

} // namespace tw
