#include "statistics/PositionStats.h"

#include "statistics/EventRuns.h"
#include "statistics/NumberSet.h"

#include <algorithm>

namespace kivora {

namespace {

// The table of single numbers from their runs over drawCount draws: one row per number
// of `rows`; record = the longest completed absence of a row's number (a number met in
// draws 3 and 5, from 1, was absent 2 draws, then 1); topCount = the largest count of
// any number 0..100.
StatTable singleNumbers(const std::vector<EventRuns> &runs, NumberRange rows, int drawCount,
    const QString &title, const Progress &progress)
{
    StatTable table;
    table.title = title;
    table.modeTag = StatTable::kTagNumbers;
    table.kind = StatTable::Kind::Numbers;
    table.initialSort = -1;
    for (const EventRuns &number : runs)
        table.topCount = std::max(table.topCount, number.count);
    table.rows.reserve(static_cast<size_t>(rows.size()));
    for (int n = rows.lo; n <= rows.hi; ++n) {
        const EventRuns &number = runs[static_cast<size_t>(n)];
        table.record = std::max(table.record, number.longestClosed());
        table.addNumber(n, number.since(drawCount), number.count);
        report(progress, 0, rows.hi, n);
    }
    table.recordText = QString::number(table.record);
    table.topText = QString::number(table.topCount);
    return table;
}

} // namespace

QString positionTitle(const MessageCatalog &messages, PositionOrder order, const QString &itemCaption)
{
    const QString text = messages(order == PositionOrder::Drawing ? "Str49" : "Str50");
    return text + QStringLiteral(" (") + itemCaption + QLatin1Char(')');
}

StatTable positionStats(const DrawTable &draws, const LotteryDefinition &definition, int p,
    PositionOrder order, const QString &title, const Progress &progress, int threads)
{
    const NumberRange rows = mainRange(definition);
    const int width = draws.drawNumber();
    const bool positionExists = p >= 1 && p <= width;
    const std::vector<EventRuns> runs = eventRuns(draws.rowCount(), kLargestNumber + 1, threads, progress,
        [&](int from, int to, std::vector<EventRuns> &numbers) {
            if (!positionExists)
                return;
            std::vector<int> sorted(static_cast<size_t>(width));
            for (int t = from; t < to; ++t) {
                int v = draws.number(t, p - 1);
                if (order == PositionOrder::Ascending) {
                    std::copy(draws.numbers(t), draws.numbers(t) + width, sorted.begin());
                    std::nth_element(sorted.begin(), sorted.begin() + (p - 1), sorted.end());
                    v = sorted[static_cast<size_t>(p - 1)];
                }
                if (rows.contains(v))
                    numbers[static_cast<size_t>(v)].meet(t);
            }
        });
    return singleNumbers(runs, rows, draws.rowCount(), title, progress);
}

StatTable additionalStats(const DrawTable &draws, const LotteryDefinition &definition, const QString &title,
    const Progress &progress, int threads)
{
    const std::vector<EventRuns> runs = eventRuns(draws.rowCount(), kLargestNumber + 1, threads, progress,
        [&](int from, int to, std::vector<EventRuns> &numbers) {
            for (int t = from; t < to; ++t) {
                for (int j = 0; j < draws.additionalCount(); ++j) {
                    const int v = textToInt(draws.additional(t, j));
                    if (v >= 0 && v <= kLargestNumber)
                        numbers[static_cast<size_t>(v)].meet(t);
                }
            }
        });
    return singleNumbers(runs, tableRange(definition.minnumberOfAddBall, definition.maxnumberOfAddBall),
        draws.rowCount(), title, progress);
}

} // namespace kivora
