// catalogue: the real games the program knows, and adding one of them as a lottery.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CommandOutput.h"
#include "cli/JsonWriter.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "results/catalogue/GameCatalogue.h"

namespace kivora::cli {

namespace {

const QString kAdd = QStringLiteral("add");

QString additionalText(const GameMatrix &matrix)
{
    if (matrix.isEmpty())
        return QStringLiteral("-");
    return matrix.text()
        + (matrix.separateDrum ? QStringLiteral(", separate drum") : QStringLiteral(", same drum"));
}

// The short table for reading; JSON has every field.
CommandOutput listTable(const Catalogue &catalogue)
{
    CommandOutput output;
    output.table.columns = QStringList { QStringLiteral("name"), QStringLiteral("russian"),
        QStringLiteral("country"), QStringLiteral("matrix"), QStringLiteral("additional"),
        QStringLiteral("since"), QStringLiteral("source") };
    for (const CatalogueGame &game : catalogue.games)
        output.table.add(QStringList { game.name, game.russianName, game.country, game.main.text(),
            additionalText(game.additional), game.since, game.source });
    for (const CatalogueProblem &problem : catalogue.problems)
        output.notes.append(problem.message);
    return output;
}

QString drumText(const GameMatrix &matrix)
{
    if (matrix.isEmpty())
        return {};
    return matrix.separateDrum ? QStringLiteral("separate") : QStringLiteral("same");
}

QString earlierText(const QList<EarlierMatrix> &earlier)
{
    QStringList items;
    for (const EarlierMatrix &item : earlier)
        items.append(item.since + QStringLiteral(": ") + item.main.text()
            + (item.additional.isEmpty() ? QString()
                                         : QStringLiteral(" + ") + additionalText(item.additional)));
    return items.join(QStringLiteral("; "));
}

// Every field of every game, one object per game, under "games"; the problems of the
// file beside them.
CommandOutput listJson(const Catalogue &catalogue)
{
    CommandOutput output;
    output.table.asObjects = true;
    output.table.columns = QStringList { QStringLiteral("name"), QStringLiteral("russian"),
        QStringLiteral("operator"), QStringLiteral("country"), QStringLiteral("matrix"),
        QStringLiteral("main_count"), QStringLiteral("main_min"), QStringLiteral("main_max"),
        QStringLiteral("additional_count"), QStringLiteral("additional_min"),
        QStringLiteral("additional_max"), QStringLiteral("additional_drum"), QStringLiteral("since"),
        QStringLiteral("earlier"), QStringLiteral("ended"), QStringLiteral("draw_days"),
        QStringLiteral("price"), QStringLiteral("results_page"), QStringLiteral("results_file"),
        QStringLiteral("import_encoding"), QStringLiteral("import_delimiter"),
        QStringLiteral("import_header"), QStringLiteral("import_columns"),
        QStringLiteral("import_date_format"), QStringLiteral("import_since"), QStringLiteral("base_file"),
        QStringLiteral("source"), QStringLiteral("line") };
    for (const CatalogueGame &game : catalogue.games) {
        const ImportSettings &profile = game.importProfile;
        output.table.add(std::vector<Cell> { game.name, game.russianName, game.operatorName, game.country,
            game.matrixText(), qint64(game.main.count), qint64(game.main.minNumber),
            qint64(game.main.maxNumber), qint64(game.additional.count), qint64(game.additional.minNumber),
            qint64(game.additional.maxNumber), drumText(game.additional), game.since,
            earlierText(game.earlier), game.ended, game.drawDays, game.price, game.resultsPage,
            game.resultsFile, profile.encoding, profile.delimiter,
            profile.header < 0 ? QString() : QString::number(profile.header), profile.columns,
            profile.dateFormat, profile.since, game.baseFile, game.source, qint64(game.line) });
    }
    JsonWriter json;
    json.beginObject().key(QStringLiteral("games")).rowsSlot();
    json.key(QStringLiteral("problems")).beginArray();
    for (const CatalogueProblem &problem : catalogue.problems)
        json.value(problem.message);
    json.endArray().endObject();
    output.setJson(json);
    return output;
}

} // namespace

QString catalogueUsage(const CommandContext &ctx)
{
    const QString action = ctx.args.word(1);
    if (!action.isEmpty() && action != kAdd)
        return badValue(ctx, QStringLiteral("catalogue"), action, ctx.messages("Str318").arg(kAdd));
    if (action.isEmpty())
        return checkUsage(ctx, commonOptions(), 1);
    if (ctx.args.word(2).trimmed().isEmpty())
        return ctx.messages("Str594");
    if (ctx.has(option::kBase) && ctx.value(option::kBase).trimmed().isEmpty())
        return ctx.messages("Str308").arg(optionName(option::kBase));
    return checkUsage(ctx, commonOptions() + QStringList { option::kBase }, 3);
}

CommandResult catalogueCommand(const CommandContext &ctx)
{
    const Catalogue catalogue = catalogue::load(ctx.folder, ctx.messages);
    if (!catalogue.error.isEmpty())
        return CommandResult::failed(catalogue.error);
    if (ctx.args.word(1) != kAdd)
        return CommandResult::ok(ctx.json() ? listJson(catalogue) : listTable(catalogue));

    const QString name = ctx.args.word(2);
    const CatalogueGame *game = catalogue::find(catalogue, name);
    if (!game)
        return CommandResult::failed(ctx.messages("Str589").arg(name.trimmed()));
    const Outcome<catalogue::AddedLottery> added
        = catalogue::addLottery(ctx.folder, *game, ctx.messages, ctx.value(option::kBase).trimmed());
    if (!added)
        return CommandResult::failed(added.failure(), ctx.messages);
    if (!ctx.json())
        return CommandResult::ok(CommandOutput::text(
            ctx.messages("Str590").arg(added->lottery, added->baseFile) + QLatin1Char('\n')));
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("added")).value(added->lottery);
    json.key(QStringLiteral("catalogue_name")).value(game->name);
    json.key(QStringLiteral("base_file")).value(added->baseFile);
    json.endObject();
    return CommandResult::ok(CommandOutput::ofJson(json));
}

} // namespace kivora::cli
