#include "statistics/DrawHighlight.h"

#include <algorithm>

namespace kivora {

namespace {

bool holds(const DrawTable &draws, int t, int number)
{
    const int *cells = draws.numbers(t);
    return std::find(cells, cells + draws.drawNumber(), number) != cells + draws.drawNumber();
}

} // namespace

std::vector<bool> highlightedDraws(const StatTable &table, int row, const DrawTable &draws)
{
    std::vector<bool> paint(static_cast<size_t>(draws.rowCount()), false);
    if (row < 0 || row >= table.rowCount())
        return paint;
    const int tag = table.modeTag;

    if (table.kind == StatTable::Kind::Groups) {
        if (tag < 1 || tag > 32)
            return paint;
        const int lo = table.groupLow(row);
        const int hi = table.groupHigh(row);
        for (int t = 0; t < draws.rowCount(); ++t) {
            const int *cells = draws.numbers(t);
            const auto inGroup
                = std::count_if(cells, cells + draws.drawNumber(), [&](int n) { return n >= lo && n <= hi; });
            paint[static_cast<size_t>(t)] = inGroup > tag;
        }
        return paint;
    }

    // Below tag 33 two numbers decide, from 33 on three, at exactly 44 four: a triple
    // caption shown under tag 0 would paint the draws holding its first two numbers.
    const QList<int> numbers = table.numbers(row);
    const int needed = tag < 33 ? 2 : (tag == 44 ? 4 : 3);
    if (numbers.size() < needed)
        return paint;
    for (int t = 0; t < draws.rowCount(); ++t) {
        bool all = true;
        for (int i = 0; i < needed && all; ++i)
            all = holds(draws, t, numbers[i]);
        paint[static_cast<size_t>(t)] = all;
    }
    return paint;
}

std::vector<bool> drawsWithNumber(const DrawTable &draws, int number)
{
    std::vector<bool> paint(static_cast<size_t>(draws.rowCount()), false);
    for (int t = 0; t < draws.rowCount(); ++t)
        paint[static_cast<size_t>(t)] = holds(draws, t, number);
    return paint;
}

} // namespace kivora
