// Files as operators publish them, imported without a column list: each row taken in
// drawing order with its date, oldest first, or skipped with its reason.

#include "ImportTestFiles.h"
#include "results/import/ColumnMap.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::drawTexts;
using kivora::test::importFile;
using kivora::test::readFile;
using kivora::test::texts;

namespace {

QString columnsOf(const ImportFileRead &read)
{
    return columnMapText(read.format.columns, read.format.headerNames);
}

} // namespace

TEST(OperatorFiles, NewYorkMegaMillionsIsReadOldestFirstWithItsPackedNumbers)
{
    const ImportFileRead r = readFile(importFile("ny_megamillions.csv"), test::megaMillions());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.kind, ImportKind::Csv);
    EXPECT_EQ(r.format.delimiter, QLatin1Char(','));
    EXPECT_TRUE(r.format.header);
    EXPECT_TRUE(r.format.certain());
    EXPECT_EQ(
        columnsOf(r), QStringLiteral("date=\"Draw Date\",main=\"Winning Numbers\",additional=\"Mega Ball\""));
    EXPECT_EQ(r.format.dateOrder, DateOrder::MonthFirst);
    EXPECT_EQ(r.format.order, RowOrder::NewestFirst);
    // The old eras' numbers above 70 or Mega Balls above 25 do not fit the lottery.
    EXPECT_EQ(r.read.skipped, 2);
    EXPECT_EQ(r.read.skippedFor(ImportSkip::OutOfRange), 2);
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2017-10-27 -1 8,15,23,43,47|25", "2017-10-31 -1 6,28,31,52,53|12",
            "2017-11-03 -1 10,22,42,61,69|3", "2020-09-18 -1 6,13,20,53,68|1",
            "2020-09-22 -1 3,15,26,27,58|11", "2020-09-25 -1 20,36,37,48,67|14" }));
}

TEST(OperatorFiles, SinceTakesOnlyTheCurrentEraAndSkipsNothingOlder)
{
    ImportSettings settings;
    settings.since = QStringLiteral("31.10.2017");
    const ImportFileRead r = readFile(importFile("ny_megamillions.csv"), test::megaMillions(), settings);
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.read.draws.size(), 5);
    EXPECT_EQ(r.read.skipped, 0);
    EXPECT_EQ(r.read.beforeSince, 1);
    EXPECT_EQ(r.read.draws.draws.front().date, QDate(2017, 10, 31));

    settings.since = QStringLiteral("2017-11-01");
    EXPECT_EQ(
        readFile(importFile("ny_megamillions.csv"), test::megaMillions(), settings).read.draws.size(), 4);
    settings.since = QStringLiteral("2021-01-01");
    const ImportFileRead none = readFile(importFile("ny_megamillions.csv"), test::megaMillions(), settings);
    EXPECT_EQ(none.refusal, ImportRefusal::NotResults);
    settings.since = QStringLiteral("yesterday");
    EXPECT_EQ(readFile(importFile("ny_megamillions.csv"), test::megaMillions(), settings).refusal,
        ImportRefusal::BadSettings);
}

TEST(OperatorFiles, Cash4LifeTakesItsCashBallAsTheAdditionalNumber)
{
    const ImportFileRead r = readFile(importFile("ny_cash4life.csv"), test::cash4Life());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.order, RowOrder::OldestFirst);
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2014-06-16 -1 15,21,31,39,56|4", "2014-06-19 -1 6,12,41,47,54|2",
            "2014-06-23 -1 3,18,25,40,60|1" }));
}

TEST(OperatorFiles, TakeFiveRowsHoldTheMiddayAndTheEveningDrawAndAnEmptyGroupIsNoDraw)
{
    const ImportFileRead r = readFile(importFile("ny_take5.csv"), test::take5());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.columns.main.size(), 2u);
    EXPECT_EQ(r.read.skipped, 0);
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2020-12-31 -1 6,7,21,30,35", "2021-02-14 -1 3,10,17,29,33", "2021-02-14 -1 2,8,13,22,31",
            "2021-02-15 -1 1,5,16,27,38", "2021-02-15 -1 4,11,19,23,39" }));
}

TEST(OperatorFiles, FrenchEuroMillionsPrefersTheDrawingOrderOverTheSortedCopy)
{
    for (const char *name : { "fdj_euromillions_latin1.csv", "fdj_euromillions_bom.csv" }) {
        SCOPED_TRACE(name);
        const ImportFileRead r = readFile(importFile(name), test::euroMillions());
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        EXPECT_EQ(r.format.delimiter, QLatin1Char(';'));
        EXPECT_EQ(r.format.encoding,
            QString::fromLatin1(
                std::string(name).find("latin1") != std::string::npos ? "iso-8859-1" : "utf-8"));
        // The accented header name reads as written in either encoding.
        EXPECT_TRUE(r.format.headerNames.contains(QString::fromUtf8("numéro_jokerplus")));
        EXPECT_EQ(columnsOf(r),
            QStringLiteral(
                "number=\"annee_numero_de_tirage\",date=\"date_de_tirage\",main=\"boule_1\"..\"boule_5\","
                "additional=\"etoile_1\"..\"etoile_2\""));
        EXPECT_EQ(r.format.dateOrder, DateOrder::DayFirst);
        EXPECT_EQ(drawTexts(r.read.draws),
            texts({ "2020-10-16 2020083 30,1,45,22,8|1,12", "2020-10-20 2020084 5,41,12,33,20|7,9",
                "2020-10-23 2020085 44,3,28,17,9|11,2" }));
    }
}

