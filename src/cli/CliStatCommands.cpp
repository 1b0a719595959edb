// numbers, stat ... and export-html: the number list and the statistics panel's lists,
// computed and sorted as the window's commands do.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "cli/JsonWriter.h"
#include "reports/HtmlExport.h"
#include "statistics/CombinationStats.h"
#include "statistics/NumberList.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"

#include <numeric>

namespace kivora::cli {

namespace {

using option::kAllDraws;
using option::kFamily;
using option::kGroup;
using option::kK;
using option::kOrder;
const QString &kP = option::kPosition;
const QString kStatistics = QStringLiteral("pairs, triples, quads, tens, positions, additional, ten-combos");

// The list a command names: "numbers", "stat pairs --family related", ...
struct ListRequest
{
    enum class Kind { Numbers, Combinations, Tens, TensAllDraws, Positions, Additional, TenCombos };
    Kind kind = Kind::Numbers;
    int k = 0;
    Family family = Family::All;
    int position = 0;
    PositionOrder order = PositionOrder::Drawing;
    QString group;
};

QString parseFamily(const CommandContext &ctx, Family *family)
{
    const CliArguments &args = ctx.args;
    *family = Family::All;
    if (!args.has(kFamily))
        return {};
    const QString value = args.value(kFamily);
    if (value == QLatin1String("all"))
        *family = Family::All;
    else if (value == QLatin1String("neighbouring"))
        *family = Family::Neighbouring;
    else if (value == QLatin1String("related"))
        *family = Family::Related;
    else
        return badValue(ctx, optionName(option::kFamily), value,
            ctx.messages("Str318").arg(QStringLiteral("all, neighbouring, related")));
    return {};
}

// -k for the groups of ten: 2..6 numbers in a ten.
QString parseTensK(const CommandContext &ctx, int *k)
{
    const CliArguments &args = ctx.args;
    if (!parseCount(args.value(kK), k) || *k < 2 || *k > 6)
        return badValue(ctx, optionName(option::kK), args.value(kK), ctx.messages("Str319").arg(2).arg(6));
    return {};
}

// Reads the words from `first` on and their options; `extra` are the options of the
// command around the list (export-html's --out). Returns the usage error or the empty
// text. Values that depend on the lottery (-p, --group) are checked after the load.
QString parseListRequest(const CommandContext &ctx, int first, const QStringList &extra, ListRequest *request)
{
    const CliArguments &args = ctx.args;
    using Kind = ListRequest::Kind;
    const QStringList required = QStringList { option::kLottery } + extra;
    const QString what = args.word(first);
    if (what == QLatin1String("numbers")) {
        request->kind = Kind::Numbers;
        return checkUsage(ctx, selectionOptions() + extra, first + 1, required);
    }
    if (what != QLatin1String("stat"))
        return ctx.messages("Str304").arg(what);

    const QString stat = args.word(first + 1);
    const int words = first + 2;
    QStringList known = selectionOptions() + extra;
    QString error;
    if (stat == QLatin1String("pairs") || stat == QLatin1String("triples")
        || stat == QLatin1String("quads")) {
        request->kind = Kind::Combinations;
        request->k = stat == QLatin1String("pairs") ? 2 : stat == QLatin1String("triples") ? 3 : 4;
        error = checkUsage(ctx, known << kFamily, words, required);
        return error.isEmpty() ? parseFamily(ctx, &request->family) : error;
    }
    if (stat == QLatin1String("tens")) {
        error = checkUsage(ctx, known << kK << kAllDraws, words, required);
        if (!error.isEmpty())
            return error;
        if (args.has(kAllDraws)) {
            request->kind = Kind::TensAllDraws;
            return args.has(kK) ? ctx.messages("Str323") : QString();
        }
        if (!args.has(kK))
            return ctx.messages("Str302").arg(QStringLiteral("-k / --all-draws"));
        request->kind = Kind::Tens;
        return parseTensK(ctx, &request->k);
    }
    if (stat == QLatin1String("positions")) {
        request->kind = Kind::Positions;
        error = checkUsage(ctx, known << kP << kOrder, words, required + QStringList { kP });
        if (!error.isEmpty())
            return error;
        if (!parseCount(args.value(kP), &request->position) || request->position < 1)
            return badValue(ctx, optionName(option::kPosition), args.value(kP), ctx.messages("Str320"));
        const QString order = args.has(kOrder) ? args.value(kOrder) : QStringLiteral("drawing");
        if (order == QLatin1String("drawing"))
            request->order = PositionOrder::Drawing;
        else if (order == QLatin1String("ascending"))
            request->order = PositionOrder::Ascending;
        else
            return badValue(ctx, optionName(option::kOrder), order,
                ctx.messages("Str318").arg(QStringLiteral("drawing, ascending")));
        return {};
    }
    if (stat == QLatin1String("additional")) {
        request->kind = Kind::Additional;
        return checkUsage(ctx, known, words, required);
    }
    if (stat == QLatin1String("ten-combos")) {
        request->kind = Kind::TenCombos;
        error = checkUsage(ctx, known << kK << kGroup, words, required + QStringList { kK, kGroup });
        if (!error.isEmpty())
            return error;
        request->group = args.value(kGroup);
        return parseTensK(ctx, &request->k);
    }
    if (stat.isEmpty())
        return ctx.messages("Str322").arg(QStringLiteral("stat"), kStatistics);
    return badValue(ctx, QStringLiteral("stat"), stat, ctx.messages("Str318").arg(kStatistics));
}

// The caption of the toolbar menu's command for k numbers in a ten, which the tens
// table's title names.
QString tensCaption(const LanguageTexts &texts, int k)
{
    static const char *const items[]
        = { "popupN210", "popupN3101", "popupN4101", "popupN5101", "popupN6101" };
    const QString builtIn = k <= 4 ? QStringLiteral("по %1 номера в десятке").arg(k)
                                   : QStringLiteral("по %1 номеров в десятке").arg(k);
    return texts.caption(QLatin1String(items[k - 2]) + QStringLiteral("_Caption"), builtIn);
}

// The group row a --group label names: its caption ("11-20", "41-45") or its bounds
// written either way ("1-10").
int findGroup(const StatTable &groups, const QString &label)
{
    for (int row = 0; row < groups.rowCount(); ++row) {
        if (groups.caption(row) == label)
            return row;
    }
    const QStringList bounds = label.split(QLatin1Char('-'));
    int lo = 0;
    int hi = 0;
    if (bounds.size() != 2 || !parseCount(bounds.at(0), &lo) || !parseCount(bounds.at(1), &hi))
        return -1;
    for (int row = 0; row < groups.rowCount(); ++row) {
        if (groups.groupLow(row) == lo && groups.groupHigh(row) == hi)
            return row;
    }
    return -1;
}

// The list in the order the view shows it after the command: sorted by the
// statistic's own column, or in the order the rows were added.
void setShownTable(ShownList *list, StatTable table)
{
    list->recordText = table.recordText;
    list->topText = table.topText;
    if (table.initialSort >= 0) {
        list->order = sortedOrder(table, table.initialSort);
    } else {
        list->order.resize(table.rows.size());
        std::iota(list->order.begin(), list->order.end(), 0);
    }
    list->table = std::move(table);
}

// Runs the request on the loaded draws as the window's command does.
CommandResult makeList(
    const CommandContext &ctx, const LoadResult &load, const ListRequest &request, ShownList *list)
{
    using Kind = ListRequest::Kind;
    const DrawTable &draws = load.draws;
    const LotteryDefinition &d = load.definition;
    list->draws = draws.rowCount();
    list->columns = combinationViewColumns(ctx.texts);
    switch (request.kind) {
    case Kind::Numbers:
        list->title = ctx.texts.caption(QStringLiteral("GroupBox3_Caption"), QStringLiteral("Номера"));
        list->lines = load.totalLines;
        list->columns = numberListColumns(ctx.texts);
        setShownTable(list, numberListTable(load));
        break;
    case Kind::Combinations: {
        StatTable table = combinationStats(draws, d, request.k, request.family, ctx.messages,
            terminalProgress(ctx.messages("Str331").arg(ctx.args.words().join(QLatin1Char(' ')))));
        list->title = table.title;
        setShownTable(list, std::move(table));
        break;
    }
    case Kind::Tens: {
        StatTable table
            = tensStats(draws, d, request.k, tensTitle(ctx.messages, tensCaption(ctx.texts, request.k)));
        list->title = table.title;
        setShownTable(list, std::move(table));
        break;
    }
    case Kind::Positions: {
        if (request.position > d.drawNumber)
            return CommandResult::wrongUsage(badValue(ctx, optionName(option::kPosition),
                QString::number(request.position), ctx.messages("Str319").arg(1).arg(d.drawNumber)));
        // The title names the position's menu item, "Позиция 3".
        const QString item = ctx.messages("Str53") + QLatin1Char(' ') + QString::number(request.position);
        StatTable table = positionStats(
            draws, d, request.position, request.order, positionTitle(ctx.messages, request.order, item));
        list->title = table.title;
        setShownTable(list, std::move(table));
        break;
    }
    case Kind::Additional: {
        if (!d.hasAdditionalNumbers())
            return CommandResult::failed(ctx.messages("Str60"));
        StatTable table = additionalStats(draws, d,
            ctx.texts.caption(QStringLiteral("DopNomer_Caption"), QStringLiteral("Дополнительные номера")));
        list->title = table.title;
        setShownTable(list, std::move(table));
        break;
    }
    case Kind::TenCombos: {
        // The ten's own list under the groups table: the title and the record line
        // stay those of the groups table, the rows come in the order they are made.
        const StatTable groups
            = tensStats(draws, d, request.k, tensTitle(ctx.messages, tensCaption(ctx.texts, request.k)));
        const int row = findGroup(groups, request.group);
        if (row < 0) {
            QStringList labels;
            for (int r = 0; r < groups.rowCount(); ++r)
                labels.append(groups.caption(r));
            return CommandResult::wrongUsage(badValue(ctx, optionName(option::kGroup), request.group,
                ctx.messages("Str318").arg(labels.join(QStringLiteral(", ")))));
        }
        list->title = groups.title;
        setShownTable(list, tenCombos(draws, d, groups.groupLow(row), groups.groupHigh(row), request.k));
        list->recordText = groups.recordText;
        list->topText = groups.topText;
        break;
    }
    case Kind::TensAllDraws:
        return CommandResult::wrongUsage(ctx.messages("Str324"));
    }
    return CommandResult::ok({});
}

CommandResult runList(const CommandContext &ctx, int first)
{
    ListRequest request;
    const QString error = parseListRequest(ctx, first, {}, &request);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    const LoadResult &load = *ctx.load;

    if (request.kind == ListRequest::Kind::TensAllDraws) {
        const GroupCountsTable table = tensByDraw(load.draws, load.definition, ctx.messages);
        QStringList drawNumbers;
        drawNumbers.reserve(load.draws.rowCount());
        for (int row = 0; row < load.draws.rowCount(); ++row)
            drawNumbers.append(load.draws.drawNumberText(row));
        return CommandResult::ok(groupCountsOutput(table, drawNumbers));
    }
    ShownList list;
    CommandResult made = makeList(ctx, load, request, &list);
    if (made.status != ExitOk)
        return made;
    return CommandResult::ok(listOutput(list));
}

} // namespace

CommandResult listCommand(const CommandContext &ctx)
{
    return runList(ctx, 0);
}

QString listUsage(const CommandContext &ctx)
{
    ListRequest request;
    return parseListRequest(ctx, 0, {}, &request);
}

QString exportHtmlUsage(const CommandContext &ctx)
{
    ListRequest request;
    QString error = parseListRequest(ctx, 1, { option::kOut }, &request);
    if (error.isEmpty()
        && (request.kind == ListRequest::Kind::TensAllDraws || request.kind == ListRequest::Kind::TenCombos))
        error = ctx.messages("Str325");
    if (error.isEmpty() && ctx.value(option::kOut).isEmpty())
        error = ctx.messages("Str308").arg(optionName(option::kOut));
    return error;
}

CommandResult exportHtmlCommand(const CommandContext &ctx)
{
    ListRequest request;
    QString error = parseListRequest(ctx, 1, { option::kOut }, &request);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    const LoadResult &load = *ctx.load;
    ShownList list;
    CommandResult made = makeList(ctx, load, request, &list);
    if (made.status != ExitOk)
        return made;

    // Heading: "6 из 45 - Пары номеров.<br>" and the status bar's text after the load.
    const QString path = ctx.value(option::kOut);
    const OutFile out(ctx);
    const Done written = writeHtmlTable(
        out.path(), list.columns, static_cast<int>(list.order.size()),
        [&list](int row, HtmlRowCells &cells) {
            statRowCells(list.table, list.order[static_cast<size_t>(row)], cells);
        },
        htmlHeading(ctx.value(option::kLottery), list.title, loadStatusText(load, ctx.messages)),
        htmlFooter(ctx.messages));
    if (!written)
        return CommandResult::failed(written.failure(), ctx.messages);
    if (out.toStandardOutput())
        return out.printed();
    // Nothing as text; the file and its row count as JSON.
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("file")).value(path);
    json.key(QStringLiteral("rows")).value(static_cast<int>(list.order.size()));
    json.endObject();
    CommandOutput output;
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace kivora::cli
