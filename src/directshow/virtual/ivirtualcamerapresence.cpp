// Whether the virtual document camera is plugged in, shared by the camera and every device it opened.
#include "directshow/virtual/ivirtualcamerapresence.h"

bool IVirtualCameraPresence::isPresent() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_present;
}

std::uint64_t IVirtualCameraPresence::plugging() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugging;
}

bool IVirtualCameraPresence::isPlugged(std::uint64_t plugging) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_present && m_plugging == plugging;
}

bool IVirtualCameraPresence::setPresent(bool present)
{
    // The listener lock orders the notices as the changes themselves.
    std::lock_guard<std::recursive_mutex> notifying(m_listenerMutex);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_present == present)
            return false;
        m_present = present;
        if (present)
            ++m_plugging;
    }
    m_changed.notify_all();
    if (m_listener)
        m_listener(present);
    return true;
}

void IVirtualCameraPresence::setListener(Listener listener)
{
    std::lock_guard<std::recursive_mutex> notifying(m_listenerMutex);
    m_listener = std::move(listener);
}

bool IVirtualCameraPresence::waitUntil(Clock::time_point deadline, std::uint64_t plugging)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_until(lock, deadline, [&] { return !m_present || m_plugging != plugging; });
    return m_present && m_plugging == plugging;
}
