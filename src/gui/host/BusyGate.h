#pragma once

#include <QList>
#include <QPointer>
#include <functional>

class QPushButton;
class QWidget;

namespace tw {

class GuiHost;
struct RunState;

// The one way into an operation that lets the window process events. Every handler that can
// pump (a run, a query, "Get Info", a file lookup, a restore, a scan, a deletion, a report
// preview, an edit list read or written) enters here. The gate marks the program busy before
// the body's first pump and refuses a second entry while busy, so a click, a key or a script
// line that arrives inside a pump never starts a nested operation; the window's close and the
// change of tab look at the same busy state. Outside the gate the host does not pump at all, so
// a handler that forgot the gate cannot be re-entered either. Whatever the body leaves behind
// (an error, a cursor), the program returns to idle with the Close button reading "Close".
class BusyGate
{
public:
    enum class Kind {
        // "Close" reads "Cancel" while it runs; a click on it asks the operation to stop.
        Cancellable,
        // A short operation (a file lookup, a list file, opening a preview): "Close" keeps
        // its caption, and a click on it is refused like the window's close.
        Plain,
    };

    // `lockedWhileBusy` (the library selector) is disabled while an operation runs.
    BusyGate(RunState& state, QPushButton* closeButton, GuiHost& host, const QList<QWidget*>& lockedWhileBusy = {});

    // Runs `body` as the one operation when the program is idle; false, running nothing, while
    // it is busy. Errors that escape the body are shown; a prompt left without an answer in
    // scripted mode is passed on after the program is idle again.
    bool enter(Kind kind, const std::function<void()>& body);
    // For a view that follows a selection (a history row's file, a version's history): runs
    // `body` through the gate now when idle, and while busy once the running operation has
    // ended. A later request under the same key replaces an earlier one, so a selection moved
    // row by row during a lookup is looked up once, where it stopped. The body reads the
    // selection when it runs.
    void follow(const QString& key, Kind kind, std::function<void()> body);
    bool busy() const;
    // The Close button's click: true when the window is to close; while a cancellable
    // operation runs the click only sets the Cancel request.
    bool closeClicked();
    // True while an operation runs that a click on "Cancel" stops.
    bool cancellable() const;

private:
    struct FollowUp
    {
        QString key;
        Kind kind;
        std::function<void()> body;
    };

    void open(Kind kind);
    void backToIdle();
    void runFollowUps();

    RunState& m_state;
    QPointer<QPushButton> m_close;
    GuiHost& m_host;
    QList<QPointer<QWidget>> m_locked;
    bool m_inside = false;
    Kind m_kind = Kind::Plain;
    QList<FollowUp> m_followUps;
};

} // namespace tw
