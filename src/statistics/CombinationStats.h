#pragma once

// Pairs, triples and quadruples of main numbers: how many loaded draws held all the
// numbers of a combination, and how many draws have passed since the newest one did.

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Progress.h"
#include "results/DrawTable.h"
#include "statistics/StatTable.h"
#include "statistics/WorkSplit.h"

namespace kivora {

enum class Family {
    All,
    Neighbouring, // consecutive numbers: 07:08:09
    Related, // one last digit: 03:13:43; 100 ends in 0, so 10:100 is related
};

// The statistic of the k-number combinations (k = 2, 3, 4) of a family over the
// draws, oldest first. One row per combination of MinNumber..MaxNumber (cut to
// 0..100) in ascending order, first number slowest; since = draws after the newest
// draw holding all its numbers (R when none does), drawn = draws holding them (a
// number written twice in a record is there once; empty cells are 0, a real number
// only when MinNumber is 0). record = the longest absence of any listed combination,
// the run still open after the newest draw included (so R when one was never drawn);
// topCount = the largest drawn. The view sorts it by since (initialSort 1); titles
// Str25/26/27, Str32/30/31, Str46/47/48; mode tag 0, 33 or 44.
// A lottery too small for the family, or a k outside 2..4, gives no rows and a record
// line of "0" and "0".
// Triples and quadruples are counted on `threads` threads (kEveryCore: one per core),
// the calling thread among them, pairs (a few milliseconds) on the calling thread; the
// table is the same for any count. Safe to call from any thread on
// draws no other thread changes meanwhile; only the calling thread calls progress.
// The title of the pairs, triples or quadruples of a family, in the catalogue's language.
QString combinationTitle(int k, Family family, const MessageCatalog &messages);

StatTable combinationStats(const DrawTable &draws, const LotteryDefinition &definition, int k, Family family,
    const MessageCatalog &messages, const Progress &progress = {}, int threads = kEveryCore);

} // namespace kivora
