// randomness, backtest, filter and filters: is the base a fair draw, would a way of
// picking have beaten chance on it, and which tickets the filters keep.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
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

const QString kMethod = QStringLiteral("method");
const QString kSize = QStringLiteral("size");
const QString kFrom = QStringLiteral("from");
const QString kSeed = QStringLiteral("seed");
const QString kSystem = QStringLiteral("system");
const QString kMarked = QStringLiteral("marked");
const QString kSum = QStringLiteral("sum");
const QString kOdd = QStringLiteral("odd");
const QString kLow = QStringLiteral("low");
const QString kRun = QStringLiteral("run");
const QString kTen = QStringLiteral("ten");
const QString kNotPast = QStringLiteral("not-past");

// The names of the filters in JSON, in TicketFilter order.
const QStringList kFilterNames = { kSum, kOdd, kLow, kRun, kTen, kNotPast };

QStringList filterOptions()
{
    return { kSum, kOdd, kLow, kRun, kTen, kNotPast };
}

CommandResult loadWith(const CommandContext &ctx, const QStringList &extra, int words,
    const QStringList &required, LoadResult *load)
{
    QString error
        = checkUsage(ctx, selectionOptions() + extra, words, QStringList { option::kLottery } + required);
    DrawFilter filter;
    if (error.isEmpty())
        error = drawFilter(ctx, true, &filter);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    return loadLottery(ctx, filter, load);
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
            return badValue(ctx, QStringLiteral("--ten"), ctx.value(kTen), ctx.messages("Str310"));
        filters->tenOn = true;
        filters->tenMost = most;
    }
    if (ctx.has(kNotPast)) {
        *given = true;
        filters->notPastDraw = true;
    }
    return {};
}

void writeFilterRules(JsonWriter &json, const TicketFilters &filters, const LotteryDefinition &definition,
    const MessageCatalog &messages)
{
    json.beginArray();
    for (int f = 0; f < kTicketFilterCount; ++f) {
        if (!filterOn(filters, static_cast<TicketFilter>(f)))
            continue;
        json.beginObject();
        json.key(QStringLiteral("filter")).value(kFilterNames.at(f));
        json.key(QStringLiteral("rule"))
            .value(filterRule(filters, static_cast<TicketFilter>(f), definition, messages));
        json.endObject();
    }
    json.endArray();
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

void writeTally(JsonWriter &json, const backtest::Tally &tally, const MessageCatalog &messages)
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
    json.key(QStringLiteral("verdict")).value(backtestVerdict(tally, messages));
    writeDistribution(json, tally);
}

