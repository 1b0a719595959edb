#include "statistics/TensStats.h"

#include "statistics/EventRuns.h"
#include "statistics/NumberSet.h"

#include <algorithm>

namespace kivora {

namespace {

int groupCountOf(const LotteryDefinition &definition)
{
    return definition.maxNumber > 0 ? (definition.maxNumber + 9) / 10 : 0;
}

// counts[g] = the cells of draw t in group g + 1; a number below 1 or above MaxNumber
// is in no group.
void countGroups(const DrawTable &draws, int t, int maxNumber, std::vector<int> &counts)
{
    std::fill(counts.begin(), counts.end(), 0);
    const int *cells = draws.numbers(t);
    for (int j = 0; j < draws.drawNumber(); ++j) {
        if (cells[j] >= 1 && cells[j] <= maxNumber)
            ++counts[static_cast<size_t>((cells[j] - 1) / 10)];
    }
}

} // namespace

QString tensTitle(const MessageCatalog &messages, const QString &commandCaption)
{
    return messages("Str28") + QStringLiteral(" (") + commandCaption + QLatin1Char(')');
}

StatTable tensStats(const DrawTable &draws, const LotteryDefinition &definition, int k, const QString &title,
    const Progress &progress, int threads)
{
    StatTable table;
    table.title = title;
    table.modeTag = k - 1;
    table.kind = StatTable::Kind::Groups;
    table.initialSort = 0;

    const int groups = groupCountOf(definition);
    const int drawCount = draws.rowCount();
    const std::vector<EventRuns> runs = eventRuns(groups > 0 ? drawCount : 0, groups, threads, progress,
        [&](int from, int to, std::vector<EventRuns> &hits) {
            std::vector<int> counts(static_cast<size_t>(groups), 0);
            for (int t = from; t < to; ++t) {
                countGroups(draws, t, definition.maxNumber, counts);
                for (size_t g = 0; g < counts.size(); ++g) {
                    if (counts[g] >= k)
                        hits[g].meet(t);
                }
            }
        });

    for (int r = 1; r <= groups; ++r) {
        const bool full = 10 * r <= definition.maxNumber;
        const EventRuns &group = runs[static_cast<size_t>(r - 1)];
        table.addGroup(
            10 * r - 9, full ? 10 * r : definition.maxNumber, full, group.since(drawCount), group.count);
        table.topCount = std::max(table.topCount, group.count);
        table.record = std::max(table.record, group.longestRun(drawCount));
    }
    table.recordText = QString::number(table.record);
    table.topText = QString::number(table.topCount);
    return table;
}

QStringList GroupCountsTable::columnHeaders() const
{
    QStringList headers;
    for (int r = 1; r <= groupCount; ++r)
        headers.append(QString::number(r));
    return headers;
}

QStringList GroupCountsTable::groupRanges() const
{
    QStringList ranges;
    for (int g = 1; g <= groupCount; ++g) {
        const int last = maxNumber > 0 ? std::min(10 * g, maxNumber) : 10 * g;
        ranges.append(QStringLiteral("%1-%2")
                          .arg(10 * g - 9, 2, 10, QLatin1Char('0'))
                          .arg(last, 2, 10, QLatin1Char('0')));
    }
    return ranges;
}

GroupCountsTable tensByDraw(const DrawTable &draws, const LotteryDefinition &definition,
    const MessageCatalog &messages, const Progress &progress, int threads)
{
    GroupCountsTable table;
    table.title = messages("Str28");
    table.groupCount = groupCountOf(definition);
    table.maxNumber = definition.maxNumber;
    table.rowCount = draws.rowCount();
    const size_t width = static_cast<size_t>(table.groupCount);
    table.counts.resize(static_cast<size_t>(table.rowCount) * width);
    // Stretches of draws fill their own rows.
    constexpr int kStretch = 1 << 15;
    forEachItem((table.rowCount + kStretch - 1) / kStretch, threads, progress, [&](int stretch, int) {
        std::vector<int> counts(width, 0);
        const int end = std::min(table.rowCount, (stretch + 1) * kStretch);
        for (int t = stretch * kStretch; t < end; ++t) {
            countGroups(draws, t, definition.maxNumber, counts);
            quint8 *row = table.counts.data() + static_cast<size_t>(t) * width;
            for (size_t g = 0; g < width; ++g)
                row[g] = static_cast<quint8>(std::min(counts[g], 255));
        }
    });
    return table;
}

StatTable tenCombos(const DrawTable &draws, const LotteryDefinition &definition, int lo, int hi, int k,
    const Progress &progress, int threads)
{
    StatTable table;
    table.kind = StatTable::Kind::Numbers;
    table.initialSort = -1;
    const NumberRange whole = mainRange(definition);
    const NumberRange range { std::max(lo, whole.lo), std::min(hi, whole.hi) };
    if (k < 1 || k > range.size() || range.size() > 10)
        return table;

    std::vector<NumberSet> candidates;
    forEachCombination(range, k, 1, [&](const int *numbers) {
        NumberSet candidate;
        for (int j = 0; j < k; ++j)
            candidate.insert(numbers[j]);
        candidates.push_back(candidate);
    });
    const std::vector<SetTally> tallies = tallySets(drawSets(draws, range), candidates, threads, progress);
    size_t i = 0;
    forEachCombination(range, k, 1, [&](const int *numbers) {
        const SetTally &tally = tallies[i++];
        table.addNumbers(numbers, k, tally.since, tally.drawn);
        // Rows are coloured against the longest gap among these combinations.
        table.record = std::max(table.record, tally.longest);
    });
    return table;
}

} // namespace kivora
