#include "statistics/StatTestData.h"

#include "statistics/Probability.h"
#include "statistics/RandomnessTests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace kivora;
using namespace kivora::test;

namespace {

// 2 of 5, fifteen draws in ascending order. Counts 10, 6, 6, 4, 4 against 15 * 2 / 5 = 6.
std::vector<std::vector<int>> smallTable()
{
    return {
        { 1, 2 },
        { 1, 2 },
        { 1, 2 },
        { 1, 3 },
        { 1, 3 },
        { 1, 3 },
        { 1, 4 },
        { 1, 4 },
        { 1, 5 },
        { 1, 5 },
        { 2, 3 },
        { 2, 3 },
        { 2, 3 },
        { 4, 5 },
        { 4, 5 },
    };
}

// Q(3/2, x) = erfc(sqrt x) + 2 sqrt(x / pi) e^-x: the tail of 3 degrees of freedom.
double tailOfThree(double statistic)
{
    const double x = statistic / 2;
    return std::erfc(std::sqrt(x)) + 2 * std::sqrt(x / M_PI) * std::exp(-x);
}

} // namespace

// By hand: X2 = (16 + 0 + 0 + 4 + 4) / 6 = 4; times (5 - 1) / (5 - 2) gives 16/3 on 4
// degrees of freedom, whose tail is e^(-8/3) (1 + 8/3).
TEST(Randomness, FrequencyTestOfASmallTableByHand)
{
    const RandomnessReport report = testRandomness(makeDraws(2, smallTable()), lottery(1, 5, 2));
    EXPECT_EQ(report.draws, 15);
    EXPECT_EQ(report.skipped, 0);
    EXPECT_DOUBLE_EQ(report.correction, 4.0 / 3.0);
    EXPECT_NEAR(report.frequency.plain, 4.0, 1e-12);
    EXPECT_NEAR(report.frequency.statistic, 16.0 / 3.0, 1e-12);
    EXPECT_EQ(report.frequency.df, 4);
    EXPECT_NEAR(report.frequency.p, std::exp(-8.0 / 3.0) * (1 + 8.0 / 3.0), 1e-12);
    EXPECT_NEAR(report.frequency.p, 0.254773, 1e-6);
    // Read against the law unchanged, the plain statistic would give 3 e^-2 = 0.406: the
    // distinct numbers of a draw make the counts steadier than the law assumes.
    EXPECT_NEAR(probability::chiSquareUpperTail(report.frequency.plain, 4), 3 * std::exp(-2.0), 1e-12);
    EXPECT_TRUE(report.frequency.valid); // expected count 6
    EXPECT_FALSE(report.drawingOrder); // every record ascending
    EXPECT_TRUE(report.positions.empty());
}

// Gaps (draws missed between two appearances): 1 has nine of 0; 2 has 0 0 7 0 0; 3 has
// 0 0 4 0 0; 4 has 0 5 0; 5 has 0 3 0. 25 gaps, p = 0.4: classes 0, 1 and "2 or more"
// expect 10, 6 and 9 (the next class would expect 3.6) and hold 21, 0 and 4.
TEST(Randomness, GapTestOfASmallTableByHand)
{
    const RandomnessReport report = testRandomness(makeDraws(2, smallTable()), lottery(1, 5, 2));
    EXPECT_EQ(report.gapClasses, 2);
    EXPECT_EQ(report.gaps.df, 2);
    const double statistic = 121.0 / 10 + 36.0 / 6 + 25.0 / 9;
    EXPECT_NEAR(report.gaps.statistic, statistic, 1e-12);
    EXPECT_NEAR(report.gaps.p, std::exp(-statistic / 2), 1e-15);
    EXPECT_TRUE(report.gaps.valid);
}

// Longest runs without a number, the runs at both ends included: 1 is last seen in
// draw 10 (5 after it), 2 misses 7, 3 misses 4, 4 misses 6 at the start, 5 misses 8.
TEST(Randomness, LongestAbsenceCountsTheRunsAtBothEnds)
{
    const RandomnessReport report = testRandomness(makeDraws(2, smallTable()), lottery(1, 5, 2));
    EXPECT_EQ(report.absence.number, 5);
    EXPECT_EQ(report.absence.length, 8);
    const double one = probability::longRunChance(15, 8, 0.4);
    EXPECT_NEAR(report.absence.p, 1 - std::pow(1 - one, 5), 1e-12);
    EXPECT_GT(report.absence.expected, 3.0);
    EXPECT_LT(report.absence.expected, 15.0);
}

