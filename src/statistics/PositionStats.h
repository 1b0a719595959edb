#pragma once

// Single numbers of one kind of place: a position of the draw, or the additional numbers.
// A long base is counted in stretches of draws on `threads` threads (kEveryCore: one
// per core); the table is the same for any count, and only the calling thread reports
// progress.

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Progress.h"
#include "results/DrawTable.h"
#include "statistics/StatTable.h"
#include "statistics/WorkSplit.h"

#include <QString>

namespace kivora {

enum class PositionOrder {
    Drawing, // the p-th number as the record stores it
    Ascending, // the p-th smallest number of the draw
};

// "В порядке выпадения номеров (Позиция 1)": message Str49 or Str50 and the caption
// of the position's menu item.
QString positionTitle(const MessageCatalog &messages, PositionOrder order, const QString &itemCaption);

// Positional analysis of position p (1..DrawNumber): one row per number MinNumber..
// MaxNumber (cut to 0..100) in ascending order; since = draws after the newest one
// with the number at position p (R when none), drawn = draws with it there.
// record = the longest completed absence (the run before a first appearance counts,
// a run still open after the newest draw does not); topCount = the largest drawn.
// A value at the position outside the rows' range counts nowhere. Mode tag 0, not
// sorted (initialSort -1).
StatTable positionStats(const DrawTable &draws, const LotteryDefinition &definition, int p,
    PositionOrder order, const QString &title, const Progress &progress = {}, int threads = kEveryCore);

// Additional numbers: one row per number MinnumberOfAddBall..MaxnumberOfAddBall (cut
// to 0..100) in ascending order; since and drawn as for a position, a number listed
// twice in a draw counting twice; record as for a position. An empty or non-numeric
// cell reads as 0. A value in 0..100 outside the rows' range is counted (it may raise
// topCount) but has no row; a value outside 0..100 is skipped. Mode tag 0, not sorted.
StatTable additionalStats(const DrawTable &draws, const LotteryDefinition &definition, const QString &title,
    const Progress &progress = {}, int threads = kEveryCore);

} // namespace kivora
