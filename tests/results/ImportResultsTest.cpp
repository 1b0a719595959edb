#include "results/ImportResults.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

LotteryDefinition sixOf45WithOne()
{
    LotteryDefinition d;
    d.minNumber = 1;
    d.maxNumber = 45;
    d.drawNumber = 6;
    d.countOfAddBall = 1;
    return d;
}

} // namespace

TEST(ImportResults, RecordsKeepExactlyTheirFieldsAndBlankLinesGo)
{
    test::TempFolder dir;
    dir.writeLines(s("old.lot"), { s("9,01.01.2000,1,1,1,2,3,4,5,6,7") });
    dir.writeLines(s("source.txt"),
        { s("1 01.01.2005 A 1 1 2 3 4 5 6 7 jackpot 1000000"), QString(),
            s("  2;08.01.2005;;A;1;7 8 9 10 11 12 8  "), s(" , ; "), s("3 15.01.2005 A 2 4 5"), QString() });
    const MessageCatalog messages;
    const ImportResult result = importResults(
        dir.filePath(s("old.lot")), dir.filePath(s("source.txt")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.records, 2);
    // The short last line is no draw: skipped and counted, never written.
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(dir.readBytes(s("old.lot")),
        QByteArray("1,01.01.2005,A,1,1,2,3,4,5,6,7\r\n"
                   "2,08.01.2005,A,1,7,8,9,10,11,12,8\r\n"));

    // The load then shows the imported draws.
    const LoadResult loaded = loadBase(dir.filePath(s("old.lot")), sixOf45WithOne(), {}, messages);
    EXPECT_EQ(loaded.drawCount(), 2);
    EXPECT_EQ(loaded.draws.additional(1, 0), s("8"));
}

TEST(ImportResults, ShortFirstLineIsRefusedAndTheBaseKeepsItsBytes)
{
    test::TempFolder dir;
    const QByteArray base("9,01.01.2000,1,1,1,2,3,4,5,6,7\r\n8,-,-,-,1,2,3,4,5,6,7 without line end");
    dir.writeBytes(s("old.lot"), base);
    dir.writeLines(s("source.txt"), { s("Номер Дата Номера"), s("1 01.01.2005 A 1 1 2 3 4 5 6 7") });
    const ImportResult result = importResults(
        dir.filePath(s("old.lot")), dir.filePath(s("source.txt")), sixOf45WithOne(), MessageCatalog());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error,
        s("Формат файла ") + QDir::toNativeSeparators(dir.filePath(s("source.txt")))
            + s(" не подходит для импортирования результатов."));
    EXPECT_EQ(dir.readBytes(s("old.lot")), base);

    // An empty file has no first line worth importing either.
    dir.writeBytes(s("empty.txt"), QByteArray());
    EXPECT_FALSE(importResults(
        dir.filePath(s("old.lot")), dir.filePath(s("empty.txt")), sixOf45WithOne(), MessageCatalog())
                     .ok);
    EXPECT_EQ(dir.readBytes(s("old.lot")), base);
}

TEST(ImportResults, BaseImportedOntoItselfIsNormalisedInPlace)
{
    test::TempFolder dir;
    dir.writeBytes(
        s("loto.lot"), QByteArray("1 01.01.2005 A 1 1 2 3 4 5 6 7 x\n\n2;08.01.2005;A;1;7;8;9;10;11;12;8"));
    const QString base = dir.filePath(s("loto.lot"));
    const ImportResult result = importResults(base, base, sixOf45WithOne(), MessageCatalog());
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.records, 2);
    EXPECT_EQ(dir.readBytes(s("loto.lot")),
        QByteArray("1,01.01.2005,A,1,1,2,3,4,5,6,7\r\n2,08.01.2005,A,1,7,8,9,10,11,12,8\r\n"));
}

TEST(ImportResults, UnreadableSourceChangesNothing)
{
    test::TempFolder dir;
    dir.writeBytes(s("loto.lot"), QByteArray("1,-,-,-,1,2,3,4,5,6,7\r\n"));
    const ImportResult result = importResults(
        dir.filePath(s("loto.lot")), dir.filePath(s("nowhere.txt")), sixOf45WithOne(), MessageCatalog());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(s("Ошибка ввода-вывода: ")));
    EXPECT_EQ(dir.readBytes(s("loto.lot")), QByteArray("1,-,-,-,1,2,3,4,5,6,7\r\n"));
}

// Lines that are no draw of the lottery are skipped, counted and never written.

