// randomness, backtest, filter and filters: is the base a fair draw, would a way of
// picking have beaten chance on it, and which tickets the filters keep.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/Plural.h"
#include "core/StringFn.h"
#include "forecast/Backtest.h"
#include "play/CombinationFile.h"
#include "play/ExpandAndFilter.h"
#include "play/Systems.h"
#include "play/TicketFilterSettings.h"
#include "play/TicketFilters.h"
#include "reports/AnalysisReports.h"
#include "reports/HtmlExport.h"
#include "statistics/NumberList.h"

namespace kivora::cli {

namespace {

using option::kFrom;
using option::kLow;
using option::kMarked;
using option::kMethod;
using option::kNotPast;
using option::kOdd;
using option::kRun;
using option::kSeed;
using option::kSize;
using option::kSum;
using option::kSystem;
using option::kTen;

// The names of the filters in JSON, in TicketFilter order.
const QStringList kFilterNames = option::filters();

QStringList filterOptions()
{
    return option::filters();
}

// "100-150" or "3" (3-3).
bool parseRange(const QString &text, CountRange *range)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() > 2)
        return false;
    int low = 0;
    int high = 0;
    if (!parseCount(parts.at(0), &low) || !parseCount(parts.value(1, parts.at(0)), &high))
        return false;
    if (low < 0 || high < low)
        return false;
    *range = { true, low, high };
    return true;
}

// The filters the options give; *given tells whether any filter option was there.
QString parseFilters(const CommandContext &ctx, TicketFilters *filters, bool *given)
{
    *filters = TicketFilters();
    *given = false;
    const std::pair<const QString *, CountRange *> ranges[] = {
        { &kSum, &filters->sum },
        { &kOdd, &filters->odd },
        { &kLow, &filters->low },
        { &kRun, &filters->run },
    };
    for (const auto &[name, range] : ranges) {
        if (!ctx.has(*name))
            continue;
        *given = true;
        if (!parseRange(ctx.value(*name), range))
            return badValue(ctx, QStringLiteral("--") + *name, ctx.value(*name), ctx.messages("Str309"));
    }
    if (ctx.has(kTen)) {
        *given = true;
        int most = 0;
        if (!parseCount(ctx.value(kTen), &most) || most < 0)
            return badValue(ctx, optionName(option::kTen), ctx.value(kTen), ctx.messages("Str310"));
        filters->tenOn = true;
        filters->tenMost = most;
    }
    if (ctx.has(kNotPast)) {
        *given = true;
        filters->notPastDraw = true;
    }
    return {};
}

void writeChiSquare(JsonWriter &json, const ChiSquareTest &test, const MessageCatalog &messages)
{
    json.key(QStringLiteral("chi_square")).value(test.statistic);
    json.key(QStringLiteral("df")).value(test.df);
    json.key(QStringLiteral("p")).value(test.p);
    json.key(QStringLiteral("valid")).value(test.valid);
    json.key(QStringLiteral("verdict")).value(randomnessVerdict(test, messages));
}

void writeDistribution(JsonWriter &json, const backtest::Tally &tally)
{
    json.key(QStringLiteral("distribution")).beginArray();
    for (size_t h = 0; h < tally.observed.size(); ++h)
        json.beginArray()
            .value(static_cast<qint64>(h))
            .value(tally.observed[h])
            .value(tally.expected[h])
            .endArray();
    json.endArray();
}

void writeTally(JsonWriter &json, const backtest::Tally &tally, const QString &verdict)
{
    json.key(QStringLiteral("picks")).value(tally.picks);
    json.key(QStringLiteral("empty_picks")).value(tally.empty);
    json.key(QStringLiteral("numbers_picked")).value(tally.numbersPicked);
    json.key(QStringLiteral("hits")).value(tally.hits);
    json.key(QStringLiteral("expected_hits")).value(tally.expectedHits);
    json.key(QStringLiteral("mean_hits")).value(tally.meanHits());
    json.key(QStringLiteral("expected_mean")).value(tally.expectedMean());
    json.key(QStringLiteral("z")).value(tally.z());
    json.key(QStringLiteral("p")).value(tally.p());
    json.key(QStringLiteral("verdict")).value(verdict);
    writeDistribution(json, tally);
}

CommandOutput tableOutput(
    const QStringList &notes, const QStringList &columns, const QList<QStringList> &rows)
{
    CommandOutput output;
    output.notes = notes;
    output.table.columns = columns;
    for (const QStringList &row : rows)
        output.table.add(row);
    return output;
}

