// odds: the chances of every prize category of a lottery, the tables of the window's
// odds page, so that scripts read the same figures.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/LanguageIdentity.h"
#include "core/LanguageTexts.h"
#include "core/LotteryDefinition.h"
#include "reports/Odds.h"

namespace kivora::cli {

namespace {

// "1 : 34 807,95" -> "34807.95": the one-in figure as a plain decimal for scripts.
QString oneIn(QString chance)
{
    if (!chance.startsWith(QLatin1String("1 : ")))
        return {};
    chance = chance.mid(4);
    chance.remove(QChar(0x00A0));
    chance.remove(QLatin1Char(' '));
    chance.replace(QLatin1Char(','), QLatin1Char('.'));
    return chance;
}

QString plainDigits(QString text)
{
    text.remove(QChar(0x00A0));
    return text;
}

} // namespace

CommandResult oddsCommand(const CommandContext &ctx)
{
    const QString name = ctx.value(option::kLottery);
    const IniDocument ini = IniFile(ctx.folder.configPath()).load();
    bool listed = false;
    for (const LotteryEntry &entry : lotteries::readList(ini))
        listed = listed || entry.name == name;
    if (!listed)
        return CommandResult::failed(ctx.messages("Str59").arg(name));
    // A definition every other command refuses has no odds either.
    const LotteryDefinition definition = lotteries::readDefinition(ini, name);
    const QString refusal = lotteries::validate(definition, ctx.messages);
    if (!refusal.isEmpty())
        return CommandResult::failed(refusal);
    const OddsReport report = oddsReport(definition, ctx.messages);
    if (!report.problem.isEmpty())
        return CommandResult::failed(report.problem);

    if (ctx.json()) {
        JsonWriter json;
        json.beginObject();
        json.key(QStringLiteral("lottery")).value(name);
        json.key(QStringLiteral("tables")).beginArray();
        for (const OddsTable &table : report.tables) {
            json.beginObject();
            json.key(QStringLiteral("title")).value(table.heading);
            json.key(QStringLiteral("marked")).value(static_cast<qint64>(table.marked));
            json.key(QStringLiteral("rows")).beginArray();
            for (const OddsRow &row : table.rows) {
                json.beginObject();
                json.key(QStringLiteral("main")).value(static_cast<qint64>(row.mainHits));
                if (row.additionalHits >= 0)
                    json.key(QStringLiteral("additional")).value(static_cast<qint64>(row.additionalHits));
                json.key(QStringLiteral("outcomes")).value(plainDigits(row.outcomes));
                json.key(QStringLiteral("chance")).value(plainDigits(row.chance));
                json.key(QStringLiteral("one_in")).value(oneIn(row.chance));
                json.endObject();
            }
            json.endArray();
            json.endObject();
        }
        json.endArray().endObject();
        return CommandResult::ok(CommandOutput::ofJson(json));
    }

    // Scripts read the JSON above; a person reads the decimal sign of the folder's language.
    const QString decimal = interfaceLocale(ctx.texts.languageCode()).decimalPoint();
    QString text;
    for (const OddsTable &table : report.tables) {
        const bool withAdditional = !table.rows.isEmpty() && table.rows.first().additionalHits >= 0;
        text += QStringLiteral("# ") + table.heading + QLatin1Char('\n');
        text += ctx.messages("Str137")
            + (withAdditional ? QLatin1Char('\t') + ctx.messages("Str138") : QString()) + QLatin1Char('\t')
            + ctx.messages("Str139") + QLatin1Char('\t') + ctx.messages("Str140") + QLatin1Char('\n');
        for (const OddsRow &row : table.rows) {
            text += QString::number(row.mainHits)
                + (withAdditional ? QLatin1Char('\t') + QString::number(row.additionalHits) : QString())
                + QLatin1Char('\t') + plainDigits(row.outcomes) + QLatin1Char('\t')
                + plainDigits(row.chance).replace(QLatin1Char(','), decimal) + QLatin1Char('\n');
        }
    }
    return CommandResult::ok(CommandOutput::text(text));
}

} // namespace kivora::cli
