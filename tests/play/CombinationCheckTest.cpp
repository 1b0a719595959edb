#include "play/CombinationCheck.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "play/CombinationFile.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "results/DrawTable.h"

#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <numeric>
#include <utility>
#include <vector>

using namespace kivora;

namespace {

using kivora::test::s;

using Draw = std::pair<const char *, std::vector<int>>;

DrawTable makeDraws(int drawNumber, const std::vector<Draw> &draws)
{
    DrawTable table(drawNumber, 0);
    const QString date = QStringLiteral("01.02.2005");
    const QString none = QStringLiteral("-");
    for (const Draw &draw : draws) {
        const QString number = s(draw.first);
        const QStringView texts[] = { number, date, none, none };
        table.appendRow(texts, 4, draw.second.data());
    }
    return table;
}

LotteryDefinition lottery(const char *name, int drawNumber, int maxNumber)
{
    LotteryDefinition definition;
    definition.name = s(name);
    definition.drawNumber = drawNumber;
    definition.maxNumber = maxNumber;
    return definition;
}

SavedCombinations combinations(const char *lotteryName, const QStringList &lines)
{
    return { s(lotteryName), s("Выбрано:  7 номеров - 2 комбинации"), lines };
}

QString crlfLines(const QStringList &lines)
{
    return textfile::joinLines(lines);
}

// A row in the saved layout: each number followed by three blanks, ten cells.
QString savedRow(const QStringList &numbers)
{
    QString row;
    for (int i = 0; i < 10; ++i)
        row += (i < numbers.size() ? numbers.at(i) : QString()) + QStringLiteral("   ");
    return row;
}

} // namespace

TEST(CombinationCheck, ReportOfTheSavedFileMatchesByteForByte)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const LotteryDefinition sixOf45 = lottery("6 из 45", 6, 45);
    // Draw 125 is drawn in the order 44 03 31 15 40 22; the report lists it sorted.
    const DrawTable draws
        = makeDraws(6, { { "124", { 1, 2, 3, 4, 5, 6 } }, { "125", { 44, 3, 31, 15, 40, 22 } } });

    // Saved by the program itself: expanded, written, read back.
    const CombinationList list = expandSystem(SystemTemplate::parse(s("1 2 3 4 5 6\n7 8 9 10 11 12\n")),
        s("03 15 22 07 08 09 01 02 04 05 06 10").split(QLatin1Char(' ')));
    const QString path = dir.filePath(QStringLiteral("saved.ltc"));
    QString error;
    ASSERT_TRUE(
        test::taken(writeCombinationFile(path, list, sixOf45.name, s("7 номеров"), messages), &error));
    SavedCombinations file;
    ASSERT_TRUE(test::taken(readSavedCombinations(path), &file, &error));
    ASSERT_TRUE(checkReadiness(file, sixOf45.name, draws, messages).ok());

    EXPECT_EQ(proposedDrawEntry(draws), s("125"));
    const DrawChoice choice = chooseDraw(draws, proposedDrawEntry(draws), messages);
    ASSERT_TRUE(choice.ok());
    EXPECT_EQ(choice.row, 1);

    const CheckResult result = checkCombinations(file, draws, choice.row, sixOf45, messages);
    const QString first = savedRow(s("03 15 22 07 08 09").split(QLatin1Char(' ')));
    const QString second = savedRow(s("01 02 04 05 06 10").split(QLatin1Char(' ')));
    const QString expected = crlfLines({
        s("Результаты 125 розыгрыша в 6 из 45 :"),
        s("03  15  22  31  40  44  "),
        s("Выбрано:  7 номеров - 2 комбинации"),
        QString(),
        s("0 номеров - угадано   1 комбинация"),
        s("1 номер - угадано   0 комбинаций"),
        s("2 номера - угадано   0 комбинаций"),
        s("3 номера - угадано   1 комбинация"),
        s("4 номера - угадано   0 комбинаций"),
        s("5 номеров - угадано   0 комбинаций"),
        s("6 номеров - угадано   0 комбинаций"),
        QString(),
        s("Подробнее:"),
        s("0 номеров - угадано   1 комбинация:"),
        second,
        s("1 номер - угадано   0 комбинаций:"),
        s("2 номера - угадано   0 комбинаций:"),
        s("3 номера - угадано   1 комбинация:"),
        first,
        s("4 номера - угадано   0 комбинаций:"),
        s("5 номеров - угадано   0 комбинаций:"),
        s("6 номеров - угадано   0 комбинаций:"),
        s("==========================="),
    });
    EXPECT_EQ(result.report, expected);
    EXPECT_EQ(result.played, 6);
    EXPECT_EQ(result.targetNumber, s("125"));
    EXPECT_FALSE(result.keno);
    EXPECT_TRUE(result.notes.isEmpty());

    const QString reportPath = dir.filePath(check::reportFileName());
    ASSERT_TRUE(test::taken(writeCheckReport(reportPath, result), &error));
    EXPECT_EQ(dir.readBytes(check::reportFileName()), textfile::encode(expected));
}

