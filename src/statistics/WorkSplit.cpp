#include "statistics/WorkSplit.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace kivora {

int threadCount(int requested)
{
    if (requested > 0)
        return requested;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int threadsForWork(int threads, double steps)
{
    // Starting and joining a thread costs some tens of microseconds.
    constexpr double kWorthSplitting = 200000;
    return threads == kEveryCore && steps < kWorthSplitting ? 1 : threads;
}

int workerCount(int count, int threads)
{
    return std::max(1, std::min(threadCount(threads), count));
}

namespace {

// What the threads of one forEachItem share.
class ItemQueue final
{
public:
    explicit ItemQueue(int count)
        : m_count(count)
    { }

    // The next item to work on, or -1 when none is left or the work stopped.
    int take()
    {
        if (m_stopped.load(std::memory_order_relaxed))
            return -1;
        const int item = m_next.fetch_add(1, std::memory_order_relaxed);
        return item < m_count ? item : -1;
    }
    void finished() { m_done.fetch_add(1, std::memory_order_relaxed); }
    int done() const { return m_done.load(std::memory_order_relaxed); }

    // Keeps the first failure and stops every thread at its next take().
    void fail(std::exception_ptr error)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_error)
                m_error = std::move(error);
        }
        m_stopped.store(true, std::memory_order_relaxed);
    }
    std::exception_ptr error() const { return m_error; }

private:
    const int m_count;
    std::atomic<int> m_next { 0 };
    std::atomic<int> m_done { 0 };
    std::atomic<bool> m_stopped { false };
    std::mutex m_mutex;
    std::exception_ptr m_error;
};

} // namespace

void forEachItem(
    int count, int threads, const Progress &progress, const std::function<void(int item, int worker)> &work)
{
    if (count <= 0) {
        report(progress, 0, count, count);
        return;
    }
    // Many small items (the 3,003 first pairs of Keno quadruples) report a hundredth
    // of the way at a time, not after each item.
    SteppedProgress steps(progress, 0, count);
    const int helpers = workerCount(count, threads) - 1;
    if (helpers == 0) {
        for (int item = 0; item < count; ++item) {
            work(item, 0);
            steps.at(item + 1);
        }
        steps.done();
        return;
    }

    ItemQueue queue(count);
    auto runItems = [&queue, &work](int worker) {
        try {
            for (int item = queue.take(); item >= 0; item = queue.take()) {
                work(item, worker);
                queue.finished();
            }
        } catch (...) {
            queue.fail(std::current_exception());
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<size_t>(helpers));
    try {
        for (int worker = 1; worker <= helpers; ++worker)
            pool.emplace_back(runItems, worker);
    } catch (...) {
        // No thread to be had: the calling thread and the ones started do it all.
    }
    try {
        for (int item = queue.take(); item >= 0; item = queue.take()) {
            work(item, 0);
            queue.finished();
            steps.at(queue.done());
        }
    } catch (...) {
        queue.fail(std::current_exception());
    }
    for (std::thread &thread : pool)
        thread.join();
    if (queue.error())
        std::rethrow_exception(queue.error());
    steps.done();
}

} // namespace kivora
