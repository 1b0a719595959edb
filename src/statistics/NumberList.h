#pragma once

// The number list: one row per main number with "Не выпадал" (since) and "Выпадал"
// (drawn), under the record line (longest completed absence, highest draw count).

#include "results/ResultsLoad.h"
#include "statistics/StatTable.h"

namespace kivora {

// Rows for MinNumber..MaxNumber in ascending order, the record line and sort column 1
// (since, descending). No rows after a failed load.
StatTable numberListTable(const LoadResult &result);

// A list of marked numbers as a player types it ("05, 11,17"): the number list's
// captions in the order given, blank items skipped. The first item that is no number
// of the list, or a number given twice, stops the reading; the result names it.
struct MarkedNumbers
{
    enum class Fault { None, NotInList, Repeated };
    QStringList captions;
    Fault fault = Fault::None;
    QString item; // the item at fault, trimmed
    bool ok() const { return fault == Fault::None; }
};
MarkedNumbers readMarkedNumbers(const StatTable &numbers, const QString &given);

} // namespace kivora
