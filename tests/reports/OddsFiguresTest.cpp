// The figures of the odds page in the interface language, whatever the system's locale.

#include "core/LanguageIdentity.h"
#include "reports/Odds.h"
#include "support/TestText.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::s;

TEST(InterfaceLocale, TheInterfaceLanguageWinsOverTheSystemsOne)
{
    const QLocale russia(QLocale::Russian, QLocale::Russia);
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(interfaceLocale(s("en"), russia).language(), QLocale::English);
    EXPECT_EQ(interfaceLocale(s("ru"), QLocale::c()).language(), QLocale::Russian);
    EXPECT_EQ(interfaceLocale(s("ru"), britain).language(), QLocale::Russian);
    // The system's own region stays when it speaks the language.
    EXPECT_EQ(interfaceLocale(s("en"), britain), britain);
    EXPECT_EQ(interfaceLocale(s("ru"), russia), russia);

    const QDate day(2026, 12, 8);
    EXPECT_TRUE(interfaceLocale(s("en"), russia).toString(day, QLocale::LongFormat).contains(s("December")));
    EXPECT_TRUE(
        interfaceLocale(s("ru"), QLocale::c()).toString(day, QLocale::LongFormat).contains(s("декабря")));
}

TEST(InterfaceLocale, AnEnglishOddsPageWritesDecimalPoints)
{
    LotteryDefinition keno;
    keno.name = s("Keno");
    keno.minNumber = 1;
    keno.maxNumber = 80;
    keno.drawNumber = 20;
    LotteryDefinition six;
    six.name = s("6 of 45");
    six.minNumber = 1;
    six.maxNumber = 45;
    six.drawNumber = 6;
    const MessageCatalog messages;

    const QString english = oddsPage(keno, messages, s("en")) + oddsPage(six, messages, s("en"));
    EXPECT_TRUE(english.contains(s("<td>1 : 4.00</td>"))) << english.toStdString();
    EXPECT_TRUE(english.contains(s("<td>25.00</td>")));
    EXPECT_TRUE(english.contains(s("1 : 34,807.95")));
    EXPECT_TRUE(english.contains(s("<td>8,145,060</td>")) || english.contains(s("8,145,060")));
    EXPECT_FALSE(english.contains(s("4,00")));

    const QString russian = oddsPage(keno, messages, s("ru")) + oddsPage(six, messages, s("ru"));
    EXPECT_TRUE(russian.contains(s("<td>1 : 4,00</td>")));
    EXPECT_TRUE(russian.contains(s("<td>25,00</td>")));
    EXPECT_TRUE(russian.contains(s("1 : 34\u00a0807,95")));
}