// A second table under the first, printed as it is.
QString tableText(const QStringList &columns, const QList<QStringList> &rows)
{
    QString text = columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

CommandResult writeHtmlOut(const CommandContext &ctx, const QString &document)
{
    if (!ctx.has(option::kOut))
        return CommandResult::ok({});
    if (ctx.value(option::kOut).isEmpty())
        return CommandResult::wrongUsage(ctx.messages("Str308").arg(optionName(option::kOut)));
    const OutFile out(ctx);
    if (const Done written = writeHtmlDocument(out.path(), document); !written)
        return CommandResult::failed(written.failure(), ctx.messages);
    // The page itself is the output of "--out -"; otherwise the report follows.
    return out.toStandardOutput() ? out.printed() : CommandResult::ok({});
}

// The row of the first loaded draw carrying the number `text` names.
int rowOfDraw(const DrawTable &draws, const QString &text)
{
    int wanted = 0;
    if (!parseCount(text, &wanted))
        return -1;
    for (int row = 0; row < draws.rowCount(); ++row) {
        if (textToInt(draws.drawNumberText(row)) == wanted)
            return row;
    }
    return -1;
}

} // namespace

CommandResult randomnessCommand(const CommandContext &ctx)
{
    const LoadResult &load = *ctx.load;
    const RandomnessReport report = testRandomness(load.draws, load.definition);
    const QString lottery = ctx.value(option::kLottery);
    CommandResult written = writeHtmlOut(ctx, randomnessHtml(report, lottery, ctx.messages));
    if (written.status != ExitOk || written.output.verbatim)
        return written;

    // The table of the tests as text; the JSON gives each test its own fields.
    CommandOutput output = tableOutput(randomnessNotes(report, ctx.messages), randomnessColumns(ctx.messages),
        randomnessRows(report, ctx.messages));
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("lottery")).value(lottery);
    json.key(QStringLiteral("draws")).value(report.draws);
    json.key(QStringLiteral("skipped")).value(report.skipped);
    json.key(QStringLiteral("n")).value(report.rangeSize);
    json.key(QStringLiteral("k")).value(report.drawSize);
    writeChiSquare(json, report.frequency, ctx.messages);
    json.key(QStringLiteral("plain_chi_square")).value(report.frequency.plain);
    json.key(QStringLiteral("correction")).value(report.correction);
    json.key(QStringLiteral("drawing_order")).value(report.drawingOrder);
    json.key(QStringLiteral("positions")).beginArray();
    for (size_t j = 0; j < report.positions.size(); ++j) {
        json.beginObject();
        json.key(QStringLiteral("position")).value(static_cast<qint64>(j + 1));
        writeChiSquare(json, report.positions[j], ctx.messages);
        json.endObject();
    }
    json.endArray();
    json.key(QStringLiteral("gaps")).beginObject();
    writeChiSquare(json, report.gaps, ctx.messages);
    json.key(QStringLiteral("classes")).value(report.gapClasses);
    json.endObject();
    json.key(QStringLiteral("longest_absence")).beginObject();
    json.key(QStringLiteral("number")).value(report.absence.number);
    json.key(QStringLiteral("draws")).value(report.absence.length);
    json.key(QStringLiteral("expected")).value(report.absence.expected);
    json.key(QStringLiteral("p")).value(report.absence.p);
    json.key(QStringLiteral("verdict")).value(absenceVerdict(report.absence, ctx.messages));
    json.endObject();
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

// The options of backtest, their values checked before the base is read.
QString backtestOptions(const CommandContext &ctx, backtest::Options &options)
{
    QString error;
    if (!backtest::methodFromKey(ctx.value(kMethod), &options.method))
        error = badValue(ctx, optionName(option::kMethod), ctx.value(kMethod),
            ctx.messages("Str318").arg(
                QStringLiteral("forecast-numbers, forecast-pairs, frequent, absent, random")));
    if (error.isEmpty() && ctx.has(kSize)) {
        if (!backtest::takesSize(options.method))
            error = ctx.messages("Str332");
        else if (!parseCount(ctx.value(kSize), &options.size) || options.size < 1)
            error = badValue(ctx, optionName(option::kSize), ctx.value(kSize), ctx.messages("Str311"));
    }
    if (error.isEmpty() && ctx.has(kSeed)) {
        bool ok = false;
        options.seed = ctx.value(kSeed).trimmed().toUInt(&ok);
        if (!ok)
            error = badValue(ctx, optionName(option::kSeed), ctx.value(kSeed), ctx.messages("Str312"));
    }
    return error;
}

