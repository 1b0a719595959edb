#include "reports/Odds.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kivora;

namespace {

using kivora::test::s;

// Chance texts use a no-break space between digit groups; compare with plain spaces.
QString plain(QString text)
{
    return text.replace(QChar(0x00A0), QLatin1Char(' '));
}

LotteryDefinition lottery(const char *name, int minNumber, int maxNumber, int drawNumber, int addBalls = 0)
{
    LotteryDefinition d;
    d.name = s(name);
    d.minNumber = minNumber;
    d.maxNumber = maxNumber;
    d.drawNumber = drawNumber;
    d.countOfAddBall = addBalls;
    return d;
}

} // namespace

TEST(Odds, SixOfFortyFiveByHand)
{
    EXPECT_EQ(odds::binomialText(45, 6), s("8145060"));
    const long double draws = 8145060.0L;
    EXPECT_DOUBLE_EQ(double(odds::hitProbability(45, 6, 6, 6)), double(1 / draws));
    EXPECT_DOUBLE_EQ(double(odds::hitProbability(45, 6, 6, 5)), double(234 / draws));
    EXPECT_DOUBLE_EQ(double(odds::hitProbability(45, 6, 6, 4)), double(11115 / draws));
    EXPECT_DOUBLE_EQ(double(odds::hitProbability(45, 6, 6, 3)), double(182780 / draws));

    EXPECT_EQ(plain(odds::chanceText(45, 6, 6, 6)), s("1 : 8 145 060,00"));
    EXPECT_EQ(plain(odds::chanceText(45, 6, 6, 5)), s("1 : 34 807,95"));
    EXPECT_EQ(plain(odds::chanceText(45, 6, 6, 4)), s("1 : 732,80"));
    EXPECT_EQ(plain(odds::chanceText(45, 6, 6, 3)), s("1 : 44,56"));
    EXPECT_EQ(plain(odds::chanceText(45, 6, 6, 0)), s("1 : 2,50")); // 8145060 / 3262623 = 2.4964

    EXPECT_EQ(odds::percentText(45, 6, 6, 6), s("0,0000123"));
    EXPECT_EQ(odds::percentText(45, 6, 6, 5), s("0,00287"));
    EXPECT_EQ(odds::percentText(45, 6, 6, 4), s("0,136"));
    EXPECT_EQ(odds::percentText(45, 6, 6, 3), s("2,24"));
    EXPECT_EQ(odds::percentText(45, 6, 6, 1), s("42,41"));
}

TEST(Odds, CountsAreExactBeyondSixtyFourBits)
{
    EXPECT_EQ(odds::binomialText(80, 20), s("3535316142212174320"));
    EXPECT_EQ(odds::binomialText(100, 50), s("100891344545564193334812497256"));
    EXPECT_EQ(odds::binomialText(101, 50), s("199804427433372226016001220056"));
    EXPECT_EQ(odds::binomialText(10, 0), s("1"));
    EXPECT_EQ(odds::binomialText(10, 11), s("0"));
    EXPECT_EQ(odds::binomialText(10, -1), s("0"));
    EXPECT_EQ(odds::binomialText(102, 1), QString());

    // Keno, ten marked numbers, all ten among the twenty drawn: 1 : 8 911 711,18.
    EXPECT_EQ(plain(odds::chanceText(80, 20, 10, 10)), s("1 : 8 911 711,18"));
    // Every one of the C(100, 50) draws is the jackpot one only once.
    EXPECT_EQ(plain(odds::chanceText(100, 50, 50, 50)), s("1 : 100 891 344 545 564 193 334 812 497 256,00"));
}

// For any lottery the chances of 0..min(s, D) hits add up to one, and marking s of a
// D-draw is as likely to meet k numbers as marking D of an s-draw.
TEST(Odds, ChancesAddUpAndAreSymmetric)
{
    for (int n : { 1, 2, 10, 20, 36, 45, 49, 80, 101 }) {
        for (int d = 1; d <= n; d += (n > 20 ? 7 : 1)) {
            for (int m = 0; m <= n; m += (n > 20 ? 5 : 1)) {
                long double sum = 0;
                for (int k = 0; k <= std::min(m, d); ++k) {
                    const long double p = odds::hitProbability(n, d, m, k);
                    EXPECT_GE(p, 0.0L);
                    sum += p;
                    if (m >= 1) {
                        EXPECT_NEAR(double(p), double(odds::hitProbability(n, m, d, k)), 1e-15);
                    }
                }
                EXPECT_NEAR(double(sum), 1.0, 1e-12) << n << " " << d << " " << m;
            }
        }
    }
}