TEST(OperatorFiles, GermanJsonKeepsItsDrawsDeepInsideAnObject)
{
    const ImportFileRead r = readFile(importFile("lotto_6aus49.json"), test::lotto6aus49());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.kind, ImportKind::Json);
    EXPECT_EQ(columnsOf(r), QStringLiteral("date=\"datum\",main=\"lottozahlen\",additional=\"superzahl\""));
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2020-06-10 -1 5,9,26,38,40,49|9", "2020-06-13 -1 1,22,7,45,30,12|0",
            "2020-06-17 -1 19,8,15,4,33,41|3" }));
}

TEST(OperatorFiles, RussianArchiveInWindows1251WithMonthNamesAndTwoFieldsOfFour)
{
    const ImportFileRead r = readFile(importFile("ru_4x20.txt"), test::fourOf20());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.encoding, QStringLiteral("windows-1251"));
    EXPECT_FALSE(r.format.header);
    EXPECT_EQ(columnsOf(r), QStringLiteral("number=1,date=2,main=3,additional=4"));
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2017-10-23 128 19,8,15,4|9,3,10,11", "2017-10-25 129 16,8,12,17|4,1,19,5",
            "2017-10-28 130 17,15,7,5|14,7,9,4" }));
}

TEST(OperatorFiles, PipeSeparatedPowerballWithWeekdaysAndCommasInItsDates)
{
    const ImportFileRead r = readFile(importFile("powerball_pipe.txt"), test::powerball());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.delimiter, QLatin1Char('|'));
    EXPECT_EQ(columnsOf(r), QStringLiteral("date=\"Draw Date\",main=\"WB1\"..\"WB5\",additional=\"PB\""));
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2020-06-10 -1 13,15,29,50,69|10", "2020-06-13 -1 2,12,32,50,65|5",
            "2020-06-16 -1 10,31,41,63,1|18" }));
}

TEST(OperatorFiles, FixedWidthFantasyFiveAfterAPreambleAndARule)
{
    const ImportFileRead r = readFile(importFile("fantasy5_fixed.txt"), test::fantasy5());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.kind, ImportKind::Fixed);
    EXPECT_EQ(columnsOf(r), QStringLiteral("number=\"Draw\",date=\"Draw Date\",main=\"Numbers\""));
    EXPECT_EQ(drawTexts(r.read.draws),
        texts({ "2020-06-13 8499 1,30,12,25,38", "2020-06-14 8500 5,9,13,22,39",
            "2020-06-15 8501 16,19,34,27,2" }));
}

TEST(OperatorFiles, Utf16WithItsMarkReadsAsTheSameFile)
{
    test::TempFolder dir;
    QFile source(importFile("ny_cash4life.csv"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(source.readAll());
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    dir.writeBytes(QStringLiteral("c4l.csv"), bytes);
    const ImportFileRead r = readFile(dir.filePath(QStringLiteral("c4l.csv")), test::cash4Life());
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.format.encoding, QStringLiteral("utf-16le"));
    EXPECT_EQ(r.read.draws.size(), 3);
}

TEST(OperatorFiles, SkippedRowsAreCountedByReasonAndTheFirstListed)
{
    const ImportFileRead r = readFile(importFile("skips.csv"), test::lottery("5 of 36", 36, 5));
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(r.read.draws.size(), 3);
    EXPECT_EQ(r.read.skipped, 5);
    for (ImportSkip reason : { ImportSkip::OutOfRange, ImportSkip::Repeated, ImportSkip::WrongCount,
             ImportSkip::NotNumbers, ImportSkip::NotADate })
        EXPECT_EQ(r.read.skippedFor(reason), 1) << static_cast<int>(reason);
    ASSERT_EQ(r.read.firstSkipped.size(), 5);
    EXPECT_EQ(r.read.firstSkipped.front().line, 3);
    EXPECT_EQ(r.read.firstSkipped.front().text, QStringLiteral("02.06.2020;1;2;3;4;99"));
    EXPECT_EQ(r.read.firstSkipped.back().text, QStringLiteral("31.02.2020;1;2;3;4;5"));
    EXPECT_EQ(r.read.firstSkipped.back().reason, ImportSkip::NotADate);
}
