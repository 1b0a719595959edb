// The catalogue of real games: the shipped file, entries the program cannot use, and
// adding a game as a lottery of the program folder.

#include "results/catalogue/GameCatalogue.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "core/TicketPrice.h"
#include "results/ResultsLoad.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "results/import/ImportProfile.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::s;

namespace {

class GameCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const Done seeded = dir.folder().seed();
        ASSERT_TRUE(seeded.ok()) << seeded.failure().text.toStdString();
    }

    Catalogue shipped() const
    {
        const Outcome<QString> text = textfile::readText(test::sampleFile(s("catalogue.txt")));
        EXPECT_TRUE(text.ok()) << (text ? std::string() : text.failure().text.toStdString());
        return catalogue::parse(text ? *text : QString(), s("catalogue.txt"), messages);
    }

    test::TempFolder dir;
    const MessageCatalog messages;
};

} // namespace

TEST_F(GameCatalogueTest, TheShippedCatalogueIsWholeAndNamesItsSources)
{
    const Catalogue catalogue = shipped();
    for (const CatalogueProblem &problem : catalogue.problems)
        ADD_FAILURE() << problem.message.toStdString();
    ASSERT_GE(catalogue.games.size(), 20);
    for (const CatalogueGame &game : catalogue.games) {
        EXPECT_FALSE(game.source.isEmpty()) << game.name.toStdString();
        EXPECT_FALSE(game.russianName.isEmpty()) << game.name.toStdString();
        EXPECT_FALSE(game.country.isEmpty()) << game.name.toStdString();
        // Every game can become a lottery the settings dialog would accept.
        LotteryDefinition definition;
        definition.name = game.name;
        definition.minNumber = game.main.minNumber;
        definition.maxNumber = game.main.maxNumber;
        definition.drawNumber = game.main.count;
        definition.countOfAddBall = game.additional.count;
        definition.minnumberOfAddBall = game.additional.minNumber;
        definition.maxnumberOfAddBall = game.additional.maxNumber;
        EXPECT_TRUE(lotteries::validate(definition, messages).isEmpty()) << game.name.toStdString();
    }
    for (const char *name : { "powerball", "MEGA MILLIONS", "cash4life", "Take 5", "pick 10", "euromillions",
             "EuroJackpot", "lotto 6aus49", "Лото (Великобритания)", "superenalotto", "oz lotto",
             "гослото «6 из 45»", "Гослото «5 из 36»", "гослото «7 из 49»", "Спортлото «6 из 36»",
             "Гослото «4 из 20»", "кено-спортлото «20 из 80»", "рапидо" })
        EXPECT_NE(catalogue::find(catalogue, s(name)), nullptr) << name;

    const CatalogueGame *mega = catalogue::find(catalogue, s("Mega Millions"));
    ASSERT_NE(mega, nullptr);
    EXPECT_EQ(mega->matrixText(), s("5/70 + 1/24"));
    EXPECT_EQ(mega->since, s("2025-04-08"));
    ASSERT_GE(mega->earlier.size(), 1);
    EXPECT_EQ(mega->earlier.first().since, s("2017-10-31"));
    EXPECT_EQ(mega->earlier.first().additional.maxNumber, 25);
    EXPECT_TRUE(mega->additional.separateDrum);
    const CatalogueGame *powerball = catalogue::find(catalogue, s("Powerball"));
    ASSERT_NE(powerball, nullptr);
    EXPECT_EQ(powerball->matrixText(), s("5/69 + 1/26"));
    EXPECT_EQ(powerball->since, s("2015-10-07"));
    const CatalogueGame *uk = catalogue::find(catalogue, s("Lotto"));
    ASSERT_NE(uk, nullptr);
    EXPECT_FALSE(uk->additional.separateDrum); // the bonus ball comes from the main drum
}

TEST_F(GameCatalogueTest, EntriesThatCannotBeUsedAreReportedWithFileAndLineAndTheRestKept)
{
    const QString text = QStringList {
        s("; a comment"), // 1
        s("[Good]"), // 2
        s("Main = 6 of 1-45"), // 3
        s("Colour = blue"), // 4: unknown key, the game stays
        s("[Too big]"), // 5
        s("Main = 5 of 1-200"), // 6: beyond the program's tables
        s("[No main]"), // 7
        s("Country = Nowhere"), // 8
        s("[good]"), // 9: the same name in another case
        s("Main = 5 of 1-36"), // 10
        s("[Bad address]"), // 11
        s("Main = 5 of 1-36"), // 12
        s("ResultsFile = file:///etc/passwd"), // 13
        s("[Other]"), // 14
        s("no equals sign"), // 15
        s("Main = 4 of 1-20"), // 16
        s("Earlier = 2001 | 4 of 1-20 | -"), // 17
        s("Additional = 4 of 1-20, separate drum"), // 18
    }.join(QLatin1Char('\n'));
    const Catalogue catalogue = catalogue::parse(text, s("my.txt"), messages);

    QStringList names;
    for (const CatalogueGame &game : catalogue.games)
        names.append(game.name);
    EXPECT_EQ(names, QStringList({ s("Good"), s("Other") }));
    QList<int> lines;
    for (const CatalogueProblem &problem : catalogue.problems) {
        lines.append(problem.line);
        EXPECT_EQ(problem.file, s("my.txt"));
        EXPECT_TRUE(problem.message.startsWith(
            messages("Str580").arg(s("my.txt"), QString::number(problem.line), QString())))
            << problem.message.toStdString();
    }
    EXPECT_EQ(lines, QList<int>({ 4, 6, 7, 9, 13, 15 }));
    const CatalogueGame *other = catalogue::find(catalogue, s("OTHER"));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->matrixText(), s("4/20 + 4/20"));
    ASSERT_EQ(other->earlier.size(), 1);
    EXPECT_TRUE(other->earlier.first().additional.isEmpty());
}

