#pragma once

#include "DisplayClock.h"
#include "PromptSeam.h"
#include "core/app/RunHost.h"

#include <QPointer>
#include <QStringList>

class QLabel;
class QWidget;

namespace tw {

// The program's window as the logic sees it, with real widgets: the status
// bar's first panel, the event pump, message boxes, questions, the folder
// picker and the hourglass. Every prompt passes the PromptSeam first.
class GuiHost : public RunHost
{
public:
    GuiHost() = default;

    void attach(QWidget* window, QLabel* statusPanel);
    PromptSeam& prompts() { return m_prompts; }
    // The clock the status bar and the run tabs show their texts on.
    DisplayClock& display() { return m_display; }

    void showStatus(const QString& text) override;
    // Lets the window process its events, but only inside an operation that the busy gate let
    // in: a handler outside the gate runs to its end without anything else running inside it.
    void pumpEvents() override;
    // Set by the busy gate for the duration of an operation.
    void setPumping(bool pumping) { m_pumping = pumping; }
    void showMessage(const QString& caption, const QString& text, Icon icon) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    bool askOkCancel(const QString& caption, const QString& text) override;
    QString pickFolder(const QString& caption, const QString& start) override;
    void setBusyCursor(bool busy) override;
    // Puts back every cursor this host replaced (an operation that ended by an error).
    void resetBusyCursor();

    // Every message box and question shown so far, as "caption: text".
    const QStringList& shownPrompts() const { return m_shown; }

private:
    bool ask(const QString& caption, const QString& text, int accept, int refuse);

    QPointer<QWidget> m_window;
    QPointer<QLabel> m_statusPanel;
    PromptSeam m_prompts;
    DisplayClock m_display;
    QStringList m_shown;
    int m_busyDepth = 0;
    bool m_pumping = false;
};

} // namespace tw
