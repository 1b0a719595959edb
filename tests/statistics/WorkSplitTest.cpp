#include "statistics/WorkSplit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace kivora;

namespace {

struct Stop
{
};

} // namespace

// Every item runs once, on a worker the count allows, whatever the thread count; the
// progress comes from the calling thread only, never goes back, and ends at the count.
TEST(WorkSplit, EveryItemOnceAndProgressFromTheCallingThread)
{
    EXPECT_GE(threadCount(kEveryCore), 1);
    EXPECT_EQ(threadCount(3), 3);
    EXPECT_EQ(workerCount(2, 5), 2);
    EXPECT_EQ(workerCount(0, 5), 1);
    // small work stays on the calling thread unless a count is forced
    EXPECT_EQ(threadsForWork(kEveryCore, 1000), 1);
    EXPECT_EQ(threadsForWork(kEveryCore, 1e9), kEveryCore);
    EXPECT_EQ(threadsForWork(3, 1000), 3);

    for (int threads : { 1, 2, 5 }) {
        for (int count : { 0, 1, 7, 300 }) {
            SCOPED_TRACE(testing::Message() << threads << " threads, " << count << " items");
            std::vector<std::atomic<int>> runs(static_cast<size_t>(count));
            std::atomic<bool> workerOutOfRange { false };
            const int workers = workerCount(count, threads);
            const std::thread::id caller = std::this_thread::get_id();
            int lastPosition = -1;
            bool elsewhere = false;
            bool wrongRange = false;
            const Progress progress = [&](int min, int max, int position) {
                elsewhere = elsewhere || std::this_thread::get_id() != caller;
                wrongRange = wrongRange || min != 0 || max != count || position < lastPosition;
                lastPosition = position;
            };
            forEachItem(count, threads, progress, [&](int item, int worker) {
                if (worker < 0 || worker >= workers)
                    workerOutOfRange = true;
                ++runs[static_cast<size_t>(item)];
            });
            for (int i = 0; i < count; ++i)
                EXPECT_EQ(runs[static_cast<size_t>(i)], 1) << "item " << i;
            EXPECT_FALSE(workerOutOfRange);
            EXPECT_FALSE(elsewhere);
            EXPECT_FALSE(wrongRange);
            EXPECT_EQ(lastPosition, count);
        }
    }
}

// A progress that throws (a cancelled job) or an item that throws on any thread stops
// the work: the exception reaches the caller once every thread has stopped, and the
// items not yet taken never run.
TEST(WorkSplit, AnExceptionStopsEveryThreadAndReachesTheCaller)
{
    for (int threads : { 1, 2, 4 }) {
        SCOPED_TRACE(testing::Message() << threads << " threads");
        std::atomic<int> started { 0 };
        std::atomic<int> running { 0 };
        const Progress cancel = [](int, int, int position) {
            if (position >= 1)
                throw Stop();
        };
        EXPECT_THROW(forEachItem(1000, threads, cancel,
                         [&](int, int) {
                             ++started;
                             ++running;
                             std::this_thread::sleep_for(std::chrono::microseconds(200));
                             --running;
                         }),
            Stop);
        EXPECT_EQ(running, 0); // nothing still runs once the call is back
        EXPECT_LT(started, 1000);

        std::atomic<int> after { 0 };
        EXPECT_THROW(forEachItem(1000, threads, {},
                         [&](int item, int) {
                             if (item == 3)
                                 throw std::runtime_error("item 3");
                             if (item > 3 + 4 * threads)
                                 std::this_thread::sleep_for(std::chrono::microseconds(100));
                             ++after;
                         }),
            std::runtime_error);
        EXPECT_LT(after, 999);
    }
}
