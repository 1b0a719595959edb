#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "statistics/TensStats.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::test;

namespace {

QStringList captions(const StatTable &table)
{
    QStringList list;
    for (int i = 0; i < table.rowCount(); ++i)
        list.append(table.caption(i));
    return list;
}

const StatRow &rowOf(const StatTable &table, const QString &caption)
{
    const int i = static_cast<int>(captions(table).indexOf(caption));
    EXPECT_GE(i, 0) << caption.toStdString();
    return table.rows[static_cast<size_t>(std::max(i, 0))];
}

} // namespace

// The k-numbers table

TEST(TensStats, TwoNumbersInATenOf45)
{
    const DrawTable draws = makeDraws(6,
        {
            { 1, 5, 10, 11, 33, 44 }, // 01-10 three times
            { 2, 12, 13, 22, 35, 41 }, // 11-20 twice
            { 20, 19, 30, 41, 45, 7 }, // 11-20, 41-45
        });
    const StatTable table = tensStats(draws, lottery(1, 45, 6), 2, s("Десятки (по 2 номера в десятке)"));
    EXPECT_EQ(table.title, s("Десятки (по 2 номера в десятке)"));
    EXPECT_EQ(table.kind, StatTable::Kind::Groups);
    EXPECT_EQ(table.modeTag, 1);
    EXPECT_EQ(table.initialSort, 0);
    EXPECT_EQ(captions(table), QStringList({ s("01-10"), s("11-20"), s("21-30"), s("31-40"), s("41-45") }));

    // A draw with three numbers in one group is one draw for that group.
    EXPECT_EQ(rowOf(table, s("01-10")).drawn, 1);
    EXPECT_EQ(rowOf(table, s("01-10")).since, 2);
    EXPECT_EQ(rowOf(table, s("11-20")).drawn, 2); // 20 belongs to 11-20 only
    EXPECT_EQ(rowOf(table, s("11-20")).since, 0);
    EXPECT_EQ(rowOf(table, s("21-30")).drawn, 0); // 30 belongs to 21-30, 22 too: but not in one draw
    EXPECT_EQ(rowOf(table, s("21-30")).since, 3);
    EXPECT_EQ(rowOf(table, s("41-45")).since, 0);
    EXPECT_EQ(table.record, 3); // the open run of 21-30 counts
    EXPECT_EQ(table.topCount, 2);
    EXPECT_EQ(table.recordText, s("3"));
    EXPECT_EQ(table.topText, s("2"));

    const StatTable three = tensStats(draws, lottery(1, 45, 6), 3, QString());
    EXPECT_EQ(three.modeTag, 2);
    EXPECT_EQ(rowOf(three, s("01-10")).drawn, 1);
    EXPECT_EQ(rowOf(three, s("11-20")).drawn, 0);
    EXPECT_EQ(three.topCount, 1);
}

TEST(TensStats, GroupLabels)
{
    const DrawTable none;
    EXPECT_EQ(captions(tensStats(none, lottery(1, 36, 5), 2, QString())),
        QStringList({ s("01-10"), s("11-20"), s("21-30"), s("31-36") }));
    EXPECT_EQ(captions(tensStats(none, lottery(1, 5, 2), 2, QString())), QStringList({ s("01-5") }));
    const QStringList hundred = captions(tensStats(none, lottery(0, 100, 6), 2, QString()));
    ASSERT_EQ(hundred.size(), 10);
    EXPECT_EQ(hundred.last(), s("91-100"));
    EXPECT_EQ(captions(tensStats(none, lottery(5, 40, 5), 2, QString())).first(), s("01-10"));
    EXPECT_TRUE(tensStats(none, lottery(0, 0, 1), 2, QString()).rows.empty());
    EXPECT_EQ(tensTitle(MessageCatalog(), s("по 2 номера в десятке")), s("Десятки (по 2 номера в десятке)"));
}

TEST(TensStats, NumbersOutsideTheGroupsCountNowhere)
{
    // 0, 46 and 150 lie in no group of 1..45; 47 is not in "41-45" though 41..50 would hold it.
    const DrawTable draws = makeDraws(6, { { 0, 0, 46, 47, 150, 41 } });
    const StatTable table = tensStats(draws, lottery(0, 45, 6), 2, QString());
    for (const StatRow &row : table.rows)
        EXPECT_EQ(row.drawn, 0);
    EXPECT_EQ(table.record, 1);
}

TEST(TensStats, NoDrawsGiveZeroes)
{
    const StatTable table = tensStats(DrawTable(6, 0), lottery(1, 45, 6), 4, QString());
    ASSERT_EQ(table.rowCount(), 5);
    for (const StatRow &row : table.rows) {
        EXPECT_EQ(row.since, 0);
        EXPECT_EQ(row.drawn, 0);
    }
    EXPECT_EQ(table.record, 0);
    EXPECT_EQ(table.recordText, s("0"));
}

// The all-draws table

