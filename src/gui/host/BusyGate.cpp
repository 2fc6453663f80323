#include "BusyGate.h"

#include "GuiHost.h"
#include "UnansweredPrompt.h"
#include "core/app/IoError.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunState.h"
#include "gui/widgets/WidgetKit.h"
#include "gw/Error.h"

#include <QPushButton>

namespace tw {

BusyGate::BusyGate(RunState& state, QPushButton* closeButton, GuiHost& host, const QList<QWidget*>& lockedWhileBusy)
    : m_state(state), m_close(closeButton), m_host(host)
{
    for (QWidget* widget : lockedWhileBusy)
        m_locked.append(widget);
}

bool BusyGate::busy() const
{
    return m_inside || !m_state.OperationIdle;
}

bool BusyGate::cancellable() const
{
    return m_inside && m_kind == Kind::Cancellable;
}

void BusyGate::open(Kind kind)
{
    // Busy before anything else: the body's first log line already pumps.
    m_inside = true;
    m_kind = kind;
    m_state.OperationIdle = false;
    m_state.CancelRequested = false;
    m_host.setPumping(true);
    if (kind == Kind::Cancellable) {
        m_close->setText(QStringLiteral("Cancel"));
        WidgetKit::setHint(m_close, QStringLiteral("Cancel this Operation"));
    }
    for (const auto& widget : m_locked) {
        if (widget)
            widget->setEnabled(false);
    }
    m_host.display().setPaced(true);
}

void BusyGate::backToIdle()
{
    // Every final text (counts, completion, status line, progress) is shown at once.
    m_host.display().setPaced(false);
    m_host.setPumping(false);
    m_host.resetBusyCursor();
    m_close->setText(QStringLiteral("Close"));
    WidgetKit::setHint(m_close, QStringLiteral("Close the Program"));
    for (const auto& widget : m_locked) {
        if (widget)
            widget->setEnabled(true);
    }
    m_state.OperationIdle = true;
    m_state.CancelRequested = false;
    m_inside = false;
}

bool BusyGate::closeClicked()
{
    if (cancellable()) {
        m_state.CancelRequested = true;
        return false;
    }
    return true;
}

bool BusyGate::enter(Kind kind, const std::function<void()>& body)
{
    if (busy())
        return false;
    open(kind);
    QString failure;
    try {
        body();
    } catch (const UnansweredPrompt&) {
        backToIdle();
        throw;
    } catch (const gw::Error& error) {
        failure = error.message();
    } catch (const IoError& error) {
        failure = error.message();
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    backToIdle();
    if (!failure.isEmpty())
        m_host.showMessage(kProgramTitle, failure, RunHost::Icon::Error);
    runFollowUps();
    return true;
}

void BusyGate::follow(const QString& key, Kind kind, std::function<void()> body)
{
    if (!busy()) {
        enter(kind, body);
        return;
    }
    for (FollowUp& waiting : m_followUps) {
        if (waiting.key == key) {
            waiting = {key, kind, std::move(body)};
            return;
        }
    }
    m_followUps.append({key, kind, std::move(body)});
}

void BusyGate::runFollowUps()
{
    // Each follow-up's own end runs those that arrived during it.
    if (!busy() && !m_followUps.isEmpty()) {
        const FollowUp next = m_followUps.takeFirst();
        enter(next.kind, next.body);
    }
}

} // namespace tw
