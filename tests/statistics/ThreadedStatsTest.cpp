// The statistics split over threads give exactly the one-thread result on the real
// bases shipped with the program.

#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"
#include "statistics/CombinationStats.h"
#include "statistics/EventRuns.h"
#include "statistics/NumberSet.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"
#include "support/Taken.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

using namespace kivora;
using namespace kivora::test;

namespace {

struct Sample
{
    const char *file;
    LotteryDefinition definition;
    DrawTable draws { 0, 0 };
};

Sample loadSample(const char *file, LotteryDefinition definition)
{
    QString text;
    QString error;
    EXPECT_TRUE(test::taken(textfile::readText(sampleFile(QString::fromLatin1(file))), &text, &error))
        << error.toStdString();
    LoadResult load = loadDraws(text, definition, DrawFilter());
    EXPECT_TRUE(load.ok) << file;
    return { file, definition, std::move(load.draws) };
}

// Keno 20 of 80, 6 of 45, and 4 of 20 with its second field as additional numbers.
const std::vector<Sample> &samples()
{
    static const std::vector<Sample> loaded = [] {
        LotteryDefinition twoFields = lottery(1, 20, 4);
        twoFields.countOfAddBall = 4;
        twoFields.minnumberOfAddBall = 1;
        twoFields.maxnumberOfAddBall = 20;
        std::vector<Sample> all;
        all.push_back(loadSample("keno20x80.lot", lottery(1, 80, 20)));
        all.push_back(loadSample("6x45.lot", lottery(1, 45, 6)));
        all.push_back(loadSample("4x20.lot", twoFields));
        return all;
    }();
    return loaded;
}

// A base longer than one stretch of draws (so that the long-base statistics split it):
// the rows of a real one over and over, each pass starting further in.
DrawTable longBase(const DrawTable &draws, int passes)
{
    DrawTable table(draws.drawNumber(), draws.additionalCount());
    const int rows = draws.rowCount();
    std::vector<QStringView> texts(static_cast<size_t>(draws.detailsColumnCount()));
    for (int pass = 0; pass < passes; ++pass) {
        for (int i = 0; i < rows; ++i) {
            const int r = (i + pass * 1234) % rows;
            for (size_t c = 0; c < texts.size(); ++c)
                texts[c] = draws.fieldView(r, static_cast<int>(c));
            table.appendRow(texts.data(), static_cast<int>(texts.size()), draws.numbers(r));
        }
    }
    return table;
}

// The single-number table of the plain walk over the draws: value(t) lists the numbers
// of draw t (a number twice counts twice); record over the rows' numbers only.
template<class Values> StatTable walkSingleNumbers(int drawCount, NumberRange rows, Values &&values)
{
    std::vector<int> last(101, -1);
    std::vector<int> drawn(101, 0);
    StatTable table;
    for (int t = 0; t < drawCount; ++t) {
        for (int v : values(t)) {
            if (v < 0 || v > 100)
                continue;
            if (rows.contains(v) && last[static_cast<size_t>(v)] != t)
                table.record = std::max(table.record, t - last[static_cast<size_t>(v)] - 1);
            last[static_cast<size_t>(v)] = t;
            table.topCount = std::max(table.topCount, ++drawn[static_cast<size_t>(v)]);
        }
    }
    for (int v = rows.lo; v <= rows.hi; ++v)
        table.addNumber(v, drawCount - 1 - last[static_cast<size_t>(v)], drawn[static_cast<size_t>(v)]);
    return table;
}

void expectSameTable(const StatTable &got, const StatTable &want)
{
    ASSERT_EQ(got.rows.size(), want.rows.size());
    for (size_t i = 0; i < want.rows.size(); ++i) {
        const StatRow &a = got.rows[i];
        const StatRow &b = want.rows[i];
        if (a.key != b.key || a.since != b.since || a.drawn != b.drawn) {
            ADD_FAILURE() << "row " << i << ": " << got.caption(static_cast<int>(i)).toStdString() << " "
                          << a.since << "/" << a.drawn
                          << ", one thread: " << want.caption(static_cast<int>(i)).toStdString() << " "
                          << b.since << "/" << b.drawn;
            return;
        }
    }
    EXPECT_EQ(got.record, want.record);
    EXPECT_EQ(got.topCount, want.topCount);
}

void expectSameStatistic(const StatTable &got, const StatTable &want)
{
    expectSameTable(got, want);
    EXPECT_EQ(got.recordText, want.recordText);
    EXPECT_EQ(got.topText, want.topText);
    EXPECT_EQ(got.title, want.title);
    EXPECT_EQ(got.modeTag, want.modeTag);
    EXPECT_EQ(got.initialSort, want.initialSort);
    EXPECT_EQ(got.kind, want.kind);
}

} // namespace

