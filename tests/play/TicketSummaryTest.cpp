#include "play/TicketSummary.h"
#include "core/IniDocument.h"
#include "core/MessageCatalog.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "play/TicketsDocument.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

const SystemTemplate kSevenOfSix
    = SystemTemplate::parse(s("1 2 3 4 5 6\n1 2 3 4 5 7\n1 2 3 4 6 7\n"
                              "1 2 3 5 6 7\n1 2 4 5 6 7\n1 3 4 5 6 7\n2 3 4 5 6 7"));

} // namespace

TEST(TicketSummary, CountsCompletenessAndCost)
{
    const MessageCatalog messages;
    const QStringList seven = { s("01"), s("02"), s("03"), s("04"), s("05"), s("06"), s("07") };
    TicketSummary full = ticketSummary(expandSystem(kSevenOfSix, seven), kSevenOfSix.uses(), 5000);
    EXPECT_EQ(full.tickets, 7);
    EXPECT_TRUE(full.complete());
    EXPECT_EQ(*full.costInCents, 35000);
    EXPECT_EQ(ticketSummaryText(full, messages), s("Комбинаций: 7; стоимость: 350"));

    // Five marked for a system of seven: two more are needed; no price, no cost.
    TicketSummary five = ticketSummary(expandSystem(kSevenOfSix, seven.mid(0, 5)), 7, std::nullopt);
    EXPECT_FALSE(five.complete());
    EXPECT_EQ(ticketSummaryText(five, messages), s("Комбинаций: 7; нужно ещё 2"));

    // Eight marked: the system uses seven of them.
    TicketSummary eight = ticketSummary(expandSystem(kSevenOfSix, seven + QStringList { s("08") }), 7, 250);
    EXPECT_TRUE(eight.complete());
    EXPECT_EQ(ticketSummaryText(eight, messages),
        s("Комбинаций: 7; отмечено 8, система использует 7; стоимость: 17,50"));

    // No combination at all: nothing to pay.
    TicketSummary none = ticketSummary(CombinationList(), 6, 5000);
    EXPECT_EQ(none.tickets, 0);
    EXPECT_EQ(*none.costInCents, 0);
}

TEST(TicketSummary, PricesAsTyped)
{
    std::optional<qint64> cents;
    EXPECT_TRUE(parsePrice(s("50"), &cents));
    EXPECT_EQ(*cents, 5000);
    EXPECT_TRUE(parsePrice(s(" 2,5 "), &cents));
    EXPECT_EQ(*cents, 250);
    EXPECT_TRUE(parsePrice(s("2.05"), &cents));
    EXPECT_EQ(*cents, 205);
    EXPECT_TRUE(parsePrice(s(""), &cents));
    EXPECT_FALSE(cents.has_value());
    for (const char *bad : { "-1", "1,234", "abc", "1e3", "12,", "9999999999999" })
        EXPECT_FALSE(parsePrice(s(bad), &cents)) << bad;
    EXPECT_EQ(moneyText(205), s("2,05"));
    EXPECT_EQ(moneyText(35000), s("350"));

    IniDocument ini(s("[Loto]\r\nTicketPrice=100\r\n[Other]\r\nTicketPrice=x\r\n"));
    EXPECT_EQ(*ticketPrice(ini, s("Loto")), 10000);
    EXPECT_FALSE(ticketPrice(ini, s("Other")).has_value());
    EXPECT_FALSE(ticketPrice(ini, s("Missing")).has_value());
}

TEST(SavedTickets, LinesOfASavedFileBecomeTheListAgain)
{
    CombinationList list;
    int wide = -1;
    ASSERT_TRUE(CombinationList::fromSavedLines(
        { s("05   11   17   23   30   38   "), QString(), s("5\t11 17 23 30 44"), s("05 K 17") }, &list,
        &wide));
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.markedCaptions(),
        QStringList({ s("05"), s("11"), s("17"), s("23"), s("30"), s("38"), s("44") }));
    EXPECT_EQ(list.row(1).mid(0, 6), QStringList({ s("05"), s("11"), s("17"), s("23"), s("30"), s("44") }));
    EXPECT_EQ(list.row(2).mid(0, 4), QStringList({ s("05"), s("K"), s("17"), QString() }));

    EXPECT_FALSE(CombinationList::fromSavedLines({ s("1 2"), s("1 2 3 4 5 6 7 8 9 10 11") }, &list, &wide));
    EXPECT_EQ(wide, 2);
    EXPECT_FALSE(CombinationList::fromSavedLines({ QString(), s("  ") }, &list, &wide));
    EXPECT_EQ(wide, 0);
}

TEST(SavedTickets, ThePrintableDocumentHasAHeadAndOneRowATicket)
{
    const MessageCatalog messages;
    const QStringList seven = { s("01"), s("02"), s("03"), s("04"), s("05"), s("06"), s("07") };
    const QString doc = ticketsDocument(
        expandSystem(kSevenOfSix, seven), s("6 из 45"), s("7 номеров"), s("07.12.2026"), messages);
    EXPECT_TRUE(doc.startsWith(s("<!DOCTYPE html>\r\n<html lang=\"ru\">\r\n<head>\r\n<meta ")));
    EXPECT_TRUE(doc.contains(s("charset=windows-1251")));
    EXPECT_TRUE(doc.contains(s("<title>6 из 45 - 7 номеров</title>")));
    EXPECT_TRUE(doc.contains(s("Система: 7 номеров. Комбинаций: 7. Дата: 07.12.2026.")));
    EXPECT_EQ(doc.count(s("<tr><th>Билет ")), 7);
    EXPECT_TRUE(doc.contains(s("<tr><th>Билет 1</th><td class=\"number\">01</td>")));
    // No pixel sizes: a ticket is a row, not a 744-pixel cell.
    EXPECT_FALSE(doc.contains(s("WIDTH")));
    EXPECT_FALSE(doc.contains(s("HEIGHT")));
    EXPECT_TRUE(doc.contains(s("<p>Создано программой <a href=")));

    // An English window prints an English page, to its last line.
    MessageCatalog english;
    english.setText(s("Str622"), s("Made with %1."));
    const QString englishDoc = ticketsDocument(
        expandSystem(kSevenOfSix, seven), s("6 из 45"), s("7 номеров"), s("07.12.2026"), english);
    EXPECT_TRUE(englishDoc.contains(s("<p>Made with <a href=")));
    EXPECT_FALSE(englishDoc.contains(s("Создано")));
}
