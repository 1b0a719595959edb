#include "results/NumberList.h"

#include "core/StringFn.h"

namespace kivora {

StatTable numberListTable(const LoadResult &result)
{
    StatTable table;
    table.kind = StatTable::Kind::Numbers;
    table.modeTag = StatTable::kTagNumbers;
    table.initialSort = 1;
    const NumberCounts &counts = result.counts;
    table.record = counts.recordGap;
    table.topCount = counts.recordDrawn;
    table.recordText = intToText(counts.recordGap);
    table.topText = intToText(counts.recordDrawn);
    if (!result.ok)
        return table;
    const LotteryDefinition &d = result.definition;
    table.rows.reserve(static_cast<size_t>(d.maxNumber - d.minNumber + 1));
    for (int n = d.minNumber; n <= d.maxNumber; ++n)
        table.addNumber(n, counts.since[n], counts.drawn[n]);
    return table;
}

} // namespace kivora