QString tableText(const QStringList &notes, const QStringList &columns, const QList<QStringList> &rows)
{
    QString text;
    for (const QString &note : notes)
        text += QStringLiteral("# ") + note + QLatin1Char('\n');
    text += columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

CommandResult writeHtmlOut(const CommandContext &ctx, const QString &document)
{
    if (!ctx.has(option::kOut))
        return CommandResult::ok({});
    if (ctx.value(option::kOut).isEmpty())
        return CommandResult::wrongUsage(ctx.messages("Str308").arg(QStringLiteral("--out")));
    QString error;
    const OutFile out(ctx);
    if (!writeHtmlDocument(out.path(), document, &error))
        return CommandResult::failed(ctx.messages("Str56").arg(error));
    // The page itself is the output of "--out -"; an empty output lets the report follow.
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
    LoadResult load;
    CommandResult loaded = loadWith(ctx, { option::kOut }, 1, {}, &load);
    if (loaded.status != ExitOk)
        return loaded;
    const RandomnessReport report = testRandomness(load.draws, load.definition);
    const QString lottery = ctx.value(option::kLottery);
    CommandResult written = writeHtmlOut(ctx, randomnessHtml(report, lottery, ctx.messages));
    if (written.status != ExitOk || !written.output.isEmpty())
        return written;

    if (!ctx.json())
        return CommandResult::ok(tableText(randomnessNotes(report, ctx.messages),
            randomnessColumns(ctx.messages), randomnessRows(report, ctx.messages)));
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
    return CommandResult::ok(json.text() + QLatin1Char('\n'));
}

CommandResult backtestCommand(const CommandContext &ctx)
{
    // Everything about the options is checked before the base is read.
    QString error
        = checkUsage(ctx, selectionOptions() + QStringList { kMethod, kSize, kFrom, kSeed, option::kOut }, 1,
            { option::kLottery, kMethod });
    backtest::Options options;
    if (error.isEmpty() && !backtest::methodFromKey(ctx.value(kMethod), &options.method))
        error = badValue(ctx, QStringLiteral("--method"), ctx.value(kMethod),
            ctx.messages("Str318").arg(
                QStringLiteral("forecast-numbers, forecast-pairs, frequent, absent, random")));
    if (error.isEmpty() && ctx.has(kSize)) {
        if (!backtest::takesSize(options.method))
            error = ctx.messages("Str332");
        else if (!parseCount(ctx.value(kSize), &options.size) || options.size < 1)
            error = badValue(ctx, QStringLiteral("--size"), ctx.value(kSize), ctx.messages("Str311"));
    }
    if (error.isEmpty() && ctx.has(kSeed)) {
        bool ok = false;
        options.seed = ctx.value(kSeed).trimmed().toUInt(&ok);
        if (!ok)
            error = badValue(ctx, QStringLiteral("--seed"), ctx.value(kSeed), ctx.messages("Str312"));
    }
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);

    LoadResult load;
    CommandResult loaded
        = loadWith(ctx, { kMethod, kSize, kFrom, kSeed, option::kOut }, 1, { kMethod }, &load);
    if (loaded.status != ExitOk)
        return loaded;
    const DrawTable &draws = load.draws;
    const int range = load.definition.maxNumber - load.definition.minNumber + 1;
    if (options.size > range)
        return CommandResult::wrongUsage(badValue(
            ctx, QStringLiteral("--size"), QString::number(options.size), ctx.messages("Str313").arg(range)));
    if (ctx.has(kFrom)) {
        options.fromRow = rowOfDraw(draws, ctx.value(kFrom));
        if (options.fromRow < 0)
            return CommandResult::wrongUsage(
                badValue(ctx, QStringLiteral("--from"), ctx.value(kFrom), ctx.messages("Str314")));
    }
    const backtest::Result result = backtest::run(draws, load.definition, options);
    const QString first = result.walked > 0 ? draws.drawNumberText(result.fromRow) : QString();
    const QString last = result.walked > 0 ? draws.drawNumberText(draws.rowCount() - 1) : QString();
    const QString lottery = ctx.value(option::kLottery);
    CommandResult written = writeHtmlOut(ctx, backtestHtml(result, lottery, first, last, ctx.messages));
    if (written.status != ExitOk || !written.output.isEmpty())
        return written;

    if (!ctx.json()) {
        QString text = tableText({ ctx.messages("Str265").arg(first, last, QString::number(result.walked)) },
            backtestColumns(ctx.messages), backtestRows(result, ctx.messages));
        text += QLatin1Char('\n')
            + tableText({}, distributionColumns(result, ctx.messages), distributionRows(result));
        return CommandResult::ok(text);
    }
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
    writeTally(json, result.tally, ctx.messages);
    json.key(QStringLiteral("control"));
    if (result.hasControl) {
        json.beginObject();
        json.key(QStringLiteral("method")).value(backtest::methodKey(backtest::Method::Random));
        writeTally(json, result.control, ctx.messages);
        json.endObject();
    } else {
        json.null();
    }
    json.endObject();
    return CommandResult::ok(json.text() + QLatin1Char('\n'));
}

