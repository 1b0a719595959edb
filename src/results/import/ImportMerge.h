#pragma once

// Adding imported draws to a results base. A draw whose date (and number, where both
// have one) is in the base with the same numbers is a duplicate; the same date with
// other numbers is a conflict, reported and never written. The base stays in date
// order: new draws after its last one are appended, a new draw that falls between
// existing ones makes the base be rewritten, its old copy kept as "<base>.bak".

#include "core/LotteryDefinition.h"
#include "results/ResultsLoad.h"
#include "results/import/ImportRead.h"

#include <QDate>
#include <QList>
#include <QString>

#include <vector>

namespace kivora {

class MessageCatalog;

struct MergeConflict
{
    QDate date;
    int line = 0; // the source row
    QString baseNumbers; // "5,12,23,34,45 + 7"
    QString importedNumbers;
};

// How many conflicts a plan lists (all are counted).
inline constexpr int kListedConflicts = 5;

struct MergePlan
{
    int baseBefore = 0; // draws of the base
    int baseAfter = 0;
    int fresh = 0; // draws the base lacks, to be written
    int duplicates = 0;
    int conflicts = 0;
    QList<MergeConflict> firstConflicts;
    std::vector<int> newDraws; // indexes into the imported draws, oldest first
    std::vector<int> newNumbers; // the draw number each is written with
    bool rewrite = false; // some new draw goes before the base's last dated draw
    QDate firstDate; // the base after the merge
    QDate lastDate;
};

// The date of a base record's date field: the sample bases' "dd.MM.yyyy" or the
// system's short date; invalid for "-" and anything else.
QDate baseRecordDate(const QString &text);

// The plan of merging imported draws into a base already loaded (all its draws).
MergePlan planMerge(const DrawTable &base, const ImportedDraws &imported);
// The plan of replacing the base: every imported draw is new, numbered from 1 where
// the source has no numbers.
MergePlan planReplace(int baseDraws, const ImportedDraws &imported);

struct ImportWrite
{
    bool ok = false;
    QString message; // why nothing was written
    QString backupPath; // "<base>.bak" when the base was rewritten or replaced
};

// Writes the plan's new draws into the base: appended, or the base rewritten in date
// order through a temporary file after its copy to "<base>.bak". baseWriteRefusal and
// lineLimit apply as to every import; a base that changed since it was loaded
// (another line count) is left alone.
ImportWrite writeMerge(const QString &basePath, const MergePlan &plan, const ImportedDraws &imported,
    const LotteryDefinition &definition, const MessageCatalog &messages, int lineLimit = kLargestDrawCount);

// Replaces the base with the imported draws (the plan of planReplace), keeping the old
// base as "<base>.bak".
ImportWrite writeReplace(const QString &basePath, const MergePlan &plan, const ImportedDraws &imported,
    const LotteryDefinition &definition, const MessageCatalog &messages, int lineLimit = kLargestDrawCount);

// The record line of an imported draw.
QString importedRecordLine(const ImportedDraws &imported, int index, int number);

} // namespace kivora
