#pragma once

#include <QList>
#include <QPointer>
#include <functional>

class QPushButton;
class QWidget;

namespace tw {

class GuiHost;
struct RunState;

// The frame around every button-started query or run: the Close button reads
// "Cancel" while it runs and sets the Cancel request when pressed, and
// whatever the run leaves behind (an error, a cursor) is cleared so that the
// program always returns to idle with the button reading "Close".
class OperationControl
{
public:
    // `lockedWhileRunning` (the library selector) is disabled from begin() to end().
    OperationControl(RunState& state, QPushButton* closeButton, GuiHost& host,
                     const QList<QWidget*>& lockedWhileRunning = {});

    void begin();
    void end();
    // Runs `body` when the program is idle (false otherwise). Errors that
    // escape it are shown; a prompt left without an answer in scripted mode
    // is passed on after the program is idle again.
    bool run(const std::function<void()>& body);
    // The Close button's click: true when it reads "Close" and the window is
    // to close; while it reads "Cancel" the click only sets the Cancel request.
    bool closeClicked();
    // True while a button-started query or run is in progress (the button reads "Cancel").
    bool running() const;

private:
    void backToIdle();

    RunState& m_state;
    QPointer<QPushButton> m_close;
    GuiHost& m_host;
    QList<QPointer<QWidget>> m_locked;
};

} // namespace tw
