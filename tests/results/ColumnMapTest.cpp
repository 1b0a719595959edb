// The column list a user writes for a file the detection is not sure of.

#include "results/import/ColumnMap.h"
#include "ImportTestFiles.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::drawTexts;
using kivora::test::importFile;
using kivora::test::readFile;
using kivora::test::texts;

TEST(ColumnMap, NamesPositionsRunsAndPackedSlicesResolveAgainstTheHeader)
{
    const MessageCatalog messages;
    const QStringList header
        = texts({ "Draw Date", "Winning Numbers", "boule_1", "boule_2", "boule_3", "Extra" });
    struct Case
    {
        const char *columnMap;
        ColumnMapping expected;
    };
    ColumnMapping packed;
    packed.date = 0;
    packed.main = { ColumnGroup { { 1 }, 1, 5 } };
    packed.additional = { ColumnGroup { { 1 }, 6, 6 } };
    ColumnMapping run;
    run.number = 5;
    run.main = { ColumnGroup { { 2, 3, 4 }, 0, 0 } };
    for (const Case &c :
        { Case { "main=\"Winning Numbers\"[1-5],additional=\"Winning Numbers\"[6],date=Draw Date", packed },
            Case { "date=\"draw date\", main=winning numbers[1-5], additional=2[6]", packed },
            Case { "main=boule_1..boule_3,number=\"EXTRA\"", run }, Case { "main=3-5,number=6", run },
            Case { "main=3..5,number=6", run } }) {
        const ColumnMap columnMap = parseColumnMap(QString::fromUtf8(c.columnMap), messages);
        ASSERT_TRUE(columnMap.ok) << c.columnMap << columnMap.message.toStdString();
        const MappingResult mapped = resolveColumnMap(columnMap, header, 6, messages);
        ASSERT_TRUE(mapped.ok) << c.columnMap << mapped.message.toStdString();
        EXPECT_TRUE(mapped.mapping == c.expected) << c.columnMap;
        // The text of a mapping reads back to the same mapping.
        const ColumnMap again = parseColumnMap(columnMapText(mapped.mapping, header), messages);
        EXPECT_TRUE(resolveColumnMap(again, header, 6, messages).mapping == c.expected)
            << columnMapText(mapped.mapping, header).toStdString();
    }
    for (const char *bad : { "main=7", "main=Nothing", "main=2[3-1]", "ball=2", "main", "main=", "date=1" }) {
        const ColumnMap columnMap = parseColumnMap(QString::fromUtf8(bad), messages);
        EXPECT_FALSE(columnMap.ok && resolveColumnMap(columnMap, header, 6, messages).ok) << bad;
    }
}

TEST(ColumnMap, AGivenListOverridesTheDetectedColumns)
{
    // Powerball's five white balls and the Power Ball packed in one field, "10 31 41 63 1 18".
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("pb.csv"),
        texts({ "Draw Date,Winning Numbers,Multiplier", "06/16/2020,10 31 41 63 01 18,3",
            "06/13/2020,02 12 32 50 65 05,2" }));
    const ImportFileRead detected = readFile(dir.filePath(QStringLiteral("pb.csv")), test::powerball());
    ASSERT_TRUE(detected.ok()) << detected.message.toStdString();
    EXPECT_EQ(columnMapText(detected.format.columns, detected.format.headerNames),
        QStringLiteral("date=\"Draw Date\",main=\"Winning Numbers\"[1-5],additional=\"Winning Numbers\"[6]"));

    ImportSettings settings;
    settings.columns = QStringLiteral("date=1,main=\"Winning Numbers\"[2-6],additional=2[1]");
    const ImportFileRead given
        = readFile(dir.filePath(QStringLiteral("pb.csv")), test::powerball(), settings);
    ASSERT_TRUE(given.ok()) << given.message.toStdString();
    EXPECT_EQ(drawTexts(given.read.draws),
        texts({ "2020-06-13 -1 12,32,50,65,5|2", "2020-06-16 -1 31,41,63,1,18|10" }));
}
