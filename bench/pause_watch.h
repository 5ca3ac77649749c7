#pragma once

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace tavolin::bench {

// The longest time the program's event loop went without turning, from the watch's start: a
// timer due every 5 ms notes the gap before each firing. Work that lets the windows paint and
// answer (as the progress does twenty times a second) shows as short gaps; work that does not,
// as one gap as long as itself.
class PauseWatch
{
public:
    PauseWatch()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { note(); });
        m_last = Clock::now();
        m_timer.start();
    }

    double longestMillis()
    {
        note();
        return std::chrono::duration<double, std::milli>(m_longest).count();
    }

private:
    using Clock = std::chrono::steady_clock;

    void note()
    {
        const Clock::time_point now = Clock::now();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    Clock::time_point m_last;
    Clock::duration m_longest{};
};

} // namespace tavolin::bench
