#pragma once

// The figures the charts draw, computed over the loaded draws:
//
// - the frequency of every number as a bar, with the count a fair draw expects and
//   its band of two standard deviations: a draw holds a given number with chance
//   p = k / n, so over R draws its count has mean R p and variance R p (1 - p);
// - the "since" history of one number: after every draw, how many draws have passed
//   since the newest one holding it (what the number list would have shown then),
//   and the completed gaps between its appearances;
// - the moving count of hits of a number, a pair or a ten over a window of draws.

#include "core/LotteryDefinition.h"
#include "results/DrawTable.h"

#include <vector>

namespace kivora {

struct FrequencyBar
{
    int number = 0;
    int drawn = 0; // as the number list's "Выпадал": a number written twice counts twice
};

struct FrequencyChart
{
    std::vector<FrequencyBar> bars; // MinNumber .. MaxNumber, ascending
    int draws = 0;
    double expected = 0; // R k / n
    double sigma = 0; // sqrt(R p (1 - p))
    double low() const { return expected - 2 * sigma; }
    double high() const { return expected + 2 * sigma; }
};

FrequencyChart frequencyChart(const DrawTable &draws, const LotteryDefinition &definition);

struct Appearance
{
    int row = 0; // the draw holding the number
    int gap = 0; // draws without it just before: since the previous appearance, or
                 // since the first loaded draw for the first appearance
};

struct GapHistory
{
    int number = 0;
    // since[r]: after draw r, the draws since the newest one up to r that held the
    // number; r + 1 while it has not appeared yet.
    std::vector<int> since;
    std::vector<Appearance> appearances; // in draw order
    int longestGap = 0; // the longest gap that ended with the number drawn
    double expectedGap = 0; // mean gap of a fair draw: (1 - p) / p
};

GapHistory gapHistory(const DrawTable &draws, const LotteryDefinition &definition, int number);

// What counts as a hit in a draw: for a number or a pair, the draw holds all of its
// numbers (1 a draw at most); for a ten, every number of the ten the draw holds counts.
struct HitTarget
{
    std::vector<int> numbers;
    bool countEach = false;

    static HitTarget number(int n) { return { { n }, false }; }
    // A pair of a number with itself is that number: its hits are the number's, and so
    // is what a fair draw expects of them.
    static HitTarget pair(int a, int b) { return a == b ? number(a) : HitTarget { { a, b }, false }; }
    // Group `group` of ten (1: 1-10, 2: 11-20, ...) cut to the lottery's range.
    static HitTarget ten(int group, const LotteryDefinition &definition);
};

struct MovingHits
{
    int window = 0;
    // counts[i]: hits in the `window` draws ending with draw firstRow + i. With fewer
    // draws than the window there is one value, over all of them.
    int firstRow = 0;
    std::vector<int> counts;
    double expected = 0; // the mean count of a fair draw over a full window
};

MovingHits movingHits(
    const DrawTable &draws, const LotteryDefinition &definition, const HitTarget &target, int window);

} // namespace kivora
