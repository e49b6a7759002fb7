// Media clock that stands still while the recording is paused.
#include "pauseclock.h"

void PauseClock::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto now = Clock::now();
    m_started = true;
    m_start = now;
    m_pausedTotal = Clock::duration(0);
    // A pause asked for before the start holds from the start.
    if (m_paused)
        m_pausedAt = now;
}

void PauseClock::pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_paused)
        return;
    m_paused = true;
    m_pausedAt = Clock::now();
}

void PauseClock::resume()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_paused)
        return;
    m_paused = false;
    if (m_started)
        m_pausedTotal += Clock::now() - m_pausedAt;
}

bool PauseClock::isPaused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_paused;
}

bool PauseClock::isStarted() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_started;
}

long long PauseClock::elapsedNs() const
{
    return elapsedNsAt(Clock::now());
}

long long PauseClock::elapsedNsAt(Clock::time_point now) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_started)
        return 0;
    if (m_paused)
        now = m_pausedAt;
    const auto elapsed = now - m_start - m_pausedTotal;
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count();
    return ns < 0 ? 0 : ns;
}