TEST(ThreadedStats, CombinationsOfTheRealBasesAreTheOneThreadResult)
{
    const MessageCatalog messages;
    for (const Sample &sample : samples()) {
        ASSERT_GT(sample.draws.rowCount(), 1000) << sample.file;
        for (int k = 2; k <= 4; ++k) {
            for (Family family : { Family::All, Family::Neighbouring, Family::Related }) {
                const StatTable one
                    = combinationStats(sample.draws, sample.definition, k, family, messages, {}, 1);
                // two threads as on this machine, three for an uneven share
                for (int threads : { 2, 3 }) {
                    SCOPED_TRACE(testing::Message()
                        << sample.file << ", k = " << k << ", family " << static_cast<int>(family) << ", "
                        << threads << " threads");
                    expectSameStatistic(
                        combinationStats(sample.draws, sample.definition, k, family, messages, {}, threads),
                        one);
                }
            }
        }
    }
}

// A job cancelled through its progress while the threads count: the exception reaches
// the caller, nothing runs on afterwards, and the next statistic is whole.
TEST(ThreadedStats, ACancelledCountStopsAndTheNextOneIsWhole)
{
    struct Cancelled
    {
    };
    const Sample &keno = samples().front();
    const MessageCatalog messages;
    const std::thread::id caller = std::this_thread::get_id();
    bool elsewhere = false;
    int reports = 0;
    const Progress cancelSoon = [&](int, int, int) {
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
        if (++reports == 3)
            throw Cancelled();
    };
    EXPECT_THROW(
        combinationStats(keno.draws, keno.definition, 4, Family::All, messages, cancelSoon, 2), Cancelled);
    EXPECT_EQ(reports, 3);
    EXPECT_FALSE(elsewhere);

    int last = -1;
    const Progress watch = [&](int, int max, int position) {
        elsewhere = elsewhere || std::this_thread::get_id() != caller;
        EXPECT_EQ(max, 3004); // the rows, then the 3,003 first pairs of a quadruple
        last = position;
    };
    const StatTable table = combinationStats(keno.draws, keno.definition, 4, Family::All, messages, watch, 2);
    EXPECT_EQ(table.rows.size(), 1581580u);
    EXPECT_EQ(last, 3004);
    EXPECT_FALSE(elsewhere);
}

// The runs of stretches joined equal the runs of the whole: events on the boundaries,
// empty stretches, an event twice in one draw, one never met.
TEST(ThreadedStats, RunsOfStretchesJoinIntoTheRunsOfTheWhole)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int round = 0; round < 200; ++round) {
        const int drawCount = 1 + percent(random);
        const int density = percent(random);
        std::vector<int> events; // draw indices, ascending, some twice
        for (int t = 0; t < drawCount; ++t) {
            if (percent(random) < density)
                events.push_back(t);
            if (percent(random) < 5)
                events.push_back(t);
        }
        EventRuns whole;
        for (int t : events)
            whole.meet(t);

        std::vector<int> cuts = { 0, drawCount };
        for (int i = percent(random) % 6; i > 0; --i)
            cuts.push_back(percent(random) % (drawCount + 1));
        std::sort(cuts.begin(), cuts.end());
        EventRuns joined;
        for (size_t c = 0; c + 1 < cuts.size(); ++c) {
            EventRuns stretch;
            for (int t : events) {
                if (t >= cuts[c] && t < cuts[c + 1])
                    stretch.meet(t);
            }
            joined.append(stretch);
        }
        SCOPED_TRACE(testing::Message() << "round " << round);
        EXPECT_EQ(joined.first, whole.first);
        EXPECT_EQ(joined.last, whole.last);
        EXPECT_EQ(joined.count, whole.count);
        EXPECT_EQ(joined.longestBetween, whole.longestBetween);
    }
}

