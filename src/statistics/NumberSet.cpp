#include "statistics/NumberSet.h"

#include <algorithm>

namespace kivora {

int NumberSet::members(int *out) const
{
    int count = 0;
    for (quint64 bits = low; bits != 0; bits &= bits - 1)
        out[count++] = __builtin_ctzll(bits);
    for (quint64 bits = high; bits != 0; bits &= bits - 1)
        out[count++] = 64 + __builtin_ctzll(bits);
    return count;
}

NumberRange tableRange(int lo, int hi)
{
    return { std::max(lo, 0), std::min(hi, kLargestNumber) };
}

std::vector<NumberSet> drawSets(const DrawTable &draws, NumberRange range)
{
    std::vector<NumberSet> sets(static_cast<size_t>(draws.rowCount()));
    const int width = draws.drawNumber();
    for (int r = 0; r < draws.rowCount(); ++r) {
        const int *cells = draws.numbers(r);
        NumberSet &set = sets[static_cast<size_t>(r)];
        for (int j = 0; j < width; ++j) {
            if (range.contains(cells[j]))
                set.insert(cells[j]);
        }
    }
    return sets;
}

SetTally tallySet(const std::vector<NumberSet> &draws, const NumberSet &candidate)
{
    SetTally tally;
    int run = 0;
    for (const NumberSet &draw : draws) {
        if (draw.containsAll(candidate)) {
            tally.longest = std::max(tally.longest, run);
            run = 0;
            ++tally.drawn;
        } else {
            ++run;
        }
    }
    tally.longest = std::max(tally.longest, run);
    tally.since = run;
    return tally;
}

std::vector<SetTally> tallySets(const std::vector<NumberSet> &draws, const std::vector<NumberSet> &candidates,
    int threads, const Progress &progress)
{
    // A few candidates at a time are one item of work.
    constexpr size_t kPerItem = 8;
    std::vector<SetTally> tallies(candidates.size());
    const int items = static_cast<int>((candidates.size() + kPerItem - 1) / kPerItem);
    threads
        = threadsForWork(threads, static_cast<double>(candidates.size()) * static_cast<double>(draws.size()));
    forEachItem(items, threads, progress, [&](int item, int) {
        const size_t end = std::min(candidates.size(), (static_cast<size_t>(item) + 1) * kPerItem);
        for (size_t i = static_cast<size_t>(item) * kPerItem; i < end; ++i)
            tallies[i] = tallySet(draws, candidates[i]);
    });
    return tallies;
}

} // namespace kivora
