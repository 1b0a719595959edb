#include "core/LotteryDefinition.h"

#include "core/MessageCatalog.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {
using kivora::test::s;
} // namespace

TEST(LotteryList, ShownFlagsAndTabOrder)
{
    const IniDocument ini(s("[LotoType]\r\nA=1\r\nB=0\r\nC=\r\nD=x\r\n"));
    const auto list = lotteries::readList(ini);
    ASSERT_EQ(list.size(), 4);
    EXPECT_TRUE(list[0].shown);
    EXPECT_FALSE(list[1].shown);
    EXPECT_TRUE(list[2].shown); // empty value: shown
    EXPECT_TRUE(list[3].shown); // not an integer: shown
    EXPECT_EQ(lotteries::shownNames(ini), QStringList({ s("A"), s("C"), s("D") }));
}

TEST(LotteryDefinition, MissingKeysTakeTheMainLoadDefaults)
{
    const IniDocument ini(s("[L]\r\nDrawNumber=5\r\n"));
    const LotteryDefinition d = lotteries::readDefinition(ini, s("L"));
    EXPECT_EQ(d.drawNumber, 5);
    EXPECT_EQ(d.minNumber, 1);
    EXPECT_EQ(d.maxNumber, 80);
    EXPECT_EQ(d.countOfAddBall, 0);
    EXPECT_EQ(d.minnumberOfAddBall, 0);
    EXPECT_EQ(d.maxnumberOfAddBall, 9);
    EXPECT_EQ(d.baseFile, s("default.lot"));
    EXPECT_EQ(d.systemSection(), s("for 5 numbers"));
    EXPECT_EQ(lotteries::machineChoices(d.machine), QStringList({ s("-") }));
    EXPECT_EQ(lotteries::ballSetChoices(d.setOfBall), QStringList({ s("-") }));

    const LotteryDefinition none = lotteries::readDefinition(ini, s("No section"));
    EXPECT_EQ(none.drawNumber, 6);
    EXPECT_EQ(none.maxNumber, 80);
}

TEST(LotteryDefinition, WebAddressIsReadCaseInsensitively)
{
    const IniDocument ini(s("[L]\r\nWWW=http://example.org\r\n"));
    EXPECT_EQ(lotteries::readDefinition(ini, s("L")).www, s("http://example.org"));
}

TEST(LotteryDefinition, ListValues)
{
    EXPECT_EQ(lotteries::listNames(s("1, 2;;3")), QStringList({ s("1"), s("2"), s("3") }));
    EXPECT_EQ(lotteries::machineChoices(s("Б, а;В")), QStringList({ s("а"), s("Б"), s("В") }));
    EXPECT_EQ(lotteries::ballSetChoices(s("3 1 2")), QStringList({ s("3"), s("1"), s("2") }));
}

TEST(LotteryDefinition, ValuesOutsideTheLimitsAreRefusedByName)
{
    const MessageCatalog messages;
    auto check = [&](const char *section) {
        const IniDocument ini(QString::fromUtf8(section));
        return lotteries::validate(lotteries::readDefinition(ini, s("Лото")), messages);
    };
    EXPECT_TRUE(check("[Лото]\r\nMaxNumber=45\r\n").isEmpty());
    EXPECT_TRUE(check("[Лото]\r\nMinNumber=0\r\nMaxNumber=100\r\nDrawNumber=101\r\n").isEmpty());

    const QString tooBig = check("[Лото]\r\nMaxNumber=150\r\n");
    EXPECT_TRUE(tooBig.contains(s("Лото")));
    EXPECT_TRUE(tooBig.contains(s("MaxNumber")));
    EXPECT_TRUE(check("[Лото]\r\nMinNumber=-1\r\n").contains(s("MinNumber")));
    EXPECT_TRUE(check("[Лото]\r\nMinNumber=50\r\nMaxNumber=40\r\n").contains(s("MinNumber")));
    EXPECT_TRUE(check("[Лото]\r\nDrawNumber=0\r\n").contains(s("DrawNumber")));
    EXPECT_TRUE(check("[Лото]\r\nMinNumber=1\r\nMaxNumber=5\r\nDrawNumber=6\r\n").contains(s("DrawNumber")));
    EXPECT_TRUE(check("[Лото]\r\nMaxNumber=45\r\nCountOfAddBall=-1\r\n").contains(s("CountOfAddBall")));
}

// "MaxNumber=45abc" must not quietly become a lottery of 1..80: the value is named as
// an out-of-range one is.
TEST(LotteryDefinition, ValuesThatAreNoNumbersAreRefusedByName)
{
    const MessageCatalog messages;
    auto check = [&](const QString &section) {
        return lotteries::validate(lotteries::readDefinition(IniDocument(section), s("Лото")), messages);
    };
    const char *keys[] = { "MinNumber", "MaxNumber", "DrawNumber", "CountOfAddBall", "MinnumberOfAddBall",
        "MaxnumberOfAddBall" };
    for (const char *key : keys) {
        QString section = s("[Лото]\r\n");
        for (const char *other : { "MaxNumber=45", "CountOfAddBall=1" }) {
            if (!QLatin1String(other).startsWith(QLatin1String(key)))
                section += QLatin1String(other) + s("\r\n");
        }
        section += QLatin1String(key) + s("=45abc\r\n");
        EXPECT_EQ(check(section),
            messages("Str54").arg(s("Лото"), messages("Str446").arg(QLatin1String(key), s("45abc"))))
            << key;
    }
    // The first such value is named; an empty value is a missing one.
    EXPECT_TRUE(check(s("[Лото]\r\nMaxNumber=x\r\nDrawNumber=y\r\n")).contains(s("MaxNumber = x")));
    EXPECT_TRUE(check(s("[Лото]\r\nMaxNumber=\r\nDrawNumber= 6 \r\n")).isEmpty());
    // The range of additional numbers means nothing to a lottery without them.
    EXPECT_TRUE(check(s("[Лото]\r\nMaxNumber=45\r\nMaxnumberOfAddBall=nine\r\n")).isEmpty());
}
