// import and add: the two changes of a results base, each followed by the reload the
// window runs, whose draw count they print; import also tells what it read and skipped.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/JsonWriter.h"
#include "core/MessageCatalog.h"
#include "results/AddDraw.h"
#include "results/ImportResults.h"

namespace kivora::cli {

namespace {

using option::kAdditional;
using option::kDate;
using option::kMain;
using option::kNumber;

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

// "read", "skipped", "skippedBy", "skippedLines" (the first few), "backup" and the
// status line's "message".
void writeImportCounts(JsonWriter &json, const ImportResult &result, const MessageCatalog &messages)
{
    json.key(QStringLiteral("read")).value(result.records);
    json.key(QStringLiteral("skipped")).value(result.skipped);
    json.key(QStringLiteral("skippedBy")).beginObject();
    for (ImportSkip reason : kImportSkipReasons)
        json.key(skipName(reason)).value(result.skippedFor(reason));
    json.endObject();
    json.key(QStringLiteral("skippedLines")).beginArray();
    for (const SkippedLine &line : result.firstSkipped) {
        json.beginObject();
        json.key(QStringLiteral("line")).value(line.line);
        json.key(QStringLiteral("reason")).value(skipName(line.reason));
        json.key(QStringLiteral("text")).value(line.text);
        json.endObject();
    }
    json.endArray();
    json.key(QStringLiteral("backup"));
    if (result.backupPath.isEmpty())
        json.null();
    else
        json.value(result.backupPath);
    json.key(QStringLiteral("message")).value(importSummaryText(result, messages));
}

CommandResult drawCountOutput(const CommandContext &ctx, const ImportResult *import = nullptr)
{
    // The whole base of --lottery, as the reload after a change shows it.
    LoadResult reloaded;
    CommandResult loaded = loadLottery(ctx, DrawFilter(), &reloaded);
    if (loaded.status != ExitOk)
        return loaded;
    CommandOutput output;
    QString &text = output.textAfter;
    text = QString::number(reloaded.drawCount()) + QLatin1Char('\n');
    if (import) {
        text += importSummaryText(*import, ctx.messages) + QLatin1Char('\n');
        const QString skipped = importSkippedText(*import, ctx.messages);
        if (!skipped.isEmpty())
            text += skipped + QLatin1Char('\n');
    }
    JsonWriter json;
    json.beginObject().key(QStringLiteral("draws")).value(reloaded.drawCount());
    if (import)
        writeImportCounts(json, *import, ctx.messages);
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace

QString importUsage(const CommandContext &ctx)
{
    return ctx.args.word(1).isEmpty() ? ctx.messages("Str333") : QString();
}

CommandResult importCommand(const CommandContext &ctx)
{
    LoadResult &load = *ctx.load;
    // Only one load is alive at a time: the count after the import loads the base again.
    const QString basePath = load.basePath;
    const LotteryDefinition definition = load.definition;
    load = LoadResult();
    const ImportResult result = importResults(basePath, ctx.args.word(1), definition, ctx.messages);
    if (!result.ok)
        return CommandResult::failed(result.error);
    return drawCountOutput(ctx, &result);
}

CommandResult addCommand(const CommandContext &ctx)
{
    // Here --machine and --ballset are the new draw's fields, not filters.
    LoadResult &load = *ctx.load;
    NewDraw draw;
    draw.number = ctx.value(kNumber);
    draw.date = ctx.value(kDate);
    draw.machine = ctx.value(option::kMachine);
    draw.ballSet = ctx.value(option::kBallSet);
    draw.mainText = ctx.value(kMain);
    draw.additionalText = ctx.value(kAdditional);
    // Only one load is alive at a time: the count after the append loads the base again.
    const QString basePath = load.basePath;
    const LotteryDefinition definition = load.definition;
    load = LoadResult();
    const QString refusal = addDraw(basePath, draw, definition, ctx.messages);
    if (!refusal.isEmpty())
        return CommandResult::failed(refusal);
    return drawCountOutput(ctx);
}

} // namespace kivora::cli
