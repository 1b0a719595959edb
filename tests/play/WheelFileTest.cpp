#include "play/WheelFile.h"
#include "core/MessageCatalog.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::wheel;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

// Descriptions, blank lines and placeholders are no tickets; spaces, tabs, commas and
// semicolons all separate numbers.
TEST(WheelFile, ReadsThePlainFormatsOfOtherPrograms)
{
    const MessageCatalog messages;
    const Outcome<ReadWheel> read
        = readWheel(s("; a wheel\n# made elsewhere\n\n1 2 3\r\n4,5,6\n7\t8\t9\n10;11, 12 K\n"), 0, messages);
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->fromZero);
    EXPECT_EQ(read->uses, 12);
    ASSERT_EQ(read->tickets.size(), 4U);
    EXPECT_EQ(read->tickets[0], 0x7U);
    EXPECT_EQ(read->tickets[3], quint64(0xE00));
}

// A file that uses 0 counts from 0: 0..63 are the 64 positions; without 0 the numbers
// stand, so 64 is the last one and 65 is out of range.
TEST(WheelFile, ZeroMeansTheFileCountsFromZero)
{
    const MessageCatalog messages;
    const Outcome<ReadWheel> zero = readWheel(s("0 1 2\n61 62 63\n"), 0, messages);
    ASSERT_TRUE(zero);
    EXPECT_TRUE(zero->fromZero);
    EXPECT_EQ(zero->uses, 64);
    EXPECT_EQ(zero->tickets[0], 0x7U);
    EXPECT_EQ(zero->tickets[1] >> 61, 0x7U);

    const Outcome<ReadWheel> plain = readWheel(s("62 63 64\n"), 0, messages);
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->fromZero);
    EXPECT_EQ(plain->uses, 64);

    const Outcome<ReadWheel> beyond = readWheel(s("1 2 3\n0 1 64\n"), 0, messages);
    ASSERT_FALSE(beyond);
    EXPECT_EQ(beyond.failure().text, s("строка 2: номер 64 вне диапазона 0–63"));
}

// A given range bounds the numbers; a field that is no number names its line.
TEST(WheelFile, BadNumbersNameTheirLine)
{
    const MessageCatalog messages;
    const Outcome<ReadWheel> outside = readWheel(s("1 2 3\n; note\n4 5 11\n"), 10, messages);
    ASSERT_FALSE(outside);
    EXPECT_EQ(outside.failure().text, s("строка 3: номер 11 вне диапазона 1–10"));
    const Outcome<ReadWheel> word = readWheel(s("1 2 x3\n"), 10, messages);
    ASSERT_FALSE(word);
    EXPECT_EQ(word.failure().text, s("строка 1: «x3» — не номер"));
    EXPECT_FALSE(readWheel(s("1 -2 3\n"), 10, messages));
}
