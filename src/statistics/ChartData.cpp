#include "statistics/ChartData.h"

#include "statistics/NumberSet.h"

#include <algorithm>
#include <cmath>

namespace kivora {

namespace {

double drawChance(const LotteryDefinition &definition)
{
    const int n = mainRange(definition).size();
    return n > 0 ? std::min(1.0, static_cast<double>(definition.drawNumber) / n) : 0.0;
}

// Hits of the target in one draw.
int hitsIn(const int *cells, int width, const HitTarget &target, NumberRange range)
{
    NumberSet drawn;
    for (int j = 0; j < width; ++j) {
        if (range.contains(cells[j]))
            drawn.insert(cells[j]);
    }
    int present = 0;
    for (int n : target.numbers) {
        if (range.contains(n) && drawn.has(n))
            ++present;
    }
    if (target.countEach)
        return present;
    return !target.numbers.empty() && present == static_cast<int>(target.numbers.size()) ? 1 : 0;
}

} // namespace

FrequencyChart frequencyChart(const DrawTable &draws, const LotteryDefinition &definition)
{
    FrequencyChart chart;
    const NumberRange range = mainRange(definition);
    std::vector<int> drawn(static_cast<size_t>(kLargestNumber) + 1, 0);
    for (int r = 0; r < draws.rowCount(); ++r) {
        const int *cells = draws.numbers(r);
        for (int j = 0; j < draws.drawNumber(); ++j) {
            if (range.contains(cells[j]))
                ++drawn[static_cast<size_t>(cells[j])];
        }
    }
    for (int n = range.lo; n <= range.hi; ++n)
        chart.bars.push_back({ n, drawn[static_cast<size_t>(n)] });
    chart.draws = draws.rowCount();
    const double p = drawChance(definition);
    chart.expected = chart.draws * p;
    chart.sigma = std::sqrt(chart.draws * p * (1 - p));
    return chart;
}

GapHistory gapHistory(const DrawTable &draws, const LotteryDefinition &definition, int number)
{
    GapHistory history;
    history.number = number;
    const bool inRange = mainRange(definition).contains(number);
    history.since.reserve(static_cast<size_t>(draws.rowCount()));
    int last = -1;
    for (int r = 0; r < draws.rowCount(); ++r) {
        const int *cells = draws.numbers(r);
        bool held = false;
        for (int j = 0; j < draws.drawNumber() && inRange; ++j)
            held = held || cells[j] == number;
        if (held) {
            const int gap = r - last - 1;
            history.appearances.push_back({ r, gap });
            history.longestGap = std::max(history.longestGap, gap);
            last = r;
        }
        history.since.push_back(r - last);
    }
    const double p = drawChance(definition);
    history.expectedGap = p > 0 ? (1 - p) / p : 0.0;
    return history;
}

HitTarget HitTarget::ten(int group, const LotteryDefinition &definition)
{
    HitTarget target;
    target.countEach = true;
    const NumberRange range = mainRange(definition);
    for (int n = std::max(10 * group - 9, range.lo); n <= std::min(10 * group, range.hi); ++n)
        target.numbers.push_back(n);
    return target;
}

MovingHits movingHits(
    const DrawTable &draws, const LotteryDefinition &definition, const HitTarget &target, int window)
{
    MovingHits result;
    const NumberRange range = mainRange(definition);
    const int rows = draws.rowCount();
    result.window = std::max(window, 1);
    const int span = std::min(result.window, std::max(rows, 1));
    result.firstRow = span - 1;

    // Fair-draw chance of the target in one draw.
    const int n = range.size();
    const int k = std::min(draws.drawNumber(), n);
    int members = 0;
    for (int number : target.numbers)
        members += range.contains(number) ? 1 : 0;
    double perDraw = 0;
    if (n > 0 && members > 0) {
        if (target.countEach) {
            perDraw = static_cast<double>(members) * k / n;
        } else if (members == static_cast<int>(target.numbers.size())) {
            perDraw = 1;
            for (int i = 0; i < members; ++i)
                perDraw *= i < k ? static_cast<double>(k - i) / (n - i) : 0.0;
        }
    }
    result.expected = perDraw * result.window;

    if (rows == 0)
        return result;
    std::vector<int> hits(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r)
        hits[static_cast<size_t>(r)] = hitsIn(draws.numbers(r), draws.drawNumber(), target, range);
    int sum = 0;
    for (int r = 0; r < rows; ++r) {
        sum += hits[static_cast<size_t>(r)];
        if (r >= span)
            sum -= hits[static_cast<size_t>(r - span)];
        if (r >= result.firstRow)
            result.counts.push_back(sum);
    }
    return result;
}

} // namespace kivora
