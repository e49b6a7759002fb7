// The recording's media clock: wall time since the start minus the time
// spent paused, so that timestamps continue where a pause stopped them.
#pragma once

#include <chrono>
#include <mutex>

class PauseClock
{
public:
    using Clock = std::chrono::steady_clock;

    void start();
    void pause();
    void resume();
    bool isPaused() const;
    bool isStarted() const;
    // Media time in nanoseconds; 0 before start, frozen while paused.
    long long elapsedNs() const;

    // The same with an explicit "now", for callers that timestamp themselves.
    long long elapsedNsAt(Clock::time_point now) const;

private:
    mutable std::mutex m_mutex;
    bool m_started = false;
    bool m_paused = false;
    Clock::time_point m_start;
    Clock::time_point m_pausedAt;
    Clock::duration m_pausedTotal{0};
};