TEST(CombinationCheck, KenoPricesEveryCategory)
{
    const MessageCatalog messages;
    const LotteryDefinition keno = lottery("Кено (20 из 80)", 20, 80);
    std::vector<int> drawn(20);
    std::iota(drawn.begin(), drawn.end(), 1); // 1..20
    const DrawTable draws = makeDraws(20, { { "7", drawn } });

    // Three tickets of five with three hits, one with five.
    const SavedCombinations file = combinations("Кено (20 из 80)",
        {
            s("01 02 03 41 42"),
            s("04,05,06,43,44"),
            s("7;8;9;45;46"),
            s("10 11 12 13 14"),
        });
    const CheckResult result = checkCombinations(file, draws, 0, keno, messages);
    const QStringList lines = textfile::splitLines(result.report);
    EXPECT_EQ(
        lines.at(1), s("01  02  03  04  05  06  07  08  09  10  11  12  13  14  15  16  17  18  19  20  "));
    EXPECT_EQ(lines.at(4), s("0 номеров - угадано   0 комбинаций\t- выиграно 0x"));
    EXPECT_EQ(lines.at(7), s("3 номера - угадано   3 комбинации\t- выиграно 6x"));
    EXPECT_EQ(lines.at(8), s("4 номера - угадано   0 комбинаций\t- выиграно 0x"));
    EXPECT_EQ(lines.at(9), s("5 номеров - угадано   1 комбинация\t- выиграно 240x"));
    EXPECT_EQ(lines.at(10), QString());
    EXPECT_EQ(lines.at(11), s("Итого :\t   угадано   4 комбинации\t- выиграно 246x"));
    EXPECT_EQ(lines.at(12), QString());
    EXPECT_EQ(lines.at(13), s("Подробнее:"));
    EXPECT_EQ(result.wins, 4);
    EXPECT_EQ(result.total, 246);

    // Ten numbers, none guessed: each ticket pays 2.
    const SavedCombinations tens = combinations("Кено (20 из 80)",
        {
            s("41 42 43 44 45 46 47 48 49 50"),
            s("51 52 53 54 55 56 57 58 59 60"),
        });
    const CheckResult none = checkCombinations(tens, draws, 0, keno, messages);
    EXPECT_EQ(
        textfile::splitLines(none.report).at(4), s("0 номеров - угадано   2 комбинации\t- выиграно 4x"));
    EXPECT_EQ(none.wins, 2);
    EXPECT_EQ(none.total, 4);

    // Outside the table (one number, eleven numbers): no prize, and nothing overruns.
    EXPECT_EQ(check::kenoPrize(1, 1), 0);
    EXPECT_EQ(check::kenoPrize(11, 10), 0);
    EXPECT_EQ(check::kenoPrize(9, 0), 2);
    EXPECT_EQ(check::kenoPrize(10, 10), 100000);
    const CheckResult single
        = checkCombinations(combinations("Кено (20 из 80)", { s("05") }), draws, 0, keno, messages);
    EXPECT_EQ(single.total, 0);
    EXPECT_EQ(single.counts.at(1), 1);

    // Another lottery never shows prizes.
    const CheckResult plain = checkCombinations(file, draws, 0, lottery("Кено", 20, 80), messages);
    EXPECT_FALSE(plain.report.contains(QLatin1Char('\t')));
}

