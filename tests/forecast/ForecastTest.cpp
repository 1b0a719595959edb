#include "forecast/Forecast.h"
#include "statistics/StatTable.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace kivora;

namespace {
using kivora::test::s;

std::vector<int> viewOrder(const StatTable &table)
{
    std::vector<int> order(table.rows.size());
    std::iota(order.begin(), order.end(), 0);
    return order;
}
} // namespace

TEST(Forecast, DueInForAHundredDraws)
{
    // Drawn 20 times in 100 draws.
    EXPECT_EQ(forecast::dueIn(100, 4, 20), 0);
    EXPECT_EQ(forecast::dueIn(100, 3, 20), 1);
    EXPECT_EQ(forecast::dueIn(100, 5, 20), -1);
    EXPECT_EQ(forecast::dueIn(100, 0, 20), 4);
    EXPECT_TRUE(forecast::numberChosen(100, 4, 20));
    EXPECT_TRUE(forecast::numberChosen(100, 3, 20));
    EXPECT_FALSE(forecast::numberChosen(100, 5, 20));
    EXPECT_FALSE(forecast::numberChosen(100, 0, 20));
    EXPECT_TRUE(forecast::pairChosen(100, 4, 20));
    EXPECT_FALSE(forecast::pairChosen(100, 3, 20)); // the draw after next is not enough for a pair

    // No draws at all: y = 1 and d = 0 for everything.
    EXPECT_EQ(forecast::dueIn(0, 0, 0), 0);
    // A long base does not overflow: a million draws, a number drawn in every one.
    EXPECT_EQ(forecast::dueIn(1000000, 0, 1000000), 0);
}

TEST(Forecast, HalvesRoundToTheEvenNeighbour)
{
    EXPECT_EQ(forecast::roundHalfEven(100.5), 100.0);
    EXPECT_EQ(forecast::roundHalfEven(101.5), 102.0);
    EXPECT_EQ(forecast::roundHalfEven(-0.5), 0.0);
    EXPECT_EQ(forecast::roundHalfEven(-1.5), -2.0);
    EXPECT_EQ(forecast::roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(forecast::roundHalfEven(2.5001), 3.0);
    // y = 609 / 6 - 1 = 100.5 (N = 86, never missed, drawn 5): r = 100, d = 100 - 87.
    EXPECT_EQ(forecast::dueIn(86, 0, 5), 13);
    // y = 410 / 4 - 1 = 101.5 (N = 81, drawn 3): r = 102, d = 102 - 82.
    EXPECT_EQ(forecast::dueIn(81, 0, 3), 20);
}

TEST(Forecast, NumbersAndPairsInTheViewsOrder)
{
    StatTable numbers;
    numbers.addNumber(7, 4, 20); // d = 0
    numbers.addNumber(8, 5, 20); // d = -1
    numbers.addNumber(9, 3, 20); // d = 1
    numbers.addNumber(10, 0, 20); // d = 4
    const std::vector<int> order = { 2, 3, 1, 0 };
    const forecast::ForecastPick pick = forecast::choose(numbers, order, 100, forecast::Kind::Numbers);
    EXPECT_EQ(pick.rows, std::vector<int>({ 2, 0 }));
    EXPECT_EQ(pick.numbers, std::vector<int>({ 7, 9 }));

    StatTable pairs;
    const int a[] = { 3, 17 };
    const int b[] = { 17, 40 };
    const int c[] = { 5, 6 };
    pairs.addNumbers(a, 2, 4, 20); // d = 0
    pairs.addNumbers(b, 2, 4, 20); // d = 0, shares 17
    pairs.addNumbers(c, 2, 3, 20); // d = 1: not a pair forecast
    const forecast::ForecastPick pairPick
        = forecast::choose(pairs, viewOrder(pairs), 100, forecast::Kind::Pairs);
    EXPECT_EQ(pairPick.rows, std::vector<int>({ 0, 1 }));
    EXPECT_EQ(pairPick.numbers, std::vector<int>({ 3, 17, 40 })); // 17 marked once
}

TEST(Forecast, WithoutDrawsEveryNumberIsMarked)
{
    StatTable numbers;
    for (int n = 1; n <= 45; ++n)
        numbers.addNumber(n, 0, 0);
    EXPECT_EQ(forecast::choose(numbers, viewOrder(numbers), 0, forecast::Kind::Numbers).numbers.size(), 45u);
}

TEST(Forecast, SmallestFittingSystem)
{
    const QStringList systems
        = { s("6 номеров"), s("7 номеров (полная система)"), s("Особая"), s("10 номеров") };
    EXPECT_EQ(forecast::chooseSystem(systems, 7), 1);
    EXPECT_EQ(forecast::chooseSystem(systems, 8), 3);
    EXPECT_EQ(forecast::chooseSystem(systems, 11), -1); // larger than every system: keep the current one
    EXPECT_EQ(forecast::chooseSystem(systems, 0), 0); // nothing forecast: the first entry
    EXPECT_EQ(forecast::chooseSystem({ s("7,номеров"), s("8 номеров") }, 7), 1); // "7,номеров" reads as 0
    EXPECT_EQ(forecast::chooseSystem({}, 3), -1);
}

TEST(Forecast, TheBestOfAPickFillASmallerTicket)
{
    // A hundred draws: due next draw (d = 0) before due in the one after (d = 1), then
    // the more often drawn; equal ones keep the order given.
    StatTable numbers;
    numbers.addNumber(1, 3, 20); // d = 1
    numbers.addNumber(2, 4, 20); // d = 0
    numbers.addNumber(3, 4, 20); // d = 0
    numbers.addNumber(4, 1, 40); // d = 0, drawn more often
    const std::vector<int> pick
        = forecast::choose(numbers, viewOrder(numbers), 100, forecast::Kind::Numbers).rows;
    ASSERT_EQ(pick.size(), 4u);
    EXPECT_EQ(forecast::dueIn(100, 1, 40), 0);
    EXPECT_EQ(forecast::bestRows(numbers, pick, 100, 2), std::vector<int>({ 3, 1 }));
    EXPECT_EQ(forecast::bestRows(numbers, pick, 100, 3), std::vector<int>({ 3, 1, 2 }));
    EXPECT_EQ(forecast::bestRows(numbers, pick, 100, 4), std::vector<int>({ 3, 1, 2, 0 }));
    // A ticket larger than the pick takes all of it.
    EXPECT_EQ(forecast::bestRows(numbers, pick, 100, 10).size(), 4u);
    EXPECT_TRUE(forecast::bestRows(numbers, {}, 100, 2).empty());
}