TEST(ImportResults, HeaderWrongCountAndOutOfRangeLinesAreSkippedAndCounted)
{
    test::TempFolder dir;
    dir.writeLines(s("old.lot"), { s("9,01.01.2000,1,1,1,2,3,4,5,6,7") });
    dir.writeLines(s("source.csv"),
        { s("Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6;Доп"), // line 1: a CSV header
            s("1;01.01.2005;A;1;1;2;3;4;5;6;7"), //
            s("2;08.01.2005;A;1;7;8;9;10;11;12"), // line 3: the additional number is missing
            s("3;15.01.2005;A;1;1;2;3;4;5;46;7"), // line 4: 46 is outside 1..45
            QString(), // blank lines are no draws and no skipped lines either
            s("4;22.01.2005;A;1;0;2;3;4;5;6;7"), // line 6: 0 is below 1
            s("5;29.01.2005;A;1;1;2;x;4;5;6;7"), // line 7: not a number
            s("6;05.02.2005;A;1;1;2;3;4;5;6;13"), // line 8: the additional range is 1..12
            s("7;12.02.2005;A;1;01;02;03;04;05;06;12;extra") });
    LotteryDefinition d = sixOf45WithOne();
    d.minnumberOfAddBall = 1;
    d.maxnumberOfAddBall = 12;
    const MessageCatalog messages;
    const ImportResult result
        = importResults(dir.filePath(s("old.lot")), dir.filePath(s("source.csv")), d, messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.records, 2);
    EXPECT_EQ(dir.readBytes(s("old.lot")),
        QByteArray("1,01.01.2005,A,1,1,2,3,4,5,6,7\r\n7,12.02.2005,A,1,01,02,03,04,05,06,12\r\n"));

    EXPECT_EQ(result.skipped, 6);
    EXPECT_EQ(result.skippedFor(ImportSkip::NotNumbers), 2);
    EXPECT_EQ(result.skippedFor(ImportSkip::WrongCount), 1);
    EXPECT_EQ(result.skippedFor(ImportSkip::OutOfRange), 3);
    // The first few skipped lines are kept to be shown, with their line numbers.
    ASSERT_EQ(result.firstSkipped.size(), kListedSkippedLines);
    EXPECT_EQ(result.firstSkipped.at(0).line, 1);
    EXPECT_EQ(result.firstSkipped.at(0).reason, ImportSkip::NotNumbers);
    EXPECT_EQ(result.firstSkipped.at(0).text, s("Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6;Доп"));
    EXPECT_EQ(result.firstSkipped.at(1).line, 3);
    EXPECT_EQ(result.firstSkipped.at(1).reason, ImportSkip::WrongCount);
    EXPECT_EQ(result.firstSkipped.at(2).line, 4);
    EXPECT_EQ(result.firstSkipped.at(2).reason, ImportSkip::OutOfRange);
    EXPECT_EQ(result.firstSkipped.at(4).line, 7);

    EXPECT_EQ(importSummaryText(result, messages),
        s("Прочитано розыгрышей: 2. Пропущено строк: 6 (на месте номеров не числа: 2, неверное количество "
          "номеров: 1, номера вне диапазона: 3)."));
    const QStringList details = importSkippedText(result, messages).split(QLatin1Char('\n'));
    ASSERT_EQ(details.size(), 1 + kListedSkippedLines);
    EXPECT_EQ(details.at(0), s("Первые пропущенные строки:"));
    EXPECT_EQ(details.at(1),
        s("строка 1 (на месте номеров не числа): Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6;Доп"));
    EXPECT_EQ(details.at(2), s("строка 3 (неверное количество номеров): 2;08.01.2005;A;1;7;8;9;10;11;12"));
    EXPECT_EQ(details.at(3), s("строка 4 (номера вне диапазона): 3;15.01.2005;A;1;1;2;3;4;5;46;7"));
}

