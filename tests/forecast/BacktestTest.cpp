// The walk-forward back-test and the counters it keeps from draw to draw.

#include "statistics/StatTestData.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "forecast/Backtest.h"
#include "forecast/Forecast.h"
#include "forecast/ForecastCounters.h"
#include "results/ResultsLoad.h"
#include "statistics/NumberList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace kivora;
using namespace kivora::test;

namespace {

struct SampleBase
{
    QString lottery;
    LotteryDefinition definition;
    DrawTable draws;
};

// Every lottery of the shipped configuration with its base.
std::vector<SampleBase> sampleBases()
{
    const IniDocument ini = IniFile(sampleFile(QStringLiteral("kivora.INI"))).load();
    const MessageCatalog messages;
    std::vector<SampleBase> bases;
    for (const LotteryEntry &entry : lotteries::readList(ini)) {
        const LotteryDefinition definition = lotteries::readDefinition(ini, entry.name);
        const LoadResult load = loadBase(sampleFile(definition.baseFile), definition, DrawFilter(), messages);
        EXPECT_TRUE(load.ok) << entry.name.toStdString();
        bases.push_back({ entry.name, definition, load.draws });
    }
    return bases;
}

// A base of 6 of 45 in which 17 is drawn every time.
DrawTable plantedBase(int draws)
{
    std::mt19937 random(11);
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < draws; ++r) {
        std::vector<int> pool;
        for (int n = 1; n <= 45; ++n) {
            if (n != 17)
                pool.push_back(n);
        }
        std::shuffle(pool.begin(), pool.end(), random);
        pool.resize(5);
        pool.insert(pool.begin() + r % 6, 17);
        rows.push_back(pool);
    }
    return makeDraws(6, rows);
}

qint64 sum(const std::vector<qint64> &values)
{
    return std::accumulate(values.begin(), values.end(), qint64(0));
}

double sum(const std::vector<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0);
}

void expectConsistent(const backtest::Tally &tally, int walked)
{
    EXPECT_EQ(tally.picks + tally.empty, walked);
    EXPECT_EQ(sum(tally.observed), tally.picks);
    EXPECT_NEAR(sum(tally.expected), tally.picks, 1e-6 * std::max(1, tally.picks));
    qint64 hits = 0;
    double expected = 0;
    for (size_t h = 0; h < tally.observed.size(); ++h) {
        hits += static_cast<qint64>(h) * tally.observed[h];
        expected += h * tally.expected[h];
    }
    EXPECT_EQ(hits, tally.hits);
    EXPECT_NEAR(expected, tally.expectedHits, 1e-6 * std::max(1.0, expected));
}

} // namespace

