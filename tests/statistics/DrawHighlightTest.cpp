#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "statistics/CombinationStats.h"
#include "statistics/DrawHighlight.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::test;

namespace {

std::vector<int> paintedRows(const std::vector<bool> &paint)
{
    std::vector<int> rows;
    for (size_t i = 0; i < paint.size(); ++i) {
        if (paint[i])
            rows.push_back(static_cast<int>(i));
    }
    return rows;
}

int rowOf(const StatTable &table, const QString &caption)
{
    for (int i = 0; i < table.rowCount(); ++i) {
        if (table.caption(i) == caption)
            return i;
    }
    ADD_FAILURE() << "no row " << caption.toStdString();
    return -1;
}

} // namespace

TEST(DrawHighlight, CombinationRowsPaintTheDrawsHoldingAllTheirNumbers)
{
    const DrawTable draws
        = makeDraws(4, { { 3, 17, 5, 9 }, { 3, 5, 9, 40 }, { 17, 3, 3, 9 }, { 1, 2, 4, 6 } });
    const LotteryDefinition definition = lottery(1, 45, 4);
    const MessageCatalog messages;

    const StatTable pairs = combinationStats(draws, definition, 2, Family::All, messages);
    EXPECT_EQ(
        paintedRows(highlightedDraws(pairs, rowOf(pairs, s("03:17")), draws)), std::vector<int>({ 0, 2 }));
    const StatTable triples = combinationStats(draws, definition, 3, Family::All, messages);
    EXPECT_EQ(paintedRows(highlightedDraws(triples, rowOf(triples, s("03:05:09")), draws)),
        std::vector<int>({ 0, 1 }));
    const StatTable quads = combinationStats(draws, definition, 4, Family::All, messages);
    EXPECT_EQ(
        paintedRows(highlightedDraws(quads, rowOf(quads, s("03:05:09:17")), draws)), std::vector<int>({ 0 }));
    EXPECT_EQ(
        paintedRows(highlightedDraws(quads, rowOf(quads, s("03:05:09:40")), draws)), std::vector<int>({ 1 }));

    // Single numbers of a position paint nothing; a row that is not there neither.
    const StatTable position = positionStats(draws, definition, 1, PositionOrder::Drawing, QString());
    EXPECT_TRUE(paintedRows(highlightedDraws(position, rowOf(position, s("03")), draws)).empty());
    EXPECT_TRUE(paintedRows(highlightedDraws(pairs, -1, draws)).empty());
    EXPECT_TRUE(paintedRows(highlightedDraws(pairs, pairs.rowCount(), draws)).empty());
    EXPECT_EQ(highlightedDraws(pairs, 0, draws).size(), 4u);
}

TEST(DrawHighlight, GroupRowsPaintDrawsWithMoreThanTagNumbersInTheGroup)
{
    const DrawTable draws = makeDraws(6,
        {
            { 11, 12, 13, 1, 2, 3 }, // three in 11-20
            { 11, 12, 30, 31, 32, 33 }, { 41, 45, 47, 48, 1, 2 }, // 47 and 48 lie beyond "41-45"
            { 15, 15, 15, 1, 2, 3 }, // 15 three times: three cells
        });
    const LotteryDefinition definition = lottery(1, 45, 6);
    const StatTable three = tensStats(draws, definition, 3, QString());
    EXPECT_EQ(
        paintedRows(highlightedDraws(three, rowOf(three, s("11-20")), draws)), std::vector<int>({ 0, 3 }));
    const StatTable two = tensStats(draws, definition, 2, QString());
    EXPECT_EQ(
        paintedRows(highlightedDraws(two, rowOf(two, s("11-20")), draws)), std::vector<int>({ 0, 1, 3 }));
    EXPECT_EQ(paintedRows(highlightedDraws(two, rowOf(two, s("41-45")), draws)), std::vector<int>({ 2 }));
    EXPECT_TRUE(paintedRows(highlightedDraws(three, rowOf(three, s("41-45")), draws)).empty());
}

TEST(DrawHighlight, NumberListRows)
{
    const DrawTable draws = makeDraws(3, { { 7, 1, 2 }, { 17, 70, 0 }, { 3, 7, 7 } });
    EXPECT_EQ(paintedRows(drawsWithNumber(draws, 7)), std::vector<int>({ 0, 2 }));
    EXPECT_EQ(paintedRows(drawsWithNumber(draws, 0)), std::vector<int>({ 1 })); // the empty cell reads "00"
    EXPECT_TRUE(paintedRows(drawsWithNumber(draws, 45)).empty());
}

// What a row says and what it paints agree: drawn is the number of painted draws and
// since counts the draws after the newest painted one.
TEST(DrawHighlight, PaintedDrawsMatchTheRowValues)
{
    std::mt19937 random(17);
    const LotteryDefinition definition = lottery(1, 30, 6);
    const DrawTable draws = randomDraws(random, definition, 80);
    const MessageCatalog messages;
    std::vector<StatTable> tables;
    for (int k = 2; k <= 4; ++k)
        tables.push_back(combinationStats(draws, definition, k, Family::Related, messages));
    tables.push_back(combinationStats(draws, definition, 2, Family::All, messages));
    for (int k = 2; k <= 6; ++k)
        tables.push_back(tensStats(draws, definition, k, QString()));
    for (const StatTable &table : tables) {
        for (int row = 0; row < table.rowCount(); row += 7) {
            const std::vector<int> painted = paintedRows(highlightedDraws(table, row, draws));
            const StatRow &values = table.rows[static_cast<size_t>(row)];
            ASSERT_EQ(static_cast<int>(painted.size()), values.drawn) << table.caption(row).toStdString();
            const int newest = painted.empty() ? -1 : painted.back();
            EXPECT_EQ(values.since, draws.rowCount() - 1 - newest) << table.caption(row).toStdString();
        }
    }
}