TEST(ImportResults, NothingSkippedSaysOnlyTheCountAndNoDrawAtAllChangesNothing)
{
    test::TempFolder dir;
    const QByteArray base("9,01.01.2000,1,1,1,2,3,4,5,6,7\r\n");
    dir.writeBytes(s("old.lot"), base);
    dir.writeLines(s("good.txt"), { s("1 01.01.2005 A 1 1 2 3 4 5 6 7") });
    const MessageCatalog messages;
    ImportResult result
        = importResults(dir.filePath(s("old.lot")), dir.filePath(s("good.txt")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(importSummaryText(result, messages), s("Прочитано розыгрышей: 1."));
    EXPECT_EQ(importSkippedText(result, messages), QString());

    // A file of headers only would leave an empty base: refused, the base and its backup
    // keep their bytes.
    dir.writeBytes(s("old.lot"), base);
    const QByteArray backup = dir.readBytes(s("old.lot.bak"));
    dir.writeLines(s("headers.csv"),
        { s("Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6;Доп"), s("Номер;Дата;Л;К;a;b;c;d;e;f;g") });
    result = importResults(
        dir.filePath(s("old.lot")), dir.filePath(s("headers.csv")), sixOf45WithOne(), messages);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(
        result.error.startsWith(s("В файле ") + QDir::toNativeSeparators(dir.filePath(s("headers.csv")))))
        << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(s("строка 1 (на месте номеров не числа)")))
        << result.error.toStdString();
    EXPECT_EQ(dir.readBytes(s("old.lot")), base);
    EXPECT_EQ(dir.readBytes(s("old.lot.bak")), backup);
}

// The replaced base is kept beside it.

TEST(ImportResults, ReplacedBaseIsKeptAsBackupTheLastOneEachTime)
{
    test::TempFolder dir;
    const QByteArray first("9,01.01.2000,1,1,1,2,3,4,5,6,7\r\n");
    dir.writeBytes(s("loto.lot"), first);
    dir.writeLines(s("a.txt"), { s("1 01.01.2005 A 1 1 2 3 4 5 6 7") });
    dir.writeLines(s("b.txt"), { s("2 08.01.2005 A 1 7 8 9 10 11 12 8") });
    const QString base = dir.filePath(s("loto.lot"));
    const MessageCatalog messages;

    ImportResult result = importResults(base, dir.filePath(s("a.txt")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.backupPath, dir.filePath(s("loto.lot.bak")));
    EXPECT_EQ(importBackupPath(base), dir.filePath(s("loto.lot.bak")));
    EXPECT_EQ(dir.readBytes(s("loto.lot.bak")), first);
    const QByteArray second = dir.readBytes(s("loto.lot"));

    result = importResults(base, dir.filePath(s("b.txt")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(dir.readBytes(s("loto.lot.bak")), second);
    EXPECT_EQ(dir.readBytes(s("loto.lot")), QByteArray("2,08.01.2005,A,1,7,8,9,10,11,12,8\r\n"));

    // Importing the backup brings the previous base back; the replaced one becomes the backup.
    result = importResults(base, dir.filePath(s("loto.lot.bak")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(dir.readBytes(s("loto.lot")), second);
    EXPECT_EQ(dir.readBytes(s("loto.lot.bak")), QByteArray("2,08.01.2005,A,1,7,8,9,10,11,12,8\r\n"));
}

TEST(ImportResults, NoBackupOfAMissingOrEmptyBaseAndAnUnwritableBackupStopsTheImport)
{
    test::TempFolder dir;
    dir.writeLines(s("a.txt"), { s("1 01.01.2005 A 1 1 2 3 4 5 6 7") });
    const MessageCatalog messages;
    // A missing base: nothing to keep, and an older backup is not touched.
    dir.writeBytes(s("new.lot.bak"), QByteArray("older\r\n"));
    ImportResult result
        = importResults(dir.filePath(s("new.lot")), dir.filePath(s("a.txt")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.backupPath.isEmpty());
    EXPECT_EQ(dir.readBytes(s("new.lot.bak")), QByteArray("older\r\n"));
    // An empty base never replaces a backup that holds draws.
    dir.writeBytes(s("new.lot"), QByteArray());
    result = importResults(dir.filePath(s("new.lot")), dir.filePath(s("a.txt")), sixOf45WithOne(), messages);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(dir.readBytes(s("new.lot.bak")), QByteArray("older\r\n"));

    // A backup that cannot be written: the base is not replaced.
    const QByteArray base("9,01.01.2000,1,1,1,2,3,4,5,6,7\r\n");
    dir.writeBytes(s("held.lot"), base);
    ASSERT_TRUE(QDir(dir.path()).mkdir(s("held.lot.bak"))); // a folder where the backup would go
    result = importResults(dir.filePath(s("held.lot")), dir.filePath(s("a.txt")), sixOf45WithOne(), messages);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(s("Ошибка ввода-вывода: "))) << result.error.toStdString();
    EXPECT_EQ(dir.readBytes(s("held.lot")), base);
}

TEST(ImportResults, QuestionAndSummaryNameTheCountsAndTheBackup)
{
    const MessageCatalog messages;
    const QString question = importReplaceQuestion(1738, s("/data/6x45.lot"), messages);
    EXPECT_TRUE(question.startsWith(
        s("База текущей лотереи из 1738 розыгрышей будет заменена; прежняя база сохранится в файле "
          "«6x45.lot.bak».")))
        << question.toStdString();
    EXPECT_TRUE(question.endsWith(messages("Str69")));

    ImportResult result;
    result.ok = true;
    result.records = 3;
    result.backupPath = s("/data/6x45.lot.bak");
    // The status line tells the counts only; the backup is named by the question.
    EXPECT_EQ(importSummaryText(result, messages), s("Прочитано розыгрышей: 3."));
}

// What the add dialog refuses is no draw to import either: repeated numbers would be
// counted twice in every statistic, and a control character would reach the terminal
// of whoever prints the base.
TEST(ImportResults, LinesAddWouldRefuseAreSkippedAndCountedByReason)
{
    test::TempFolder dir;
    dir.writeLines(s("old.lot"), { s("9,01.01.2000,1,1,1,2,3,4,5,6,7") });
    dir.writeLines(s("source.txt"),
        { s("1;01.01.2005;A;1;1;2;3;4;5;6;7"), //
            s("2;08.01.2005;A;1;5;5;5;5;5;5;7"), // line 2: one number six times
            s("3;notadate;A;1;1;2;3;4;5;6;7"), // line 3
            s("4;99.99.9999;A;1;1;2;3;4;5;6;7"), // line 4
            s("5;15.01.2005;A\x1b[31m;1;1;2;3;4;5;6;7"), // line 5: an escape sequence
            s("6;22.01.2005;A\u2028B;1;1;2;3;4;5;6;7"), // line 6: a line separator
            s("7;29.01.2005;A;1;1;2;3;4;5;6;05;2"), // an additional number equal to a main one
            s("8;-;A;1;1;2;3;4;5;6;1"), // an unknown date
            s("9;05.02.2005;A;1;1;2;3;4;5;6;9;\x07") }); // a control character after the record
    const MessageCatalog messages;
    LotteryDefinition d = sixOf45WithOne();
    d.minnumberOfAddBall = 1;
    d.maxnumberOfAddBall = 9;
    const ImportResult result
        = importResults(dir.filePath(s("old.lot")), dir.filePath(s("source.txt")), d, messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(dir.readLines(s("old.lot")),
        QStringList({ s("1,01.01.2005,A,1,1,2,3,4,5,6,7"), s("7,29.01.2005,A,1,1,2,3,4,5,6,05"),
            s("8,-,A,1,1,2,3,4,5,6,1"), s("9,05.02.2005,A,1,1,2,3,4,5,6,9") }));
    EXPECT_EQ(result.skipped, 5);
    EXPECT_EQ(result.skippedFor(ImportSkip::Repeated), 1);
    EXPECT_EQ(result.skippedFor(ImportSkip::NotADate), 2);
    EXPECT_EQ(result.skippedFor(ImportSkip::ControlCharacter), 2);
    ASSERT_EQ(result.firstSkipped.size(), 5);
    EXPECT_EQ(result.firstSkipped.at(0).line, 2);
    EXPECT_EQ(result.firstSkipped.at(0).reason, ImportSkip::Repeated);
    EXPECT_EQ(result.firstSkipped.at(3).reason, ImportSkip::ControlCharacter);

    EXPECT_EQ(importSummaryText(result, messages),
        s("Прочитано розыгрышей: 4. Пропущено строк: 5 (номера повторяются: 1, дата не является датой: 2, "
          "управляющие символы в полях: 2)."));
    // A repeated additional number is refused as in the add dialog.
    LotteryDefinition two = sixOf45WithOne();
    two.countOfAddBall = 2;
    two.minnumberOfAddBall = 1;
    two.maxnumberOfAddBall = 9;
    EXPECT_EQ(recordFault(QStringList { s("1"), s("-"), s("A"), s("1"), s("1"), s("2"), s("3"), s("4"),
                              s("5"), s("6"), s("4"), s("4") },
                  two),
        DrawFault::Repeated);
}

TEST(ImportResults, ASourceLargerThanABaseMayBeIsRefusedBeforeTheBaseIsTouched)
{
    test::TempFolder dir;
    const QByteArray base("9,01.01.2000,1,1,1,2,3,4,5,6,7\r\n8,01.01.2000,1,1,1,2,3,4,5,6,7\r\n");
    dir.writeBytes(s("old.lot"), base);
    dir.writeLines(s("source.txt"),
        { s("1 01.01.2005 A 1 1 2 3 4 5 6 7"), s("2 08.01.2005 A 1 1 2 3 4 5 6 7"),
            s("3 15.01.2005 A 1 1 2 3 4 5 6 7") });
    const MessageCatalog messages;
    const QString basePath = dir.filePath(s("old.lot"));
    const ImportResult refused
        = importResults(basePath, dir.filePath(s("source.txt")), sixOf45WithOne(), messages, /*lineLimit=*/2);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(
        refused.error, messages("Str442").arg(textfile::describeError(basePath, messages("Str160").arg(2))));
    EXPECT_EQ(dir.readBytes(s("old.lot")), base);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("old.lot.bak"))));

    EXPECT_TRUE(
        importResults(basePath, dir.filePath(s("source.txt")), sixOf45WithOne(), messages, /*lineLimit=*/3)
            .ok);
}