// The counters after t draws answer as a load of those t draws does: the number list,
// the numbers forecast over it, the all-pairs statistic and the pairs forecast over it.
// Checked on two real bases and on a random one with every fault a base can have.
TEST(BacktestCounters, IncrementalForecastEqualsAForecastFromScratch)
{
    const MessageCatalog messages;
    std::mt19937 random(5);
    std::vector<SampleBase> bases;
    for (const SampleBase &base : sampleBases()) {
        if (base.definition.baseFile == QLatin1String("6x45.lot")
            || base.definition.baseFile == QLatin1String("keno20x80.lot"))
            bases.push_back(base);
    }
    ASSERT_EQ(bases.size(), 2u);
    const LotteryDefinition odd = lottery(1, 36, 5);
    bases.push_back({ QStringLiteral("random"), odd, randomDraws(random, odd, 400) });

    for (const SampleBase &base : bases) {
        SCOPED_TRACE(base.lottery.toStdString());
        const int rows = base.draws.rowCount();
        const std::vector<int> checkpoints = { 0, 1, 2, 37, rows / 3, rows - 1, rows };
        ForecastCounters counters(base.definition, true);
        int added = 0;
        for (int t : checkpoints) {
            while (added < t) {
                counters.addDraw(base.draws.numbers(added), base.draws.drawNumber());
                ++added;
            }
            SCOPED_TRACE(t);
            const LoadResult prefix = loadDraws(prefixText(base.draws, t), base.definition, DrawFilter());
            ASSERT_EQ(prefix.drawCount(), t);
            const StatTable numbers = numberListTable(prefix);
            for (int n = base.definition.minNumber; n <= base.definition.maxNumber; ++n) {
                ASSERT_EQ(counters.since(n), prefix.counts.since[static_cast<size_t>(n)]) << n;
                ASSERT_EQ(counters.drawn(n), prefix.counts.drawn[static_cast<size_t>(n)]) << n;
            }
            const forecast::ForecastPick numberPick = forecast::choose(
                numbers, sortedOrder(numbers, numbers.initialSort), t, forecast::Kind::Numbers);
            EXPECT_EQ(counters.numbersForecast(), numberPick.numbers);

            const StatTable pairs = combinationStats(prefix.draws, base.definition, 2, Family::All, messages);
            for (int row = 0; row < pairs.rowCount(); row += 7) {
                const QList<int> pair = pairs.numbers(row);
                ASSERT_EQ(counters.pairSince(pair[0], pair[1]), pairs.rows[static_cast<size_t>(row)].since);
                ASSERT_EQ(counters.pairDrawn(pair[0], pair[1]), pairs.rows[static_cast<size_t>(row)].drawn);
            }
            const forecast::ForecastPick pairPick
                = forecast::choose(pairs, sortedOrder(pairs, pairs.initialSort), t, forecast::Kind::Pairs);
            EXPECT_EQ(counters.pairsForecast(), pairPick.numbers);

            // The most frequent and the longest absent: the top of the list sorted by
            // that column (equal values in the list's order).
            for (int column : { 2, 1 }) {
                const std::vector<int> order = sortedOrder(numbers, column);
                std::vector<int> top;
                for (int i = 0; i < 6; ++i)
                    top.push_back(numbers.numbers(order[static_cast<size_t>(i)]).value(0));
                std::sort(top.begin(), top.end());
                EXPECT_EQ(column == 2 ? counters.mostFrequent(6) : counters.longestAbsent(6), top) << column;
            }
        }
    }
}

// 17 is in every draw: the most frequent numbers hold it from the second draw on and
// beat chance by far; neither the random method nor the control notices anything.
TEST(Backtest, APlantedNumberIsFoundByFrequencyNotByChance)
{
    const DrawTable draws = plantedBase(600);
    const LotteryDefinition six = lottery(1, 45, 6);
    backtest::Options options;
    options.method = backtest::Method::Frequent;
    options.size = 6;
    const backtest::Result frequent = backtest::run(draws, six, options);
    EXPECT_EQ(frequent.walked, 599);
    EXPECT_EQ(frequent.tally.picks, 599);
    EXPECT_GE(frequent.tally.hits, 599); // 17 hits every time
    EXPECT_NEAR(frequent.tally.expectedMean(), 6.0 * 6 / 45, 1e-12);
    EXPECT_GT(frequent.tally.z(), 10.0);
    EXPECT_LT(frequent.tally.p(), 1e-10);
    EXPECT_EQ(frequent.tally.observed[0], 0);
    ASSERT_TRUE(frequent.hasControl);
    EXPECT_EQ(frequent.control.picks, 599);
    EXPECT_LT(std::abs(frequent.control.z()), 3.0);

    options.method = backtest::Method::Random;
    const backtest::Result random = backtest::run(draws, six, options);
    EXPECT_FALSE(random.hasControl);
    EXPECT_LT(std::abs(random.tally.z()), 3.0);
    expectConsistent(frequent.tally, frequent.walked);
    expectConsistent(frequent.control, frequent.walked);
    expectConsistent(random.tally, random.walked);
}

