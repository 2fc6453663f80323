#pragma once

#include <QString>

namespace tw {

// The flags every query and mass run shares. OperationIdle keeps a second
// operation from starting, the window from closing and most tabs from being
// left; CancelRequested is set by the Cancel button and tested between steps. DryRun is the
// "Options" > "Dry Run" mark: a run that changes the library started while it is set changes
// nothing and writes what it would do (see ChangeGate).
struct RunState
{
    bool OperationIdle = true;
    bool CancelRequested = false;
    bool DryRun = false;
    bool LibrarianAccess = false;
    QString QueryString;
};

// Marks the program busy for as long as it lives and then puts back the state it found. The
// window's busy gate marks the program busy before the first event pump of an operation; a run
// or query started inside that operation finds it busy and leaves it so, and only the gate makes
// the program idle again. Driven headless, a run marks itself busy and ends idle.
class BusyMark
{
public:
    explicit BusyMark(RunState& state) : m_state(state), m_wasIdle(state.OperationIdle)
    {
        m_state.OperationIdle = false;
    }
    ~BusyMark() { m_state.OperationIdle = m_wasIdle; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    RunState& m_state;
    bool m_wasIdle;
};

} // namespace tw