// Records in drawing order (7 of 12 ascending, chance 1/2): each position against 1/4.
// Position 1 holds 1 five times, 2 three times, 3 and 4 twice: (4 + 0 + 1 + 1) / 3 = 2.
// Position 2 holds 3, 3, 4, 2: 2/3. All numbers: 8, 6, 6, 4 against 6: 4/3 * 3/2 = 2.
TEST(Randomness, PositionsOfABaseInDrawingOrderByHand)
{
    const std::vector<std::vector<int>> rows = {
        { 1, 2 },
        { 1, 3 },
        { 1, 4 },
        { 1, 2 },
        { 1, 3 },
        { 2, 1 },
        { 2, 4 },
        { 2, 3 },
        { 3, 1 },
        { 3, 2 },
        { 4, 1 },
        { 4, 3 },
    };
    const RandomnessReport report = testRandomness(makeDraws(2, rows), lottery(1, 4, 2));
    ASSERT_TRUE(report.drawingOrder);
    ASSERT_EQ(report.positions.size(), 2u);
    EXPECT_NEAR(report.positions[0].statistic, 2.0, 1e-12);
    EXPECT_NEAR(report.positions[0].p, tailOfThree(2.0), 1e-12);
    EXPECT_NEAR(report.positions[1].statistic, 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(report.positions[1].p, tailOfThree(2.0 / 3.0), 1e-12);
    EXPECT_EQ(report.positions[0].df, 3);
    EXPECT_FALSE(report.positions[0].valid); // 3 expected per number: too few
    EXPECT_NEAR(report.frequency.statistic, 2.0, 1e-12);
    EXPECT_NEAR(report.frequency.p, tailOfThree(2.0), 1e-12);
}

// A record holding a number twice, an empty cell or a number out of range is left out
// and counted; the figures are those of the sound records.
TEST(Randomness, FaultyRecordsAreLeftOutAndCounted)
{
    std::vector<std::vector<int>> rows = smallTable();
    rows.insert(rows.begin() + 3, { 1, 1 });
    rows.insert(rows.begin() + 7, { 6, 2 });
    rows.push_back({ 3 }); // the second cell empty (0)
    const RandomnessReport report = testRandomness(makeDraws(2, rows), lottery(1, 5, 2));
    EXPECT_EQ(report.draws, 15);
    EXPECT_EQ(report.skipped, 3);
    EXPECT_NEAR(report.frequency.statistic, 16.0 / 3.0, 1e-12);
    EXPECT_EQ(report.absence.length, 8);
}

// Too few draws, no draws, and a lottery that draws every number: nothing is claimed.
TEST(Randomness, TooLittleToTestIsNotValid)
{
    const RandomnessReport few = testRandomness(makeDraws(2, { { 1, 2 }, { 3, 4 } }), lottery(1, 5, 2));
    EXPECT_FALSE(few.frequency.valid);
    EXPECT_FALSE(few.gaps.valid);
    const RandomnessReport none = testRandomness(makeDraws(6, {}), lottery(1, 45, 6));
    EXPECT_EQ(none.draws, 0);
    EXPECT_FALSE(none.frequency.valid);
    EXPECT_FALSE(none.absence.valid);
    const RandomnessReport all = testRandomness(makeDraws(3, { { 1, 2, 3 } }), lottery(1, 3, 3));
    EXPECT_FALSE(all.frequency.valid);
    EXPECT_EQ(all.skipped, 1);
}

// A fair generator passes, a loaded one fails: the tests can tell them apart.
TEST(Randomness, FairAndLoadedGenerators)
{
    std::mt19937 random(7);
    const LotteryDefinition six = lottery(1, 45, 6);
    auto generate = [&random](int draws, int favourite) {
        std::vector<std::vector<int>> rows;
        for (int r = 0; r < draws; ++r) {
            std::vector<int> pool(45);
            std::iota(pool.begin(), pool.end(), 1);
            std::shuffle(pool.begin(), pool.end(), random);
            pool.resize(6);
            // The favourite replaces the last ball in one draw of three.
            if (favourite > 0 && r % 3 == 0 && std::find(pool.begin(), pool.end(), favourite) == pool.end())
                pool.back() = favourite;
            rows.push_back(pool);
        }
        return rows;
    };
    const RandomnessReport fair = testRandomness(makeDraws(6, generate(3000, 0)), six);
    EXPECT_TRUE(fair.drawingOrder);
    EXPECT_GT(fair.frequency.p, 0.001);
    EXPECT_GT(fair.gaps.p, 0.001);
    const RandomnessReport loaded = testRandomness(makeDraws(6, generate(3000, 17)), six);
    EXPECT_LT(loaded.frequency.p, 1e-6);
}