// Every method on every shipped base runs to the end; the figures are what they are,
// but they must add up: picks and empty picks cover the walk, the histograms sum to
// the picks and the hits, the control makes picks of the same sizes.
TEST(Backtest, EveryMethodRunsOnEverySampleBase)
{
    const backtest::Method methods[] = { backtest::Method::ForecastNumbers, backtest::Method::ForecastPairs,
        backtest::Method::Frequent, backtest::Method::Absent, backtest::Method::Random };
    for (const SampleBase &base : sampleBases()) {
        for (backtest::Method method : methods) {
            SCOPED_TRACE(base.lottery.toStdString() + " " + backtest::methodKey(method).toStdString());
            backtest::Options options;
            options.method = method;
            const backtest::Result result = backtest::run(base.draws, base.definition, options);
            EXPECT_EQ(result.walked, base.draws.rowCount() - 1);
            expectConsistent(result.tally, result.walked);
            EXPECT_GT(result.tally.picks, 0);
            if (result.hasControl) {
                expectConsistent(result.control, result.walked);
                EXPECT_EQ(result.control.picks, result.tally.picks);
                EXPECT_EQ(result.control.numbersPicked, result.tally.numbersPicked);
                EXPECT_DOUBLE_EQ(result.control.expectedHits, result.tally.expectedHits);
            }
            if (backtest::takesSize(method)) {
                EXPECT_EQ(result.tally.numbersPicked, qint64(result.tally.picks) * result.size);
            }
        }
    }
}

TEST(Backtest, StartSizeAndSeed)
{
    const DrawTable draws = plantedBase(50);
    const LotteryDefinition six = lottery(1, 45, 6);
    backtest::Options options;
    options.method = backtest::Method::Random;
    options.fromRow = 40;
    options.size = 100; // brought into 1..45
    backtest::Result result = backtest::run(draws, six, options);
    EXPECT_EQ(result.walked, 10);
    EXPECT_EQ(result.size, 45);
    EXPECT_EQ(result.tally.hits, 60); // every number picked: all six hit
    EXPECT_DOUBLE_EQ(result.tally.variance, 0.0);
    EXPECT_EQ(result.tally.z(), 0.0);

    options.size = 0; // the default: the draw size
    options.fromRow = 0;
    result = backtest::run(draws, six, options);
    EXPECT_EQ(result.size, 6);
    EXPECT_EQ(result.walked, 50);
    const backtest::Result again = backtest::run(draws, six, options);
    EXPECT_EQ(again.tally.observed, result.tally.observed);
    options.seed += 1;
    const backtest::Result other = backtest::run(draws, six, options);
    EXPECT_NE(other.tally.observed, result.tally.observed);

    options.fromRow = 80; // beyond the base: nothing to walk
    result = backtest::run(draws, six, options);
    EXPECT_EQ(result.walked, 0);
    EXPECT_EQ(result.tally.picks, 0);
    EXPECT_EQ(result.tally.z(), 0.0);

    // With no draws before it, the numbers forecast marks every number (d = 0).
    options.method = backtest::Method::ForecastNumbers;
    options.fromRow = 0;
    result = backtest::run(draws, six, options);
    EXPECT_EQ(result.tally.observed.size(), 7u);
    EXPECT_GE(result.tally.numbersPicked, 45);
}

TEST(Backtest, MethodKeys)
{
    backtest::Method method = backtest::Method::Random;
    for (const char *key : { "forecast-numbers", "forecast-pairs", "frequent", "absent", "random" }) {
        ASSERT_TRUE(backtest::methodFromKey(QLatin1String(key), &method)) << key;
        EXPECT_EQ(backtest::methodKey(method), QLatin1String(key));
    }
    EXPECT_FALSE(backtest::methodFromKey(QStringLiteral("Frequent"), &method));
    EXPECT_EQ(backtest::defaultSize(lottery(1, 80, 20)), 10);
    EXPECT_EQ(backtest::defaultSize(lottery(1, 45, 6)), 6);
}
