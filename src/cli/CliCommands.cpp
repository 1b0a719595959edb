#include "cli/CliCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"

namespace kivora::cli {

namespace {

CommandResult lotteriesCommand(const CommandContext &ctx)
{
    const QString error = checkUsage(ctx, commonOptions(), 1);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    const auto list = lotteries::readList(IniFile(ctx.folder.configPath()).load());
    if (ctx.json()) {
        JsonWriter json;
        json.beginObject().key(QStringLiteral("lotteries")).beginArray();
        for (const LotteryEntry &entry : list) {
            json.beginObject();
            json.key(QStringLiteral("name")).value(entry.name);
            json.key(QStringLiteral("shown")).value(entry.shown);
            json.endObject();
        }
        json.endArray().endObject();
        return CommandResult::ok(json.text() + QLatin1Char('\n'));
    }
    QString text = QStringLiteral("name\tshown\n");
    for (const LotteryEntry &entry : list)
        text += entry.name + QLatin1Char('\t') + (entry.shown ? QStringLiteral("1") : QStringLiteral("0"))
            + QLatin1Char('\n');
    return CommandResult::ok(text);
}

// The lottery --lottery names: its name in any letter case, or its position in the
// list from 1. Any lottery of the list counts, shown or hidden; a name without an entry
// would otherwise load the default definition under a name that is no lottery.
QString resolveLottery(
    const ProgramFolder &folder, const QString &given, const MessageCatalog &messages, QString *name)
{
    const auto list = lotteries::readList(IniFile(folder.configPath()).load());
    QStringList names;
    for (const LotteryEntry &entry : list)
        names.append(entry.name);
    if (names.contains(given)) {
        *name = given;
        return {};
    }
    for (const QString &candidate : names) {
        if (candidate.compare(given, Qt::CaseInsensitive) == 0) {
            *name = candidate;
            return {};
        }
    }
    bool isNumber = false;
    const int position = given.trimmed().toInt(&isNumber);
    if (isNumber && position >= 1 && position <= names.size()) {
        *name = names.at(position - 1);
        return {};
    }
    return messages("Str327").arg(given, names.join(QStringLiteral("; ")));
}

} // namespace

CommandResult runCommand(const ProgramFolder &folder, const CliArguments &given)
{
    // Titles and messages as the window shows them in the current language.
    const LanguageTexts texts(folder);
    CliArguments args = given;
    if (args.has(option::kLottery)) {
        QString name;
        const QString error = resolveLottery(folder, args.value(option::kLottery), texts.messages(), &name);
        if (!error.isEmpty())
            return CommandResult::failed(error);
        args.setValue(option::kLottery, name);
    }
    const CommandContext ctx { folder, args, texts.messages(), texts };
    const QString command = args.word(0);
    if (command == QLatin1String("lotteries"))
        return lotteriesCommand(ctx);
    if (command == QLatin1String("numbers") || command == QLatin1String("stat"))
        return listCommand(ctx);
    if (command == QLatin1String("export-html"))
        return exportHtmlCommand(ctx);
    if (command == QLatin1String("forecast"))
        return forecastCommand(ctx);
    if (command == QLatin1String("expand"))
        return expandCommand(ctx);
    if (command == QLatin1String("save"))
        return saveCommand(ctx);
    if (command == QLatin1String("check"))
        return checkCommand(ctx);
    if (command == QLatin1String("import"))
        return importCommand(ctx);
    if (command == QLatin1String("add"))
        return addCommand(ctx);
    if (command == QLatin1String("randomness"))
        return randomnessCommand(ctx);
    if (command == QLatin1String("backtest"))
        return backtestCommand(ctx);
    if (command == QLatin1String("filter"))
        return filterCommand(ctx);
    if (command == QLatin1String("filters"))
        return filtersCommand(ctx);
    if (command == QLatin1String("odds"))
        return oddsCommand(ctx);
    return CommandResult::wrongUsage(ctx.messages("Str304").arg(command));
}

} // namespace kivora::cli
