#pragma once

// Small pieces the statistics share: the numbers of a draw as a bit set, the number
// range the per-number tables can hold, and a progress report that does not fire a
// million times on a million draws.

#include "core/LotteryDefinition.h"
#include "core/Progress.h"
#include "results/DrawTable.h"
#include "statistics/WorkSplit.h"

#include <QtGlobal>

#include <vector>

namespace kivora {

// The bits set in x. The package is built for every x86-64 processor, where the
// compiler's popcount is a library call; the arithmetic below is inlined instead.
inline int bitCount(quint64 x)
{
#if defined(__POPCNT__) || !defined(__x86_64__)
    return __builtin_popcountll(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
#endif
}

// A set of the numbers 0..127, one bit each.
struct NumberSet
{
    quint64 low = 0; // 0..63
    quint64 high = 0; // 64..127

    void insert(int n)
    {
        if (n < 64)
            low |= quint64(1) << n;
        else
            high |= quint64(1) << (n - 64);
    }
    bool has(int n) const { return n < 64 ? (low >> n) & 1 : (high >> (n - 64)) & 1; }
    bool containsAll(const NumberSet &other) const
    {
        return (low & other.low) == other.low && (high & other.high) == other.high;
    }
    // The members above n.
    NumberSet above(int n) const
    {
        if (n < 0)
            return *this;
        NumberSet result;
        if (n < 63)
            result.low = low & ~((quint64(2) << n) - 1);
        if (n < 64)
            result.high = high;
        else if (n < 127)
            result.high = high & ~((quint64(2) << (n - 64)) - 1);
        return result;
    }
    // How many members lie below n (0..127).
    int countBelow(int n) const
    {
        if (n < 64)
            return bitCount(low & ((quint64(1) << n) - 1));
        return bitCount(low) + bitCount(high & ((quint64(1) << (n - 64)) - 1));
    }
    // Writes the members in ascending order; returns how many there are.
    int members(int *out) const;
};

// An inclusive number range; empty when lo > hi.
struct NumberRange
{
    int lo = 0;
    int hi = -1;

    bool isEmpty() const { return lo > hi; }
    int size() const { return isEmpty() ? 0 : hi - lo + 1; }
    bool contains(int n) const { return n >= lo && n <= hi; }
};

// lo..hi cut to the 0..100 every per-number table holds.
NumberRange tableRange(int lo, int hi);
// The main numbers of a lottery, MinNumber..MaxNumber, cut to 0..100.
inline NumberRange mainRange(const LotteryDefinition &definition)
{
    return tableRange(definition.minNumber, definition.maxNumber);
}

// For every draw, the set of its main numbers that lie in range; a number written
// twice in a record is one member.
std::vector<NumberSet> drawSets(const DrawTable &draws, NumberRange range);

// since, drawn and the longest absence (open run included) of one set of numbers
// over the draws, oldest first.
struct SetTally
{
    int since = 0;
    int drawn = 0;
    int longest = 0;
};
SetTally tallySet(const std::vector<NumberSet> &draws, const NumberSet &candidate);
// The tally of every candidate, each on its own, on up to `threads` threads
// (kEveryCore: one per core); only the calling thread reports progress.
std::vector<SetTally> tallySets(const std::vector<NumberSet> &draws, const std::vector<NumberSet> &candidates,
    int threads, const Progress &progress);

// Calls visit(const int *numbers) for every k-number set c1 < c2 < ... < ck of range
// whose later numbers each lie a positive multiple of step above the one before, in
// ascending order with c1 slowest. step 1 gives all sets; step 10 the sets of one
// last digit (01:11:21, 01:11:31, ... 10:20:30; 100 ends in 0 too).
template<class Visit> void forEachCombination(NumberRange range, int k, int step, Visit &&visit)
{
    if (k < 1 || k > 8 || range.isEmpty() || range.lo + (k - 1) * step > range.hi)
        return;
    int c[8];
    for (int i = 0; i < k; ++i)
        c[i] = range.lo + i * step;
    for (;;) {
        visit(static_cast<const int *>(c));
        // the rightmost number that can still grow, leaving room for the ones after it
        int i = k - 1;
        while (i >= 0 && c[i] + (i == 0 ? 1 : step) > range.hi - (k - 1 - i) * step)
            --i;
        if (i < 0)
            return;
        c[i] += i == 0 ? 1 : step;
        for (int j = i + 1; j < k; ++j)
            c[j] = c[j - 1] + step;
    }
}

} // namespace kivora
