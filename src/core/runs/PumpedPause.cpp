#include "PumpedPause.h"

#include "core/app/RunHost.h"

#include <QElapsedTimer>
#include <QThread>

namespace tw {

void pumpedPause(RunHost& host, int milliseconds)
{
    constexpr qint64 kSliceUs = 10000;
    constexpr qint64 kLateUs = 2000; // how late a long sleep may wake: the last ones are short
    QElapsedTimer paused;
    paused.start();
    for (;;) {
        host.pumpEvents();
        const qint64 remainingUs = milliseconds * 1000LL - paused.nsecsElapsed() / 1000;
        if (remainingUs <= 0)
            return;
        QThread::usleep(
            static_cast<unsigned long>(remainingUs > kLateUs ? qMin(remainingUs - kLateUs, kSliceUs) : remainingUs));
    }
}

} // namespace tw