TEST(CombinationCheck, FieldsAreComparedAsTwoDigitTexts)
{
    const MessageCatalog messages;
    const LotteryDefinition sixOf45 = lottery("6 из 45", 6, 45);
    const DrawTable draws = makeDraws(6, { { "1", { 3, 15, 22, 31, 40, 44 } } });
    const SavedCombinations file = combinations("6 из 45",
        {
            s("3,15:22;31 K 0"), // 4 hits; K and 0 never hit
            s("03 03 3"), // one number, however often it is listed
            s("003 1 5"), // "003" is not "03"
            s("03   15   22"),
        });
    const CheckResult result = checkCombinations(file, draws, 0, sixOf45, messages);
    EXPECT_EQ(result.counts.at(4), 1);
    EXPECT_EQ(result.counts.at(3), 1);
    EXPECT_EQ(result.counts.at(1), 1);
    EXPECT_EQ(result.counts.at(0), 1);
}

// The categories of the report come from the longest combination; blank lines are no
// combinations.

TEST(CombinationCheck, ShorterOrBlankLastLinesHideNoCategory)
{
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6, { { "1", { 3, 15, 22, 31, 40, 44 } } });
    const SavedCombinations file = combinations("6 из 45",
        {
            s("03   15   22   31   40   44   "), // the jackpot
            s("03   15   22   31   40   07   "),
            s("03   15   22   31   40                  "), // a short last ticket
            QString(),
            s("   ,  "),
        });
    const CheckResult result = checkCombinations(file, draws, 0, lottery("6 из 45", 6, 45), messages);
    EXPECT_EQ(result.played, 6);
    EXPECT_EQ(result.reportedUpTo, 6);
    EXPECT_EQ(std::vector<int>(result.counts.begin(), result.counts.begin() + 7),
        std::vector<int>({ 0, 0, 0, 0, 0, 2, 1 }));
    const QStringList lines = textfile::splitLines(result.report);
    EXPECT_EQ(lines.at(4), s("0 номеров - угадано   0 комбинаций")); // blank lines are not counted
    EXPECT_EQ(lines.at(10), s("6 номеров - угадано   1 комбинация"));
    EXPECT_EQ(lines.mid(lines.size() - 3),
        QStringList({ s("6 номеров - угадано   1 комбинация:"), s("03   15   22   31   40   44   "),
            s("===========================") }));

    // Nothing but blank lines after the header: no combination to check.
    EXPECT_EQ(checkReadiness(combinations("6 из 45", { QString(), s("  ") }), s("6 из 45"), draws, messages)
                  .refusal,
        CheckRefusal::NoCombinations);
}

TEST(CombinationCheck, EveryNumberOfALongLineIsScored)
{
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6, { { "1", { 3, 15, 22, 31, 40, 44 } } });
    // Twelve numbers with the hits in places 11 and 12.
    const QString twelve = s("01 02 04 05 06 07 08 09 10 11 03 15");
    const CheckResult result = checkCombinations(
        combinations("6 из 45", { twelve, s("03 15 22") }), draws, 0, lottery("6 из 45", 6, 45), messages);
    EXPECT_EQ(result.played, 12);
    // Twelve numbers hit at most the six drawn: the categories end there.
    EXPECT_EQ(result.reportedUpTo, 6);
    EXPECT_EQ(result.counts.at(2), 1);
    EXPECT_EQ(result.counts.at(3), 1);
    EXPECT_TRUE(result.notes.isEmpty());
    const QStringList lines = textfile::splitLines(result.report);
    EXPECT_EQ(lines.at(6), s("2 номера - угадано   1 комбинация"));
    EXPECT_EQ(lines.at(10), s("6 номеров - угадано   0 комбинаций"));
    EXPECT_FALSE(lines.contains(s("7 номеров - угадано   0 комбинаций")));
    EXPECT_TRUE(lines.contains(twelve));
}