TEST_F(GameCatalogueTest, AddingWritesTheDefinitionTheCatalogueKeysAndAnEmptyBase)
{
    const Catalogue catalogue = catalogue::load(dir.folder(), messages);
    ASSERT_TRUE(catalogue.error.isEmpty()) << catalogue.error.toStdString();
    const CatalogueGame *mega = catalogue::find(catalogue, s("mega millions"));
    ASSERT_NE(mega, nullptr);

    const Outcome<catalogue::AddedLottery> added = catalogue::addLottery(dir.folder(), *mega, messages);
    ASSERT_TRUE(added) << added.failure().text.toStdString();
    EXPECT_EQ(added->lottery, s("Mega Millions"));
    const IniDocument ini = IniFile(dir.folder().configPath()).load();
    EXPECT_TRUE(lotteries::readList(ini).last().shown);
    EXPECT_EQ(lotteries::readList(ini).last().name, s("Mega Millions"));
    const LotteryDefinition definition = lotteries::readDefinition(ini, s("Mega Millions"));
    EXPECT_EQ(definition.maxNumber, 70);
    EXPECT_EQ(definition.drawNumber, 5);
    EXPECT_EQ(definition.countOfAddBall, 1);
    EXPECT_EQ(definition.minnumberOfAddBall, 1);
    EXPECT_EQ(definition.maxnumberOfAddBall, 24);
    // The shipped sample base of the 2017 matrix is not taken over.
    EXPECT_EQ(definition.baseFile, s("megamillions-2025.lot"));
    EXPECT_EQ(ticketPrice(ini, s("Mega Millions")), std::optional<qint64>(500));
    EXPECT_EQ(ini.readString(s("Mega Millions"), catalogue::kResultsUrlKey, {}), mega->resultsFile);
    EXPECT_EQ(ini.readString(s("Mega Millions"), catalogue::kCatalogueNameKey, {}), s("Mega Millions"));
    const ImportSettings profile = readImportProfile(ini, s("Mega Millions"));
    EXPECT_EQ(profile.columns, mega->importProfile.columns);
    EXPECT_EQ(profile.dateFormat, s("mm/dd/yyyy"));
    EXPECT_EQ(profile.header, 1);
    ASSERT_TRUE(QFileInfo::exists(dir.filePath(s("megamillions-2025.lot"))));
    EXPECT_TRUE(dir.readBytes(s("megamillions-2025.lot")).isEmpty());
    const LoadResult load = loadLottery(dir.folder(), s("Mega Millions"), {}, messages);
    EXPECT_TRUE(load.ok) << load.error.toStdString();
    EXPECT_EQ(load.draws.rowCount(), 0);

    // The same game again, under any case of its name, changes nothing.
    const QByteArray before = dir.readBytes(s("kivora.INI"));
    const Outcome<catalogue::AddedLottery> again = catalogue::addLottery(dir.folder(), *mega, messages);
    EXPECT_FALSE(again);
    EXPECT_EQ(again.failure().text, messages("Str78").arg(s("Mega Millions")));
    EXPECT_EQ(dir.readBytes(s("kivora.INI")), before);
}

TEST_F(GameCatalogueTest, AnExistingFileIsNeverTakenAsTheNewBase)
{
    dir.writeLines(s("powerball.lot"), { s("1;01.01.2020;M;S;1 2 3 4 5;6") });
    const Catalogue catalogue = catalogue::load(dir.folder(), messages);
    const CatalogueGame *powerball = catalogue::find(catalogue, s("POWERBALL"));
    ASSERT_NE(powerball, nullptr);
    EXPECT_EQ(catalogue::definitionValues(dir.folder(), *powerball).value(6), s("powerball-2.lot"));
    const Outcome<catalogue::AddedLottery> added = catalogue::addLottery(dir.folder(), *powerball, messages);
    ASSERT_TRUE(added) << added.failure().text.toStdString();
    EXPECT_EQ(added->baseFile, s("powerball-2.lot"));
    EXPECT_EQ(dir.readLines(s("powerball.lot")), QStringList({ s("1;01.01.2020;M;S;1 2 3 4 5;6") }));
}

TEST_F(GameCatalogueTest, TheProgramFoldersOwnCatalogueIsRead)
{
    dir.writeLines(
        s("catalogue.txt"), { s("[Home game]"), s("RussianName = Домашняя"), s("Main = 3 of 1-9") });
    const Catalogue catalogue = catalogue::load(dir.folder(), messages);
    ASSERT_EQ(catalogue.games.size(), 1);
    EXPECT_NE(catalogue::find(catalogue, s("домашняя")), nullptr);
}
