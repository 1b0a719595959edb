#include "reports/AnalysisReports.h"

#include "core/MessageCatalog.h"
#include "reports/HtmlExport.h"
#include "statistics/StatTestData.h"
#include "support/Taken.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::test;

namespace {

ChiSquareTest chiSquare(double p, bool valid)
{
    ChiSquareTest test;
    test.p = p;
    test.valid = valid;
    return test;
}

backtest::Tally tally(qint64 hits, double expected, double variance)
{
    backtest::Tally result;
    result.picks = 100;
    result.hits = hits;
    result.expectedHits = expected;
    result.variance = variance;
    return result;
}

} // namespace

// The verdict is a plain sentence at the 5% level; a test the draws are too few for
// claims nothing either way.
TEST(AnalysisReports, VerdictsInThePlainWords)
{
    const MessageCatalog messages;
    EXPECT_EQ(randomnessVerdict(chiSquare(0.05, true), messages),
        s("согласуется с честным розыгрышем на уровне 5%"));
    EXPECT_EQ(randomnessVerdict(chiSquare(0.0499, true), messages),
        s("не согласуется с честным розыгрышем на уровне 5%"));
    EXPECT_EQ(randomnessVerdict(chiSquare(0.0001, false), messages), s("слишком мало розыгрышей для вывода"));

    // z = +-2.5 is beyond 1.96 either way; z = 1 is not.
    EXPECT_EQ(backtestVerdict(tally(125, 100, 100), messages), s("лучше случайного выбора на уровне 5%"));
    EXPECT_EQ(backtestVerdict(tally(75, 100, 100), messages), s("хуже случайного выбора на уровне 5%"));
    EXPECT_EQ(backtestVerdict(tally(110, 100, 100), messages),
        s("не отличается от случайного выбора на уровне 5%"));
    EXPECT_EQ(backtestVerdict(backtest::Tally(), messages), s("слишком мало розыгрышей для вывода"));

    EXPECT_EQ(formatProbability(0.254773), QStringLiteral("0.2548"));
    EXPECT_EQ(formatProbability(0.0000123), QStringLiteral("1.2e-05"));
    EXPECT_EQ(formatProbability(1.0), QStringLiteral("1"));
    EXPECT_EQ(formatFigure(85.3149), QStringLiteral("85.31"));
}

// One row per test: frequencies, each position kept in drawing order, gaps, the
// longest absence; the notes name the correction and the draws left out.
TEST(AnalysisReports, RandomnessTableAndDocument)
{
    TempFolder dir;
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(2,
        { { 1, 2 }, { 1, 3 }, { 1, 4 }, { 1, 2 }, { 1, 3 }, { 2, 1 }, { 2, 4 }, { 2, 3 }, { 3, 1 }, { 3, 2 },
            { 4, 1 }, { 4, 3 }, { 4, 4 } });
    const RandomnessReport report = testRandomness(draws, lottery(1, 4, 2));
    const QList<QStringList> rows = randomnessRows(report, messages);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0],
        (QStringList { s("Частоты номеров"), QStringLiteral("2.00"), QStringLiteral("3"),
            formatProbability(report.frequency.p), randomnessVerdict(report.frequency, messages) }));
    EXPECT_EQ(rows[2].first(), s("Частоты на позиции 2"));
    EXPECT_EQ(rows[4].first(), s("Самое долгое отсутствие номера"));
    const QStringList notes = randomnessNotes(report, messages);
    EXPECT_EQ(
        notes.first(), s("Проверено розыгрышей: 12; пропущено (номер повторён, пуст или вне диапазона): 1."));
    EXPECT_TRUE(notes.at(1).contains(QStringLiteral("= 1.50;")));

    const QString html = randomnessHtml(report, QStringLiteral("A<B"), messages);
    EXPECT_TRUE(html.contains(QStringLiteral("A&lt;B")));
    EXPECT_FALSE(html.contains(QStringLiteral("A<B")));
    EXPECT_EQ(html.count(QStringLiteral("<tr")), 1 + rows.size());
    QString error;
    ASSERT_TRUE(test::taken(writeHtmlDocument(dir.filePath(QStringLiteral("r.htm")), html), &error))
        << error.toStdString();
}

// The back-test document: the method and its control, then the hit distribution.
TEST(AnalysisReports, BacktestTableAndDocument)
{
    const MessageCatalog messages;
    backtest::Result result;
    result.method = backtest::Method::Frequent;
    result.walked = 3;
    result.hasControl = true;
    result.tally = tally(3, 1.5, 0.75);
    result.tally.picks = 3;
    result.tally.numbersPicked = 18;
    result.tally.observed = { 1, 0, 1 };
    result.tally.expected = { 1.2, 1.3, 0.5 };
    result.control = result.tally;
    const QList<QStringList> rows = backtestRows(result, messages);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].mid(0, 5),
        (QStringList { s("самые частые номера"), QStringLiteral("3"), QStringLiteral("6.00"),
            QStringLiteral("1.00"), QStringLiteral("0.50") }));
    EXPECT_EQ(rows[1].first(), s("случайный выбор"));
    EXPECT_EQ(distributionRows(result).size(), 3);
    EXPECT_EQ(distributionRows(result)[1],
        (QStringList {
            QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1.30"), QStringLiteral("0") }));
    const QString html
        = backtestHtml(result, s("6 из 45"), QStringLiteral("2"), QStringLiteral("4"), messages);
    EXPECT_TRUE(html.contains(s("с 2 по 4 (всего 3)")));
    EXPECT_EQ(html.count(QStringLiteral("<table")), 2);
}

// The control is the yardstick, not a method on trial: its row says so instead of
// judging a random pick against itself. Both documents are titled with the lottery and
// the report, the lottery's name as text.
TEST(AnalysisReports, TheControlIsTheReferenceAndTheTitleNamesTheReport)
{
    const MessageCatalog messages;
    backtest::Result result;
    result.method = backtest::Method::Absent;
    result.walked = 100;
    result.hasControl = true;
    result.tally = tally(110, 100, 100);
    result.control = tally(75, 100, 100); // "worse" than chance, by luck
    const QList<QStringList> rows = backtestRows(result, messages);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].last(), s("не отличается от случайного выбора на уровне 5%"));
    EXPECT_EQ(rows[1].last(), s("образец для сравнения"));
    const QString backtest
        = backtestHtml(result, s("6 из 45"), QStringLiteral("2"), QStringLiteral("101"), messages);
    EXPECT_FALSE(backtest.contains(s("хуже случайного выбора")));
    EXPECT_TRUE(backtest.contains(s("<title>6 из 45 - Проверка прогноза на прошедших розыгрышах</title>")));
    EXPECT_FALSE(backtest.contains(s("<title>(")));

    const RandomnessReport report = testRandomness(DrawTable(), LotteryDefinition());
    const QString randomness = randomnessHtml(report, s("A<B"), messages);
    EXPECT_TRUE(randomness.contains(s("<title>A&lt;B - Проверка случайности розыгрышей</title>")));

    // A name Windows-1251 cannot hold makes the document say it is UTF-8.
    const QString greek = randomnessHtml(report, s("Λόττο"), messages);
    EXPECT_TRUE(greek.contains(s("<title>Λόττο - ")));
    EXPECT_TRUE(greek.contains(s("charset=utf-8")));
}
