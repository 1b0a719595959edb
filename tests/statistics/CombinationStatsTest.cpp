#include "statistics/StatTestData.h"

#include "core/MessageCatalog.h"
#include "statistics/CombinationStats.h"
#include "statistics/NumberSet.h"

#include <gtest/gtest.h>

#include <map>

using namespace kivora;
using namespace kivora::test;

namespace {

struct Values
{
    int since;
    int drawn;
};

std::map<QString, Values> byCaption(const StatTable &table)
{
    std::map<QString, Values> values;
    for (int i = 0; i < table.rowCount(); ++i)
        values[table.caption(i)]
            = { table.rows[static_cast<size_t>(i)].since, table.rows[static_cast<size_t>(i)].drawn };
    return values;
}

QStringList captions(const StatTable &table)
{
    QStringList list;
    for (int i = 0; i < table.rowCount(); ++i)
        list.append(table.caption(i));
    return list;
}

StatTable run(const DrawTable &draws, const LotteryDefinition &definition, int k, Family family)
{
    const MessageCatalog messages;
    return combinationStats(draws, definition, k, family, messages);
}

} // namespace

// Worked examples

TEST(CombinationStats, PairsOfThreeDraws)
{
    const DrawTable draws = makeDraws(3, { { 1, 2, 3 }, { 2, 3, 4 }, { 1, 5, 6 } });
    const StatTable table = run(draws, lottery(1, 6, 3), 2, Family::All);
    EXPECT_EQ(table.title, s("Пары номеров"));
    EXPECT_EQ(table.modeTag, StatTable::kTagNumbers);
    EXPECT_EQ(table.kind, StatTable::Kind::Numbers);
    EXPECT_EQ(table.initialSort, 1);
    ASSERT_EQ(table.rowCount(), 15);
    EXPECT_EQ(table.caption(0), s("01:02"));
    EXPECT_EQ(table.caption(14), s("05:06"));

    const auto values = byCaption(table);
    EXPECT_EQ(values.at(s("01:02")).since, 2);
    EXPECT_EQ(values.at(s("01:02")).drawn, 1);
    EXPECT_EQ(values.at(s("02:03")).since, 1);
    EXPECT_EQ(values.at(s("02:03")).drawn, 2);
    EXPECT_EQ(values.at(s("01:06")).since, 0); // in the newest draw
    EXPECT_EQ(values.at(s("05:06")).drawn, 1);
    EXPECT_EQ(values.at(s("04:05")).since, 3); // never drawn: R
    EXPECT_EQ(values.at(s("04:05")).drawn, 0);
    EXPECT_EQ(table.record, 3);
    EXPECT_EQ(table.topCount, 2);
    EXPECT_EQ(table.recordText, s("3"));
    EXPECT_EQ(table.topText, s("2"));

    // Sorted by since, the never-drawn pairs come first.
    const std::vector<int> order = sortedOrder(table, table.initialSort);
    EXPECT_EQ(table.rows[static_cast<size_t>(order.front())].since, 3);
    EXPECT_EQ(table.rows[static_cast<size_t>(order.back())].since, 0);
}

