#include "OperationControl.h"

#include "GuiHost.h"
#include "UnansweredPrompt.h"
#include "core/app/IoError.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunState.h"
#include "gui/widgets/WidgetKit.h"
#include "gw/Error.h"

#include <QPushButton>

namespace tw {

OperationControl::OperationControl(RunState& state, QPushButton* closeButton, GuiHost& host,
                                   const QList<QWidget*>& lockedWhileRunning)
    : m_state(state), m_close(closeButton), m_host(host)
{
    for (QWidget* widget : lockedWhileRunning)
        m_locked.append(widget);
}

void OperationControl::begin()
{
    m_close->setText(QStringLiteral("Cancel"));
    WidgetKit::setHint(m_close, QStringLiteral("Cancel this Operation"));
    m_state.CancelRequested = false;
    for (const auto& widget : m_locked) {
        if (widget)
            widget->setEnabled(false);
    }
    m_host.display().setPaced(true);
}

void OperationControl::end()
{
    // Every final text (counts, completion, status line, progress) is shown at once.
    m_host.display().setPaced(false);
    m_close->setText(QStringLiteral("Close"));
    WidgetKit::setHint(m_close, QStringLiteral("Close the Program"));
    for (const auto& widget : m_locked) {
        if (widget)
            widget->setEnabled(true);
    }
}

bool OperationControl::closeClicked()
{
    if (m_close->text() == QLatin1String("Cancel")) {
        m_state.CancelRequested = true;
        return false;
    }
    return true;
}

void OperationControl::backToIdle()
{
    m_state.OperationIdle = true;
    m_state.CancelRequested = false;
    m_host.resetBusyCursor();
    end();
}

bool OperationControl::run(const std::function<void()>& body)
{
    if (!m_state.OperationIdle)
        return false;
    begin();
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
    return true;
}

bool OperationControl::running() const
{
    return m_close && m_close->text() == QLatin1String("Cancel");
}

} // namespace tw