TEST(CombinationCheck, TabsSeparateNumbersLikeBlanks)
{
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6, { { "1", { 3, 15, 22, 31, 40, 44 } } });
    // Pasted from a spreadsheet.
    const QString pasted = s("03\t15\t22\t31\t40\t07");
    const CheckResult result = checkCombinations(
        combinations("6 из 45", { pasted }), draws, 0, lottery("6 из 45", 6, 45), messages);
    EXPECT_EQ(result.played, 6);
    EXPECT_EQ(result.counts.at(5), 1);
    EXPECT_EQ(result.counts.at(0), 0);
}

TEST(CombinationCheck, SortedDrawLineKeepsTheStripsOrderAndRange)
{
    const MessageCatalog messages;
    // A number outside 1..45 (a 0 from an empty field) is not on the strip.
    const DrawTable draws = makeDraws(6, { { "9", { 44, 0, 7, 12, 12, 30 } } });
    const CheckResult result = checkCombinations(
        combinations("6 из 45", { s("07") }), draws, 0, lottery("6 из 45", 6, 45), messages);
    EXPECT_EQ(textfile::splitLines(result.report).at(1), s("07  12  12  30  44  "));
}

TEST(CombinationCheck, LongCategoriesAreCutAndSaidSo)
{
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6, { { "1", { 1, 2, 3, 4, 5, 6 } } });
    QStringList lines;
    for (int i = 0; i < 501; ++i)
        lines.append(s("40 41 42"));
    lines.append(s("01 02 03 04 05 06 07 08 09 10 01 02")); // twelve numbers
    lines.append(s("40 41 42"));
    const CheckResult result
        = checkCombinations(combinations("6 из 45", lines), draws, 0, lottery("6 из 45", 6, 45), messages);
    EXPECT_EQ(result.counts.at(0), 502);
    EXPECT_EQ(result.counts.at(6), 1); // every number is compared; 01 and 02 count once
    EXPECT_EQ(result.report.count(s("40 41 42")), 500);
    EXPECT_EQ(
        result.notes, QStringList({ s("В категории 0 больше 500 комбинаций; в отчёт вошли первые 500.") }));
    for (const QString &note : result.notes)
        EXPECT_TRUE(result.report.contains(note + textfile::crlf()));
}

TEST(CombinationCheck, TheEntryNamesTheDrawOrGetsTheWrongEntryMessage)
{
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6,
        { { "10", { 1, 2, 3, 4, 5, 6 } }, { "11", { 1, 2, 3, 4, 5, 6 } }, { "11", { 1, 2, 3, 4, 5, 6 } },
            { "13", { 1, 2, 3, 4, 5, 6 } } });
    EXPECT_EQ(chooseDraw(draws, s("13"), messages).row, 3);
    EXPECT_EQ(chooseDraw(draws, s(" 11 "), messages).row, 1); // the first row carrying it
    EXPECT_EQ(chooseDraw(draws, s("10"), messages).row, 0);
    EXPECT_EQ(chooseDraw(draws, s("500"), messages).row, 3); // above the newest: the newest

    const QString wrong
        = s("Ошибка во вводе номера розыгрыша! Введите положительное число от 1 до 4. Попробуйте еще раз!");
    for (const char *entry : { "", "abc", "12a", "12", "0", "-3", "9" }) {
        const DrawChoice choice = chooseDraw(draws, s(entry), messages);
        EXPECT_FALSE(choice.ok()) << entry;
        EXPECT_EQ(choice.message, wrong) << entry;
    }
    EXPECT_EQ(
        chooseDraw(DrawTable(6, 0), s("1"), messages).message, s("Нет загруженных розыгрышей для проверки."));
    // A row that is no loaded draw is never read.
    const CheckResult outside = checkCombinations(
        combinations("6 из 45", { s("01") }), draws, 4, lottery("6 из 45", 6, 45), messages);
    EXPECT_EQ(outside.targetRow, -1);
    EXPECT_TRUE(outside.report.isEmpty());
}