TEST(CombinationStats, NeighbouringTriplesAndQuadruples)
{
    const DrawTable three = makeDraws(3, { { 1, 2, 3 }, { 2, 3, 4 }, { 1, 5, 6 } });
    const StatTable triples = run(three, lottery(1, 6, 3), 3, Family::Neighbouring);
    EXPECT_EQ(triples.title, s("Соседние тройки номеров"));
    EXPECT_EQ(triples.modeTag, StatTable::kTagTriples);
    EXPECT_EQ(captions(triples), QStringList({ s("01:02:03"), s("02:03:04"), s("03:04:05"), s("04:05:06") }));
    const auto t = byCaption(triples);
    EXPECT_EQ(t.at(s("01:02:03")).since, 2);
    EXPECT_EQ(t.at(s("02:03:04")).since, 1);
    EXPECT_EQ(t.at(s("03:04:05")).since, 3);
    EXPECT_EQ(t.at(s("04:05:06")).drawn, 0);
    EXPECT_EQ(triples.record, 3);
    EXPECT_EQ(triples.topCount, 1);

    const DrawTable four = makeDraws(4, { { 1, 2, 3, 4 }, { 2, 3, 4, 5 }, { 1, 2, 3, 4 } });
    const StatTable quads = run(four, lottery(1, 6, 4), 4, Family::Neighbouring);
    EXPECT_EQ(quads.title, s("Соседние четверки номеров"));
    EXPECT_EQ(quads.modeTag, StatTable::kTagQuadruples);
    ASSERT_EQ(quads.rowCount(), 3);
    const auto q = byCaption(quads);
    EXPECT_EQ(q.at(s("01:02:03:04")).since, 0);
    EXPECT_EQ(q.at(s("01:02:03:04")).drawn, 2);
    EXPECT_EQ(q.at(s("02:03:04:05")).since, 1);
    EXPECT_EQ(q.at(s("03:04:05:06")).since, 3);
    EXPECT_EQ(quads.record, 3);
    EXPECT_EQ(quads.topCount, 2);
}

TEST(CombinationStats, TitlesAndTags)
{
    const DrawTable none;
    const LotteryDefinition definition = lottery(1, 45, 6);
    const char *titles[3][3] = {
        { "Пары номеров", "Соседние пары номеров", "Родственные пары номеров" },
        { "Тройки номеров", "Соседние тройки номеров", "Родственные тройки номеров" },
        { "Четверки номеров", "Соседние четверки номеров", "Родственные четверки номеров" },
    };
    const int tags[3] = { 0, 33, 44 };
    const Family families[3] = { Family::All, Family::Neighbouring, Family::Related };
    for (int k = 2; k <= 4; ++k) {
        for (int f = 0; f < 3; ++f) {
            const StatTable table = run(none, definition, k, families[f]);
            EXPECT_EQ(table.title, s(titles[k - 2][f]));
            EXPECT_EQ(table.modeTag, tags[k - 2]);
            EXPECT_EQ(table.initialSort, 1);
        }
    }
}

// Candidate sets

TEST(CombinationStats, NeighbouringCandidates)
{
    const DrawTable none;
    const StatTable pairs = run(none, lottery(1, 45, 6), 2, Family::Neighbouring);
    ASSERT_EQ(pairs.rowCount(), 44);
    EXPECT_EQ(pairs.caption(0), s("01:02"));
    EXPECT_EQ(pairs.caption(43), s("44:45"));
    const StatTable triples = run(none, lottery(1, 45, 6), 3, Family::Neighbouring);
    ASSERT_EQ(triples.rowCount(), 43);
    EXPECT_EQ(triples.caption(42), s("43:44:45"));
}

TEST(CombinationStats, RelatedCandidatesOf45And36)
{
    const DrawTable none;
    const StatTable pairs = run(none, lottery(1, 45, 6), 2, Family::Related);
    ASSERT_EQ(pairs.rowCount(), 80);
    EXPECT_EQ(captions(pairs).mid(0, 5),
        QStringList({ s("01:11"), s("01:21"), s("01:31"), s("01:41"), s("02:12") }));
    EXPECT_EQ(pairs.caption(79), s("35:45"));

    const StatTable triples = run(none, lottery(1, 45, 6), 3, Family::Related);
    ASSERT_EQ(triples.rowCount(), 70);
    EXPECT_EQ(captions(triples).mid(0, 4),
        QStringList({ s("01:11:21"), s("01:11:31"), s("01:11:41"), s("01:21:31") }));
    EXPECT_EQ(triples.caption(69), s("25:35:45"));

    const StatTable quads = run(none, lottery(1, 45, 6), 4, Family::Related);
    ASSERT_EQ(quads.rowCount(), 30);
    EXPECT_EQ(quads.caption(0), s("01:11:21:31"));
    EXPECT_TRUE(captions(quads).contains(s("06:16:26:36")));
    EXPECT_TRUE(captions(quads).contains(s("10:20:30:40")));
    EXPECT_EQ(quads.caption(29), s("15:25:35:45"));

    EXPECT_EQ(run(none, lottery(1, 36, 5), 3, Family::Related).rowCount(), 28);
    const StatTable quads36 = run(none, lottery(1, 36, 5), 4, Family::Related);
    ASSERT_EQ(quads36.rowCount(), 6);
    EXPECT_EQ(quads36.caption(0), s("01:11:21:31"));
    EXPECT_EQ(quads36.caption(5), s("06:16:26:36"));
}

