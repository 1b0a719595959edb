// import: the draws of a file replace the base or, with --merge, are added to it. The
// file's layout is found from its rows unless --columns, --date-format, --encoding or
// the lottery's import profile say otherwise; --dry-run reports without writing.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliImportReport.h"
#include "cli/CliOptions.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/ImportResults.h"
#include "results/import/ImportPlan.h"
#include "results/import/ImportProfile.h"
#include "results/import/ImportReport.h"

namespace kivora::cli {

namespace {

using namespace option;

QString skipName(ImportSkip reason)
{
    switch (reason) {
    case ImportSkip::NotNumbers:
        return QStringLiteral("notNumbers");
    case ImportSkip::WrongCount:
        return QStringLiteral("wrongCount");
    case ImportSkip::OutOfRange:
        return QStringLiteral("outOfRange");
    case ImportSkip::Repeated:
        return QStringLiteral("repeated");
    case ImportSkip::NotADate:
        return QStringLiteral("notADate");
    case ImportSkip::ControlCharacter:
        return QStringLiteral("controlCharacter");
    }
    return {};
}

// A date as the base writes it; the empty text for none.
QString baseDateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// What an import did (or, dry, would do), as printed.
struct ImportReport
{
    ImportResult counts; // read, skipped and the backup, as the summary line tells them
    const ImportFormat *format = nullptr; // null when the file was taken as base records whole
    MergePlan plan;
    QString firstDate; // the base afterwards, as it writes them
    QString lastDate;
    bool merged = false; // the merge's counts and conflicts are told
    bool dryRun = false;
};

void writeOptionalText(JsonWriter &json, const QString &name, const QString &text)
{
    json.key(name);
    if (text.isEmpty())
        json.null();
    else
        json.value(text);
}

// "format": the layout the draws were read with; each role names its field as --columns
// writes it, a role given more than once (two draws a row) an array of them.
void writeFormat(JsonWriter &json, const ImportFormat *format)
{
    json.key(QStringLiteral("format"));
    if (!format) {
        json.beginObject().key(QStringLiteral("kind")).value(importKindName(ImportKind::Native));
        json.endObject();
        return;
    }
    json.beginObject();
    json.key(QStringLiteral("kind")).value(importKindName(format->kind));
    writeOptionalText(json, QStringLiteral("encoding"), format->encoding);
    writeOptionalText(json, QStringLiteral("delimiter"),
        format->kind == ImportKind::Csv ? delimiterName(format->delimiter) : QString());
    json.key(QStringLiteral("header")).value(format->header);
    json.key(QStringLiteral("columns")).beginObject();
    const std::vector<ColumnField> fields = columnFields(format->columns, format->headerNames);
    QStringList roles;
    for (const ColumnField &field : fields) {
        if (!roles.contains(field.role))
            roles.append(field.role);
    }
    for (const QString &role : roles) {
        QStringList values;
        for (const ColumnField &field : fields) {
            if (field.role == role)
                values.append(field.field);
        }
        json.key(role);
        if (values.size() == 1) {
            json.value(values.front());
            continue;
        }
        json.beginArray();
        for (const QString &value : values)
            json.value(value);
        json.endArray();
    }
    json.endObject();
    writeOptionalText(json, QStringLiteral("dateFormat"), dateFormatName(format->dateOrder));
    json.key(QStringLiteral("order")).value(rowOrderName(format->order));
    json.endObject();
}

void writeReport(JsonWriter &json, const ImportReport &report, const MessageCatalog &messages)
{
    const ImportResult &counts = report.counts;
    json.key(QStringLiteral("read")).value(counts.records);
    json.key(QStringLiteral("skipped")).value(counts.skipped);
    json.key(QStringLiteral("skippedBy")).beginObject();
    for (ImportSkip reason : kImportSkipReasons)
        json.key(skipName(reason)).value(counts.skippedFor(reason));
    json.endObject();
    json.key(QStringLiteral("skippedLines")).beginArray();
    for (const SkippedLine &line : counts.firstSkipped) {
        json.beginObject();
        json.key(QStringLiteral("line")).value(line.line);
        json.key(QStringLiteral("reason")).value(skipName(line.reason));
        json.key(QStringLiteral("text")).value(line.text);
        json.endObject();
    }
    json.endArray();
    writeOptionalText(json, QStringLiteral("backup"), counts.backupPath);
    json.key(QStringLiteral("message")).value(importSummaryText(counts, messages));
    writeFormat(json, report.format);
    const MergePlan &plan = report.plan;
    json.key(QStringLiteral("new")).value(plan.fresh);
    json.key(QStringLiteral("duplicates")).value(plan.duplicates);
    json.key(QStringLiteral("conflicts")).value(plan.conflicts);
    json.key(QStringLiteral("baseBefore")).value(plan.baseBefore);
    json.key(QStringLiteral("baseAfter")).value(plan.baseAfter);
    writeOptionalText(json, QStringLiteral("firstDate"), report.firstDate);
    writeOptionalText(json, QStringLiteral("lastDate"), report.lastDate);
    json.key(QStringLiteral("dryRun")).value(report.dryRun);
}

CommandResult reportOutput(const CommandContext &ctx, ImportReport report)
{
    int draws = report.plan.baseAfter;
    if (!report.dryRun) {
        // The whole base of --lottery, as the reload after a change shows it.
        LoadResult reloaded;
        CommandResult loaded = loadLottery(ctx, DrawFilter(), &reloaded);
        if (loaded.status != ExitOk)
            return loaded;
        draws = reloaded.drawCount();
        report.plan.baseAfter = reloaded.drawCount();
        if (!report.format && draws > 0) {
            report.firstDate = reloaded.draws.date(0);
            report.lastDate = reloaded.draws.date(draws - 1);
        }
    }
    const MessageCatalog &messages = ctx.messages;
    CommandOutput output;
    QString &text = output.textAfter;
    text = QString::number(draws) + QLatin1Char('\n');
    text += importSummaryText(report.counts, messages) + QLatin1Char('\n');
    const QString skipped = importSkippedText(report.counts, messages);
    if (!skipped.isEmpty())
        text += skipped + QLatin1Char('\n');
    if (report.merged) {
        text += mergeSummaryText(report.plan, messages) + QLatin1Char('\n');
        const QString conflicts = mergeConflictsText(report.plan, messages);
        if (!conflicts.isEmpty())
            text += conflicts + QLatin1Char('\n');
    }
    if (report.format && report.format->kind != ImportKind::Native) {
        text += messages("Str542").arg(columnMapText(report.format->columns, report.format->headerNames))
            + QLatin1Char('\n');
    }
    if (report.dryRun)
        text += messages("Str541") + QLatin1Char('\n');
    JsonWriter json;
    json.beginObject().key(QStringLiteral("draws")).value(draws);
    writeReport(json, report, messages);
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

ImportSettings givenSettings(const CommandContext &ctx)
{
    ImportSettings settings;
    settings.encoding = ctx.value(kEncoding);
    settings.columns = ctx.value(kColumns);
    settings.dateFormat = ctx.value(kDateFormat);
    settings.since = ctx.value(kSince);
    return settings;
}

// The file taken as base records, line by line, as the program always imported them:
// the report of a success, or the refusal to fall back on.
Outcome<CommandResult> importRecords(const CommandContext &ctx, const QString &basePath,
    const QByteArray &bytes, const LotteryDefinition &definition, int baseBefore)
{
    const ImportResult imported
        = importResultsFromBytes(basePath, ctx.args.word(1), bytes, definition, ctx.messages);
    if (!imported.ok)
        return Failure::format(imported.error);
    ImportReport report;
    report.counts = imported;
    report.plan.baseBefore = baseBefore;
    report.plan.fresh = imported.records;
    return reportOutput(ctx, report);
}

} // namespace

void writeMergeReport(JsonWriter &json, const PlannedImport &planned, const QString &backupPath, bool dryRun,
    const MessageCatalog &messages)
{
    ImportReport report;
    report.format = &planned.file.format;
    report.merged = true;
    report.dryRun = dryRun;
    report.counts = importCounts(planned.file.read);
    report.counts.backupPath = backupPath;
    report.plan = planned.plan;
    report.firstDate = baseDateText(report.plan.firstDate);
    report.lastDate = baseDateText(report.plan.lastDate);
    writeReport(json, report, messages);
}

QString importUsage(const CommandContext &ctx)
{
    if (ctx.args.word(1).isEmpty())
        return ctx.messages("Str333");
    if (ctx.has(kEncoding) && canonicalEncoding(ctx.value(kEncoding)).isEmpty())
        return ctx.messages("Str519").arg(ctx.value(kEncoding));
    if (ctx.has(kDateFormat) && dateOrderFromFormat(ctx.value(kDateFormat)) == DateOrder::Unknown)
        return ctx.messages("Str521").arg(ctx.value(kDateFormat));
    if (ctx.has(kSince) && !readSinceDate(ctx.value(kSince)).isValid())
        return ctx.messages("Str525").arg(ctx.value(kSince));
    if (ctx.has(kColumns)) {
        const ColumnMap columnMap = parseColumnMap(ctx.value(kColumns), ctx.messages);
        if (!columnMap.ok)
            return columnMap.message;
    }
    return {};
}

CommandResult importCommand(const CommandContext &ctx)
{
    const QString path = ctx.args.word(1);
    const QString lottery = ctx.value(kLottery);
    const bool merge = ctx.has(kMerge);
    const bool dryRun = ctx.has(kDryRun);
    const bool saveProfile = ctx.has(kSaveProfile);
    const ImportSettings given = givenSettings(ctx);
    const ImportSettings settings
        = withProfile(given, readImportProfile(IniFile(ctx.folder.configPath()).load(), lottery));

    LoadResult &load = *ctx.load;
    const QString basePath = load.basePath;
    const LotteryDefinition definition = load.definition;
    const int baseBefore = load.drawCount();

    // A replace that nothing sets reads the file as the base's own records first, as
    // the program always did; a file they do not fit is read by its layout.
    // The file is read once for both.
    QString recordsError;
    QByteArray bytes;
    bool haveBytes = false;
    if (!merge && !dryRun && !saveProfile && settings.isEmpty()) {
        load = LoadResult();
        Outcome<QByteArray> read = textfile::readBytes(path);
        haveBytes = read.ok();
        if (haveBytes)
            bytes = std::move(read).value();
        if (haveBytes) {
            const Outcome<CommandResult> records
                = importRecords(ctx, basePath, bytes, definition, baseBefore);
            if (records)
                return *records;
            recordsError = records.failure().text;
        }
    }

    const ImportTarget target { load.draws, baseBefore, merge };
    const PlannedImport planned = haveBytes
        ? planImportBytes(std::move(bytes), path, definition, settings, target, ctx.messages)
        : planImport(path, definition, settings, target, ctx.messages);
    const ImportFileRead &read = planned.file;
    if (!read.ok()) {
        switch (read.refusal) {
        case ImportRefusal::BadSettings:
            return CommandResult::wrongUsage(read.message);
        case ImportRefusal::AmbiguousDates:
            return CommandResult::wrongUsage(read.message + QLatin1Char(' ') + ctx.messages("Str543"));
        case ImportRefusal::Source:
            // Empty, binary or unreadable: its own reason says it best.
            return CommandResult::failed(read.message);
        default:
            // Neither as base records nor by its layout: both reasons.
            return CommandResult::failed(
                recordsError.isEmpty() ? read.message : recordsError + QLatin1Char(' ') + read.message);
        }
    }
    if ((read.format.doubts & DoubtColumns) && settings.columns.isEmpty()) {
        return CommandResult::wrongUsage(
            ctx.messages("Str540").arg(path, columnMapText(read.format.columns, read.format.headerNames)));
    }

    ImportReport report;
    report.format = &read.format;
    report.merged = merge;
    report.dryRun = dryRun;
    report.counts = importCounts(read.read);
    report.plan = planned.plan;
    report.firstDate = baseDateText(report.plan.firstDate);
    report.lastDate = baseDateText(report.plan.lastDate);
    // Only one load is alive at a time: the count after the import loads the base again.
    load = LoadResult();
    if (dryRun)
        return reportOutput(ctx, report);

    const ImportWrite written = writePlannedImport(basePath, planned, definition, ctx.messages);
    if (!written.ok)
        return CommandResult::failed(written.message);
    report.counts.backupPath = written.backupPath;
    if (saveProfile) {
        const Done saved = saveImportProfile(
            IniFile(ctx.folder.configPath()), lottery, usedImportSettings(read.format, settings));
        if (!saved)
            return CommandResult::failed(saved.failure(), ctx.messages);
    }
    return reportOutput(ctx, report);
}

} // namespace kivora::cli
