#pragma once

// The number list: one row per main number with "Не выпадал" (since) and "Выпадал"
// (drawn), under the record line (longest completed absence, highest draw count).

#include "results/ResultsLoad.h"
#include "statistics/StatTable.h"

namespace kivora {

// Rows for MinNumber..MaxNumber in ascending order, the record line and sort column 1
// (since, descending). No rows after a failed load.
StatTable numberListTable(const LoadResult &result);

} // namespace kivora
