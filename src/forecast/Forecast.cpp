#include "forecast/Forecast.h"

#include "core/StringFn.h"
#include "statistics/StatTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kivora::forecast {

double roundHalfEven(double y)
{
    // Written out rather than left to the floating-point rounding mode, which some
    // library could have changed.
    const double lower = std::floor(y);
    const double fraction = y - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1;
}

qint64 dueIn(int drawCount, int since, int drawn)
{
    if (drawn < 0)
        return std::numeric_limits<qint64>::max();
    // A million draws drawn a million times overflows 32 bits.
    const qint64 product = (static_cast<qint64>(drawCount) - since + 1) * (static_cast<qint64>(drawn) + 2);
    const double y = static_cast<double>(product) / (static_cast<double>(drawn) + 1) - 1;
    return static_cast<qint64>(roundHalfEven(y)) - (static_cast<qint64>(drawCount) + 1);
}

bool numberChosen(int drawCount, int since, int drawn)
{
    const qint64 d = dueIn(drawCount, since, drawn);
    return d == 0 || d == 1;
}

bool pairChosen(int drawCount, int since, int drawn)
{
    return dueIn(drawCount, since, drawn) == 0;
}

ForecastPick choose(const StatTable &table, const std::vector<int> &order, int drawCount, Kind kind)
{
    ForecastPick pick;
    for (int row : order) {
        const StatRow &r = table.rows[static_cast<size_t>(row)];
        const bool chosen = kind == Kind::Numbers ? numberChosen(drawCount, r.since, r.drawn)
                                                  : pairChosen(drawCount, r.since, r.drawn);
        if (!chosen)
            continue;
        pick.rows.push_back(row);
        for (int n : table.numbers(row))
            pick.numbers.push_back(n);
    }
    std::sort(pick.numbers.begin(), pick.numbers.end());
    pick.numbers.erase(std::unique(pick.numbers.begin(), pick.numbers.end()), pick.numbers.end());
    return pick;
}

std::vector<int> bestRows(const StatTable &table, const std::vector<int> &rows, int drawCount, int count)
{
    std::vector<int> best = rows;
    std::stable_sort(best.begin(), best.end(), [&](int a, int b) {
        const StatRow &ra = table.rows[static_cast<size_t>(a)];
        const StatRow &rb = table.rows[static_cast<size_t>(b)];
        const qint64 dueA = std::abs(dueIn(drawCount, ra.since, ra.drawn));
        const qint64 dueB = std::abs(dueIn(drawCount, rb.since, rb.drawn));
        if (dueA != dueB)
            return dueA < dueB;
        return ra.drawn > rb.drawn;
    });
    if (count >= 0 && static_cast<size_t>(count) < best.size())
        best.resize(static_cast<size_t>(count));
    return best;
}

int chooseSystem(const QStringList &systemNames, int marked)
{
    for (int i = 0; i < systemNames.size(); ++i) {
        const QString &name = systemNames.at(i);
        const qsizetype blank = name.indexOf(QLatin1Char(' '));
        const QString firstWord = blank < 0 ? name : name.left(blank);
        if (textToInt(firstWord) >= marked)
            return i;
    }
    return -1;
}

} // namespace kivora::forecast
