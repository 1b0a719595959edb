#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "statistics/CombinationStats.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::test;

namespace {

const Family kFamilies[] = { Family::All, Family::Neighbouring, Family::Related };

const char *familyName(Family family)
{
    return family == Family::All ? "all" : (family == Family::Neighbouring ? "neighbouring" : "related");
}

// Rows, record and top of the statistic equal those of the plain scan.
void expectSameAsReference(const DrawTable &draws, const LotteryDefinition &definition, int k, Family family)
{
    SCOPED_TRACE(testing::Message() << "lottery " << definition.minNumber << ".." << definition.maxNumber
                                    << " x" << definition.drawNumber << ", " << draws.rowCount()
                                    << " draws, k = " << k << ", " << familyName(family));
    const MessageCatalog messages;
    const StatTable table = combinationStats(draws, definition, k, family, messages);
    const ReferenceResult expected = referenceScan(draws, definition, k, family);

    ASSERT_EQ(table.rows.size(), expected.rows.size());
    for (size_t i = 0; i < expected.rows.size(); ++i) {
        const StatRow &got = table.rows[i];
        const StatRow &want = expected.rows[i];
        if (got.key != want.key || got.since != want.since || got.drawn != want.drawn) {
            ADD_FAILURE() << "row " << i << ": " << table.caption(static_cast<int>(i)).toStdString() << " "
                          << got.since << "/" << got.drawn << ", expected since " << want.since << ", drawn "
                          << want.drawn;
            return;
        }
    }
    EXPECT_EQ(table.record, expected.record);
    EXPECT_EQ(table.topCount, expected.top);
    EXPECT_EQ(table.recordText, QString::number(expected.record));
    EXPECT_EQ(table.topText, QString::number(expected.top));
}

struct Shape
{
    int minNumber;
    int maxNumber;
    int drawNumber;
};

} // namespace

// Small and middle lotteries: many random bases per shape, every family and k.
TEST(CombinationDifferential, RandomBasesAgreeWithThePlainScan)
{
    const Shape shapes[] = {
        { 1, 6, 3 },
        { 1, 6, 6 },
        { 0, 9, 4 },
        { 1, 12, 5 },
        { 2, 25, 6 },
        { 0, 31, 7 },
        { 1, 36, 5 },
        { 1, 45, 6 },
        { 0, 45, 10 },
    };
    std::mt19937 random(20250101);
    for (const Shape &shape : shapes) {
        const LotteryDefinition definition = lottery(shape.minNumber, shape.maxNumber, shape.drawNumber);
        for (int drawCount : { 0, 1, 2, 7, 40 }) {
            const DrawTable draws = randomDraws(random, definition, drawCount);
            for (int k = 2; k <= 4; ++k) {
                for (Family family : kFamilies)
                    expectSameAsReference(draws, definition, k, family);
            }
        }
    }
}

// The largest lotteries, with few draws so that the plain scan of every quadruple
// stays short: 1..80 with twenty numbers, 0..100 where 100 relates to 10, 20, ...
TEST(CombinationDifferential, LargeLotteriesAgreeWithThePlainScan)
{
    std::mt19937 random(7);
    const Shape shapes[] = { { 1, 80, 20 }, { 0, 100, 12 }, { 5, 100, 8 } };
    for (const Shape &shape : shapes) {
        const LotteryDefinition definition = lottery(shape.minNumber, shape.maxNumber, shape.drawNumber);
        // every quadruple of 5..100 is a second 0..100 at the same cost: pairs and triples do
        const int largestK = shape.minNumber > 1 ? 3 : 4;
        for (int k = 2; k <= largestK; ++k) {
            const DrawTable draws = randomDraws(random, definition, k == 4 ? 3 : 25);
            for (Family family : kFamilies)
                expectSameAsReference(draws, definition, k, family);
        }
    }
}

// A base where some combinations come back often: gaps of every length, open runs
// longer and shorter than the closed ones.
TEST(CombinationDifferential, DenseBasesAgreeWithThePlainScan)
{
    std::mt19937 random(99);
    for (int drawCount : { 3, 60, 200 }) {
        const LotteryDefinition definition = lottery(1, 8, 5);
        const DrawTable draws = randomDraws(random, definition, drawCount);
        for (int k = 2; k <= 4; ++k) {
            for (Family family : kFamilies)
                expectSameAsReference(draws, definition, k, family);
        }
    }
}
