// forecast, expand, save and check: play by system as the window's commands run it.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "forecast/Forecast.h"
#include "play/CombinationCheck.h"
#include "play/CombinationFile.h"
#include "play/SavedCheck.h"
#include "play/Systems.h"
#include "play/TicketSummary.h"
#include "statistics/CombinationStats.h"
#include "statistics/NumberList.h"

#include <set>

namespace kivora::cli {

namespace {

using option::kDraw;
using option::kFile;
using option::kMarked;
using option::kSystem;

// The combination list of --system for the --marked numbers, as the window's system
// selector expands it after every mark.
CommandResult expandMarked(const CommandContext &ctx, const LoadResult &load, SystemExpansion *expansion)
{
    QStringList captions;
    const QString error = markedCaptions(ctx, load, &captions);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    const IniDocument ini = IniFile(ctx.folder.configPath()).load();
    const QString systemError = unknownSystem(ctx, ini, load.definition);
    if (!systemError.isEmpty())
        return CommandResult::failed(systemError);
    TemplateCache templates;
    *expansion = expandCurrentSystem(
        templates, ini, load.definition, ctx.value(kSystem), ctx.folder, captions, ctx.messages);
    // The window shows an empty list and this message; here the command fails with it.
    if (!expansion->applied)
        return CommandResult::failed(expansion->message);
    return CommandResult::ok({});
}

CommandOutput forecastOutput(const CommandContext &ctx, const QStringList &marked, const QString &system)
{
    const QString message = marked.isEmpty() ? ctx.messages("Str29") : QString();
    CommandOutput output;
    output.textAfter = QStringLiteral("marked\t") + marked.join(QLatin1Char(','))
        + QStringLiteral("\nsystem\t") + system + QLatin1Char('\n');
    if (!message.isEmpty())
        output.textAfter += QStringLiteral("message\t") + message + QLatin1Char('\n');
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("marked")).beginArray();
    for (const QString &caption : marked)
        json.value(caption);
    json.endArray();
    json.key(QStringLiteral("system")).value(system);
    json.key(QStringLiteral("message"));
    if (message.isEmpty())
        json.null();
    else
        json.value(message);
    json.endObject();
    output.setJson(json);
    return output;
}

} // namespace

QString forecastUsage(const CommandContext &ctx)
{
    const QString kind = ctx.args.word(1);
    if (kind != QLatin1String("numbers") && kind != QLatin1String("pairs"))
        return kind.isEmpty()
            ? ctx.messages("Str322").arg(QStringLiteral("forecast"), QStringLiteral("numbers, pairs"))
            : badValue(ctx, QStringLiteral("forecast"), kind,
                ctx.messages("Str318").arg(QStringLiteral("numbers, pairs")));
    return {};
}

CommandResult forecastCommand(const CommandContext &ctx)
{
    const QString kind = ctx.args.word(1);
    const LoadResult &load = *ctx.load;

    // The number list as the load leaves it, no number marked.
    const StatTable numbers = numberListTable(load);
    const std::vector<int> numberOrder = sortedOrder(numbers, numbers.initialSort);
    const int drawCount = load.draws.rowCount();
    std::set<int> chosen;
    if (kind == QLatin1String("numbers")) {
        const forecast::ForecastPick pick
            = forecast::choose(numbers, numberOrder, drawCount, forecast::Kind::Numbers);
        for (int row : pick.rows)
            chosen.insert(numbers.numbers(row).value(0));
    } else {
        // The pairs forecast runs the all-pairs statistic first and reads it in the
        // view's order; every number of a chosen pair is marked.
        const StatTable pairs = combinationStats(load.draws, load.definition, 2, Family::All, ctx.messages);
        const forecast::ForecastPick pick = forecast::choose(
            pairs, sortedOrder(pairs, pairs.initialSort), drawCount, forecast::Kind::Pairs);
        for (int row : pick.rows) {
            for (int n : pairs.numbers(row))
                chosen.insert(n);
        }
    }
    QStringList marked;
    for (int row : numberOrder) {
        if (chosen.count(numbers.numbers(row).value(0)) != 0)
            marked.append(numbers.caption(row));
    }
    // The selector starts at the first system after the load; a system for the marked
    // count replaces it when the list has one.
    const int index = forecast::chooseSystem(load.systems, static_cast<int>(marked.size()));
    const QString system = index >= 0 ? load.systems.at(index) : load.systems.value(0);
    return CommandResult::ok(forecastOutput(ctx, marked, system));
}

