#include "results/import/ImportPlan.h"

#include "core/Failure.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/import/ColumnMap.h"
#include "results/import/ImportDates.h"
#include "results/import/ImportFormat.h"

namespace kivora {

PlannedImport planImport(const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const ImportTarget &target, const MessageCatalog &messages)
{
    Outcome<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes) {
        PlannedImport planned;
        planned.path = path;
        planned.file.refusal = ImportRefusal::Source;
        planned.file.message = failureMessage(bytes.failure(), messages);
        return planned;
    }
    return planImportBytes(std::move(bytes).value(), path, definition, settings, target, messages);
}

PlannedImport planImportBytes(QByteArray bytes, const QString &path, const LotteryDefinition &definition,
    const ImportSettings &settings, const ImportTarget &target, const MessageCatalog &messages)
{
    PlannedImport planned;
    planned.path = path;
    planned.bytes = std::move(bytes);
    planned.file = readImportFileBytes(planned.bytes, path, definition, settings, messages);
    replanImport(&planned, target);
    return planned;
}

void replanImport(PlannedImport *planned, const ImportTarget &target)
{
    planned->merge = target.merge;
    planned->plan = MergePlan();
    if (!planned->ok())
        return;
    const ImportedDraws &draws = planned->file.read.draws;
    planned->plan = target.merge ? planMerge(target.draws, draws) : planReplace(target.drawCount, draws);
}

ImportWrite writePlannedImport(const QString &basePath, const PlannedImport &planned,
    const LotteryDefinition &definition, const MessageCatalog &messages)
{
    const ImportedDraws &draws = planned.file.read.draws;
    return planned.merge ? writeMerge(basePath, planned.plan, draws, definition, messages)
                         : writeReplace(basePath, planned.plan, draws, definition, messages);
}

ImportResult runPlannedImport(const QString &basePath, const PlannedImport &planned,
    const LotteryDefinition &definition, bool recordsFirst, const MessageCatalog &messages)
{
    if (recordsFirst && !planned.merge) {
        const ImportResult records
            = importResultsFromBytes(basePath, planned.path, planned.bytes, definition, messages);
        if (records.ok)
            return records;
    }
    ImportResult result = importCounts(planned.file.read);
    if (!planned.ok()) {
        result.ok = false;
        result.error = planned.file.message;
        return result;
    }
    const ImportWrite written = writePlannedImport(basePath, planned, definition, messages);
    result.ok = written.ok;
    result.error = written.message;
    result.backupPath = written.backupPath;
    return result;
}

ImportResult importCounts(const ImportRead &read)
{
    ImportResult counts;
    counts.ok = true;
    counts.records = read.draws.size();
    counts.skipped = read.skipped;
    counts.skippedBy = read.skippedBy;
    counts.firstSkipped = read.firstSkipped;
    return counts;
}

ImportSettings usedImportSettings(const ImportFormat &format, const ImportSettings &settings)
{
    ImportSettings used;
    used.encoding = format.encoding;
    used.since = settings.since;
    if (format.kind == ImportKind::Native)
        return used;
    if (format.kind == ImportKind::Csv)
        used.delimiter = delimiterName(format.delimiter);
    if (format.kind != ImportKind::Json)
        used.header = format.header ? 1 : 0;
    used.columns = columnMapText(format.columns, format.headerNames);
    used.dateFormat = dateFormatName(format.dateOrder);
    return used;
}

} // namespace kivora
