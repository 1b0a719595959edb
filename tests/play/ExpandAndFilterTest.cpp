#include "play/ExpandAndFilter.h"

#include "core/IniDocument.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "results/DrawTable.h"

#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

DrawTable drawsOf(const std::vector<std::vector<int>> &rows)
{
    DrawTable table(6, 0);
    const QString date = QStringLiteral("01.02.2005");
    const QString none = QStringLiteral("-");
    int number = 1;
    for (const std::vector<int> &row : rows) {
        const QString text = QString::number(number++);
        const QStringView texts[] = { text, date, none, none };
        table.appendRow(texts, 4, row.data());
    }
    return table;
}

struct Played
{
    test::TempFolder dir;
    IniDocument ini { s("[for 6 numbers]\r\n7 номеров=seven.ltt\r\n7 номеров: 5 из 5, 7 билетов=seven.ltt\r\n"
                        "Missing=none.ltt\r\n") };
    LotteryDefinition lottery;
    MessageCatalog messages;
    TemplateCache cache;
    // Every six of seven: the tickets drop 44, 38, 30, 23, 17, 11 and 05 in turn.
    const QStringList marked = test::texts({ "05", "11", "17", "23", "30", "38", "44" });

    Played()
    {
        dir.writeLines(QStringLiteral("System/seven.ltt"),
            { s("; every 6 of 7"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7"), s("1 2 3 4 6 7"), s("1 2 3 5 6 7"),
                s("1 2 4 5 6 7"), s("1 3 4 5 6 7"), s("2 3 4 5 6 7") });
        lottery.name = s("6 из 45");
        lottery.drawNumber = 6;
        lottery.maxNumber = 45;
    }
    FilteredExpansion play(const char *system, const TicketFilters &filters, const DrawTable &draws)
    {
        return expandAndFilter(
            cache, ini, lottery, draws, s(system), dir.folder(), marked, filters, messages);
    }
};

} // namespace

TEST(ExpandAndFilter, TheFiltersKeepOnlyThePassingTicketsOfTheExpansion)
{
    Played played;
    const DrawTable draws = drawsOf({ { 5, 11, 17, 23, 30, 38 } });

    // No filter on: every ticket, no description for a saved file's header.
    const FilteredExpansion all = played.play("7 номеров", TicketFilters(), draws);
    ASSERT_TRUE(all.expansion.applied);
    EXPECT_EQ(all.expansion.list.rowCount(), 7);
    EXPECT_EQ(all.outcome.before, 7);
    EXPECT_EQ(all.outcome.after, 7);
    EXPECT_TRUE(all.description.isEmpty());

    // The sum filter keeps the tickets of sum 150 at most; the past-draw filter drops the
    // ticket that is draw 1.
    TicketFilters filters;
    filters.sum = { true, 0, 150 };
    filters.notPastDraw = true;
    const FilteredExpansion kept = played.play("7 номеров", filters, draws);
    ASSERT_TRUE(kept.expansion.applied);
    EXPECT_EQ(kept.outcome.before, 7);
    // Sums 124, 130, 138 and 145 pass; 124 is draw 1.
    EXPECT_EQ(kept.outcome.after, 3);
    EXPECT_EQ(kept.expansion.list.rowCount(), 3);
    EXPECT_EQ(kept.expansion.uses, 7);
    EXPECT_FALSE(kept.description.isEmpty());
    for (int row = 0; row < kept.expansion.list.rowCount(); ++row) {
        int sum = 0;
        for (const QString &cell : kept.expansion.list.row(row))
            sum += cell.toInt();
        EXPECT_LE(sum, 150) << row;
        EXPECT_NE(
            kept.expansion.list.row(row).mid(0, 6), test::texts({ "05", "11", "17", "23", "30", "38" }));
    }
    // 05+11+17+23+30+38 = 124 passes the sum but is a past draw; the past-draw filter
    // removes it.
    EXPECT_EQ(kept.outcome.removed[static_cast<size_t>(TicketFilter::PastDraw)], 1);
    EXPECT_EQ(kept.outcome.removedTotal(), 7 - kept.expansion.list.rowCount());
}

