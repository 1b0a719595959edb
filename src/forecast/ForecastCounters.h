#pragma once

// The counters behind the forecasts, kept up to date one draw at a time: a walk
// forward through a base asks for the forecast before every draw, and recounting the
// base each time would cost R^2. After addDraw has been called for rows 0 .. t - 1,
// every answer is the one a load of those t draws gives:
//
//   since(n), drawn(n)          the number list (a number written twice counts twice)
//   pairSince, pairDrawn        the all-pairs statistic (a draw holds a pair or not)
//   numbersForecast()           the numbers the numbers forecast marks
//   pairsForecast()             the numbers of the pairs the pairs forecast chooses

#include "core/LotteryDefinition.h"
#include "statistics/NumberSet.h"

#include <vector>

namespace kivora {

class ForecastCounters final
{
public:
    // withPairs: keep the pair counters too (n^2 of them).
    ForecastCounters(const LotteryDefinition &definition, bool withPairs);

    // The next draw in load order: its `count` main numbers as the record holds them.
    void addDraw(const int *numbers, int count);

    int drawCount() const { return m_draws; }
    NumberRange range() const { return m_range; }

    int since(int n) const { return m_draws - 1 - m_last[static_cast<size_t>(n)]; }
    int drawn(int n) const { return m_drawn[static_cast<size_t>(n)]; }
    int pairSince(int a, int b) const { return m_draws - 1 - m_pairLast[pairIndex(a, b)]; }
    int pairDrawn(int a, int b) const { return m_pairDrawn[pairIndex(a, b)]; }

    // Ascending numbers.
    std::vector<int> numbersForecast() const;
    std::vector<int> pairsForecast() const; // empty without pair counters
    // The `size` numbers drawn most often, and the `size` numbers absent longest; equal
    // counts go to the smaller number, as the number list sorted by that column shows.
    std::vector<int> mostFrequent(int size) const;
    std::vector<int> longestAbsent(int size) const;

private:
    size_t pairIndex(int a, int b) const
    {
        return static_cast<size_t>(a - m_range.lo) * static_cast<size_t>(m_range.size())
            + static_cast<size_t>(b - m_range.lo);
    }
    std::vector<int> topBy(int size, bool bySince) const;

    NumberRange m_range;
    bool m_withPairs = false;
    int m_draws = 0;
    std::vector<int> m_last; // by number 0..100: the newest row holding it, -1 before
    std::vector<int> m_drawn;
    std::vector<int> m_pairLast; // by pairIndex, a < b
    std::vector<int> m_pairDrawn;
    std::vector<int> m_members; // scratch: the distinct numbers of a draw
};

} // namespace kivora