TEST(CombinationCheck, RefusesOtherLotteriesEmptyFilesAndNoDraws)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6, { { "1", { 1, 2, 3, 4, 5, 6 } } });
    QString error;
    SavedCombinations file;

    dir.writeLines(
        QStringLiteral("other.ltc"), { s("5 из 36"), s("Выбрано:  5 номеров - 1 комбинация"), s("01 02") });
    ASSERT_TRUE(test::taken(readSavedCombinations(dir.filePath(QStringLiteral("other.ltc"))), &file, &error));
    const CheckReadiness other = checkReadiness(file, s("6 из 45"), draws, messages);
    EXPECT_EQ(other.refusal, CheckRefusal::OtherLottery);
    EXPECT_EQ(other.message,
        s("Содержимое этого файла не является комбинациями для 6 из 45! Возможно это файл с "
          "комбинациями из другой лотоигры!"));

    for (const QStringList &content :
        { QStringList({ s("6 из 45") }), QStringList({ s("6 из 45"), s("Выбрано:") }) }) {
        dir.writeLines(QStringLiteral("empty.ltc"), content);
        ASSERT_TRUE(
            test::taken(readSavedCombinations(dir.filePath(QStringLiteral("empty.ltc"))), &file, &error));
        const CheckReadiness empty = checkReadiness(file, s("6 из 45"), draws, messages);
        EXPECT_EQ(empty.refusal, CheckRefusal::NoCombinations);
        EXPECT_EQ(empty.message, s("В файле нет ни одной комбинации."));
    }

    dir.writeLines(QStringLiteral("good.ltc"), { s("6 из 45"), s("Выбрано:"), s("01 02") });
    ASSERT_TRUE(test::taken(readSavedCombinations(dir.filePath(QStringLiteral("good.ltc"))), &file, &error));
    EXPECT_EQ(checkReadiness(file, s("6 из 45"), DrawTable(6, 0), messages).refusal, CheckRefusal::NoDraws);
    EXPECT_TRUE(proposedDrawEntry(DrawTable(6, 0)).isEmpty());

    EXPECT_FALSE(
        test::taken(readSavedCombinations(dir.filePath(QStringLiteral("missing.ltc"))), &file, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.ltc")));
}

// A crafted file: one line of a hundred thousand fields, most of them a drawn number
// again and again, among thousands of short lines. The report has a category for each
// count of numbers a line can hit (no more than are drawn), lists at most the first
// lines of each, and stays about the size of the file.
TEST(CombinationCheck, AVeryLongLineGivesNoMoreCategoriesThanNumbersDrawn)
{
    const MessageCatalog messages;
    const DrawTable draws = makeDraws(6, { { "1", { 3, 15, 22, 31, 40, 44 } } });
    QString longLine;
    for (int i = 0; i < 100000; ++i)
        longLine += i % 2 == 0 ? s("03 ") : s("15;");
    longLine += s("22 31 40 44 45");
    QStringList lines;
    qsizetype fileSize = longLine.size();
    for (int i = 0; i < 5000; ++i) {
        lines.append(i % 3 == 0 ? s("03 15 22") : s("01 02 04"));
        fileSize += lines.last().size() + 2;
    }
    lines.insert(2500, longLine);
    int reports = 0;
    const CheckResult result = checkCombinations(combinations("6 из 45", lines), draws, 0,
        lottery("6 из 45", 6, 45), messages, [&](int, int, int) { ++reports; });
    EXPECT_EQ(result.played, 100005);
    EXPECT_EQ(result.reportedUpTo, 6);
    EXPECT_EQ(result.counts.size(), 7U);
    EXPECT_EQ(result.counts.at(6), 1);
    EXPECT_EQ(result.counts.at(3), 1667);
    EXPECT_EQ(result.counts.at(0), 3333);
    EXPECT_GT(reports, 0);
    const QStringList report = textfile::splitLines(result.report);
    EXPECT_EQ(report.count(s("03 15 22")), 500);
    EXPECT_EQ(report.count(longLine), 1);
    EXPECT_FALSE(report.contains(s("7 номеров - угадано   0 комбинаций")));
    EXPECT_LT(result.report.size(), fileSize + 4096);
}
