#include "DisplayClock.h"

namespace tw {

DisplayClock::DisplayClock(int intervalMs, QObject* parent) : QObject(parent), m_interval(intervalMs)
{
    m_tick.setSingleShot(true);
    connect(&m_tick, &QTimer::timeout, this, &DisplayClock::flush);
}

void DisplayClock::show(const QObject* control, std::function<void()> apply)
{
    if (!m_paced) {
        apply();
        return;
    }
    for (Waiting& waiting : m_waiting) {
        if (waiting.control == control) {
            waiting.apply = std::move(apply);
            return;
        }
    }
    m_waiting.push_back({control, std::move(apply)});
    if (m_tick.isActive())
        return;
    // The first text after a quiet spell shows at once; later ones wait for the tick.
    if (!m_sinceShown.isValid() || m_sinceShown.elapsed() >= m_interval)
        flush();
    else
        m_tick.start(int(m_interval - m_sinceShown.elapsed()));
}

void DisplayClock::setPaced(bool paced)
{
    m_paced = paced;
    if (!paced)
        flush();
}

void DisplayClock::flush()
{
    m_tick.stop();
    // A text shown may set another (a label's text changing a layout); those come next time.
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    for (Waiting& entry : waiting)
        entry.apply();
    m_sinceShown.start();
}

} // namespace tw