QString backtestUsage(const CommandContext &ctx)
{
    backtest::Options options;
    return backtestOptions(ctx, options);
}

CommandResult backtestCommand(const CommandContext &ctx)
{
    backtest::Options options;
    const QString error = backtestOptions(ctx, options);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    const LoadResult &load = *ctx.load;
    const DrawTable &draws = load.draws;
    const int range = load.definition.maxNumber - load.definition.minNumber + 1;
    if (options.size > range)
        return CommandResult::wrongUsage(badValue(ctx, optionName(option::kSize),
            QString::number(options.size), withPlurals(ctx.messages("Str313").arg(range))));
    if (ctx.has(kFrom)) {
        options.fromRow = rowOfDraw(draws, ctx.value(kFrom));
        if (options.fromRow < 0)
            return CommandResult::wrongUsage(
                badValue(ctx, optionName(option::kFrom), ctx.value(kFrom), ctx.messages("Str314")));
    }
    const backtest::Result result = backtest::run(draws, load.definition, options);
    const QString first = result.walked > 0 ? draws.drawNumberText(result.fromRow) : QString();
    const QString last = result.walked > 0 ? draws.drawNumberText(draws.rowCount() - 1) : QString();
    const QString lottery = ctx.value(option::kLottery);
    CommandResult written = writeHtmlOut(ctx, backtestHtml(result, lottery, first, last, ctx.messages));
    if (written.status != ExitOk || written.output.verbatim)
        return written;

    // As text the picks' table, then the distribution of hits after a blank line.
    CommandOutput output
        = tableOutput({ ctx.messages("Str265").arg(first, last, QString::number(result.walked)) },
            backtestColumns(ctx.messages), backtestRows(result, ctx.messages));
    output.textAfter
        = QLatin1Char('\n') + tableText(distributionColumns(result, ctx.messages), distributionRows(result));
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("lottery")).value(lottery);
    json.key(QStringLiteral("method")).value(backtest::methodKey(result.method));
    json.key(QStringLiteral("size"));
    if (result.size > 0)
        json.value(result.size);
    else
        json.null();
    json.key(QStringLiteral("from")).value(first);
    json.key(QStringLiteral("to")).value(last);
    json.key(QStringLiteral("draws")).value(result.walked);
    writeTally(json, result.tally, backtestVerdict(result.tally, ctx.messages));
    json.key(QStringLiteral("control"));
    if (result.hasControl) {
        json.beginObject();
        json.key(QStringLiteral("method")).value(backtest::methodKey(backtest::Method::Random));
        writeTally(json, result.control, controlVerdict(ctx.messages));
        json.endObject();
    } else {
        json.null();
    }
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

QString filterUsage(const CommandContext &ctx)
{
    TicketFilters filters;
    bool given = false;
    const QString bad = parseFilters(ctx, &filters, &given);
    if (!bad.isEmpty())
        return bad;
    if (ctx.has(option::kOut) && ctx.value(option::kOut).isEmpty())
        return ctx.messages("Str308").arg(optionName(option::kOut));
    return {};
}

