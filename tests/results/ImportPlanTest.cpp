// An import planned and written in one go, as the window's preview does it: the plan
// counts what the write then does, a replace the user set nothing for takes the file
// as the base's own records first, and a refused plan writes nothing.

#include "results/import/ImportPlan.h"
#include "ImportTestFiles.h"
#include "results/ResultsLoad.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::importFile;
using kivora::test::s;
using kivora::test::texts;

namespace {

PlannedImport planAgainst(const QString &basePath, const QString &source, const LotteryDefinition &definition,
    bool merge, const ImportSettings &settings = {})
{
    const MessageCatalog messages;
    const LoadResult base = loadBase(basePath, definition, {}, messages);
    EXPECT_TRUE(base.ok) << base.error.toStdString();
    return planImport(source, definition, settings, { base.draws, base.drawCount(), merge }, messages);
}

} // namespace

TEST(ImportPlan, TheMergePlannedIsTheMergeWrittenAndTheOtherWayNeedsNoSecondRead)
{
    test::TempFolder dir;
    const QString base = dir.filePath(s("c4l.lot"));
    dir.writeLines(s("c4l.lot"), texts({ "1,16.06.2014,-,-,15,21,31,39,56,4" }));
    const MessageCatalog messages;
    PlannedImport planned = planAgainst(base, importFile("ny_cash4life.csv"), test::cash4Life(), true);
    ASSERT_TRUE(planned.ok()) << planned.file.message.toStdString();
    EXPECT_EQ(planned.plan.fresh, 2);
    EXPECT_EQ(planned.plan.duplicates, 1);

    // The same draws planned as a replace: all are new, and back again.
    const LoadResult loaded = loadBase(base, test::cash4Life(), {}, messages);
    replanImport(&planned, { loaded.draws, loaded.drawCount(), false });
    EXPECT_FALSE(planned.merge);
    EXPECT_EQ(planned.plan.fresh, 3);
    EXPECT_EQ(planned.plan.baseBefore, 1);
    replanImport(&planned, { loaded.draws, loaded.drawCount(), true });
    EXPECT_EQ(planned.plan.fresh, 2);

    // Records first applies to a replace only.
    const ImportResult result = runPlannedImport(base, planned, test::cash4Life(), true, messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(dir.readLines(s("c4l.lot")),
        texts({ "1,16.06.2014,-,-,15,21,31,39,56,4", "2,19.06.2014,-,-,6,12,41,47,54,2",
            "3,23.06.2014,-,-,3,18,25,40,60,1" }));
    EXPECT_FALSE(QFileInfo::exists(base + s(".bak")));
}

TEST(ImportPlan, AReplaceWithNothingSetTakesTheFileAsRecordsFirst)
{
    test::TempFolder dir;
    const QString base = dir.filePath(s("6x45.lot"));
    dir.writeLines(s("6x45.lot"), texts({ "1,01.01.2005,-,-,1,2,3,4,5,6" }));
    // The program's own records under a header line of the same width.
    dir.writeLines(s("import.csv"),
        texts({ "Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6", "7;01.02.2005;2;3;1;2;3;4;5;6",
            "8;08.02.2005;2;3;7;8;9;10;11;12" }));
    const LotteryDefinition definition = test::lottery("6 из 45", 45, 6);
    const MessageCatalog messages;
    const PlannedImport planned = planAgainst(base, dir.filePath(s("import.csv")), definition, false);
    ASSERT_TRUE(planned.ok()) << planned.file.message.toStdString();

    const ImportResult records = runPlannedImport(base, planned, definition, true, messages);
    ASSERT_TRUE(records.ok) << records.error.toStdString();
    EXPECT_EQ(records.skipped, 1);
    EXPECT_EQ(dir.readLines(s("6x45.lot")),
        texts({ "7,01.02.2005,2,3,1,2,3,4,5,6", "8,08.02.2005,2,3,7,8,9,10,11,12" }));
    EXPECT_EQ(dir.readLines(s("6x45.lot.bak")), texts({ "1,01.01.2005,-,-,1,2,3,4,5,6" }));

    // By layout: the same draws.
    const ImportResult layout = runPlannedImport(base, planned, definition, false, messages);
    ASSERT_TRUE(layout.ok) << layout.error.toStdString();
    EXPECT_EQ(layout.records, 2);
    EXPECT_EQ(dir.readLines(s("6x45.lot")).size(), 2);
}

TEST(ImportPlan, ARefusedPlanWritesNothing)
{
    test::TempFolder dir;
    const QString base = dir.filePath(s("a36.lot"));
    dir.writeLines(s("a36.lot"), texts({ "1,01.01.2020,-,-,1,2,3,4,5" }));
    const QByteArray before = dir.readBytes(s("a36.lot"));
    const LotteryDefinition definition = test::lottery("A36", 36, 5);
    const MessageCatalog messages;
    for (const bool merge : { true, false }) {
        const PlannedImport planned = planAgainst(base, importFile("ambiguous_dates.csv"), definition, merge);
        ASSERT_EQ(planned.file.refusal, ImportRefusal::AmbiguousDates);
        EXPECT_EQ(planned.plan.fresh, 0);
        const ImportResult result = runPlannedImport(base, planned, definition, false, messages);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, planned.file.message);
        EXPECT_EQ(dir.readBytes(s("a36.lot")), before);
    }
}