TEST(CombinationStats, HundredIsRelatedToNumbersEndingInZeroButNotToZero)
{
    const DrawTable none;
    const QStringList pairs = captions(run(none, lottery(0, 100, 6), 2, Family::Related));
    EXPECT_FALSE(pairs.contains(s("00:100"))); // a difference of 100, not 10 to 90
    EXPECT_TRUE(pairs.contains(s("10:100")));
    EXPECT_TRUE(pairs.contains(s("90:100")));
    EXPECT_FALSE(pairs.contains(s("01:100")));
    EXPECT_EQ(pairs.last(), s("90:100"));
    EXPECT_EQ(pairs.size(), 10 * 10 * 9 / 2 + 9); // ten per last digit 0..9, plus 100 with 10..90

    const QStringList quads = captions(run(none, lottery(0, 100, 6), 4, Family::Related));
    EXPECT_EQ(quads.last(), s("70:80:90:100"));
    EXPECT_FALSE(quads.contains(s("00:10:20:100")));
}

TEST(CombinationStats, AllCandidatesCount)
{
    const DrawTable none;
    EXPECT_EQ(run(none, lottery(1, 80, 20), 2, Family::All).rowCount(), 3160);
    EXPECT_EQ(run(none, lottery(1, 80, 20), 3, Family::All).rowCount(), 82160);
    const StatTable quads = run(none, lottery(1, 45, 6), 4, Family::All);
    ASSERT_EQ(quads.rowCount(), 148995);
    EXPECT_EQ(quads.caption(0), s("01:02:03:04"));
    EXPECT_EQ(quads.caption(quads.rowCount() - 1), s("42:43:44:45"));
}

// Edge rules

TEST(CombinationStats, LotteriesTooSmallForAFamilyListNothing)
{
    const DrawTable draws = makeDraws(3, { { 1, 2, 3 }, { 4, 5, 6 } });
    const struct
    {
        int lo, hi, k;
        Family family;
    } cases[] = {
        { 1, 1, 2, Family::All },
        { 1, 3, 4, Family::All },
        { 1, 10, 2, Family::Related },
        { 1, 20, 3, Family::Related },
        { 1, 30, 4, Family::Related },
        { 5, 7, 4, Family::Neighbouring },
    };
    for (const auto &c : cases) {
        const StatTable table = run(draws, lottery(c.lo, c.hi, 3), c.k, c.family);
        EXPECT_EQ(table.rowCount(), 0) << c.lo << ".." << c.hi << " k " << c.k;
        EXPECT_EQ(table.record, 0);
        EXPECT_EQ(table.recordText, s("0"));
        EXPECT_EQ(table.topText, s("0"));
        EXPECT_FALSE(table.title.isEmpty());
    }
    EXPECT_EQ(run(draws, lottery(1, 11, 3), 2, Family::Related).rowCount(), 1); // 01:11
    EXPECT_EQ(run(draws, lottery(1, 6, 3), 5, Family::All).rowCount(), 0);
}

TEST(CombinationStats, NoDrawsGiveZeroes)
{
    const DrawTable none(6, 0);
    for (int k = 2; k <= 4; ++k) {
        const StatTable table = run(none, lottery(1, 12, 6), k, Family::All);
        ASSERT_GT(table.rowCount(), 0);
        for (const StatRow &row : table.rows) {
            EXPECT_EQ(row.since, 0);
            EXPECT_EQ(row.drawn, 0);
        }
        EXPECT_EQ(table.record, 0);
        EXPECT_EQ(table.topCount, 0);
    }
}

