#pragma once

// The draws in which something happened (a number at a position, k numbers in one
// group of ten): how often, the first and the newest time, and the longest run of
// draws without it in between. Long bases are counted in stretches of draws on every
// core; the stretches join into the runs of the whole base.

#include "core/Progress.h"
#include "statistics/WorkSplit.h"

#include <algorithm>
#include <vector>

namespace kivora {

struct EventRuns
{
    int first = -1; // the first draw with the event (0 = the oldest), -1 when none
    int last = -1; // the newest one
    int count = 0; // twice in one draw counts twice
    int longestBetween = 0; // the longest run of draws without it between two draws with it

    void meet(int draw)
    {
        if (last < 0)
            first = draw;
        else
            longestBetween = std::max(longestBetween, draw - last - 1);
        last = draw;
        ++count;
    }
    // Adds the runs of the stretch of draws right after this one's.
    void append(const EventRuns &later)
    {
        if (later.last < 0)
            return;
        if (last < 0) {
            first = later.first;
            longestBetween = later.longestBetween;
        } else {
            longestBetween = std::max({ longestBetween, later.longestBetween, later.first - last - 1 });
        }
        last = later.last;
        count += later.count;
    }

    // Draws after the newest one with the event, all of them when none had it.
    int since(int drawCount) const { return drawCount - 1 - last; }
    // The longest run without it that ended with the event: the one before the first
    // time included, the one still open not; 0 when it never happened.
    int longestClosed() const { return last < 0 ? 0 : std::max(first, longestBetween); }
    // The longest run without it, the open one included.
    int longestRun(int drawCount) const { return std::max(longestClosed(), since(drawCount)); }
};

// The runs of `keys` events over draws 0..drawCount-1: meetDraws(from, to, runs) calls
// runs[key].meet(t) for each event of the draws t = from..to-1, in order. The draws are
// counted in stretches on up to `threads` threads (kEveryCore: one per core); the
// result is the same for any count. Only the calling thread reports progress, over
// the stretches.
template<class MeetDraws>
std::vector<EventRuns> eventRuns(
    int drawCount, int keys, int threads, const Progress &progress, MeetDraws &&meetDraws)
{
    // A stretch long enough to outweigh starting a thread; a smaller base is one stretch.
    constexpr int kStretch = 1 << 15;
    const int stretches = (drawCount + kStretch - 1) / kStretch;
    std::vector<std::vector<EventRuns>> parts(static_cast<size_t>(stretches));
    forEachItem(stretches, threads, progress, [&](int stretch, int) {
        std::vector<EventRuns> runs(static_cast<size_t>(keys));
        meetDraws(stretch * kStretch, std::min(drawCount, (stretch + 1) * kStretch), runs);
        parts[static_cast<size_t>(stretch)] = std::move(runs);
    });
    std::vector<EventRuns> whole(static_cast<size_t>(keys));
    for (const std::vector<EventRuns> &part : parts) {
        for (size_t key = 0; key < whole.size(); ++key)
            whole[key].append(part[key]);
    }
    return whole;
}

} // namespace kivora
