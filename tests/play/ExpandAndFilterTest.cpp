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
    IniDocument ini { s("[for 6 numbers]\r\n7 номеров=seven.ltt\r\nMissing=none.ltt\r\n") };
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