TEST(CombinationStats, EmptyCellsRepeatsAndStrangeNumbers)
{
    // Draw 1 has an empty cell (0) and 7 twice; draw 2 holds 150 and -3.
    const DrawTable draws = makeDraws(4, { { 3, 7, 7, 0 }, { 150, 3, -3, 9 } });
    // With MinNumber 0 the empty cell is the number 0.
    const auto withZero = byCaption(run(draws, lottery(0, 10, 4), 2, Family::All));
    EXPECT_EQ(withZero.at(s("00:03")).drawn, 1);
    EXPECT_EQ(withZero.at(s("03:07")).drawn, 1); // 7 twice: still one draw
    EXPECT_EQ(withZero.at(s("03:07")).since, 1);
    EXPECT_EQ(withZero.at(s("03:09")).since, 0);
    EXPECT_EQ(withZero.count(s("07:07")), 0u);

    const StatTable fromOne = run(draws, lottery(1, 10, 4), 2, Family::All);
    EXPECT_EQ(fromOne.caption(0), s("01:02"));
    EXPECT_EQ(byCaption(fromOne).at(s("03:09")).drawn, 1);
    EXPECT_EQ(fromOne.topCount, 1);
}

TEST(CombinationStats, ProgressEndsTheIndicator)
{
    std::mt19937 random(3);
    const LotteryDefinition definition = lottery(1, 45, 6);
    const DrawTable draws = randomDraws(random, definition, 500);
    const MessageCatalog messages;
    // all triples go draw by draw, all quadruples of 1..45 by first number
    const std::pair<Family, int> runs[] = { { Family::All, 3 }, { Family::All, 4 }, { Family::Related, 3 } };
    for (const auto &[family, k] : runs) {
        int calls = 0;
        int lastPosition = -1;
        int lastMax = -2;
        const Progress progress = [&](int min, int max, int position) {
            ++calls;
            EXPECT_LE(min, position);
            EXPECT_LE(position, max);
            lastPosition = position;
            lastMax = max;
        };
        combinationStats(draws, definition, k, family, messages, progress);
        EXPECT_GT(calls, 0);
        EXPECT_LE(calls, 200); // a long base does not stop the loop at every draw
        EXPECT_EQ(lastPosition, lastMax);
    }
}

// Sorting keeps working past five digits: a base of a million draws gives since
// values of six and seven digits.
TEST(CombinationStats, SortingBySixDigitValues)
{
    StatTable table;
    const int a[2] = { 1, 2 };
    table.addNumbers(a, 2, 99999, 5);
    table.addNumbers(a, 2, 250000, 100000);
    table.addNumbers(a, 2, 100000, 7);
    table.addNumbers(a, 2, 5, 100000);
    table.addNumbers(a, 2, 250000, 3);
    EXPECT_EQ(sortedOrder(table, 1), std::vector<int>({ 1, 4, 2, 0, 3 }));
    EXPECT_EQ(sortedOrder(table, 2), std::vector<int>({ 1, 3, 2, 0, 4 }));
}

TEST(NumberSet, MembersAboveANumber)
{
    NumberSet set;
    for (int n : { 0, 5, 62, 63, 64, 65, 100, 127 })
        set.insert(n);
    int members[128];
    auto above = [&](int n) {
        const int count = set.above(n).members(members);
        return std::vector<int>(members, members + count);
    };
    EXPECT_EQ(above(-1), std::vector<int>({ 0, 5, 62, 63, 64, 65, 100, 127 }));
    EXPECT_EQ(above(5), std::vector<int>({ 62, 63, 64, 65, 100, 127 }));
    EXPECT_EQ(above(62), std::vector<int>({ 63, 64, 65, 100, 127 }));
    EXPECT_EQ(above(63), std::vector<int>({ 64, 65, 100, 127 }));
    EXPECT_EQ(above(64), std::vector<int>({ 65, 100, 127 }));
    EXPECT_EQ(above(126), std::vector<int>({ 127 }));
    EXPECT_TRUE(above(127).empty());
}
