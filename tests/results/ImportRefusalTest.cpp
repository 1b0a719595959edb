// Files that are no results of the lottery, and settings the importer cannot use:
// refused with a message that names the file and the reason.

#include "ImportTestFiles.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::importFile;
using kivora::test::readFile;

namespace {

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

TEST(ImportRefusal, EmptyBinaryAndForeignFilesAreRefusedNamingTheFile)
{
    test::TempFolder dir;
    dir.writeBytes(QStringLiteral("empty.csv"), QByteArray(" \r\n\r\n"));
    static const char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
    dir.writeBytes(QStringLiteral("image.png"), QByteArray(png, sizeof png - 1));
    dir.writeBytes(QStringLiteral("letter.txt"), QByteArray("Dear friend,\nthe weather is fine.\nRegards\n"));
    const MessageCatalog messages;
    struct Case
    {
        const char *file;
        ImportRefusal refusal;
        const char *reason;
    };
    for (const Case &c : { Case { "empty.csv", ImportRefusal::Source, "пуст" },
             Case { "image.png", ImportRefusal::Source, "двоичный" },
             Case { "letter.txt", ImportRefusal::NotResults, "ни в одном столбце" } }) {
        const QString path = dir.filePath(QString::fromUtf8(c.file));
        const ImportFileRead r = readFile(path, test::megaMillions());
        EXPECT_EQ(r.refusal, c.refusal) << c.file;
        EXPECT_TRUE(r.message.contains(nativeName(path))) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains(QString::fromUtf8(c.reason))) << r.message.toStdString();
    }
}

TEST(ImportRefusal, AFileOfAnotherLotteryHasNoDrawsOfThisOne)
{
    // Five numbers a draw, five plus stars, four plus four: none is a draw of 6 of 45.
    for (const char *file :
        { "ny_megamillions.csv", "ny_take5.csv", "fdj_euromillions_bom.csv", "ru_4x20.txt" }) {
        const ImportFileRead r = readFile(importFile(file), test::lottery("6 из 45", 45, 6));
        EXPECT_EQ(r.refusal, ImportRefusal::NotResults) << file;
        EXPECT_TRUE(r.message.contains(QStringLiteral("6 из 45"))) << r.message.toStdString();
        EXPECT_TRUE(r.message.contains(nativeName(importFile(file)))) << r.message.toStdString();
    }
}

TEST(ImportRefusal, DatesThatNeverSettleTheOrderAskForTheFormat)
{
    const LotteryDefinition five = test::lottery("5 of 36", 36, 5);
    const ImportFileRead unsettled = readFile(importFile("ambiguous_dates.csv"), five);
    EXPECT_EQ(unsettled.refusal, ImportRefusal::AmbiguousDates);
    EXPECT_TRUE(unsettled.format.doubts & DoubtDates);
    EXPECT_TRUE(unsettled.message.contains(nativeName(importFile("ambiguous_dates.csv"))));

    ImportSettings settings;
    settings.dateFormat = QStringLiteral("dd/mm/yyyy");
    const ImportFileRead dayFirst = readFile(importFile("ambiguous_dates.csv"), five, settings);
    ASSERT_TRUE(dayFirst.ok()) << dayFirst.message.toStdString();
    EXPECT_EQ(dayFirst.read.draws.draws.front().date, QDate(2020, 3, 4));
    settings.dateFormat = QStringLiteral("m/d/yyyy");
    const ImportFileRead monthFirst = readFile(importFile("ambiguous_dates.csv"), five, settings);
    ASSERT_TRUE(monthFirst.ok());
    EXPECT_EQ(monthFirst.read.draws.draws.front().date, QDate(2020, 3, 4));
    EXPECT_EQ(monthFirst.read.draws.draws.back().date, QDate(2020, 5, 6));
    EXPECT_EQ(dayFirst.read.draws.draws.back().date, QDate(2020, 6, 5));
    settings.dateFormat = QStringLiteral("sometimes");
    EXPECT_EQ(
        readFile(importFile("ambiguous_dates.csv"), five, settings).refusal, ImportRefusal::BadSettings);
}

TEST(ImportRefusal, UnknownEncodingAndBadColumnListsAreRefused)
{
    ImportSettings settings;
    settings.encoding = QStringLiteral("ebcdic");
    EXPECT_EQ(
        readFile(importFile("ny_cash4life.csv"), test::cash4Life(), settings).refusal, ImportRefusal::Source);
    settings = {};
    settings.columns = QStringLiteral("main=\"No Such Column\"");
    const ImportFileRead missing = readFile(importFile("ny_cash4life.csv"), test::cash4Life(), settings);
    EXPECT_EQ(missing.refusal, ImportRefusal::BadSettings);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("No Such Column"))) << missing.message.toStdString();
    settings.columns = QStringLiteral("winning=2");
    EXPECT_EQ(readFile(importFile("ny_cash4life.csv"), test::cash4Life(), settings).refusal,
        ImportRefusal::BadSettings);
    settings.columns = QStringLiteral("date=1");
    EXPECT_EQ(readFile(importFile("ny_cash4life.csv"), test::cash4Life(), settings).refusal,
        ImportRefusal::BadSettings);
}
