#include "statistics/TensStats.h"

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
    const Progress &progress)
{
    StatTable table;
    table.title = title;
    table.modeTag = k - 1;
    table.kind = StatTable::Kind::Groups;
    table.initialSort = 0;

    const int groups = groupCountOf(definition);
    std::vector<int> since(static_cast<size_t>(groups), 0);
    std::vector<int> hits(static_cast<size_t>(groups), 0);
    std::vector<int> counts(static_cast<size_t>(groups), 0);
    SteppedProgress steps(progress, 0, draws.rowCount());
    for (int t = 0; t < draws.rowCount() && groups > 0; ++t) {
        countGroups(draws, t, definition.maxNumber, counts);
        for (size_t g = 0; g < counts.size(); ++g) {
            if (counts[g] >= k) {
                ++hits[g];
                since[g] = 0;
            } else {
                ++since[g];
                table.record = std::max(table.record, since[g]);
            }
        }
        steps.at(t);
    }
    steps.done();

    for (int r = 1; r <= groups; ++r) {
        const bool full = 10 * r <= definition.maxNumber;
        const size_t g = static_cast<size_t>(r - 1);
        table.addGroup(10 * r - 9, full ? 10 * r : definition.maxNumber, full, since[g], hits[g]);
        table.topCount = std::max(table.topCount, hits[g]);
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

GroupCountsTable tensByDraw(const DrawTable &draws, const LotteryDefinition &definition,
    const MessageCatalog &messages, const Progress &progress)
{
    GroupCountsTable table;
    table.title = messages("Str28");
    table.groupCount = groupCountOf(definition);
    table.rowCount = draws.rowCount();
    table.counts.reserve(static_cast<size_t>(table.rowCount) * static_cast<size_t>(table.groupCount));
    std::vector<int> counts(static_cast<size_t>(table.groupCount), 0);
    SteppedProgress steps(progress, 0, draws.rowCount());
    for (int t = 0; t < draws.rowCount(); ++t) {
        countGroups(draws, t, definition.maxNumber, counts);
        for (int c : counts)
            table.counts.push_back(static_cast<quint8>(std::min(c, 255)));
        steps.at(t);
    }
    steps.done();
    return table;
}

StatTable tenCombos(const DrawTable &draws, const LotteryDefinition &definition, int lo, int hi, int k,
    const Progress &progress)
{
    StatTable table;
    table.kind = StatTable::Kind::Numbers;
    table.initialSort = -1;
    const NumberRange whole = mainRange(definition);
    const NumberRange range { std::max(lo, whole.lo), std::min(hi, whole.hi) };
    if (k < 1 || k > range.size() || range.size() > 10)
        return table;

    const std::vector<NumberSet> sets = drawSets(draws, range);
    const int lastFirst = range.hi - k + 1;
    forEachCombination(range, k, 1, [&](const int *numbers) {
        NumberSet candidate;
        for (int j = 0; j < k; ++j)
            candidate.insert(numbers[j]);
        const SetTally tally = tallySet(sets, candidate);
        table.addNumbers(numbers, k, tally.since, tally.drawn);
        // Rows are coloured against the longest gap among these combinations.
        table.record = std::max(table.record, tally.longest);
        // The last combination with this first number continues with hi - k + 2 ... hi.
        const bool lastWithThisFirst = k == 1 || numbers[1] == range.hi - k + 2;
        if (lastWithThisFirst)
            report(progress, 0, lastFirst, numbers[0]);
    });
    return table;
}

} // namespace kivora