CommandResult filterCommand(const CommandContext &ctx)
{
    TicketFilters filters;
    bool given = false;
    const QString bad = parseFilters(ctx, &filters, &given);
    if (!bad.isEmpty())
        return CommandResult::wrongUsage(bad);
    const LoadResult &load = *ctx.load;
    const QString lottery = ctx.value(option::kLottery);
    const IniDocument ini = IniFile(ctx.folder.configPath()).load();
    // Without a filter option, the filters kept for the lottery.
    if (!given)
        filters = readTicketFilters(ini, lottery);

    QStringList captions;
    const QString markedError = markedCaptions(ctx, load, &captions);
    if (!markedError.isEmpty())
        return CommandResult::wrongUsage(markedError);
    const QString systemError = unknownSystem(ctx, ini, load.definition);
    if (!systemError.isEmpty())
        return CommandResult::failed(systemError);
    TemplateCache templates;
    const FilteredExpansion played = expandAndFilter(templates, ini, load.definition, load.draws,
        ctx.value(kSystem), ctx.folder, captions, filters, ctx.messages);
    if (!played.expansion.applied)
        return CommandResult::failed(played.expansion.message);

    const CombinationList &list = played.expansion.list;
    const FilterOutcome &outcome = played.outcome;
    const QString &description = played.description;
    if (ctx.has(option::kOut)) {
        const OutFile out(ctx);
        const Done written
            = writeCombinationFile(out.path(), list, lottery, ctx.value(kSystem), ctx.messages, description);
        if (!written)
            return CommandResult::failed(written.failure(), ctx.messages);
        if (out.toStandardOutput())
            return out.printed();
    }

    // The filters' table with what each removed; as text the tickets follow it after a
    // blank line.
    const QString header
        = combinationFileHeader(ctx.value(kSystem), list.rowCount(), ctx.messages, description);
    CommandOutput output;
    output.notes = QStringList { header,
        QStringLiteral("before ") + QString::number(outcome.before) + QStringLiteral("; after ")
            + QString::number(outcome.after) };
    output.table.columns = QStringList { QStringLiteral("filter"), QStringLiteral("rule"),
        QStringLiteral("removed"), QStringLiteral("rejected") };
    output.table.asObjects = true;
    for (int f = 0; f < kTicketFilterCount; ++f) {
        if (filterOn(filters, static_cast<TicketFilter>(f)))
            output.table.add({ kFilterNames.at(f),
                filterRule(filters, static_cast<TicketFilter>(f), load.definition, ctx.messages),
                qint64(outcome.removed[static_cast<size_t>(f)]),
                qint64(outcome.rejected[static_cast<size_t>(f)]) });
    }
    output.textAfter = QStringLiteral("\n");
    for (int row = 0; row < list.rowCount(); ++row)
        output.textAfter += list.row(row).join(QLatin1Char('\t')) + QLatin1Char('\n');

    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("system")).value(ctx.value(kSystem));
    json.key(QStringLiteral("before")).value(outcome.before);
    json.key(QStringLiteral("after")).value(outcome.after);
    json.key(QStringLiteral("filters")).rowsSlot();
    json.key(QStringLiteral("header")).value(header);
    json.key(QStringLiteral("guarantee"));
    if (played.guaranteeLeft.isEmpty())
        json.null();
    else
        json.value(played.guaranteeLeft);
    json.key(QStringLiteral("rows")).beginArray();
    for (int row = 0; row < list.rowCount(); ++row) {
        json.beginArray();
        for (int column = 0; column < list.columnCount(); ++column)
            json.value(list.cell(row, column));
        json.endArray();
    }
    json.endArray();
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

QString filtersUsage(const CommandContext &ctx)
{
    const QString action = ctx.args.word(1);
    if (action != QLatin1String("show") && action != QLatin1String("set"))
        return action.isEmpty()
            ? ctx.messages("Str322").arg(QStringLiteral("filters"), QStringLiteral("show, set"))
            : badValue(ctx, QStringLiteral("filters"), action,
                ctx.messages("Str318").arg(QStringLiteral("show, set")));
    // Only "set" takes filters.
    const QStringList known = commonOptions() + QStringList { option::kLottery }
        + (action == QLatin1String("set") ? filterOptions() : QStringList());
    const QString usage = checkUsage(ctx, known, 2, { option::kLottery });
    if (!usage.isEmpty())
        return usage;
    TicketFilters filters;
    bool given = false;
    return parseFilters(ctx, &filters, &given);
}

CommandResult filtersCommand(const CommandContext &ctx)
{
    const QString action = ctx.args.word(1);
    TicketFilters filters;
    bool given = false;
    parseFilters(ctx, &filters, &given);

    const QString lottery = ctx.value(option::kLottery);
    IniFile file(ctx.folder.configPath());
    bool listed = false;
    for (const LotteryEntry &entry : lotteries::readList(file.load()))
        listed = listed || entry.name == lottery;
    if (!listed)
        return CommandResult::failed(ctx.messages("Str59").arg(lottery));
    // "set" stores exactly the filters given: the others are turned off.
    if (action == QLatin1String("set")) {
        if (const Done stored = storeTicketFilters(file, lottery, filters); !stored)
            return CommandResult::failed(stored.failure(), ctx.messages);
    }
    const IniDocument ini = file.load();
    filters = readTicketFilters(ini, lottery);
    const LotteryDefinition definition = lotteries::readDefinition(ini, lottery);
    const QString description = filterDescription(filters, definition, ctx.messages);

    CommandOutput output;
    output.table.columns = QStringList { QStringLiteral("filter"), QStringLiteral("rule") };
    output.table.asObjects = true;
    for (int f = 0; f < kTicketFilterCount; ++f) {
        if (filterOn(filters, static_cast<TicketFilter>(f)))
            output.table.add(QStringList { kFilterNames.at(f),
                filterRule(filters, static_cast<TicketFilter>(f), definition, ctx.messages) });
    }
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("lottery")).value(lottery);
    json.key(QStringLiteral("filters")).rowsSlot();
    json.key(QStringLiteral("description")).value(description);
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace kivora::cli
