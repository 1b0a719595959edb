// Merging an operator's draws into a base: only what the base lacks is added, in date
// order, and a draw that disagrees with the base is reported and never written.

#include "results/import/ImportMerge.h"
#include "ImportTestFiles.h"
#include "core/ShortDate.h"
#include "results/ResultsLoad.h"
#include "results/import/ImportReport.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::importFile;
using kivora::test::readFile;
using kivora::test::texts;

namespace {

struct Merged
{
    MergePlan plan;
    ImportWrite write;
};

// Reads the source, plans against the base as it is on disk and writes the plan.
Merged mergeFile(
    const QString &basePath, const QString &source, const LotteryDefinition &definition, bool write = true)
{
    const MessageCatalog messages;
    const ImportFileRead read = readFile(source, definition);
    EXPECT_TRUE(read.ok()) << read.message.toStdString();
    const LoadResult base = loadBase(basePath, definition, {}, messages);
    EXPECT_TRUE(base.ok) << base.error.toStdString();
    Merged merged;
    merged.plan = planMerge(base.draws, read.read.draws);
    if (write)
        merged.write = writeMerge(basePath, merged.plan, read.read.draws, definition, messages);
    return merged;
}

QString d(int year, int month, int day)
{
    return shortDate(QDate(year, month, day));
}

} // namespace

TEST(ImportMerge, MergingTheSameFileTwiceAddsNothingTheSecondTime)
{
    test::TempFolder dir;
    const QString base = dir.filePath(QStringLiteral("c4l.lot"));
    const Merged first = mergeFile(base, importFile("ny_cash4life.csv"), test::cash4Life());
    ASSERT_TRUE(first.write.ok) << first.write.message.toStdString();
    EXPECT_EQ(first.plan.fresh, 3);
    EXPECT_FALSE(first.plan.rewrite);
    const QByteArray written = dir.readBytes(QStringLiteral("c4l.lot"));
    EXPECT_EQ(dir.readLines(QStringLiteral("c4l.lot")),
        QStringList({ QStringLiteral("1,") + d(2014, 6, 16) + QStringLiteral(",-,-,15,21,31,39,56,4"),
            QStringLiteral("2,") + d(2014, 6, 19) + QStringLiteral(",-,-,6,12,41,47,54,2"),
            QStringLiteral("3,") + d(2014, 6, 23) + QStringLiteral(",-,-,3,18,25,40,60,1") }));

    const Merged second = mergeFile(base, importFile("ny_cash4life.csv"), test::cash4Life());
    ASSERT_TRUE(second.write.ok);
    EXPECT_EQ(second.plan.fresh, 0);
    EXPECT_EQ(second.plan.duplicates, 3);
    EXPECT_EQ(second.plan.conflicts, 0);
    EXPECT_EQ(second.plan.baseBefore, 3);
    EXPECT_EQ(second.plan.baseAfter, 3);
    EXPECT_EQ(dir.readBytes(QStringLiteral("c4l.lot")), written);
}

TEST(ImportMerge, MergingIntoTheFirstHalfAddsExactlyTheSecondHalf)
{
    test::TempFolder dir;
    const QStringList rows = texts({ "Draw Date,Winning Numbers,Cash Ball", "06/16/2014,15 21 31 39 56,04",
        "06/19/2014,06 12 41 47 54,02", "06/23/2014,03 18 25 40 60,01", "06/26/2014,01 02 03 04 05,03" });
    dir.writeLines(QStringLiteral("half.csv"), rows.mid(0, 3));
    dir.writeLines(QStringLiteral("all.csv"), rows);
    const QString base = dir.filePath(QStringLiteral("c4l.lot"));
    ASSERT_TRUE(mergeFile(base, dir.filePath(QStringLiteral("half.csv")), test::cash4Life()).write.ok);
    const QStringList half = dir.readLines(QStringLiteral("c4l.lot"));

    const Merged all = mergeFile(base, dir.filePath(QStringLiteral("all.csv")), test::cash4Life());
    ASSERT_TRUE(all.write.ok) << all.write.message.toStdString();
    EXPECT_EQ(all.plan.fresh, 2);
    EXPECT_EQ(all.plan.duplicates, 2);
    EXPECT_FALSE(all.plan.rewrite);
    EXPECT_TRUE(all.write.backupPath.isEmpty());
    EXPECT_EQ(all.plan.firstDate, QDate(2014, 6, 16));
    EXPECT_EQ(all.plan.lastDate, QDate(2014, 6, 26));
    const QStringList after = dir.readLines(QStringLiteral("c4l.lot"));
    ASSERT_EQ(after.size(), 4);
    EXPECT_EQ(after.mid(0, 2), half);
    // Numbered on after the base's last draw.
    EXPECT_EQ(after.at(3), QStringLiteral("4,") + d(2014, 6, 26) + QStringLiteral(",-,-,1,2,3,4,5,3"));
}

