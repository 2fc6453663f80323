#pragma once

#include <QString>

namespace tw {

// The program's window as the logic sees it. Core code reaches the status bar,
// the event pump and every prompt only through this interface, so that runs
// can be driven headless; the GUI implements it with real widgets and tests
// implement it with answers queued in advance.
class RunHost
{
public:
    enum class Icon { Information, Warning, Error };

    virtual ~RunHost() = default;

    // First panel of the status bar; the caller composes the whole text.
    virtual void showStatus(const QString& text) = 0;
    // Lets the window process pending events (repaint, the Cancel button).
    virtual void pumpEvents() = 0;
    // A modal message box with an OK button.
    virtual void showMessage(const QString& caption, const QString& text, Icon icon) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // A modal question with OK and Cancel; true for OK.
    virtual bool askOkCancel(const QString& caption, const QString& text) = 0;
    // A folder picker starting at `start`; the empty text when cancelled.
    virtual QString pickFolder(const QString& caption, const QString& start) = 0;
    // The hourglass cursor on (true) or the previous cursor back (false).
    virtual void setBusyCursor(bool busy) = 0;
};

} // namespace tw