CommandResult filterCommand(const CommandContext &ctx)
{
    const QStringList extra = QStringList { kSystem, kMarked, option::kOut } + filterOptions();
    const QString usage
        = checkUsage(ctx, selectionOptions() + extra, 1, { option::kLottery, kSystem, kMarked });
    if (!usage.isEmpty())
        return CommandResult::wrongUsage(usage);
    TicketFilters filters;
    bool given = false;
    const QString bad = parseFilters(ctx, &filters, &given);
    if (!bad.isEmpty())
        return CommandResult::wrongUsage(bad);
    if (ctx.has(option::kOut) && ctx.value(option::kOut).isEmpty())
        return CommandResult::wrongUsage(ctx.messages("Str308").arg(QStringLiteral("--out")));

    LoadResult load;
    CommandResult loaded = loadWith(ctx, extra, 1, { kSystem, kMarked }, &load);
    if (loaded.status != ExitOk)
        return loaded;
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
        QString error;
        const OutFile out(ctx);
        if (!writeCombinationFile(
                out.path(), list, lottery, ctx.value(kSystem), ctx.messages, &error, description))
            return CommandResult::failed(list.isEmpty() ? error : ctx.messages("Str56").arg(error));
        if (out.toStandardOutput())
            return out.printed();
    }

    if (!ctx.json()) {
        QString text = QStringLiteral("# ")
            + combinationFileHeader(ctx.value(kSystem), list.rowCount(), ctx.messages, description)
            + QStringLiteral("\n# before ") + QString::number(outcome.before) + QStringLiteral("; after ")
            + QString::number(outcome.after) + QStringLiteral("\nfilter\trule\tremoved\trejected\n");
        for (int f = 0; f < kTicketFilterCount; ++f) {
            if (filterOn(filters, static_cast<TicketFilter>(f)))
                text += kFilterNames.at(f) + QLatin1Char('\t')
                    + filterRule(filters, static_cast<TicketFilter>(f), load.definition, ctx.messages)
                    + QLatin1Char('\t') + QString::number(outcome.removed[static_cast<size_t>(f)])
                    + QLatin1Char('\t') + QString::number(outcome.rejected[static_cast<size_t>(f)])
                    + QLatin1Char('\n');
        }
        text += QLatin1Char('\n');
        for (int row = 0; row < list.rowCount(); ++row)
            text += list.row(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
        return CommandResult::ok(text);
    }
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("system")).value(ctx.value(kSystem));
    json.key(QStringLiteral("before")).value(outcome.before);
    json.key(QStringLiteral("after")).value(outcome.after);
    json.key(QStringLiteral("filters")).beginArray();
    for (int f = 0; f < kTicketFilterCount; ++f) {
        if (!filterOn(filters, static_cast<TicketFilter>(f)))
            continue;
        json.beginObject();
        json.key(QStringLiteral("filter")).value(kFilterNames.at(f));
        json.key(QStringLiteral("rule"))
            .value(filterRule(filters, static_cast<TicketFilter>(f), load.definition, ctx.messages));
        json.key(QStringLiteral("removed")).value(outcome.removed[static_cast<size_t>(f)]);
        json.key(QStringLiteral("rejected")).value(outcome.rejected[static_cast<size_t>(f)]);
        json.endObject();
    }
    json.endArray();
    json.key(QStringLiteral("header"))
        .value(combinationFileHeader(ctx.value(kSystem), list.rowCount(), ctx.messages, description));
    json.key(QStringLiteral("rows")).beginArray();
    for (int row = 0; row < list.rowCount(); ++row) {
        json.beginArray();
        for (int column = 0; column < list.columnCount(); ++column)
            json.value(list.cell(row, column));
        json.endArray();
    }
    json.endArray();
    json.endObject();
    return CommandResult::ok(json.text() + QLatin1Char('\n'));
}

CommandResult filtersCommand(const CommandContext &ctx)
{
    const QString action = ctx.args.word(1);
    if (action != QLatin1String("show") && action != QLatin1String("set"))
        return CommandResult::wrongUsage(action.isEmpty()
                ? ctx.messages("Str322").arg(QStringLiteral("filters"), QStringLiteral("show, set"))
                : badValue(ctx, QStringLiteral("filters"), action,
                    ctx.messages("Str318").arg(QStringLiteral("show, set"))));
    const QStringList known = commonOptions() + QStringList { option::kLottery }
        + (action == QLatin1String("set") ? filterOptions() : QStringList());
    const QString usage = checkUsage(ctx, known, 2, { option::kLottery });
    if (!usage.isEmpty())
        return CommandResult::wrongUsage(usage);
    TicketFilters filters;
    bool given = false;
    const QString bad = parseFilters(ctx, &filters, &given);
    if (!bad.isEmpty())
        return CommandResult::wrongUsage(bad);

    const QString lottery = ctx.value(option::kLottery);
    IniFile file(ctx.folder.configPath());
    bool listed = false;
    for (const LotteryEntry &entry : lotteries::readList(file.load()))
        listed = listed || entry.name == lottery;
    if (!listed)
        return CommandResult::failed(ctx.messages("Str59").arg(lottery));
    // "set" stores exactly the filters given: the others are turned off.
    if (action == QLatin1String("set") && !storeTicketFilters(file, lottery, filters))
        return CommandResult::failed(ctx.messages("Str56").arg(file.lastError()));
    const IniDocument ini = file.load();
    filters = readTicketFilters(ini, lottery);
    const LotteryDefinition definition = lotteries::readDefinition(ini, lottery);
    const QString description = filterDescription(filters, definition, ctx.messages);

    if (!ctx.json()) {
        QString text = QStringLiteral("filter\trule\n");
        for (int f = 0; f < kTicketFilterCount; ++f) {
            if (filterOn(filters, static_cast<TicketFilter>(f)))
                text += kFilterNames.at(f) + QLatin1Char('\t')
                    + filterRule(filters, static_cast<TicketFilter>(f), definition, ctx.messages)
                    + QLatin1Char('\n');
        }
        return CommandResult::ok(text);
    }
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("lottery")).value(lottery);
    json.key(QStringLiteral("filters"));
    writeFilterRules(json, filters, definition, ctx.messages);
    json.key(QStringLiteral("description")).value(description);
    json.endObject();
    return CommandResult::ok(json.text() + QLatin1Char('\n'));
}

} // namespace kivora::cli
