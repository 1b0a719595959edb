#include "statistics/NumberList.h"

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

MarkedNumbers readMarkedNumbers(const StatTable &numbers, const QString &given)
{
    MarkedNumbers marked;
    for (const QString &part : given.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString item = part.trimmed();
        if (item.isEmpty())
            continue;
        bool isNumber = false;
        const int value = item.toInt(&isNumber, 10);
        int row = -1;
        for (int r = 0; isNumber && r < numbers.rowCount() && row < 0; ++r) {
            if (numbers.numbers(r).value(0) == value)
                row = r;
        }
        if (row < 0 || marked.captions.contains(numbers.caption(row))) {
            marked.fault = row < 0 ? MarkedNumbers::Fault::NotInList : MarkedNumbers::Fault::Repeated;
            marked.item = row < 0 ? item : numbers.caption(row);
            return marked;
        }
        marked.captions.append(numbers.caption(row));
    }
    return marked;
}

} // namespace kivora
