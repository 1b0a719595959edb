#include "results/ImportResults.h"

#include "core/MessageCatalog.h"
#include "results/ResultsLoad.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

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
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(dir.readBytes(s("old.lot")),
        QByteArray("1,01.01.2005,A,1,1,2,3,4,5,6,7\r\n"
                   "2,08.01.2005,A,1,7,8,9,10,11,12,8\r\n"
                   "3,15.01.2005,A,2,4,5\r\n"));

    // The load then shows the imported draws.
    const LoadResult loaded = loadBase(dir.filePath(s("old.lot")), sixOf45WithOne(), {}, messages);
    EXPECT_EQ(loaded.drawCount(), 3);
    EXPECT_EQ(loaded.draws.additional(1, 0), s("8"));
}

TEST(ImportResults, ShortFirstLineIsRefusedAndTheBaseKeepsItsBytes)
{
    test::TempFolder dir;
    const QByteArray base("9,01.01.2000,1,1,1,2,3,4,5,6,7\r\n8 without line end");
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
    dir.writeBytes(s("loto.lot"), QByteArray("keep\r\n"));
    const ImportResult result = importResults(
        dir.filePath(s("loto.lot")), dir.filePath(s("nowhere.txt")), sixOf45WithOne(), MessageCatalog());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(s("Ошибка ввода-вывода: ")));
    EXPECT_EQ(dir.readBytes(s("loto.lot")), QByteArray("keep\r\n"));
}