TEST(ImportMerge, AConflictIsReportedAndNeverWritten)
{
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("c4l.lot"),
        { QStringLiteral("7,") + d(2014, 6, 19) + QStringLiteral(",-,-,6,12,41,47,55,2") });
    const QString base = dir.filePath(QStringLiteral("c4l.lot"));
    const Merged merged = mergeFile(base, importFile("ny_cash4life.csv"), test::cash4Life());
    ASSERT_TRUE(merged.write.ok) << merged.write.message.toStdString();
    EXPECT_EQ(merged.plan.conflicts, 1);
    ASSERT_EQ(merged.plan.firstConflicts.size(), 1);
    EXPECT_EQ(merged.plan.firstConflicts.front().date, QDate(2014, 6, 19));
    EXPECT_EQ(merged.plan.firstConflicts.front().baseNumbers, QStringLiteral("6,12,41,47,55 + 2"));
    EXPECT_EQ(merged.plan.firstConflicts.front().importedNumbers, QStringLiteral("6,12,41,47,54 + 2"));
    EXPECT_EQ(merged.plan.fresh, 2);
    const MessageCatalog messages;
    EXPECT_EQ(mergeSummaryText(merged.plan, messages),
        QString::fromUtf8("Новых розыгрышей: 2, уже в базе: 0, конфликтов: 1."));
    EXPECT_EQ(mergeConflictsText(merged.plan, messages),
        QString::fromUtf8("Конфликт: ") + d(2014, 6, 19)
            + QString::fromUtf8(" — в базе 6,12,41,47,55 + 2, в файле 6,12,41,47,54 + 2 (строка 3)"));
    const QStringList lines = dir.readLines(QStringLiteral("c4l.lot"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("6,12,41,47,54")));
}

TEST(ImportMerge, ADrawBetweenExistingOnesRewritesTheBaseInDateOrderWithABackup)
{
    test::TempFolder dir;
    const QStringList old
        = { QStringLiteral("127,") + d(2017, 10, 21) + QStringLiteral(",-,-,1,2,3,4,5,6,7,8"),
              QStringLiteral("130,") + d(2017, 10, 28) + QStringLiteral(",-,-,17,15,7,5,14,7,9,4") };
    dir.writeLines(QStringLiteral("4x20.lot"), old);
    const QByteArray oldBytes = dir.readBytes(QStringLiteral("4x20.lot"));
    const QString base = dir.filePath(QStringLiteral("4x20.lot"));
    const Merged merged = mergeFile(base, importFile("ru_4x20.txt"), test::fourOf20());
    ASSERT_TRUE(merged.write.ok) << merged.write.message.toStdString();
    EXPECT_TRUE(merged.plan.rewrite);
    EXPECT_EQ(merged.plan.fresh, 2);
    EXPECT_EQ(merged.plan.duplicates, 1);
    EXPECT_EQ(merged.write.backupPath, base + QStringLiteral(".bak"));
    EXPECT_EQ(dir.readBytes(QStringLiteral("4x20.lot.bak")), oldBytes);
    EXPECT_EQ(dir.readLines(QStringLiteral("4x20.lot")),
        QStringList({ old.at(0),
            QStringLiteral("128,") + d(2017, 10, 23) + QStringLiteral(",-,-,19,8,15,4,9,3,10,11"),
            QStringLiteral("129,") + d(2017, 10, 25) + QStringLiteral(",-,-,16,8,12,17,4,1,19,5"),
            old.at(1) }));
}

