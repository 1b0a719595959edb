// The statistics split over threads give exactly the one-thread result on the real
// bases shipped with the program.

#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"
#include "statistics/CombinationStats.h"
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
    EXPECT_TRUE(textfile::readText(sampleFile(QString::fromLatin1(file)), &text, &error))
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
    EXPECT_EQ(got.recordText, want.recordText);
    EXPECT_EQ(got.topText, want.topText);
    EXPECT_EQ(got.title, want.title);
    EXPECT_EQ(got.modeTag, want.modeTag);
    EXPECT_EQ(got.initialSort, want.initialSort);
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
                    expectSameTable(
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
        EXPECT_EQ(max, 77); // first numbers 1..77 start a quadruple
        last = position;
    };
    const StatTable table = combinationStats(keno.draws, keno.definition, 4, Family::All, messages, watch, 2);
    EXPECT_EQ(table.rows.size(), 1581580u);
    EXPECT_EQ(last, 77);
    EXPECT_FALSE(elsewhere);
}
