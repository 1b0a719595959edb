// Layouts of delimited text: quoted fields, tabs, runs of blanks, no header, numbers
// packed with other separators.

#include "ImportTestFiles.h"
#include "results/import/ColumnMap.h"
#include "results/import/ImportRows.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::drawTexts;
using kivora::test::texts;

TEST(ImportLayout, QuotedFieldsKeepTheirDelimitersAndQuotes)
{
    EXPECT_EQ(splitDelimited(u"\"Tue. Jun 16, 2020\",\"1,2,3\" , x ,\"say \"\"hi\"\"\",", QLatin1Char(',')),
        texts({ "Tue. Jun 16, 2020", "1,2,3", "x", "say \"hi\"", "" }));
    EXPECT_EQ(splitDelimited(u"  a \t b   c ", QLatin1Char(' ')), texts({ "a", "b", "c" }));
    EXPECT_EQ(splitFixed(u" 8501  Jun 15  16 19", { { 0, 7 }, { 7, 15 }, { 15, 1 << 20 } }),
        texts({ "8501", "Jun 15", "16 19" }));
}

TEST(ImportLayout, CommaTabAndBlankSeparatedFilesGiveTheSameDraws)
{
    const LotteryDefinition five = test::lottery("5 of 36", 36, 5);
    const QStringList expected = texts({ "2020-06-14 12 3,1,2,36,7", "2020-06-15 13 5,4,9,8,33" });
    const std::vector<QStringList> files = {
        texts({ "Draw,Draw Date,Numbers", "13,\"Mon. Jun 15, 2020\",\"5,4,9,8,33\"",
            "12,\"Sun. Jun 14, 2020\",\"3,1,2,36,7\"" }),
        texts({ "Nr\tDatum\tZahl 1\tZahl 2\tZahl 3\tZahl 4\tZahl 5", "12\t14.06.2020\t3\t1\t2\t36\t7",
            "13\t15.06.2020\t5\t4\t9\t8\t33" }),
        texts({ "No   Date        N1 N2 N3 N4 N5", "12   2020-06-14   3  1  2 36  7",
            "13   2020-06-15   5  4  9  8 33" }),
        texts({ "12 14.06.2020 3-1-2-36-7", "13 15.06.2020 5-4-9-8-33" }),
        texts({ "Draw  Draw Date    Numbers", " 12   06/14/2020   3  1  2 36  7",
            " 13   06/15/2020   5  4  9  8 33" }),
    };
    test::TempFolder dir;
    for (size_t i = 0; i < files.size(); ++i) {
        const QString name = QStringLiteral("f%1.txt").arg(i);
        dir.writeLines(name, files[i]);
        const ImportFileRead r = test::readFile(dir.filePath(name), five);
        ASSERT_TRUE(r.ok()) << i << r.message.toStdString();
        EXPECT_EQ(drawTexts(r.read.draws), expected)
            << i << columnMapText(r.format.columns, r.format.headerNames).toStdString();
    }
}
