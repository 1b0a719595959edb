#include "statistics/RandomnessTests.h"

#include "statistics/NumberSet.h"
#include "statistics/Probability.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kivora {

namespace {

// Above this many draws the longest-run chance is taken from its Poisson
// approximation: the exact recursion costs one pass over the draws per length.
constexpr int kExactRunLimit = 200000;
// At most this many gap classes besides "m or more".
constexpr int kMostGapClasses = 60;

// The chi-square statistic of counts against one expected count per cell.
double chiSquare(const std::vector<qint64> &counts, double expected)
{
    double sum = 0;
    for (qint64 count : counts) {
        const double d = static_cast<double>(count) - expected;
        sum += d * d / expected;
    }
    return sum;
}

ChiSquareTest uniformTest(const std::vector<qint64> &counts, double expected, double factor)
{
    ChiSquareTest test;
    const int cells = static_cast<int>(counts.size());
    test.df = cells - 1;
    test.smallestExpected = expected;
    if (cells < 2 || !(expected > 0))
        return test;
    test.plain = chiSquare(counts, expected);
    test.statistic = test.plain * factor;
    test.p = probability::chiSquareUpperTail(test.statistic, test.df);
    test.valid = expected >= kSmallestExpectedCount;
    return test;
}

// The rows of draws that can be tested: k distinct numbers, all within the range.
std::vector<int> completeRows(const DrawTable &draws, NumberRange range, int k)
{
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(draws.rowCount()));
    for (int r = 0; r < draws.rowCount(); ++r) {
        const int *cells = draws.numbers(r);
        NumberSet set;
        int distinct = 0;
        bool inRange = true;
        for (int j = 0; j < k && inRange; ++j) {
            inRange = range.contains(cells[j]);
            if (inRange && !set.has(cells[j])) {
                set.insert(cells[j]);
                ++distinct;
            }
        }
        if (inRange && distinct == k)
            rows.push_back(r);
    }
    return rows;
}

bool ascending(const int *cells, int k)
{
    for (int j = 1; j < k; ++j) {
        if (cells[j] <= cells[j - 1])
            return false;
    }
    return true;
}

// Fewer ascending records than halfway between chance (1 / k!) and all of them.
bool keepsDrawingOrder(const DrawTable &draws, const std::vector<int> &rows, int k)
{
    if (k < 2 || rows.empty())
        return false;
    double chance = 1;
    for (int i = 2; i <= k; ++i)
        chance /= i;
    qint64 sorted = 0;
    for (int r : rows)
        sorted += ascending(draws.numbers(r), k) ? 1 : 0;
    return static_cast<double>(sorted) / rows.size() < (1 + chance) / 2;
}

ChiSquareTest gapTest(const std::vector<qint64> &gapCounts, double p, int *classes)
{
    ChiSquareTest test;
    *classes = 0;
    qint64 total = 0;
    for (qint64 c : gapCounts)
        total += c;
    const double q = 1 - p;
    if (total == 0 || !(p > 0) || !(q > 0))
        return test;
    // The most classes whose expected counts, the "m or more" one included, reach 5.
    int m = 0;
    while (m < kMostGapClasses && total * p * std::pow(q, m) >= kSmallestExpectedCount
        && total * std::pow(q, m + 1) >= kSmallestExpectedCount)
        ++m;
    if (m == 0) {
        // Too few gaps: one class and the tail, marked not valid.
        m = 1;
    }
    *classes = m;
    double statistic = 0;
    qint64 tail = total;
    double smallest = total;
    for (int j = 0; j < m; ++j) {
        const qint64 observed
            = j < static_cast<int>(gapCounts.size()) ? gapCounts[static_cast<size_t>(j)] : 0;
        const double expected = total * p * std::pow(q, j);
        statistic += (observed - expected) * (observed - expected) / expected;
        smallest = std::min(smallest, expected);
        tail -= observed;
    }
    const double tailExpected = total * std::pow(q, m);
    statistic += (tail - tailExpected) * (tail - tailExpected) / tailExpected;
    smallest = std::min(smallest, tailExpected);
    test.plain = statistic;
    test.statistic = statistic;
    test.df = m;
    test.p = probability::chiSquareUpperTail(statistic, m);
    test.smallestExpected = smallest;
    test.valid = smallest >= kSmallestExpectedCount;
    return test;
}

// The chance that a number stays away at least `length` draws in a row in `trials`.
double runChance(int trials, int length, double p)
{
    if (trials <= kExactRunLimit)
        return probability::longRunChance(trials, length, p);
    if (length > trials)
        return 0.0;
    const double q = 1 - p;
    const double runs = (1 + (trials - length) * p) * std::pow(q, length);
    return 1 - std::exp(-runs);
}