TEST(TensByDraw, CountsPerGroupAndRedCells)
{
    const DrawTable draws = makeDraws(6, { { 1, 2, 3, 4, 11, 36 }, { 1, 2, 3, 31, 32, 33 }, {} });
    const MessageCatalog messages;
    const GroupCountsTable table = tensByDraw(draws, lottery(1, 36, 6), messages);
    EXPECT_EQ(table.title, s("Десятки"));
    EXPECT_EQ(table.columnHeaders(), QStringList({ s("1"), s("2"), s("3"), s("4") }));
    ASSERT_EQ(table.rowCount, 3);
    EXPECT_EQ(table.count(0, 1), 4);
    EXPECT_TRUE(table.isRed(0, 1));
    EXPECT_EQ(table.count(0, 2), 1);
    EXPECT_EQ(table.count(0, 4), 1); // 36 is in "31-36"
    EXPECT_EQ(table.count(1, 1), 3);
    EXPECT_FALSE(table.isRed(1, 1)); // 3 stays uncoloured
    EXPECT_EQ(table.count(1, 4), 3);
    for (int g = 1; g <= 4; ++g)
        EXPECT_EQ(table.count(2, g), 0); // an empty record
    EXPECT_EQ(table.recordText, s("-"));
    EXPECT_EQ(table.topText, s("-"));

    EXPECT_EQ(tensByDraw(DrawTable(6, 0), lottery(1, 36, 6), messages).rowCount, 0);
}

// Numbers from a ten

TEST(TenCombos, RowsOfAGroup)
{
    const DrawTable none(6, 0);
    const LotteryDefinition definition = lottery(1, 45, 6);
    const StatTable pairs = tenCombos(none, definition, 1, 10, 2);
    ASSERT_EQ(pairs.rowCount(), 45);
    EXPECT_EQ(pairs.caption(0), s("01:02"));
    EXPECT_EQ(pairs.caption(44), s("09:10"));
    EXPECT_EQ(pairs.initialSort, -1);
    EXPECT_EQ(tenCombos(none, definition, 1, 10, 3).rowCount(), 120);
    EXPECT_EQ(tenCombos(none, definition, 1, 10, 4).rowCount(), 210);
    EXPECT_EQ(tenCombos(none, definition, 1, 10, 5).rowCount(), 252);
    const StatTable sixes = tenCombos(none, definition, 1, 10, 6);
    ASSERT_EQ(sixes.rowCount(), 210);
    EXPECT_EQ(sixes.caption(209), s("05:06:07:08:09:10"));
    EXPECT_EQ(tenCombos(none, definition, 41, 45, 6).rowCount(), 0);
    EXPECT_EQ(tenCombos(none, definition, 41, 45, 5).rowCount(), 1);
    EXPECT_EQ(tenCombos(none, definition, 1, 45, 2).rowCount(), 0); // not a group of ten
}

TEST(TenCombos, AgreesWithThePlainScan)
{
    std::mt19937 random(11);
    const LotteryDefinition definition = lottery(1, 36, 8);
    const DrawTable draws = randomDraws(random, definition, 300);
    const StatTable groups = tensStats(draws, definition, 3, QString());
    for (int row = 0; row < groups.rowCount(); ++row) {
        const int lo = groups.groupLow(row);
        const int hi = groups.groupHigh(row);
        const StatTable table = tenCombos(draws, definition, lo, hi, 3);
        ReferenceResult expected;
        for (int a = lo; a <= hi; ++a)
            for (int b = a + 1; b <= hi; ++b)
                for (int c = b + 1; c <= hi; ++c)
                    expected.scan(draws, { a, b, c });
        ASSERT_EQ(table.rows.size(), expected.rows.size());
        for (size_t i = 0; i < table.rows.size(); ++i) {
            EXPECT_EQ(table.rows[i].key, expected.rows[i].key);
            EXPECT_EQ(table.rows[i].since, expected.rows[i].since);
            EXPECT_EQ(table.rows[i].drawn, expected.rows[i].drawn);
        }
    }
}

TEST(TenCombos, SinceAndDrawn)
{
    const DrawTable draws
        = makeDraws(6, { { 1, 2, 3, 4, 5, 6 }, { 11, 12, 13, 14, 15, 16 }, { 1, 2, 20, 30, 40, 45 } });
    const StatTable table = tenCombos(draws, lottery(1, 45, 6), 1, 10, 2);
    EXPECT_EQ(table.caption(0), s("01:02"));
    EXPECT_EQ(table.rows[0].since, 0); // in the newest draw
    EXPECT_EQ(table.rows[0].drawn, 2);
    const int last = table.rowCount() - 1; // 09:10, never drawn
    EXPECT_EQ(table.rows[static_cast<size_t>(last)].since, 3);
    EXPECT_EQ(table.rows[static_cast<size_t>(last)].drawn, 0);
    EXPECT_TRUE(table.recordText.isEmpty()); // the groups table keeps its record line
    // Rows are coloured against the longest gap among the ten's combinations, not 0:
    // a pair never drawn has been absent for all 3 draws.
    EXPECT_EQ(table.record, 3);
}
