#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "statistics/PositionStats.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace kivora;
using namespace kivora::test;

namespace {

std::vector<int> sinceColumn(const StatTable &table)
{
    std::vector<int> values;
    for (const StatRow &row : table.rows)
        values.push_back(row.since);
    return values;
}

std::vector<int> drawnColumn(const StatTable &table)
{
    std::vector<int> values;
    for (const StatRow &row : table.rows)
        values.push_back(row.drawn);
    return values;
}

} // namespace

// Positional analysis

TEST(PositionStats, GapsAtOnePosition)
{
    // Position 1 holds 1, 2, 3, 1, 3: number 3 stands there in draws 3 and 5 (from 1),
    // absent 2 draws before and 1 between; number 1 misses 2 draws between its two.
    const DrawTable draws = makeDraws(2, { { 1, 5 }, { 2, 5 }, { 3, 4 }, { 1, 5 }, { 3, 2 } });
    const StatTable table = positionStats(draws, lottery(1, 5, 2), 1, PositionOrder::Drawing, s("Позиция"));
    EXPECT_EQ(table.title, s("Позиция"));
    EXPECT_EQ(table.modeTag, StatTable::kTagNumbers);
    EXPECT_EQ(table.initialSort, -1);
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.caption(0), s("01"));
    EXPECT_EQ(table.caption(4), s("05"));
    EXPECT_EQ(sinceColumn(table), std::vector<int>({ 1, 3, 0, 5, 5 }));
    EXPECT_EQ(drawnColumn(table), std::vector<int>({ 2, 1, 2, 0, 0 }));
    EXPECT_EQ(table.record, 2); // open runs (5 for numbers 4 and 5) do not count
    EXPECT_EQ(table.topCount, 2);
    EXPECT_EQ(table.recordText, s("2"));
    EXPECT_EQ(table.topText, s("2"));

    // The second position in drawing order, then in ascending order (the largest).
    const StatTable second = positionStats(draws, lottery(1, 5, 2), 2, PositionOrder::Drawing, QString());
    EXPECT_EQ(drawnColumn(second), std::vector<int>({ 0, 1, 0, 1, 3 }));
    const StatTable largest = positionStats(draws, lottery(1, 5, 2), 2, PositionOrder::Ascending, QString());
    EXPECT_EQ(drawnColumn(largest), std::vector<int>({ 0, 0, 1, 1, 3 }));
    const StatTable smallest = positionStats(draws, lottery(1, 5, 2), 1, PositionOrder::Ascending, QString());
    EXPECT_EQ(drawnColumn(smallest), std::vector<int>({ 2, 2, 1, 0, 0 }));
}

TEST(PositionStats, ValuesOutsideTheRowsCountNowhere)
{
    // Empty cells (0), 150 and -3 at position 1 of a lottery 1..5.
    const DrawTable draws
        = makeDraws(3, { { 0, 1, 2 }, { 150, 1, 2 }, { -3, 1, 2 }, { 0, 1, 2 }, { 4, 1, 2 } });
    const StatTable table = positionStats(draws, lottery(1, 5, 3), 1, PositionOrder::Drawing, QString());
    EXPECT_EQ(drawnColumn(table), std::vector<int>({ 0, 0, 0, 1, 0 }));
    EXPECT_EQ(table.topCount, 1); // the four odd values count for nothing
    EXPECT_EQ(table.record, 4);

    // With MinNumber 0 the empty cell is the number 0.
    const StatTable fromZero = positionStats(draws, lottery(0, 5, 3), 1, PositionOrder::Drawing, QString());
    EXPECT_EQ(fromZero.caption(0), s("00"));
    EXPECT_EQ(fromZero.rows[0].drawn, 2);
    EXPECT_EQ(fromZero.rows[0].since, 1);

    // Ascending order sorts the odd values too: 0 and -3 are the smallest of three draws.
    const StatTable ascending
        = positionStats(draws, lottery(1, 5, 3), 1, PositionOrder::Ascending, QString());
    EXPECT_EQ(drawnColumn(ascending), std::vector<int>({ 2, 0, 0, 0, 0 }));
}

TEST(PositionStats, SumOfDrawnIsTheDrawCount)
{
    std::mt19937 random(5);
    LotteryDefinition definition = lottery(1, 45, 6);
    std::vector<std::vector<int>> rows;
    std::uniform_int_distribution<int> number(1, 45);
    for (int r = 0; r < 200; ++r)
        rows.push_back({ number(random), number(random), number(random), number(random), number(random),
            number(random) });
    const DrawTable draws = makeDraws(6, rows);
    for (int p = 1; p <= 6; ++p) {
        for (PositionOrder order : { PositionOrder::Drawing, PositionOrder::Ascending }) {
            const std::vector<int> drawn = drawnColumn(positionStats(draws, definition, p, order, QString()));
            EXPECT_EQ(std::accumulate(drawn.begin(), drawn.end(), 0), 200);
        }
    }
}

