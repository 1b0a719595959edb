#include "core/StringFn.h"
#include "core/TextFields.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

} // namespace

// The sample text « 12,,5; x » under space, comma, semicolon.
TEST(FieldRoutines, CountPositionExtractAndPresence)
{
    const QString text = s(" 12,,5; x ");
    const CharSet d = fieldDelimiters();
    EXPECT_EQ(fieldCount(text, d), 3);
    EXPECT_EQ(fieldPosition(1, text, d), 2);
    EXPECT_EQ(fieldPosition(2, text, d), 6);
    EXPECT_EQ(fieldPosition(3, text, d), 9);
    EXPECT_EQ(fieldPosition(4, text, d), 0);
    EXPECT_EQ(fieldPosition(0, text, d), 0);
    EXPECT_EQ(fieldPosition(-1, text, d), 0);
    EXPECT_EQ(extractField(1, text, d), s("12"));
    EXPECT_EQ(extractField(2, text, d), s("5"));
    EXPECT_EQ(extractField(3, text, d), s("x"));
    EXPECT_EQ(extractField(4, text, d), QString());
    EXPECT_EQ(extractField(0, text, d), QString());
    EXPECT_TRUE(hasField(s("5"), text, d));
    EXPECT_FALSE(hasField(s("12,"), text, d));
    EXPECT_FALSE(hasField(QString(), text, d));
    EXPECT_EQ(splitFields(text, d), QStringList({ s("12"), s("5"), s("x") }));
}

TEST(FieldRoutines, EmptyAndDelimiterOnlyTexts)
{
    const CharSet d = fieldDelimiters();
    EXPECT_EQ(fieldCount(QString(), d), 0);
    EXPECT_EQ(fieldCount(s(" ,; ,"), d), 0);
    EXPECT_EQ(fieldPosition(1, s(",,,"), d), 0);
    EXPECT_EQ(extractField(1, s("abc"), d), s("abc"));
    // Characters beyond 8 bits are never delimiters.
    EXPECT_EQ(fieldCount(s("Кено (20 из 80)"), d), 4);
}

TEST(FieldRoutines, ShortVariantsUseAnEightBitIndex)
{
    const CharSet d = CharSet { ';' };
    EXPECT_EQ(extractFieldShort(2, s("a;b;c"), d), s("b"));
    EXPECT_EQ(extractFieldShort(258, s("a;b;c"), d), s("b"));
    EXPECT_EQ(fieldPositionShort(256, s("a;b"), d), 0);
}

TEST(CharacterRoutines, RemoveRepeatFillTrimSubstring)
{
    EXPECT_EQ(removeSpaces(s("1 2  3")), s("123"));
    EXPECT_EQ(removeChar(s(",1,,2,"), QLatin1Char(',')), s("12"));
    EXPECT_EQ(repeatChar(QLatin1Char('='), 3), s("==="));
    EXPECT_EQ(repeatChar(QLatin1Char('='), 0), QString());
    EXPECT_EQ(repeatChar(QLatin1Char('='), -2), QString());

    const QChar zero = QLatin1Char('0');
    EXPECT_EQ(leftFill(zero, s("7"), 2), s("07"));
    EXPECT_EQ(leftFill(zero, s("12"), 2), s("12"));
    EXPECT_EQ(leftFill(zero, s("123"), 2), s("123"));
    EXPECT_EQ(leftFill(zero, QString(), 2), s("00"));

    EXPECT_EQ(trimBoth(s(",,1,2,,"), QLatin1Char(',')), s("1,2"));
    EXPECT_EQ(trimSpaces(s("  ")), QString());
    EXPECT_EQ(trimLeadingSpaces(s("  a ")), s("a "));
    EXPECT_EQ(trimTrailingSpaces(s("  a ")), s("  a"));

    EXPECT_EQ(substring(s("abc"), 1, 1), s("a"));
    EXPECT_EQ(substring(s("abc"), 3, 5), s("c"));
    EXPECT_EQ(substring(s("abc"), 4, 1), QString());
    EXPECT_EQ(substring(s("abc"), 0, 1), QString());
    EXPECT_EQ(substring(s("abc"), 1, 0), QString());
    EXPECT_EQ(substring(QString(), 1, 1), QString());
}

TEST(NumberRoutines, TextToIntegerAcceptsOnlyWholeLiterals)
{
    EXPECT_EQ(textToInt(s(" 42 ")), 42);
    EXPECT_EQ(textToInt(s("-7")), -7);
    EXPECT_EQ(textToInt(s("+7")), 7);
    EXPECT_EQ(textToInt(s("007")), 7);
    EXPECT_EQ(textToInt(s("$1F")), 31);
    EXPECT_EQ(textToInt(s("0x1f")), 31);
    EXPECT_EQ(textToInt(s("X10")), 16);
    EXPECT_EQ(textToInt(s("4 2")), 0);
    EXPECT_EQ(textToInt(s("12a")), 0);
    EXPECT_EQ(textToInt(QString()), 0);
    EXPECT_EQ(textToInt(s("-")), 0);
    EXPECT_EQ(textToInt(s("$")), 0);
    EXPECT_EQ(textToInt(s("99999999999")), 0);
    EXPECT_EQ(textToInt(s("2147483647")), 2147483647);
    EXPECT_EQ(textToInt(s("-2147483648")), -2147483647 - 1);
    EXPECT_EQ(textToInt(s("2147483648")), 0);
    EXPECT_EQ(textToInt(s("12,5")), 0);

    int value = 5;
    EXPECT_FALSE(tryTextToInt(s("abc"), &value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(tryTextToInt(s("0"), &value));
}

TEST(NumberRoutines, IntegerToTextAndTwoDigits)
{
    EXPECT_EQ(intToText(0), s("0"));
    EXPECT_EQ(intToText(-15), s("-15"));
    EXPECT_EQ(twoDigits(7), s("07"));
    EXPECT_EQ(twoDigits(100), s("100"));
}
