// Where a lottery's results come from, and when its game's rules changed under it.

#include "results/catalogue/LotterySource.h"
#include "core/IniDocument.h"
#include "core/MessageCatalog.h"
#include "results/catalogue/RuleChange.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::s;

namespace {

Catalogue oneGame()
{
    const MessageCatalog messages;
    return catalogue::parse(s("[Mega Millions]\n"
                              "Main = 5 of 1-70\n"
                              "Additional = 1 of 1-24, separate drum\n"
                              "Since = 2025-04\n"
                              "Source = https://example.org/rules\n"),
        s("catalogue.txt"), messages);
}

IniDocument lottery(const QString &extra, int maxAdditional = 24)
{
    return IniDocument(s("[Mega Millions]\nMinNumber=1\nMaxNumber=70\nDrawNumber=5\nCountOfAddBall=1\n"
                         "MinnumberOfAddBall=1\nCatalogueName=mega millions\n"
                         "ResultsUrl= https://example.org/mega.csv \n")
        + QStringLiteral("MaxnumberOfAddBall=%1\n").arg(maxAdditional) + extra);
}

} // namespace

TEST(LotterySource, TheMatrixDateBoundsTheImport)
{
    EXPECT_EQ(catalogue::firstDay(s("2015")), QDate(2015, 1, 1));
    EXPECT_EQ(catalogue::firstDay(s("2017-10")), QDate(2017, 10, 1));
    EXPECT_EQ(catalogue::firstDay(s("2025-04-08")), QDate(2025, 4, 8));
    EXPECT_FALSE(catalogue::firstDay(s("soon")).isValid());

    const Catalogue games = oneGame();
    ASSERT_EQ(games.games.size(), 1);
    LotterySource source = catalogue::lotterySource(lottery({}), s("Mega Millions"), games);
    EXPECT_EQ(source.url, s("https://example.org/mega.csv"));
    EXPECT_EQ(source.settings.since, s("2025-04-01"));
    // A later date of the profile's own stands; an earlier one gives way to the matrix's.
    source = catalogue::lotterySource(lottery(s("ImportSince=2025-06-01\n")), s("Mega Millions"), games);
    EXPECT_EQ(source.settings.since, s("2025-06-01"));
    source = catalogue::lotterySource(lottery(s("ImportSince=2020-01-01\n")), s("Mega Millions"), games);
    EXPECT_EQ(source.settings.since, s("2025-04-01"));
    // A lottery typed in by hand has no source but its own keys.
    source = catalogue::lotterySource(IniDocument(s("[Mine]\nMaxNumber=45\n")), s("Mine"), games);
    EXPECT_TRUE(source.url.isEmpty());
    EXPECT_TRUE(source.settings.since.isEmpty());
}

TEST(LotterySource, ARuleChangeIsAnotherMatrixOrALaterDate)
{
    const Catalogue games = oneGame();
    EXPECT_FALSE(
        catalogue::findRuleChange(lottery(s("CatalogueSince=2025-04\n")), s("Mega Millions"), games));

    const std::optional<RuleChange> matrix
        = catalogue::findRuleChange(lottery({}, 25), s("Mega Millions"), games);
    ASSERT_TRUE(matrix);
    EXPECT_EQ(matrix->storedMatrix, s("5/70 + 1/25"));

    // Same numbers, but the catalogue dates the matrix later than when it was added.
    EXPECT_TRUE(
        catalogue::findRuleChange(lottery(s("CatalogueSince=2017-10-31\n")), s("Mega Millions"), games));
    // Told once.
    EXPECT_FALSE(catalogue::findRuleChange(
        lottery(s("CatalogueSince=2017-10-31\nRuleChangeTold=2025-04\n")), s("Mega Millions"), games));
}