// Positions and additional numbers of bases several stretches long: the plain walk over
// the draws, on one thread and on several.
TEST(ThreadedStats, PositionsOfLongBasesAreThePlainWalk)
{
    const Sample &keno = samples()[0];
    const Sample &twoFields = samples()[2];
    const DrawTable longKeno = longBase(keno.draws, 7);
    const DrawTable longTwoFields = longBase(twoFields.draws, 13);
    ASSERT_GT(longKeno.rowCount(), 65536);
    ASSERT_GT(longTwoFields.rowCount(), 65536);

    auto expectEveryThreadCount = [](const StatTable &walked, auto &&statistic) {
        for (int threads : { 1, 2, 3 }) {
            SCOPED_TRACE(testing::Message() << threads << " threads");
            expectSameTable(statistic(threads), walked);
        }
    };
    for (const auto &[draws, definition] :
        { std::pair(&longKeno, keno.definition), std::pair(&longTwoFields, twoFields.definition) }) {
        const int width = draws->drawNumber();
        for (int p : { 1, 2, width }) {
            for (PositionOrder order : { PositionOrder::Drawing, PositionOrder::Ascending }) {
                SCOPED_TRACE(testing::Message()
                    << width << " numbers, position " << p << ", order " << static_cast<int>(order));
                const StatTable walked
                    = walkSingleNumbers(draws->rowCount(), mainRange(definition), [&](int t) {
                          std::vector<int> cells(draws->numbers(t), draws->numbers(t) + width);
                          if (order == PositionOrder::Ascending)
                              std::sort(cells.begin(), cells.end());
                          return std::vector<int> { cells[static_cast<size_t>(p - 1)] };
                      });
                expectEveryThreadCount(walked, [&](int threads) {
                    return positionStats(*draws, definition, p, order, QString(), {}, threads);
                });
            }
        }
    }

    // Additional numbers 1..12 of 1..20: a number above 12 counts for the top only.
    LotteryDefinition fewer = twoFields.definition;
    fewer.maxnumberOfAddBall = 12;
    const StatTable walked = walkSingleNumbers(longTwoFields.rowCount(), tableRange(1, 12), [&](int t) {
        std::vector<int> values;
        for (int j = 0; j < longTwoFields.additionalCount(); ++j)
            values.push_back(textToInt(longTwoFields.additional(t, j)));
        return values;
    });
    expectEveryThreadCount(
        walked, [&](int threads) { return additionalStats(longTwoFields, fewer, QString(), {}, threads); });
}

// Groups of ten of a base several stretches long, and the numbers of each ten: the
// one-thread result on every thread count, the record of the groups being the plain
// longest run.
TEST(ThreadedStats, TensOfLongBasesAreTheOneThreadResult)
{
    const Sample &keno = samples()[0];
    const DrawTable draws = longBase(keno.draws, 7);
    const MessageCatalog messages;
    for (int k = 2; k <= 6; ++k) {
        const StatTable one = tensStats(draws, keno.definition, k, QStringLiteral("tens"), {}, 1);
        int longest = 0;
        for (int g = 0; g < 8; ++g) {
            int run = 0;
            for (int t = 0; t < draws.rowCount(); ++t) {
                int inGroup = 0;
                for (int j = 0; j < draws.drawNumber(); ++j)
                    inGroup += (draws.number(t, j) - 1) / 10 == g ? 1 : 0;
                run = inGroup >= k ? 0 : run + 1;
                longest = std::max(longest, run);
            }
        }
        EXPECT_EQ(one.record, longest) << "k = " << k;
        for (int threads : { 2, 3 }) {
            SCOPED_TRACE(testing::Message() << "k = " << k << ", " << threads << " threads");
            expectSameStatistic(
                tensStats(draws, keno.definition, k, QStringLiteral("tens"), {}, threads), one);
        }
    }

    const GroupCountsTable byDraw = tensByDraw(draws, keno.definition, messages, {}, 1);
    const GroupCountsTable byDrawOnTwo = tensByDraw(draws, keno.definition, messages, {}, 2);
    EXPECT_EQ(byDrawOnTwo.rowCount, draws.rowCount());
    EXPECT_EQ(byDrawOnTwo.counts, byDraw.counts);
    EXPECT_EQ(byDrawOnTwo.count(draws.rowCount() - 1, 8), byDraw.count(draws.rowCount() - 1, 8));

    for (int lo : { 1, 41, 71 }) {
        for (int k = 2; k <= 5; ++k) {
            SCOPED_TRACE(testing::Message() << "ten from " << lo << ", k = " << k);
            const StatTable one = tenCombos(keno.draws, keno.definition, lo, lo + 9, k, {}, 1);
            expectSameStatistic(tenCombos(keno.draws, keno.definition, lo, lo + 9, k, {}, 2), one);
            expectSameStatistic(tenCombos(keno.draws, keno.definition, lo, lo + 9, k, {}, 3), one);
        }
    }
}
