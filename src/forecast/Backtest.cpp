#include "forecast/Backtest.h"

#include "forecast/ForecastCounters.h"
#include "statistics/NumberSet.h"
#include "statistics/Probability.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>

namespace kivora::backtest {

namespace {

struct MethodName
{
    Method method;
    const char *key;
};

constexpr MethodName kMethods[] = {
    { Method::ForecastNumbers, "forecast-numbers" },
    { Method::ForecastPairs, "forecast-pairs" },
    { Method::Frequent, "frequent" },
    { Method::Absent, "absent" },
    { Method::Random, "random" },
};

constexpr int kMostPickSize = 10;

// Random picks that repeat for a seed on every platform: the engine is fixed by the
// standard, the distributions are not, so the bounded draw is written out.
class RandomPicker final
{
public:
    RandomPicker(NumberRange range, quint32 seed)
        : m_engine(seed)
        , m_pool(static_cast<size_t>(range.size()))
    {
        std::iota(m_pool.begin(), m_pool.end(), range.lo);
    }

    // `size` distinct numbers of the range, ascending: the first `size` steps of a
    // Fisher-Yates shuffle, which leave a uniform choice whatever order the pool is in.
    std::vector<int> pick(int size)
    {
        const int count = std::clamp(size, 0, static_cast<int>(m_pool.size()));
        for (int i = 0; i < count; ++i) {
            const int j
                = i + static_cast<int>(below(static_cast<quint32>(m_pool.size()) - static_cast<quint32>(i)));
            std::swap(m_pool[static_cast<size_t>(i)], m_pool[static_cast<size_t>(j)]);
        }
        std::vector<int> numbers(m_pool.begin(), m_pool.begin() + count);
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }

private:
    // Uniform in 0 .. bound - 1, without the bias of a plain remainder.
    quint32 below(quint32 bound)
    {
        const quint32 threshold = (0u - bound) % bound;
        for (;;) {
            const quint32 x = static_cast<quint32>(m_engine());
            if (x >= threshold)
                return x % bound;
        }
    }

    std::mt19937 m_engine;
    std::vector<int> m_pool;
};

// Adds picks to a tally. The law of a pick depends on its size and on how many
// distinct numbers the draw held, so each pair is worked out once.
class Scorer final
{
public:
    explicit Scorer(int population)
        : m_population(population)
    { }

    void add(Tally &tally, const std::vector<int> &pick, const NumberSet &draw, int drawn)
    {
        const int size = static_cast<int>(pick.size());
        if (size == 0) {
            ++tally.empty;
            return;
        }
        int hits = 0;
        for (int n : pick)
            hits += draw.has(n) ? 1 : 0;
        ++tally.picks;
        tally.numbersPicked += size;
        tally.hits += hits;
        tally.expectedHits += probability::hypergeometricMean(m_population, drawn, size);
        tally.variance += probability::hypergeometricVariance(m_population, drawn, size);
        if (static_cast<int>(tally.observed.size()) <= hits)
            tally.observed.resize(static_cast<size_t>(hits) + 1, 0);
        ++tally.observed[static_cast<size_t>(hits)];
        const std::vector<double> &law = lawOf(size, drawn);
        if (tally.expected.size() < law.size())
            tally.expected.resize(law.size(), 0.0);
        for (size_t h = 0; h < law.size(); ++h)
            tally.expected[h] += law[h];
    }

    // Both histograms of one length, up to the largest hit count that happened or
    // could happen (a pick of 47 numbers in a draw of 20 hits 20 at most).
    static void align(Tally &tally)
    {
        size_t size = std::max(tally.observed.size(), tally.expected.size());
        tally.observed.resize(size, 0);
        tally.expected.resize(size, 0.0);
        while (size > 1 && tally.observed[size - 1] == 0 && tally.expected[size - 1] == 0.0)
            --size;
        tally.observed.resize(size);
        tally.expected.resize(size);
    }

private:
    const std::vector<double> &lawOf(int size, int drawn)
    {
        const int key = size * 1024 + drawn;
        auto it = m_laws.find(key);
        if (it == m_laws.end())
            it = m_laws.emplace(key, probability::hypergeometricPmf(m_population, drawn, size)).first;
        return it->second;
    }

    int m_population;
    std::map<int, std::vector<double>> m_laws;
};

} // namespace

QString methodKey(Method method)
{
    for (const MethodName &entry : kMethods) {
        if (entry.method == method)
            return QLatin1String(entry.key);
    }
    return {};
}

bool methodFromKey(const QString &key, Method *method)
{
    for (const MethodName &entry : kMethods) {
        if (key == QLatin1String(entry.key)) {
            *method = entry.method;
            return true;
        }
    }
    return false;
}

bool takesSize(Method method)
{
    return method == Method::Frequent || method == Method::Absent || method == Method::Random;
}

int defaultSize(const LotteryDefinition &definition)
{
    return std::clamp(definition.drawNumber, 1, kMostPickSize);
}

double Tally::z() const
{
    return variance > 0 ? (static_cast<double>(hits) - expectedHits) / std::sqrt(variance) : 0.0;
}

double Tally::p() const
{
    return variance > 0 ? probability::normalTwoSided(z()) : 1.0;
}

Result run(const DrawTable &draws, const LotteryDefinition &definition, const Options &options,
    const Progress &progress)
{
    Result result;
    result.method = options.method;
    const NumberRange range = mainRange(definition);
    const int rows = draws.rowCount();
    result.fromRow = std::clamp(options.fromRow, 0, rows);
    result.walked = rows - result.fromRow;
    if (takesSize(options.method))
        result.size = std::clamp(
            options.size > 0 ? options.size : defaultSize(definition), 1, std::max(range.size(), 1));
    result.hasControl = options.method != Method::Random;
    if (range.isEmpty())
        return result;

    ForecastCounters counters(definition, options.method == Method::ForecastPairs);
    RandomPicker picker(range, options.seed);
    Scorer scorer(range.size());
    SteppedProgress steps(progress, 0, std::max(result.walked, 1));
    const int width = draws.drawNumber();
    for (int t = 0; t < rows; ++t) {
        const int *cells = draws.numbers(t);
        if (t >= result.fromRow) {
            steps.at(t - result.fromRow);
            std::vector<int> pick;
            switch (options.method) {
            case Method::ForecastNumbers:
                pick = counters.numbersForecast();
                break;
            case Method::ForecastPairs:
                pick = counters.pairsForecast();
                break;
            case Method::Frequent:
                pick = counters.mostFrequent(result.size);
                break;
            case Method::Absent:
                pick = counters.longestAbsent(result.size);
                break;
            case Method::Random:
                pick = picker.pick(result.size);
                break;
            }
            NumberSet drawSet;
            for (int j = 0; j < width; ++j) {
                if (range.contains(cells[j]))
                    drawSet.insert(cells[j]);
            }
            int members[128];
            const int drawn = drawSet.members(members);
            scorer.add(result.tally, pick, drawSet, drawn);
            if (result.hasControl && !pick.empty())
                scorer.add(result.control, picker.pick(static_cast<int>(pick.size())), drawSet, drawn);
            else if (result.hasControl)
                ++result.control.empty;
        }
        counters.addDraw(cells, width);
    }
    steps.done();
    Scorer::align(result.tally);
    Scorer::align(result.control);
    return result;
}

} // namespace kivora::backtest
