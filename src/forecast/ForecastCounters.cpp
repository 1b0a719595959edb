#include "forecast/ForecastCounters.h"

#include "forecast/Forecast.h"

#include <algorithm>
#include <numeric>

namespace kivora {

ForecastCounters::ForecastCounters(const LotteryDefinition &definition, bool withPairs)
    : m_range(mainRange(definition))
    , m_withPairs(withPairs)
    , m_last(kLargestNumber + 1, -1)
    , m_drawn(kLargestNumber + 1, 0)
{
    if (withPairs) {
        const size_t cells = static_cast<size_t>(m_range.size()) * static_cast<size_t>(m_range.size());
        m_pairLast.assign(cells, -1);
        m_pairDrawn.assign(cells, 0);
    }
    m_members.resize(128);
}

void ForecastCounters::addDraw(const int *numbers, int count)
{
    const int row = m_draws++;
    NumberSet set;
    for (int j = 0; j < count; ++j) {
        const int n = numbers[j];
        if (!m_range.contains(n))
            continue;
        ++m_drawn[static_cast<size_t>(n)];
        m_last[static_cast<size_t>(n)] = row;
        set.insert(n);
    }
    if (!m_withPairs)
        return;
    const int size = set.members(m_members.data());
    for (int i = 0; i < size; ++i) {
        for (int j = i + 1; j < size; ++j) {
            const size_t index
                = pairIndex(m_members[static_cast<size_t>(i)], m_members[static_cast<size_t>(j)]);
            m_pairLast[index] = row;
            ++m_pairDrawn[index];
        }
    }
}

std::vector<int> ForecastCounters::numbersForecast() const
{
    std::vector<int> chosen;
    for (int n = m_range.lo; n <= m_range.hi; ++n) {
        if (forecast::numberChosen(m_draws, since(n), drawn(n)))
            chosen.push_back(n);
    }
    return chosen;
}

std::vector<int> ForecastCounters::pairsForecast() const
{
    if (!m_withPairs)
        return {};
    NumberSet chosen;
    for (int a = m_range.lo; a <= m_range.hi; ++a) {
        for (int b = a + 1; b <= m_range.hi; ++b) {
            const size_t index = pairIndex(a, b);
            if (forecast::pairChosen(m_draws, m_draws - 1 - m_pairLast[index], m_pairDrawn[index])) {
                chosen.insert(a);
                chosen.insert(b);
            }
        }
    }
    std::vector<int> numbers(128);
    numbers.resize(static_cast<size_t>(chosen.members(numbers.data())));
    return numbers;
}

std::vector<int> ForecastCounters::topBy(int size, bool bySince) const
{
    std::vector<int> numbers(static_cast<size_t>(m_range.size()));
    std::iota(numbers.begin(), numbers.end(), m_range.lo);
    const auto key = [this, bySince](int n) { return bySince ? since(n) : drawn(n); };
    const size_t count = static_cast<size_t>(std::clamp(size, 0, m_range.size()));
    std::partial_sort(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(count), numbers.end(),
        [&key](int a, int b) { return key(a) != key(b) ? key(a) > key(b) : a < b; });
    numbers.resize(count);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::vector<int> ForecastCounters::mostFrequent(int size) const
{
    return topBy(size, false);
}

std::vector<int> ForecastCounters::longestAbsent(int size) const
{
    return topBy(size, true);
}

} // namespace kivora
