// Ordered decoding on several threads.
#include "directshow/idecodepool.h"

#include "crash/icrashsignals.h"

#include <algorithm>

IDecodePool::IDecodePool(int threads)
{
    for (int i = 0; i < std::max(1, threads); ++i)
        m_threads.emplace_back([this] {
            const ICrashSignals::ThreadStack crashStack;
            run();
        });
}

IDecodePool::~IDecodePool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void IDecodePool::submit(Work work)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_hasWaiting)
            ++m_dropped;
        m_waiting = Job{m_nextSequence++, std::move(work)};
        m_hasWaiting = true;
    }
    m_wake.notify_one();
}

void IDecodePool::drain()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_hasWaiting && m_busy == 0 && m_started.empty() && !m_delivering; });
}

int IDecodePool::threads() const
{
    return int(m_threads.size());
}

std::uint64_t IDecodePool::dropped() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_dropped;
}

int IDecodePool::defaultThreads()
{
    return std::clamp(int(std::thread::hardware_concurrency()), 2, 4);
}

void IDecodePool::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_hasWaiting; });
        if (m_stopping)
            return;
        Job job = std::move(m_waiting);
        m_waiting = Job();
        m_hasWaiting = false;
        m_started.push_back(job.sequence);
        ++m_busy;
        lock.unlock();
        std::function<void()> deliver = job.work();
        lock.lock();
        --m_busy;
        m_finished.emplace_back(job.sequence, std::move(deliver));
        deliverReady(lock);
        m_idle.notify_all();
    }
}

void IDecodePool::deliverReady(std::unique_lock<std::mutex>& lock)
{
    // One thread hands out at a time, so results leave in order even when
    // the next one finishes while an earlier one is being handed out.
    while (!m_delivering && !m_started.empty()) {
        const auto next = std::find_if(m_finished.begin(), m_finished.end(),
                                       [this](const auto& entry) { return entry.first == m_started.front(); });
        if (next == m_finished.end())
            return;
        std::function<void()> deliver = std::move(next->second);
        m_finished.erase(next);
        m_started.pop_front();
        m_delivering = true;
        lock.unlock();
        if (deliver)
            deliver();
        lock.lock();
        m_delivering = false;
    }
}
