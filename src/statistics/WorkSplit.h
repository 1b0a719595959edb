#pragma once

// Long statistics split their work into items (the combinations of one first number,
// a stretch of draws) whose results do not overlap, and run the items on every core.

#include "core/Progress.h"

#include <functional>

namespace kivora {

// A thread count for the statistics: 0 uses every core, 1 keeps the work on the
// calling thread (the result is the same either way).
constexpr int kEveryCore = 0;

// The threads a request means on this machine: requested when positive, else the
// cores the system reports (at least 1).
int threadCount(int requested);

// The thread count for work of about `steps` simple steps (a counter updated, a draw
// tested): kEveryCore stays on the calling thread when the work is too small to repay
// starting a thread; a forced count is kept.
int threadsForWork(int threads, double steps);

// The threads forEachItem runs count items on: threadCount(threads), at most count.
int workerCount(int count, int threads);

// Calls work(item, worker) once for every item 0..count-1 on workerCount(count,
// threads) threads, the calling thread among them; worker (0..workerCount - 1) names
// the thread, so that each can keep scratch space of its own. Items are handed out in
// ascending order as threads become free, so the larger items should come first.
// Items must write to disjoint data; what they wrote is complete when this returns.
//
// Only the calling thread calls progress (min 0, max count, position = the items done
// so far), after each item it finishes and once at the end, so a progress that is not
// thread-safe, or one that throws to cancel the job, works unchanged. When progress or
// an item throws, the other threads take no further item, and once every thread has
// stopped the first exception is rethrown on the calling thread.
void forEachItem(
    int count, int threads, const Progress &progress, const std::function<void(int item, int worker)> &work);

} // namespace kivora
