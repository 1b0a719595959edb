#pragma once

// Which loaded draws the results view paints red when a row of a statistic is chosen.
// Each result has one entry per draw (row of the DrawTable); true = paint red.

#include "results/DrawTable.h"
#include "statistics/StatTable.h"

#include <vector>

namespace kivora {

// A row of the statistics panel's table:
// - a pair (tag 0), triple (tag 33) or quadruple (tag 44): the draws holding all its
//   numbers; a single number (tag 0: positions, additional numbers) paints nothing;
// - a group row lo-hi with tag g in 1..5: the draws with more than g of their main
//   numbers (record cells, so a number written twice counts twice) within lo..hi.
// Any other row paints nothing.
std::vector<bool> highlightedDraws(const StatTable &table, int row, const DrawTable &draws);

// A row of the number list: the draws holding the number.
std::vector<bool> drawsWithNumber(const DrawTable &draws, int number);

} // namespace kivora