TEST(ImportMerge, TwoDrawsOfADayAreTwoDrawsNotAConflict)
{
    test::TempFolder dir;
    // The base holds the midday draw of 14 February.
    dir.writeLines(QStringLiteral("take5.lot"),
        { QStringLiteral("1,") + d(2021, 2, 14) + QStringLiteral(",-,-,3,10,17,29,33") });
    const QString base = dir.filePath(QStringLiteral("take5.lot"));
    const Merged merged = mergeFile(base, importFile("ny_take5.csv"), test::take5());
    ASSERT_TRUE(merged.write.ok);
    EXPECT_EQ(merged.plan.duplicates, 1);
    EXPECT_EQ(merged.plan.conflicts, 0);
    EXPECT_EQ(merged.plan.fresh, 4);
    const QStringList lines = dir.readLines(QStringLiteral("take5.lot"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines.at(0).contains(d(2020, 12, 31)));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("1,")));
    EXPECT_TRUE(lines.at(2).endsWith(QStringLiteral(",2,8,13,22,31,")));
    EXPECT_TRUE(lines.at(4).endsWith(QStringLiteral(",4,11,19,23,39,")));
}

TEST(ImportMerge, ReplaceWritesEveryDrawAndKeepsTheOldBase)
{
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("em.lot"), { QStringLiteral("1,01.01.2004,-,-,1,2,3,4,5,1,2") });
    const QString base = dir.filePath(QStringLiteral("em.lot"));
    const MessageCatalog messages;
    const ImportFileRead read = readFile(importFile("fdj_euromillions_bom.csv"), test::euroMillions());
    ASSERT_TRUE(read.ok());
    const MergePlan plan = planReplace(1, read.read.draws);
    const ImportWrite written = writeReplace(base, plan, read.read.draws, test::euroMillions(), messages);
    ASSERT_TRUE(written.ok) << written.message.toStdString();
    EXPECT_EQ(dir.readLines(QStringLiteral("em.lot.bak")),
        QStringList({ QStringLiteral("1,01.01.2004,-,-,1,2,3,4,5,1,2") }));
    EXPECT_EQ(dir.readLines(QStringLiteral("em.lot")).first(),
        QStringLiteral("2020083,") + d(2020, 10, 16) + QStringLiteral(",-,-,30,1,45,22,8,1,12"));
}

TEST(ImportMerge, TheProgramsOwnRecordsMergeWithTheirMachineAndBallSet)
{
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("own.txt"),
        texts({ "5,03.01.2005,A,2,1,2,3,4,5,6", "6,10.01.2005,B,1,7,8,9,10,11,12",
            "7,-,-,-,13,14,15,16,17,18" }));
    dir.writeLines(QStringLiteral("6x45.lot"), texts({ "5,03.01.2005,A,2,1,2,3,4,5,6" }));
    const LotteryDefinition sixOf45 = test::lottery("6 из 45", 45, 6);
    const ImportFileRead read = readFile(dir.filePath(QStringLiteral("own.txt")), sixOf45);
    ASSERT_TRUE(read.ok()) << read.message.toStdString();
    EXPECT_EQ(read.format.kind, ImportKind::Native);
    const Merged merged = mergeFile(
        dir.filePath(QStringLiteral("6x45.lot")), dir.filePath(QStringLiteral("own.txt")), sixOf45);
    ASSERT_TRUE(merged.write.ok) << merged.write.message.toStdString();
    EXPECT_EQ(merged.plan.fresh, 2);
    EXPECT_EQ(dir.readLines(QStringLiteral("6x45.lot")),
        QStringList({ QStringLiteral("5,03.01.2005,A,2,1,2,3,4,5,6"),
            QStringLiteral("6,") + d(2005, 1, 10) + QStringLiteral(",B,1,7,8,9,10,11,12,"),
            QStringLiteral("7,-,-,-,13,14,15,16,17,18,") }));
}

TEST(ImportMerge, ABaseThatIsNoBaseIsLeftAlone)
{
    test::TempFolder dir;
    const QByteArray letter("Dear friend,\r\nthe weather is fine.\r\n");
    dir.writeBytes(QStringLiteral("notes.txt"), letter);
    const Merged merged = mergeFile(
        dir.filePath(QStringLiteral("notes.txt")), importFile("ny_cash4life.csv"), test::cash4Life());
    EXPECT_FALSE(merged.write.ok);
    EXPECT_FALSE(merged.write.message.isEmpty());
    EXPECT_EQ(dir.readBytes(QStringLiteral("notes.txt")), letter);
}
