#pragma once

// Groups of ten: 1-10, 11-20, ... whatever MinNumber is; the last group ends at
// MaxNumber ("41-45"). Group r of G = ceil(MaxNumber / 10) holds 10r-9 .. min(10r, MaxNumber).
// A long base is counted on `threads` threads (kEveryCore: one per core); the result is
// the same for any count, and only the calling thread reports progress.

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Progress.h"
#include "results/DrawTable.h"
#include "statistics/StatTable.h"
#include "statistics/WorkSplit.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kivora {

// "Десятки (по 2 номера в десятке)": message Str28 and the caption of the command.
QString tensTitle(const MessageCatalog &messages, const QString &commandCaption);

// The k-numbers table (k = 2..6): one row per group ("01-10", ..., "41-45", "01-5")
// in ascending order; drawn = draws with k or more main numbers in the group (each
// record cell counts, so a number written twice counts twice), since = draws after
// the newest such draw (R when none). record = the longest such absence of any group,
// the open run included; topCount = the largest drawn. Mode tag k - 1, kind Groups,
// sorted by caption (initialSort 0).
StatTable tensStats(const DrawTable &draws, const LotteryDefinition &definition, int k, const QString &title,
    const Progress &progress = {}, int threads = kEveryCore);

// The all-draws table: per draw, how many of its main numbers fell into each group.
struct GroupCountsTable
{
    static constexpr int kRedCount = 4; // a cell with this many numbers or more is red

    QString title; // message Str28
    int groupCount = 0; // G: columns "1".."G" after the draw-number column
    int maxNumber = 0; // the last group ends here
    int rowCount = 0; // one row per draw; column 0 is the draw's number text
    std::vector<quint8> counts; // rowCount x groupCount
    QString recordText = QStringLiteral("-");
    QString topText = QStringLiteral("-");

    QStringList columnHeaders() const; // "1", "2", ..., "G"
    // The numbers of each group as the window heads its columns: "01-10", ..., "41-45".
    QStringList groupRanges() const;
    // Main numbers of draw `row` in group `group` (1..G).
    int count(int row, int group) const
    {
        return counts[static_cast<size_t>(row) * groupCount + static_cast<size_t>(group - 1)];
    }
    bool isRed(int row, int group) const { return count(row, group) >= kRedCount; }
};

GroupCountsTable tensByDraw(const DrawTable &draws, const LotteryDefinition &definition,
    const MessageCatalog &messages, const Progress &progress = {}, int threads = kEveryCore);

// Numbers from a ten: every k-number combination of lo..hi (a group row's bounds,
// cut to MinNumber..MaxNumber) in ascending order, first number slowest, with since
// and drawn as for pairs. A group with fewer than k numbers, or a range wider than
// ten numbers, gives no rows. The rows go to the ten's own list: record, record line
// and title stay those of the groups table (record 0, texts empty here), rows are
// not sorted (initialSort -1).
StatTable tenCombos(const DrawTable &draws, const LotteryDefinition &definition, int lo, int hi, int k,
    const Progress &progress = {}, int threads = kEveryCore);

} // namespace kivora
