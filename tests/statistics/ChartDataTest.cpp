#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"
#include "statistics/ChartData.h"
#include "statistics/NumberSet.h"
#include "support/Taken.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kivora;
using namespace kivora::test;

namespace {

LoadResult loadSample(const QString &file, const LotteryDefinition &definition)
{
    QString text;
    QString error;
    EXPECT_TRUE(test::taken(textfile::readText(sampleFile(file)), &text, &error)) << error.toStdString();
    return loadDraws(text, definition, DrawFilter());
}

} // namespace

// The bars are the number list's "Выпадал"; the band is R p +- 2 sqrt(R p (1 - p)).
TEST(ChartData, FrequencyBarsAreTheNumberListCounts)
{
    const LotteryDefinition keno = lottery(1, 80, 20);
    const LoadResult load = loadSample(QStringLiteral("keno20x80.lot"), keno);
    const FrequencyChart chart = frequencyChart(load.draws, keno);
    ASSERT_EQ(chart.bars.size(), 80u);
    for (const FrequencyBar &bar : chart.bars)
        EXPECT_EQ(bar.drawn, load.counts.drawn[static_cast<size_t>(bar.number)]) << bar.number;
    EXPECT_EQ(chart.draws, 10114);
    EXPECT_DOUBLE_EQ(chart.expected, 10114 * 0.25);
    EXPECT_NEAR(chart.sigma, std::sqrt(10114 * 0.25 * 0.75), 1e-9);
    EXPECT_NEAR(chart.high() - chart.low(), 4 * chart.sigma, 1e-9);

    // A number written twice counts twice, as in the list; out of range counts nowhere.
    const DrawTable faulty = makeDraws(2, { { 1, 1 }, { 2, 9 } });
    const FrequencyChart small = frequencyChart(faulty, lottery(1, 5, 2));
    EXPECT_EQ(small.bars[0].drawn, 2);
    EXPECT_EQ(small.bars[1].drawn, 1);
    EXPECT_DOUBLE_EQ(small.expected, 2 * 0.4);
}

// After every draw, since[r] is what the number list of the first r + 1 draws shows.
TEST(ChartData, SinceHistoryIsTheNumberListOfEveryPrefix)
{
    const LotteryDefinition six = lottery(1, 45, 6);
    const LoadResult load = loadSample(QStringLiteral("6x45.lot"), six);
    const GapHistory history = gapHistory(load.draws, six, 7);
    ASSERT_EQ(history.since.size(), static_cast<size_t>(load.drawCount()));
    for (int rows : { 1, 2, 17, 400, 1737, 1738 }) {
        const LoadResult prefix = loadDraws(prefixText(load.draws, rows), six, DrawFilter());
        EXPECT_EQ(history.since[static_cast<size_t>(rows - 1)], prefix.counts.since[7]) << rows;
    }
    EXPECT_EQ(static_cast<int>(history.appearances.size()), load.counts.drawn[7]);
    EXPECT_DOUBLE_EQ(history.expectedGap, (39.0 / 45) / (6.0 / 45));
}

TEST(ChartData, GapsOfOneNumberByHand)
{
    // 3 is drawn in draws 1, 2 and 5 of six.
    const DrawTable draws = makeDraws(2, { { 1, 2 }, { 3, 4 }, { 3, 5 }, { 1, 2 }, { 4, 5 }, { 3, 1 } });
    const GapHistory history = gapHistory(draws, lottery(1, 5, 2), 3);
    EXPECT_EQ(history.since, (std::vector<int> { 1, 0, 0, 1, 2, 0 }));
    ASSERT_EQ(history.appearances.size(), 3u);
    EXPECT_EQ(history.appearances[0].row, 1);
    EXPECT_EQ(history.appearances[0].gap, 1);
    EXPECT_EQ(history.appearances[1].gap, 0);
    EXPECT_EQ(history.appearances[2].row, 5);
    EXPECT_EQ(history.appearances[2].gap, 2);
    EXPECT_EQ(history.longestGap, 2);
}

// The moving count against a plain count of every window.
TEST(ChartData, MovingHitsAgainstEveryWindow)
{
    std::mt19937 random(3);
    const LotteryDefinition definition = lottery(1, 45, 6);
    const DrawTable draws = randomDraws(random, definition, 300);
    const std::vector<NumberSet> sets = drawSets(draws, mainRange(definition));
    const HitTarget targets[] = { HitTarget::number(7), HitTarget::pair(3, 17), HitTarget::ten(2, definition),
        HitTarget::ten(5, definition) };
    for (const HitTarget &target : targets) {
        for (int window : { 1, 10, 50, 300, 1000 }) {
            const MovingHits hits = movingHits(draws, definition, target, window);
            const int span = std::min(window, 300);
            ASSERT_EQ(hits.firstRow, span - 1);
            ASSERT_EQ(static_cast<int>(hits.counts.size()), 300 - span + 1);
            for (int end = hits.firstRow; end < 300; ++end) {
                int expected = 0;
                for (int r = end - span + 1; r <= end; ++r) {
                    int present = 0;
                    for (int n : target.numbers)
                        present += sets[static_cast<size_t>(r)].has(n) ? 1 : 0;
                    expected += target.countEach
                        ? present
                        : (present == static_cast<int>(target.numbers.size()) ? 1 : 0);
                }
                ASSERT_EQ(hits.counts[static_cast<size_t>(end - hits.firstRow)], expected)
                    << "window " << window << " end " << end;
            }
        }
    }
    // Chance per draw: a number 6/45, a pair 6/45 * 5/44, a ten 10 * 6/45; the last
    // ten of 1..45 holds 41..45.
    EXPECT_DOUBLE_EQ(movingHits(draws, definition, HitTarget::number(7), 45).expected, 6.0);
    EXPECT_DOUBLE_EQ(movingHits(draws, definition, HitTarget::pair(1, 2), 44).expected, 6.0 * 5.0 / 45.0);
    EXPECT_DOUBLE_EQ(movingHits(draws, definition, HitTarget::ten(1, definition), 45).expected, 60.0);
    EXPECT_EQ(HitTarget::ten(5, definition).numbers, (std::vector<int> { 41, 42, 43, 44, 45 }));
}

// A "pair" of a number with itself is that number, in its hits and in what a fair draw
// expects of them: never a number's hits against a pair's expectation.
TEST(ChartData, APairOfOneNumberIsThatNumber)
{
    std::mt19937 random(5);
    const LotteryDefinition definition = lottery(1, 45, 6);
    const DrawTable draws = randomDraws(random, definition, 200);
    const MovingHits same = movingHits(draws, definition, HitTarget::pair(9, 9), 40);
    const MovingHits number = movingHits(draws, definition, HitTarget::number(9), 40);
    EXPECT_EQ(same.counts, number.counts);
    EXPECT_DOUBLE_EQ(same.expected, number.expected);
    EXPECT_DOUBLE_EQ(number.expected, 40.0 * 6 / 45);
}
