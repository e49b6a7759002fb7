// Whether the virtual document camera is plugged in, shared by the camera and every device it opened.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class IVirtualCameraPresence
{
public:
    using Clock = std::chrono::steady_clock;
    using Listener = std::function<void(bool present)>;

    bool isPresent() const;
    // Counts the pluggings in; a device opened during one is lost for good
    // once it ends, even if the camera comes back before it looks.
    std::uint64_t plugging() const;
    // True while the camera is present and still in plugging `plugging`.
    bool isPlugged(std::uint64_t plugging) const;

    // Wakes every waiting reader and tells the listener (in this thread,
    // after the change); false when nothing changed.
    bool setPresent(bool present);
    // Empty to stop listening; returns only once no call to the old
    // listener is running.
    void setListener(Listener listener);

    // Sleeps until `deadline`, waking early when plugging `plugging` ends;
    // true when it is still plugged in.
    bool waitUntil(Clock::time_point deadline, std::uint64_t plugging);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_present = true;
    std::uint64_t m_plugging = 1;

    // Held while the listener runs; recursive so that a listener may plug
    // or unplug again.
    std::recursive_mutex m_listenerMutex;
    Listener m_listener;
};
