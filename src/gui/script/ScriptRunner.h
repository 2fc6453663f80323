#pragma once

#include "core/script/Script.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QStack>
#include <memory>

namespace tw {

class GuiHost;
class ScriptActions;
struct RunState;

// Runs a script's lines in order against the real window, one line per turn
// of the event loop. A line that starts a run or opens a dialog returns only
// when that ends, so the lines after it run while it goes on, as a user's
// clicks would: `wait` holds the script until the program is idle again.
// The first failure (a line that cannot be carried out, a prompt without an
// answer) is written to standard error as "file:line: line: reason"; the
// program then cancels what runs, closes its window and ends with 1. A
// script whose every line succeeded ends the program with 0.
class ScriptRunner : public QObject
{
    Q_OBJECT
public:
    ScriptRunner(Script script, GuiHost& host, QObject* parent = nullptr);
    ~ScriptRunner() override;

    // Starts with the first line once the window is up; `state` is the window's
    // shared flags (the program is idle, Cancel requested).
    void start(QMainWindow& window, const RunState& state);
    // The program's exit code once its event loop has ended. A script cut
    // short (its lines closed the window) fails on the first line not run.
    int finish();

private:
    void step();
    bool ready();
    bool timing(const ScriptLine& line);
    void carryOut(const ScriptLine& line);
    void refused(const QString& reason);
    void fail(const ScriptLine* line, const QString& reason);
    void end(int code);
    void closeDown();
    bool idle() const;
    bool operationRunning() const;
    bool dialogBusy() const;
    void schedule(int milliseconds);

    Script m_script;
    GuiHost& m_host;
    QPointer<QMainWindow> m_screen;
    const RunState* m_state = nullptr;
    QPointer<QPushButton> m_close;
    std::unique_ptr<ScriptActions> m_actions;
    int m_next = 0; // the next line to start
    QStack<const ScriptLine*> m_carrying; // lines being carried out, innermost last
    const ScriptLine* m_waiting = nullptr; // the `wait` line holding the script
    QElapsedTimer m_waited;
    QElapsedTimer m_starting; // until the window is first idle
    bool m_ready = false;
    bool m_ending = false;
    bool m_cancelSent = false;
    int m_code = 0;
};

} // namespace tw