// The chance that any of n numbers stays away at least `length` draws in a row; the
// numbers are taken as independent, which the few numbers of one draw nearly are.
double anyRunChance(int trials, int length, double p, int n)
{
    const double none = 1 - runChance(trials, length, p);
    return 1 - std::pow(none, n);
}

LongestAbsence longestAbsence(
    const DrawTable &draws, const std::vector<int> &rows, NumberRange range, int k, double p)
{
    LongestAbsence result;
    const int trials = static_cast<int>(rows.size());
    std::array<int, kLargestNumber + 1> last;
    std::array<int, kLargestNumber + 1> longest {};
    last.fill(-1);
    for (int i = 0; i < trials; ++i) {
        const int *cells = draws.numbers(rows[static_cast<size_t>(i)]);
        for (int j = 0; j < k; ++j) {
            const int n = cells[j];
            longest[static_cast<size_t>(n)]
                = std::max(longest[static_cast<size_t>(n)], i - last[static_cast<size_t>(n)] - 1);
            last[static_cast<size_t>(n)] = i;
        }
    }
    for (int n = range.lo; n <= range.hi; ++n) {
        const int open = trials - 1 - last[static_cast<size_t>(n)];
        const int run = std::max(longest[static_cast<size_t>(n)], open);
        if (run > result.length || result.number < 0) {
            result.length = run;
            result.number = n;
        }
    }
    const int numbers = range.size();
    if (trials == 0 || numbers == 0 || !(p > 0) || !(p < 1))
        return result;
    result.valid = true;
    result.p = anyRunChance(trials, result.length, p, numbers);
    // The mean of the longest run: the sum over L >= 1 of P(longest >= L), to where
    // the terms vanish.
    double mean = 0;
    for (int length = 1; length <= trials; ++length) {
        const double chance = anyRunChance(trials, length, p, numbers);
        mean += chance;
        if (chance < 1e-12)
            break;
    }
    result.expected = mean;
    return result;
}

} // namespace

RandomnessReport testRandomness(
    const DrawTable &draws, const LotteryDefinition &definition, const Progress &progress)
{
    RandomnessReport report;
    const NumberRange range = mainRange(definition);
    const int n = range.size();
    const int k = definition.drawNumber;
    report.rangeSize = n;
    report.drawSize = k;
    if (n < 2 || k < 1 || k >= n) {
        report.skipped = draws.rowCount();
        return report; // every number in every draw: nothing to test
    }
    const std::vector<int> rows = completeRows(draws, range, k);
    const int total = static_cast<int>(rows.size());
    report.draws = total;
    report.skipped = draws.rowCount() - total;
    report.correction = static_cast<double>(n - 1) / (n - k);
    const double p = static_cast<double>(k) / n;
    SteppedProgress steps(progress, 0, std::max(total, 1));

    // Counts per number and per position, and the gaps between appearances.
    std::vector<qint64> counts(static_cast<size_t>(n), 0);
    report.drawingOrder = keepsDrawingOrder(draws, rows, k);
    std::vector<std::vector<qint64>> atPosition(
        report.drawingOrder ? static_cast<size_t>(k) : 0, std::vector<qint64>(static_cast<size_t>(n), 0));
    std::vector<qint64> gapCounts;
    std::array<int, kLargestNumber + 1> last;
    last.fill(-1);
    for (int i = 0; i < total; ++i) {
        steps.at(i);
        const int *cells = draws.numbers(rows[static_cast<size_t>(i)]);
        for (int j = 0; j < k; ++j) {
            const int number = cells[j];
            const size_t cell = static_cast<size_t>(number - range.lo);
            ++counts[cell];
            if (report.drawingOrder)
                ++atPosition[static_cast<size_t>(j)][cell];
            int &seen = last[static_cast<size_t>(number)];
            if (seen >= 0) {
                const size_t gap = static_cast<size_t>(i - seen - 1);
                if (gap >= gapCounts.size())
                    gapCounts.resize(gap + 1, 0);
                ++gapCounts[gap];
            }
            seen = i;
        }
    }
    steps.done();

    report.frequency = uniformTest(counts, static_cast<double>(total) * k / n, report.correction);
    for (const std::vector<qint64> &position : atPosition)
        report.positions.push_back(uniformTest(position, static_cast<double>(total) / n, 1.0));
    report.gaps = gapTest(gapCounts, p, &report.gapClasses);
    report.absence = longestAbsence(draws, rows, range, k, p);
    return report;
}

} // namespace kivora
