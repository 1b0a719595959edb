// update: the lottery's results file downloaded from its ResultsUrl (or --url) and merged
// into its base with the lottery's import profile; --dry-run downloads and reports
// without writing.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliImportReport.h"
#include "cli/CliOptions.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/Plural.h"
#include "core/ProgramFolder.h"
#include "net/ResultsUpdate.h"
#include "results/ImportResults.h"
#include "results/catalogue/LotterySource.h"
#include "results/import/ImportReport.h"

namespace kivora::cli {

using namespace option;

QString updateUsage(const CommandContext &ctx)
{
    if (ctx.has(kUrl) && !isWebAddress(ctx.value(kUrl)))
        return ctx.messages("Str740").arg(ctx.value(kUrl));
    return {};
}

CommandResult updateCommand(const CommandContext &ctx)
{
    const QString lottery = ctx.value(kLottery);
    const MessageCatalog &messages = ctx.messages;
    const LotterySource source = catalogue::lotterySource(
        IniFile(ctx.folder.configPath()).load(), lottery, catalogue::load(ctx.folder, messages));
    ResultsUpdateRequest request;
    request.url = ctx.has(kUrl) ? ctx.value(kUrl) : source.url;
    if (request.url.isEmpty())
        return CommandResult::failed(messages("Str748").arg(lottery));
    request.basePath = ctx.load->basePath;
    request.definition = ctx.load->definition;
    request.settings = source.settings;
    request.dryRun = ctx.has(kDryRun);
    // Only one load is alive at a time: the update reads the base again itself.
    *ctx.load = LoadResult();

    const Outcome<ResultsUpdate> updated = updateResults(request, messages);
    if (!updated)
        return CommandResult::failed(updated.failure(), messages);
    const ResultsUpdate &update = *updated;
    const PlannedImport &planned = update.planned;
    const int draws = request.dryRun ? planned.plan.baseBefore : planned.plan.baseAfter;

    CommandOutput output;
    QString &text = output.textAfter;
    text = QString::number(draws) + QLatin1Char('\n');
    text += withPlurals(messages("Str752").arg(update.bytes).arg(update.url)) + QLatin1Char('\n');
    const ImportResult counts = importCounts(planned.file.read);
    text += importSummaryText(counts, messages) + QLatin1Char('\n');
    const QString skipped = importSkippedText(counts, messages);
    if (!skipped.isEmpty())
        text += skipped + QLatin1Char('\n');
    text += mergeSummaryText(planned.plan, messages) + QLatin1Char('\n');
    if (request.dryRun)
        text += messages("Str541") + QLatin1Char('\n');
    JsonWriter json;
    json.beginObject().key(QStringLiteral("draws")).value(draws);
    writeMergeReport(json, planned, update.backupPath, request.dryRun, messages);
    json.key(QStringLiteral("url")).value(update.url);
    json.key(QStringLiteral("bytes")).value(update.bytes);
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace kivora::cli