TEST(ExpandAndFilter, AnUnreadableTemplateLeavesTheEmptyListUnfiltered)
{
    Played played;
    TicketFilters filters;
    filters.sum = { true, 0, 10 };
    const FilteredExpansion missing = played.play("Missing", filters, DrawTable(6, 0));
    EXPECT_FALSE(missing.expansion.applied);
    EXPECT_TRUE(missing.expansion.list.isEmpty());
    EXPECT_FALSE(missing.expansion.message.isEmpty());
    EXPECT_EQ(missing.outcome.before, 0);
    EXPECT_TRUE(missing.description.isEmpty());
}

namespace {

// The m-sets of 1..v that some ticket meets in t numbers or more, one by one.
qint64 bruteCovered(const std::vector<quint64> &tickets, int v, int t, int m)
{
    qint64 covered = 0;
    for (quint64 set = 0; set < (quint64(1) << v); ++set) {
        if (__builtin_popcountll(set) != m)
            continue;
        for (quint64 ticket : tickets) {
            if (__builtin_popcountll(set & ticket) >= t) {
                ++covered;
                break;
            }
        }
    }
    return covered;
}

qint64 choose(int n, int k)
{
    qint64 c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

} // namespace

// A wheel that lost tickets to the filters says exactly how much of its guarantee is
// left, in the status and the saved header; a system stating none says nothing.
TEST(ExpandAndFilter, FilteredWheelStatesTheShareOfItsGuaranteeLeft)
{
    Played played;
    const DrawTable draws = drawsOf({ { 5, 11, 17, 23, 30, 38 } });
    TicketFilters filters;
    filters.sum = { true, 0, 150 };
    filters.notPastDraw = true;
    const FilteredExpansion kept = played.play("7 номеров: 5 из 5, 7 билетов", filters, draws);
    ASSERT_EQ(kept.outcome.after, 3);
    std::vector<quint64> tickets;
    for (int row = 0; row < kept.expansion.list.rowCount(); ++row) {
        quint64 set = 0;
        for (const QString &cell : kept.expansion.list.row(row)) {
            if (played.marked.contains(cell))
                set |= quint64(1) << played.marked.indexOf(cell);
        }
        tickets.push_back(set);
    }
    const qint64 covered = bruteCovered(tickets, 7, 5, 5);
    ASSERT_LT(covered, 21);
    const qint64 percent = (covered * 100 + 10) / 21;
    const QString expected
        = s("«5 из 5» держится для %1 из 21 сочетания по 5 (%2 %)").arg(covered).arg(percent);
    EXPECT_EQ(kept.guaranteeLeft, expected);
    EXPECT_TRUE(kept.description.endsWith(s("; ") + expected)) << kept.description.toStdString();

    // The same tickets unfiltered, or a name that states no guarantee: nothing to say.
    EXPECT_TRUE(played.play("7 номеров: 5 из 5, 7 билетов", TicketFilters(), draws).guaranteeLeft.isEmpty());
    EXPECT_TRUE(played.play("7 номеров", filters, draws).guaranteeLeft.isEmpty());
}

// The count is the verifier's, equal to counting the sets one by one, for guarantees
// of every shape on random wheels.
TEST(ExpandAndFilter, GuaranteeLeftEqualsABruteForceCount)
{
    const MessageCatalog messages;
    quint64 state = 12345;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 33;
    };
    for (int round = 0; round < 12; ++round) {
        const int v = 8 + round % 5;
        const wheel::Guarantee g { v, 2 + round % 2, 3 + round % 3 };
        std::vector<quint64> tickets;
        for (int i = 0; i < 3 + round % 4; ++i) {
            quint64 set = 0;
            while (__builtin_popcountll(set) < 5)
                set |= quint64(1) << (next() % static_cast<quint64>(v));
            tickets.push_back(set);
        }
        const qint64 sets = choose(v, g.drawn);
        const QString text = guaranteeLeftText(tickets, g, messages);
        const QString count
            = QStringLiteral(" %1 из %2 ").arg(bruteCovered(tickets, v, g.match, g.drawn)).arg(sets);
        EXPECT_TRUE(text.contains(count)) << text.toStdString() << " vs" << count.toStdString();
    }
}