TEST(PositionStats, NoDrawsAndMissingPositions)
{
    const StatTable none
        = positionStats(DrawTable(6, 0), lottery(1, 45, 6), 1, PositionOrder::Drawing, QString());
    ASSERT_EQ(none.rowCount(), 45);
    for (const StatRow &row : none.rows) {
        EXPECT_EQ(row.since, 0);
        EXPECT_EQ(row.drawn, 0);
    }
    EXPECT_EQ(none.record, 0);

    const DrawTable draws = makeDraws(2, { { 1, 2 }, { 3, 4 } });
    const StatTable beyond = positionStats(draws, lottery(1, 4, 2), 3, PositionOrder::Ascending, QString());
    EXPECT_EQ(sinceColumn(beyond), std::vector<int>({ 2, 2, 2, 2 }));
    EXPECT_EQ(beyond.topCount, 0);
}

TEST(PositionStats, Title)
{
    const MessageCatalog messages;
    EXPECT_EQ(positionTitle(messages, PositionOrder::Drawing, s("Позиция 1")),
        s("В порядке выпадения номеров (Позиция 1)"));
    EXPECT_EQ(positionTitle(messages, PositionOrder::Ascending, s("Позиция 3")),
        s("В порядке возрастания номеров (Позиция 3)"));
}

// Additional numbers

TEST(AdditionalStats, DefaultRangeAndTwoNumbersADraw)
{
    LotteryDefinition definition = lottery(1, 45, 6);
    definition.countOfAddBall = 2;
    const DrawTable draws
        = makeDraws(6, { {}, {}, {} }, { { s("3"), s("07") }, { s("3"), s("3") }, { s("9"), s("0") } }, 2);
    const StatTable table = additionalStats(draws, definition, s("Дополнительные номера"));
    EXPECT_EQ(table.title, s("Дополнительные номера"));
    EXPECT_EQ(table.initialSort, -1);
    ASSERT_EQ(table.rowCount(), 10);
    EXPECT_EQ(table.caption(0), s("00"));
    EXPECT_EQ(table.caption(9), s("09"));
    EXPECT_EQ(drawnColumn(table), std::vector<int>({ 1, 0, 0, 3, 0, 0, 0, 1, 0, 1 }));
    EXPECT_EQ(sinceColumn(table), std::vector<int>({ 0, 3, 3, 1, 3, 3, 3, 2, 3, 0 }));
    const std::vector<int> drawn = drawnColumn(table);
    EXPECT_EQ(std::accumulate(drawn.begin(), drawn.end(), 0), 2 * draws.rowCount());
    EXPECT_EQ(table.topCount, 3); // 3 twice in one draw counts twice
    EXPECT_EQ(table.record, 2); // 9 and 0 were absent two draws
}

TEST(AdditionalStats, ValuesOutsideTheRows)
{
    LotteryDefinition definition = lottery(1, 45, 6);
    definition.countOfAddBall = 1;
    definition.minnumberOfAddBall = 1;
    definition.maxnumberOfAddBall = 4;
    // 15 is counted without a row and raises the top count; 150 and -1 count nowhere.
    const DrawTable draws = makeDraws(
        6, { {}, {}, {}, {}, {} }, { { s("15") }, { s("15") }, { s("150") }, { s("-1") }, { s("2") } }, 1);
    const StatTable table = additionalStats(draws, definition, QString());
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(drawnColumn(table), std::vector<int>({ 0, 1, 0, 0 }));
    EXPECT_EQ(sinceColumn(table), std::vector<int>({ 5, 0, 5, 5 }));
    EXPECT_EQ(table.topCount, 2);
    EXPECT_EQ(table.record, 4);

    // Bounds beyond 0..100 are cut to it.
    definition.minnumberOfAddBall = -5;
    definition.maxnumberOfAddBall = 300;
    const StatTable wide = additionalStats(draws, definition, QString());
    ASSERT_EQ(wide.rowCount(), 101);
    EXPECT_EQ(wide.rows[15].drawn, 2);
}

TEST(AdditionalStats, NoDraws)
{
    LotteryDefinition definition = lottery(1, 45, 6);
    definition.countOfAddBall = 1;
    const StatTable table = additionalStats(DrawTable(6, 1), definition, QString());
    ASSERT_EQ(table.rowCount(), 10);
    for (const StatRow &row : table.rows) {
        EXPECT_EQ(row.since, 0);
        EXPECT_EQ(row.drawn, 0);
    }
    EXPECT_EQ(table.record, 0);
    EXPECT_EQ(table.recordText, s("0"));
}
