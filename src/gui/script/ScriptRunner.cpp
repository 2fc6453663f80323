#include "ScriptRunner.h"

#include "ScriptActions.h"
#include "ScriptFailure.h"
#include "core/app/RunState.h"
#include "core/script/ScriptGrammar.h"
#include "gui/host/GuiHost.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace tw {

namespace {
const int kPollMilliseconds = 20;
const int kReadyMilliseconds = 15000;
} // namespace

ScriptRunner::ScriptRunner(Script script, GuiHost& host, QObject* parent)
    : QObject(parent), m_script(std::move(script)), m_host(host)
{
    // From here on no prompt opens a dialog: a prompt without a queued
    // answer is refused and fails the script.
    m_host.prompts().setRefusalHandler([this](const QString& reason) { refused(reason); });
}

ScriptRunner::~ScriptRunner()
{
    m_host.prompts().setRefusalHandler({});
}

void ScriptRunner::start(QMainWindow& window, const RunState& state)
{
    m_screen = &window;
    m_state = &state;
    m_close = window.findChild<QPushButton*>(QStringLiteral("BClose"));
    m_actions = std::make_unique<ScriptActions>(window, m_host);
    window.activateWindow();
    m_starting.start();
    if (m_ending) // failed while the window was built
        QTimer::singleShot(0, this, &ScriptRunner::closeDown);
    else
        schedule(0);
}

// The window is ready for the first line once its first activation has made
// the program idle.
bool ScriptRunner::ready()
{
    if (m_ready || idle())
        return m_ready = true;
    if (m_starting.hasExpired(kReadyMilliseconds)) {
        fail(nullptr, QStringLiteral("the window did not become ready"));
    } else {
        if (!m_screen->isActiveWindow())
            m_screen->activateWindow();
        schedule(kPollMilliseconds);
    }
    return false;
}

void ScriptRunner::schedule(int milliseconds)
{
    QTimer::singleShot(milliseconds, this, &ScriptRunner::step);
}

bool ScriptRunner::idle() const
{
    return m_screen && m_state && m_state->OperationIdle;
}

bool ScriptRunner::dialogBusy() const
{
    // A dialog at work (a report being written) holds the script as a run does.
    const QWidget* dialog = QApplication::activeModalWidget();
    return dialog && dialog->property("busy").toBool();
}

bool ScriptRunner::operationRunning() const
{
    // A button-started query or run turns the Close button into "Cancel" for its duration.
    return m_screen && m_close && m_close->text() == QLatin1String("Cancel");
}

void ScriptRunner::step()
{
    if (m_ending || !ready())
        return;
    const QList<ScriptLine>& lines = m_script.lines();
    if (m_next >= lines.size()) {
        end(0);
        return;
    }
    if (dialogBusy()) {
        schedule(kPollMilliseconds);
        return;
    }
    const bool runGoesOn = operationRunning() && !idle();
    if (!m_carrying.isEmpty() && !runGoesOn && !QApplication::activeModalWidget()) {
        // The line before still works, but no run of it is under way and it
        // opened no dialog (a library selection pumping events, busy meanwhile,
        // or a run button's handler before its run starts): the next line
        // waits for it.
        schedule(kPollMilliseconds);
        return;
    }
    const ScriptLine& line = lines.at(m_next);
    if (timing(line))
        return;
    ++m_next;
    // Scheduled first: when this line starts a run or opens a dialog, the
    // next line runs while it goes on.
    schedule(0);
    carryOut(line);
}

// wait, sleep and quit: the lines that hold or end the script.
bool ScriptRunner::timing(const ScriptLine& line)
{
    if (line.command == QLatin1String("wait")) {
        if (m_waiting != &line) {
            m_waiting = &line;
            m_waited.start();
        }
        const int seconds = ScriptGrammar::waitSeconds(line.arguments);
        if (idle()) {
            m_waiting = nullptr;
            ++m_next;
            schedule(0);
        } else if (m_waited.hasExpired(seconds * 1000LL)) {
            fail(&line, QStringLiteral("the program is still busy after %1 seconds").arg(seconds));
        } else {
            schedule(kPollMilliseconds);
        }
        return true;
    }
    if (line.command == QLatin1String("sleep")) {
        ++m_next;
        schedule(line.arguments.first().toInt());
        return true;
    }
    if (line.command == QLatin1String("quit")) {
        ++m_next;
        end(0);
        return true;
    }
    return false;
}

void ScriptRunner::carryOut(const ScriptLine& line)
{
    m_carrying.push(&line);
    try {
        m_actions->perform(line);
    } catch (const ScriptFailure& failure) {
        fail(&line, failure.reason());
    } catch (const std::exception& error) {
        fail(&line, QString::fromLocal8Bit(error.what()));
    }
    m_carrying.pop();
}

void ScriptRunner::refused(const QString& reason)
{
    const ScriptLine* line = nullptr;
    if (!m_carrying.isEmpty())
        line = m_carrying.top();
    else if (m_next > 0)
        line = &m_script.lines().at(m_next - 1);
    fail(line, reason);
}

void ScriptRunner::fail(const ScriptLine* line, const QString& reason)
{
    if (m_code != 0)
        return; // the first failure is the one reported
    const QString text = line ? m_script.failure(*line, reason)
                              : QStringLiteral("%1: before the first line: %2").arg(m_script.path(), reason);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    m_code = 1;
    end(1);
}

void ScriptRunner::end(int code)
{
    m_code = std::max(m_code, code);
    if (m_ending)
        return;
    m_ending = true;
    if (m_screen)
        QTimer::singleShot(0, this, &ScriptRunner::closeDown);
}

// Ends the program the way a user would: dialogs closed, a failed script's
// run cancelled (a finished script's run awaited), then the window closed.
void ScriptRunner::closeDown()
{
    if (!m_screen)
        return; // failed while the window is built: start() closes it
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->close();
        QTimer::singleShot(kPollMilliseconds, this, &ScriptRunner::closeDown);
        return;
    }
    if (m_code != 0 && !m_cancelSent && operationRunning()) {
        m_cancelSent = true;
        m_close->click();
    }
    if ((m_ready && !idle()) || !m_carrying.isEmpty()) {
        // Closed only once every line has returned: nothing may be released
        // under a handler that is still at work.
        QTimer::singleShot(kPollMilliseconds, this, &ScriptRunner::closeDown);
        return;
    }
    const int unused = m_host.prompts().pendingTotal();
    if (m_code == 0 && unused > 0 && !m_script.lines().isEmpty()) {
        fail(&m_script.lines().at(std::min(m_next, int(m_script.lines().size())) - 1),
             QStringLiteral("%1 queued answer(s) were never asked for").arg(unused));
    }
    m_screen->close();
    QCoreApplication::exit(m_code);
}

int ScriptRunner::finish()
{
    const QList<ScriptLine>& lines = m_script.lines();
    if (!m_ending && m_next < lines.size())
        fail(&lines.at(m_next), QStringLiteral("the program ended before this line ran"));
    return m_code;
}

} // namespace tw
