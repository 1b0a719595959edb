#include "play/KeyWheel.h"

#include <gtest/gtest.h>

using namespace kivora::wheel;

// The others' positions go onto the numbers that are no keys, in order, and back.
TEST(KeyWheel, TheOthersFillTheNumbersBesideTheKeys)
{
    const quint64 keys = (quint64(1) << 1) | (quint64(1) << 4); // numbers 2 and 5
    const std::vector<quint64> others { 0b111, 0b11000, 0b100001 }; // {1,2,3}, {4,5}, {1,6} of six others
    const std::vector<quint64> whole = withKeys(others, keys, 8);
    // The others are 1, 3, 4, 6, 7, 8.
    EXPECT_EQ(whole[0], keys | 0b1101U); // 1 3 4
    EXPECT_EQ(whole[1], keys | 0b1100000U); // 6 7
    EXPECT_EQ(whole[2], keys | 0b10000001U); // 1 8
    EXPECT_EQ(withoutKeys(whole, keys, 8), others);
}
