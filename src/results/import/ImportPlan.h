#pragma once

// One import from its file to the base: the file read by its layout and the merge or
// replace planned against the base, then the plan written. The window's preview and
// the command line go through the same steps.

#include "core/LotteryDefinition.h"
#include "results/DrawTable.h"
#include "results/ImportResults.h"
#include "results/import/ImportFile.h"
#include "results/import/ImportMerge.h"

#include <QByteArray>
#include <QString>

namespace kivora {

class MessageCatalog;

struct PlannedImport
{
    QString path; // the file
    QByteArray bytes; // as read once, for a replace that takes them as records
    ImportFileRead file; // the layout, the first rows and the draws; refused as read
    MergePlan plan; // empty when the file was refused
    bool merge = false; // the plan adds new draws; else it replaces the base

    bool ok() const { return file.ok(); }
};

// The base an import is planned against: for a merge all its draws, unfiltered; a
// replace only needs how many there are.
struct ImportTarget
{
    const DrawTable &draws;
    int drawCount = 0;
    bool merge = false;
};

// Reads the file with the settings and plans adding its new draws to the base or
// replacing the base with them.
PlannedImport planImport(const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const ImportTarget &target, const MessageCatalog &messages);
// The same for the file's bytes read already.
PlannedImport planImportBytes(QByteArray bytes, const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const ImportTarget &target, const MessageCatalog &messages);

// The draws already read planned again, the other way, without reading the file again.
void replanImport(PlannedImport *planned, const ImportTarget &target);

// Writes a plan that was not refused: its new draws appended or merged, or the base
// replaced, the old one kept as "<base>.bak".
ImportWrite writePlannedImport(const QString &basePath, const PlannedImport &planned,
    const LotteryDefinition &definition, const MessageCatalog &messages);

// Writes a plan as the window's import does and tells it as ImportResult: a replace
// the user set nothing for (recordsFirst) takes the file as the base's own records
// first, as the program always did (importResults), and writes the plan only when
// they do not fit.
ImportResult runPlannedImport(const QString &basePath, const PlannedImport &planned,
    const LotteryDefinition &definition, bool recordsFirst, const MessageCatalog &messages);

// The counts of the summary line (read, skipped and why) of draws read by layout.
ImportResult importCounts(const ImportRead &read);

// What the file was read with, to be read with next time: the settings of the
// lottery's import profile.
ImportSettings usedImportSettings(const ImportFormat &format, const ImportSettings &settings);

} // namespace kivora