TEST(Odds, ImpossibleOrOutOfRange)
{
    // 6 of 10: at least two of one's six numbers are always drawn.
    EXPECT_EQ(odds::hitProbability(10, 6, 6, 1), 0.0L);
    EXPECT_EQ(odds::chanceText(10, 6, 6, 1), s("—"));
    EXPECT_EQ(odds::percentText(10, 6, 6, 1), s("0"));
    EXPECT_EQ(plain(odds::chanceText(10, 6, 10, 6)), s("1 : 1,00"));
    EXPECT_EQ(odds::percentText(10, 6, 10, 6), s("100,00"));

    EXPECT_EQ(odds::hitProbability(0, 1, 1, 1), 0.0L);
    EXPECT_EQ(odds::hitProbability(45, 0, 6, 0), 0.0L);
    EXPECT_EQ(odds::hitProbability(45, 46, 6, 6), 0.0L);
    EXPECT_EQ(odds::hitProbability(45, 6, 46, 6), 0.0L);
    EXPECT_EQ(odds::hitProbability(45, 6, 6, 7), 0.0L);
    EXPECT_EQ(odds::hitProbability(45, 6, 6, -1), 0.0L);
    EXPECT_EQ(odds::hitProbability(200, 6, 6, 6), 0.0L);
}

TEST(Odds, PageForSixOfFortyFive)
{
    const MessageCatalog messages;
    const QString page = plain(oddsPage(lottery("6 из 45 <Гослото> & Co", 1, 45, 6), messages));
    EXPECT_TRUE(page.startsWith(s("<!DOCTYPE html>\r\n<html lang=\"ru\">")));
    EXPECT_TRUE(page.endsWith(s("</html>\r\n")));
    EXPECT_EQ(page.count(QLatin1Char('\n')), page.count(s("\r\n")));
    EXPECT_TRUE(page.contains(s("charset=windows-1251")));
    EXPECT_TRUE(page.contains(s("<title>Шансы на выигрыш</title>")));
    EXPECT_TRUE(page.contains(s("<h2>6 из 45 &lt;Гослото&gt; &amp; Co</h2>")));
    EXPECT_TRUE(page.contains(
        s("выпадает 6 номеров из 45 (числа от 1 до 45). Число возможных исходов розыгрыша: 8 145 060.")));
    // Category, exact outcomes, chance, percent.
    EXPECT_TRUE(page.contains(s("<tr><td>5</td><td>234</td><td>1 : 34 807,95</td><td>0,00287</td></tr>")));
    EXPECT_TRUE(page.contains(s("<h3>Одна комбинация из 6 номеров</h3>")));
    for (int marked = 7; marked <= 10; ++marked)
        EXPECT_TRUE(page.contains(s("<h3>Отмечено ") + QString::number(marked) + s(" номеров</h3>")));
    EXPECT_TRUE(page.contains(s("Система из 7 номеров — это 7 комбинаций по 6 номеров")));
    EXPECT_TRUE(page.contains(s("Система из 10 номеров — это 210 комбинаций по 6 номеров")));
    // Ten marked numbers holding all six drawn: C(10,6) / C(45,6) = 210 / 8145060.
    EXPECT_TRUE(page.contains(s("<tr><td>6</td><td>210</td><td>1 : 38 786,00</td>")));
    EXPECT_FALSE(page.contains(s("дополнительных")));
    EXPECT_EQ(page.count(s("<tr><td>")), 5 * 7);
}

TEST(Odds, PageTablesFollowTheLottery)
{
    const MessageCatalog messages;
    // 7 of 49: no separate table for seven marked numbers, it is the plain game.
    const QString seven = oddsPage(lottery("7 из 49", 1, 49, 7), messages);
    EXPECT_FALSE(seven.contains(s("<h3>Отмечено 7")));
    EXPECT_TRUE(seven.contains(s("<h3>Одна комбинация из 7 номеров</h3>")));
    EXPECT_TRUE(seven.contains(s("<h3>Отмечено 10 номеров</h3>")));

    const QString tiny = oddsPage(lottery("1 из 10", 0, 9, 1), messages);
    EXPECT_TRUE(tiny.contains(s("из 10 (числа от 0 до 9)")));
    EXPECT_TRUE(tiny.contains(s("Одна комбинация из 1 номера")));
    EXPECT_TRUE(tiny.contains(s("<h3>Отмечено 10 номеров</h3>")));
    EXPECT_TRUE(tiny.contains(s("это 10 комбинаций по 1 номеру")));
    EXPECT_FALSE(oddsPage(lottery("6 из 8", 1, 8, 6), messages).contains(s("Отмечено 9")));
}

