#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace tw {

// Shows the texts of a running operation on a steady clock. A run pumps events
// after every document, and painting the status bar, the progress bar and the
// "Files in Process" boxes for each of thousands of documents would make the
// librarian wait for the paint rather than for the work. While paced, a text
// waits for the next tick (the newest text of each control wins) and the ticks
// come at most every `interval` milliseconds, whatever the rate of documents.
// Outside an operation, at its end and before a prompt, every waiting text is
// shown at once.
class DisplayClock : public QObject
{
    Q_OBJECT
public:
    explicit DisplayClock(int intervalMs = 40, QObject* parent = nullptr);

    // Shows a control's new text: `apply` runs now, or at the next tick while
    // paced, unless a later call for the same `control` replaces it.
    void show(const QObject* control, std::function<void()> apply);
    // On while an operation runs; turning it off shows what waits.
    void setPaced(bool paced);
    bool paced() const { return m_paced; }
    void flush();

private:
    struct Waiting
    {
        const QObject* control;
        std::function<void()> apply;
    };

    int m_interval;
    bool m_paced = false;
    QTimer m_tick;
    QElapsedTimer m_sinceShown;
    std::vector<Waiting> m_waiting;
};

} // namespace tw
