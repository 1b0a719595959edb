// A lottery's import profile in kivora.INI: absent by default, kept as written, used
// by the next import unless the user sets otherwise.

#include "results/import/ImportProfile.h"
#include "ImportTestFiles.h"
#include "core/IniFile.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::importFile;
using kivora::test::texts;

TEST(ImportProfile, AbsentByDefaultAndTheRestOfTheSectionUntouched)
{
    test::TempFolder dir;
    dir.writeLines(
        QStringLiteral("kivora.INI"), texts({ "[Take 5]", "MinNumber=1", "MaxNumber=39", "DrawNumber=5" }));
    IniFile ini(dir.filePath(QStringLiteral("kivora.INI")));
    EXPECT_TRUE(readImportProfile(ini.load(), QStringLiteral("Take 5")).isEmpty());

    ImportSettings settings;
    settings.encoding = QStringLiteral("windows-1251");
    settings.delimiter = QStringLiteral(";");
    settings.header = 0;
    settings.columns = QStringLiteral("date=\"Draw Date\",main=\"Winning Numbers\"[1-5]");
    settings.dateFormat = QStringLiteral("mm/dd/yyyy");
    settings.since = QStringLiteral("31.10.2017");
    ASSERT_TRUE(saveImportProfile(ini, QStringLiteral("Take 5"), settings).ok());
    const ImportSettings back = readImportProfile(ini.load(), QStringLiteral("Take 5"));
    EXPECT_EQ(back.encoding, settings.encoding);
    EXPECT_EQ(back.delimiter, settings.delimiter);
    EXPECT_EQ(back.header, 0);
    EXPECT_EQ(back.columns, settings.columns);
    EXPECT_EQ(back.dateFormat, settings.dateFormat);
    EXPECT_EQ(back.since, settings.since);
    EXPECT_EQ(ini.load().readInteger(QStringLiteral("Take 5"), QStringLiteral("MaxNumber"), 0), 39);

    // Cleared values remove their keys.
    ASSERT_TRUE(saveImportProfile(ini, QStringLiteral("Take 5"), {}).ok());
    EXPECT_EQ(ini.load().keys(QStringLiteral("Take 5")), texts({ "MinNumber", "MaxNumber", "DrawNumber" }));
}

TEST(ImportProfile, TheSavedProfileIsUsedNextTimeUnlessOverridden)
{
    test::TempFolder dir;
    IniFile ini(dir.filePath(QStringLiteral("kivora.INI")));
    const LotteryDefinition five = test::lottery("5 of 36", 36, 5);
    ImportSettings saved;
    saved.dateFormat = QStringLiteral("dd/mm/yyyy");
    ASSERT_TRUE(saveImportProfile(ini, five.name, saved).ok());

    const ImportSettings profile = readImportProfile(ini.load(), five.name);
    const ImportFileRead withSaved
        = test::readFile(importFile("ambiguous_dates.csv"), five, withProfile({}, profile));
    ASSERT_TRUE(withSaved.ok()) << withSaved.message.toStdString();
    EXPECT_EQ(withSaved.read.draws.draws.front().date, QDate(2020, 3, 4));
    EXPECT_EQ(withSaved.read.draws.draws.back().date, QDate(2020, 6, 5));

    ImportSettings given;
    given.dateFormat = QStringLiteral("mm/dd/yyyy");
    const ImportFileRead overridden
        = test::readFile(importFile("ambiguous_dates.csv"), five, withProfile(given, profile));
    ASSERT_TRUE(overridden.ok());
    EXPECT_EQ(overridden.read.draws.draws.back().date, QDate(2020, 5, 6));
}