// The top prize counts main and additional numbers together, with exact counts.
TEST(Odds, AdditionalNumbersMakeCategoriesWithTheMainOnes)
{
    const MessageCatalog messages;
    LotteryDefinition euro = lottery("5 из 50 + 2 из 12", 1, 50, 5, 2);
    euro.minnumberOfAddBall = 1;
    euro.maxnumberOfAddBall = 12;
    const OddsReport report = oddsReport(euro, messages);
    ASSERT_FALSE(report.tables.isEmpty());
    const OddsTable &ticket = report.tables.first();
    ASSERT_EQ(ticket.rows.size(), 6 * 3);
    EXPECT_EQ(ticket.rows.first().mainHits, 5);
    EXPECT_EQ(ticket.rows.first().additionalHits, 2);
    EXPECT_EQ(plain(ticket.rows.first().chance), s("1 : 139 838 160,00"));
    // 5 + 1: 1 · C(2,1)·C(10,1) = 20 outcomes.
    EXPECT_EQ(ticket.rows.at(1).outcomes, s("20"));
    // All categories together are every outcome.
    long double sum = 0;
    for (const OddsRow &row : ticket.rows)
        sum += plain(row.outcomes).remove(QLatin1Char(' ')).toDouble();
    EXPECT_DOUBLE_EQ(double(sum), 2118760.0 * 66);

    LotteryDefinition mega = lottery("5 из 70 + 1 из 25", 1, 70, 5, 1);
    mega.minnumberOfAddBall = 1;
    mega.maxnumberOfAddBall = 25;
    EXPECT_EQ(plain(oddsReport(mega, messages).tables.first().rows.first().chance), s("1 : 302 575 350,00"));

    // Two fields of 4 of 20: all eight numbers, 1 : 4 845².
    LotteryDefinition twoFields = lottery("4 из 20", 1, 20, 4, 4);
    twoFields.minnumberOfAddBall = 1;
    twoFields.maxnumberOfAddBall = 20;
    EXPECT_EQ(
        plain(oddsReport(twoFields, messages).tables.first().rows.first().chance), s("1 : 23 474 025,00"));
    const QString page = oddsPage(twoFields, messages);
    EXPECT_TRUE(page.contains(s("<th>Угадано дополнительных</th>")));
}

TEST(Odds, KenoTicketsOfOneToTenNumbers)
{
    const MessageCatalog messages;
    const OddsReport keno = oddsReport(lottery("Кено", 1, 80, 20), messages);
    ASSERT_EQ(keno.tables.size(), 10);
    for (int spots = 1; spots <= 10; ++spots) {
        const OddsTable &table = keno.tables.at(spots - 1);
        EXPECT_EQ(table.marked, spots);
        EXPECT_EQ(table.rows.size(), spots + 1);
        EXPECT_EQ(table.rows.first().mainHits, spots);
    }
    EXPECT_EQ(plain(keno.tables.at(9).rows.first().chance), s("1 : 8 911 711,18"));
    EXPECT_EQ(plain(keno.tables.at(0).rows.first().chance), s("1 : 4,00"));
}

TEST(Odds, PageSpeaksTheLanguageOfTheCatalogue)
{
    MessageCatalog english;
    english.setText(s("Str125"), s("Chances of winning"));
    english.setText(s("Str130"), s("number|numbers"));
    english.setText(s("Str131"), s("number|numbers"));
    english.setText(s("Str129"), s("One combination of %1 %2"));
    english.setText(s("Str622"), s("Made with %1."));
    const QString page = oddsPage(lottery("6 из 45", 1, 45, 6), english, s("en"));
    EXPECT_TRUE(page.contains(s("<html lang=\"en\">")));
    EXPECT_TRUE(page.contains(s("<title>Chances of winning</title>")));
    EXPECT_TRUE(page.contains(s("<h3>One combination of 6 numbers</h3>")));
    EXPECT_TRUE(page.contains(s("<p>Made with <a href=")));
    EXPECT_FALSE(page.contains(s("Создано")));
    EXPECT_EQ(pluralForm(1, s("number|numbers")), s("number"));
    EXPECT_EQ(pluralForm(21, s("number|numbers")), s("numbers"));
    EXPECT_EQ(pluralForm(21, s("номер|номера|номеров")), s("номер"));
    EXPECT_EQ(pluralForm(12, s("номер|номера|номеров")), s("номеров"));
    EXPECT_EQ(pluralForm(3, s("номер|номера|номеров")), s("номера"));
}

TEST(Odds, PageCharsetAndBadDefinitions)
{
    const MessageCatalog messages;
    EXPECT_TRUE(oddsPage(lottery("Lotto 日本", 1, 45, 6), messages).contains(s("charset=utf-8")));

    const QString bad = oddsPage(lottery("Плохая", 1, 45, 50), messages);
    EXPECT_TRUE(bad.contains(s("Параметры лотереи заданы неверно")));
    EXPECT_FALSE(bad.contains(s("<table>")));
    EXPECT_TRUE(oddsPage(lottery("Плохая", -5, 200, 6), messages).contains(s("заданы неверно")));
}
