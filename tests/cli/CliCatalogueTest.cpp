// kivora-cli catalogue: the real games listed, and one added as a lottery that the other
// commands use at once.

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "support/CliRunner.h"

#include <QFileInfo>
#include <QJsonArray>

using namespace kivora;
using namespace kivora::test;

namespace {

class CliCatalogue : public CliFixture
{
protected:
    QStringList lotteryNames() const
    {
        QStringList names;
        const CliRun r = run({ s("lotteries"), s("--json") });
        for (const QJsonValue &row : r.json().value(s("lotteries")).toArray())
            names.append(row.toObject().value(s("name")).toString());
        return names;
    }
};

} // namespace

TEST_F(CliCatalogue, ListsTheGamesWithEveryField)
{
    const CliRun r = run({ s("catalogue"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_TRUE(json.value(s("problems")).toArray().isEmpty());
    const QJsonArray games = json.value(s("games")).toArray();
    ASSERT_GE(games.size(), 20);
    QStringList names;
    for (const QJsonValue &value : games) {
        const QJsonObject game = value.toObject();
        names.append(game.value(s("name")).toString());
        for (const char *key : { "russian", "country", "matrix", "source" })
            EXPECT_FALSE(game.value(s(key)).toString().isEmpty()) << key;
        for (const char *key : { "operator", "since", "earlier", "draw_days", "price", "results_page",
                 "results_file", "import_columns", "import_date_format", "additional_drum", "base_file" })
            EXPECT_TRUE(game.contains(s(key))) << key;
        EXPECT_GT(game.value(s("main_count")).toInt(), 0);
    }
    EXPECT_TRUE(names.contains(s("Powerball")));
    EXPECT_TRUE(names.contains(s("Рапидо")));

    const QJsonObject mega = games.at(static_cast<int>(names.indexOf(s("Mega Millions")))).toObject();
    EXPECT_EQ(mega.value(s("matrix")).toString(), s("5/70 + 1/24"));
    EXPECT_EQ(mega.value(s("additional_max")).toInt(), 24);
    EXPECT_EQ(mega.value(s("additional_drum")).toString(), s("separate"));
    EXPECT_TRUE(mega.value(s("earlier")).toString().contains(s("2017-10-31: 5 of 1-70 + 1 of 1-25")));

    // The table: a header and one row per game; --limit cuts it like any other list.
    const CliRun text = run({ s("catalogue") });
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(s("Powerball")));
    EXPECT_TRUE(text.out.contains(s("5 of 1-69")));
    const CliRun limited = run({ s("catalogue"), s("--json"), s("--limit"), s("3") });
    EXPECT_EQ(limited.json().value(s("games")).toArray().size(), 3);
}

TEST_F(CliCatalogue, AnAddedGameIsALotteryAtOnceOnItsEmptyBase)
{
    const CliRun added = run({ s("catalogue"), s("add"), s("EUROJACKPOT") });
    ASSERT_EQ(added.status, 0) << added.err.toStdString();
    EXPECT_TRUE(lotteryNames().contains(s("Eurojackpot")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(s("eurojackpot.lot"))));

    const CliRun odds = run({ s("odds"), s("--lottery"), s("eurojackpot"), s("--json") });
    EXPECT_EQ(odds.status, 0) << odds.err.toStdString();
    const CliRun numbers = run({ s("numbers"), s("--lottery"), s("Eurojackpot"), s("--json") });
    ASSERT_EQ(numbers.status, 0) << numbers.err.toStdString();
    EXPECT_EQ(numbers.json().value(s("rows")).toArray().size(), 50);

    // By the Russian name, with a base of the user's choice; JSON says what was done.
    const CliRun russian
        = run({ s("catalogue"), s("add"), s("гослото «4 из 20»"), s("--base"), s("mine.lot"), s("--json") });
    ASSERT_EQ(russian.status, 0) << russian.err.toStdString();
    EXPECT_EQ(russian.json().value(s("added")).toString(), s("Гослото 4 из 20"));
    EXPECT_EQ(russian.json().value(s("base_file")).toString(), s("mine.lot"));
    const IniDocument ini = IniFile(dir.folder().configPath()).load();
    EXPECT_EQ(lotteries::readDefinition(ini, s("Гослото 4 из 20")).baseFile, s("mine.lot"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(s("mine.lot"))));
}

TEST_F(CliCatalogue, RefusesATakenNameAnUnknownGameAndWrongUsage)
{
    ASSERT_EQ(run({ s("catalogue"), s("add"), s("Powerball") }).status, 0);
    const QByteArray before = dir.readBytes(s("kivora.INI"));

    const CliRun twice = run({ s("catalogue"), s("add"), s("powerball") });
    EXPECT_EQ(twice.status, 1);
    EXPECT_TRUE(twice.err.contains(s("Powerball"))) << twice.err.toStdString();
    const CliRun unknown = run({ s("catalogue"), s("add"), s("Lotto Atlantis") });
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(s("Lotto Atlantis"))) << unknown.err.toStdString();
    EXPECT_EQ(dir.readBytes(s("kivora.INI")), before);
    EXPECT_EQ(lotteryNames().count(s("Powerball")), 1);

    EXPECT_EQ(run({ s("catalogue"), s("remove") }).status, 2);
    EXPECT_EQ(run({ s("catalogue"), s("add") }).status, 2);
    EXPECT_EQ(run({ s("catalogue"), s("--base"), s("x.lot") }).status, 2);
    EXPECT_EQ(run({ s("catalogue"), s("add"), s("Powerball"), s("extra") }).status, 2);
}