CommandResult expandCommand(const CommandContext &ctx)
{
    const LoadResult &load = *ctx.load;
    SystemExpansion expansion;
    CommandResult expanded = expandMarked(ctx, load, &expansion);
    if (expanded.status != ExitOk)
        return expanded;

    const CombinationList &list = expansion.list;
    CommandOutput output;
    output.notes.append(ctx.value(kSystem) + QStringLiteral("; ") + expansion.status);
    for (int column = 1; column <= list.columnCount(); ++column)
        output.table.columns.append(QString::number(column));
    for (int row = 0; row < list.rowCount(); ++row)
        output.table.add(list.row(row));
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("system")).value(ctx.value(kSystem));
    json.key(QStringLiteral("rows")).rowsSlot();
    json.key(QStringLiteral("status")).value(expansion.status);
    // How many tickets, how many numbers the system uses and, with a ticket price, the cost.
    const TicketSummary summary = ticketSummary(
        list, expansion.uses, IniFile(ctx.folder.configPath()).load(), ctx.value(option::kLottery));
    json.key(QStringLiteral("count")).value(static_cast<qint64>(summary.tickets));
    json.key(QStringLiteral("uses")).value(static_cast<qint64>(summary.uses));
    json.key(QStringLiteral("complete")).value(summary.complete());
    json.key(QStringLiteral("cost"));
    if (summary.costInCents)
        json.value(moneyText(*summary.costInCents));
    else
        json.null();
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

CommandResult saveCommand(const CommandContext &ctx)
{
    const LoadResult &load = *ctx.load;
    if (ctx.value(option::kOut).isEmpty())
        return CommandResult::wrongUsage(ctx.messages("Str308").arg(optionName(option::kOut)));
    SystemExpansion expansion;
    CommandResult expanded = expandMarked(ctx, load, &expansion);
    if (expanded.status != ExitOk)
        return expanded;
    const QString refusal = combinationSaveRefusal(expansion.list, ctx.messages);
    if (!refusal.isEmpty())
        return CommandResult::failed(refusal);
    const TicketSummary summary = ticketSummary(
        expansion.list, expansion.uses, IniFile(ctx.folder.configPath()).load(), ctx.value(option::kLottery));
    const OutFile out(ctx);
    if (const Done written = writeCombinationFile(out.path(), expansion.list, ctx.value(option::kLottery),
            ctx.value(kSystem), ctx.messages, costNote(summary, ctx.messages));
        !written)
        return CommandResult::failed(written.failure(), ctx.messages);
    if (out.toStandardOutput())
        return out.printed();
    // Nothing as text; the file and its row count as JSON.
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("file")).value(ctx.value(option::kOut));
    json.key(QStringLiteral("rows")).value(expansion.list.rowCount());
    json.endObject();
    CommandOutput output;
    output.setJson(json);
    return CommandResult::ok(output);
}

CommandResult checkCommand(const CommandContext &ctx)
{
    const LoadResult &load = *ctx.load;
    // A check that is refused leaves no report: the last one would be taken for its own.
    const QString reportPath = ctx.folder.filePath(check::reportFileName());
    const Outcome<SavedCombinations> file
        = readFileToCheck(ctx.value(kFile), ctx.value(option::kLottery), load.draws, ctx.messages);
    if (!file) {
        (void)discardCheckReport(reportPath);
        return CommandResult::failed(file.failure(), ctx.messages);
    }
    // Without --draw the draw the window's question proposes: the newest one.
    const QString entry = ctx.has(kDraw) ? ctx.value(kDraw) : proposedDrawEntry(load.draws);
    const DrawChoice choice = chooseDraw(load.draws, entry, ctx.messages);
    if (!choice.ok()) {
        (void)discardCheckReport(reportPath);
        return CommandResult::failed(choice.message);
    }
    const Outcome<CheckResult> checked
        = checkAndReport(*file, load.draws, choice.row, load.definition, reportPath, ctx.messages);
    if (!checked)
        return CommandResult::failed(checked.failure(), ctx.messages);
    const CheckResult &result = *checked;

    CommandOutput output;
    output.textAfter = withLineFeeds(result.report);
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("target")).value(result.targetNumber);
    // The categories the report lists, 0 .. the size of the combinations checked.
    json.key(QStringLiteral("counts")).beginArray();
    for (int k = 0; k <= result.reportedUpTo; ++k)
        json.value(result.counts[static_cast<size_t>(k)]);
    json.endArray();
    json.key(QStringLiteral("report")).value(result.report);
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace kivora::cli
