// Decodes successive camera frames on several threads and hands them out in
// the order they came. One core cannot decode a 4K MJPG stream at full rate;
// two can, provided the view still sees the frames in order.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class IDecodePool
{
public:
    // Runs on a pool thread, in parallel with other work; returns what is
    // to be done with its result, which runs in submission order.
    using Work = std::function<std::function<void()>()>;

    explicit IDecodePool(int threads);
    ~IDecodePool();
    IDecodePool(const IDecodePool&) = delete;
    IDecodePool& operator=(const IDecodePool&) = delete;

    // Never blocks and never queues: when every thread is busy, the work
    // waits in a single slot, and later work takes the slot from it (the
    // older frame is dropped, the view keeps up with the camera).
    void submit(Work work);
    // Waits until everything submitted is done and handed out.
    void drain();

    int threads() const;
    std::uint64_t dropped() const;

    // The threads to use on this machine: one per core, two at least
    // (decoding overlaps the edge detector) and four at most.
    static int defaultThreads();

private:
    struct Job
    {
        std::uint64_t sequence = 0;
        Work work;
    };

    void run();
    // With the lock held: hands out the finished results that are next in
    // order, without the lock while they run.
    void deliverReady(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    bool m_stopping = false;
    bool m_hasWaiting = false;
    Job m_waiting;
    int m_busy = 0;
    std::uint64_t m_nextSequence = 0;
    // Results finished early wait here for those before them.
    std::deque<std::pair<std::uint64_t, std::function<void()>>> m_finished;
    // Sequence numbers started and not yet handed out, oldest first.
    std::deque<std::uint64_t> m_started;
    bool m_delivering = false;
    std::uint64_t m_dropped = 0;
    std::vector<std::thread> m_threads;
};
