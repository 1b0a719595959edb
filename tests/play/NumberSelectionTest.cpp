#include "play/NumberSelection.h"

#include <gtest/gtest.h>

#include <set>

using namespace kivora;

namespace {

std::vector<bool> marksAt(int rows, std::initializer_list<int> marked)
{
    std::vector<bool> marks(static_cast<size_t>(rows), false);
    for (int row : marked)
        marks[static_cast<size_t>(row)] = true;
    return marks;
}

} // namespace

TEST(RandomChoice, AddsDistinctNewMarksUpToTheNeededCount)
{
    const std::vector<bool> marks = marksAt(45, { 0, 10, 44 });
    for (unsigned seed = 0; seed < 200; ++seed) {
        std::mt19937 rng(seed);
        const RandomChoice choice = chooseRandomRows(marks, 7, rng);
        EXPECT_FALSE(choice.alreadyEnough);
        ASSERT_EQ(choice.rows.size(), 4u);
        const std::set<int> distinct(choice.rows.begin(), choice.rows.end());
        EXPECT_EQ(distinct.size(), 4u);
        for (int row : choice.rows) {
            EXPECT_GE(row, 0);
            EXPECT_LT(row, 45);
            EXPECT_FALSE(marks[static_cast<size_t>(row)]) << "row " << row << " was marked already";
        }
    }
}

TEST(RandomChoice, EveryUnmarkedRowCanComeUp)
{
    const std::vector<bool> marks = marksAt(20, { 3 });
    std::set<int> seen;
    std::mt19937 rng(12345);
    for (int run = 0; run < 400; ++run) {
        for (int row : chooseRandomRows(marks, 2, rng).rows)
            seen.insert(row);
    }
    EXPECT_EQ(seen.size(), 19u); // the first and the last row included, never row 3
    EXPECT_EQ(seen.count(3), 0u);
}

TEST(RandomChoice, NothingWhenTheSystemHasItsNumbersAndStopsWhenTheListIsFull)
{
    std::mt19937 rng(1);
    EXPECT_TRUE(chooseRandomRows(marksAt(45, { 1, 2, 3, 4, 5, 6, 7, 8 }), 7, rng).alreadyEnough);
    EXPECT_TRUE(chooseRandomRows(marksAt(45, {}), 0, rng).alreadyEnough); // a name that is no number
    EXPECT_TRUE(chooseRandomRows(marksAt(45, { 1, 2, 3, 4, 5, 6, 7 }), 7, rng).alreadyEnough);

    // A system needing more numbers than the list has: every row ends up marked, no more.
    const RandomChoice full = chooseRandomRows(marksAt(5, { 0, 2 }), 9, rng);
    EXPECT_FALSE(full.alreadyEnough);
    EXPECT_EQ(std::set<int>(full.rows.begin(), full.rows.end()), std::set<int>({ 1, 3, 4 }));
    const RandomChoice none = chooseRandomRows(marksAt(3, { 0, 1, 2 }), 5, rng);
    EXPECT_FALSE(none.alreadyEnough);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_TRUE(chooseRandomRows({}, 3, rng).rows.empty());
}
