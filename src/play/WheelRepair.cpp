#include "play/WheelRepair.h"

#include "play/WheelGenerator.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace kivora::wheel {

namespace {

using Clock = std::chrono::steady_clock;

int bits(quint64 set)
{
    return static_cast<int>(__builtin_popcountll(set));
}

quint64 randomBit(quint64 set, std::mt19937_64 &rng)
{
    int skip = static_cast<int>(rng() % static_cast<quint64>(bits(set)));
    for (; skip > 0; --skip)
        set &= set - 1;
    return set & (~set + 1);
}

// One greedy pass over the holes; the tickets it adds, none of them redundant.
std::vector<quint64> greedyPass(
    const std::vector<quint64> &holes, quint64 all, int t, int k, std::mt19937_64 &rng)
{
    std::vector<quint64> left = holes;
    std::vector<quint64> added;
    while (!left.empty()) {
        const quint64 target = left[static_cast<size_t>(rng() % left.size())];
        quint64 block = target;
        while (bits(block) > t)
            block &= ~randomBit(block, rng);
        while (bits(block) < k) {
            quint64 best = 0;
            qint64 bestGain = -1;
            int ties = 0;
            for (quint64 rest = all & ~block; rest != 0; rest &= rest - 1) {
                const quint64 y = rest & (~rest + 1);
                qint64 gain = 0;
                for (quint64 hole : left)
                    gain += bits(hole & block) < t && bits(hole & (block | y)) >= t ? 1 : 0;
                if (gain > bestGain) {
                    bestGain = gain;
                    best = y;
                    ties = 1;
                } else if (gain == bestGain && rng() % static_cast<unsigned>(++ties) == 0) {
                    best = y;
                }
            }
            if (best == 0)
                break; // fewer numbers than a ticket holds
            block |= best;
        }
        added.push_back(block);
        left.erase(
            std::remove_if(left.begin(), left.end(), [&](quint64 hole) { return bits(hole & block) >= t; }),
            left.end());
    }

    // A ticket all of whose holes another added ticket covers too is dropped.
    std::vector<int> covering(holes.size(), 0);
    for (size_t h = 0; h < holes.size(); ++h) {
        for (quint64 block : added)
            covering[h] += bits(holes[h] & block) >= t ? 1 : 0;
    }
    for (size_t i = added.size(); i-- > 0;) {
        bool needed = false;
        for (size_t h = 0; h < holes.size() && !needed; ++h)
            needed = covering[h] == 1 && bits(holes[h] & added[i]) >= t;
        if (needed)
            continue;
        for (size_t h = 0; h < holes.size(); ++h)
            covering[h] -= bits(holes[h] & added[i]) >= t ? 1 : 0;
        added.erase(added.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return added;
}

} // namespace

RepairResult repair(const RepairRequest &request, const std::atomic_bool *cancel)
{
    RepairResult result;
    const Guarantee &g = request.guarantee;
    const quint64 all = g.numbers >= 64 ? ~quint64(0) : (quint64(1) << g.numbers) - 1;
    const CheckResult before = verify(request.tickets, g, static_cast<int>(kMaxSets), cancel);
    result.holesBefore = before.holes;
    if (before.cancelled) {
        result.check = before;
        return result;
    }
    const int k = std::min(request.ticketSize, g.numbers);
    const Clock::time_point deadline = Clock::now()
        + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(request.seconds));
    std::mt19937_64 rng(request.seed);
    std::vector<quint64> best;
    bool first = true;
    while (!before.firstHoles.empty()) {
        std::vector<quint64> added = greedyPass(before.firstHoles, all, g.match, k, rng);
        if (first || added.size() < best.size())
            best = std::move(added);
        first = false;
        if (best.size() <= 1)
            break; // no pass adds fewer
        if (Clock::now() >= deadline || (cancel && cancel->load()))
            break;
    }
    std::sort(best.begin(), best.end());
    result.added = best;
    std::vector<quint64> whole = request.tickets;
    whole.insert(whole.end(), best.begin(), best.end());
    result.check = verify(whole, g, 10, cancel);
    return result;
}

} // namespace kivora::wheel
