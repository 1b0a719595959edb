#include "cli/CliCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliCommandTable.h"
#include "cli/CliContext.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"

namespace kivora::cli {

namespace {

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

// What every command goes through before it runs: its usage as the table declares it,
// its own finer checks, then the load of the lottery's draws when it needs them.
CommandResult runEntry(const CommandEntry &entry, CommandContext &ctx)
{
    QString error = checkUsage(ctx, knownOptions(entry), entry.words, requiredOptions(entry));
    if (error.isEmpty() && entry.check)
        error = entry.check(ctx);
    const bool loads
        = entry.needs == CommandEntry::Needs::Draws || entry.needs == CommandEntry::Needs::WholeBase;
    DrawFilter filter;
    if (error.isEmpty() && loads)
        error = drawFilter(ctx, entry.needs == CommandEntry::Needs::Draws, &filter);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);
    if (!loads)
        return entry.run(ctx);
    LoadResult load;
    CommandResult loaded = loadLottery(ctx, filter, &load);
    if (loaded.status != ExitOk)
        return loaded;
    ctx.load = &load;
    return entry.run(ctx);
}

} // namespace

CommandResult lotteriesCommand(const CommandContext &ctx)
{
    const auto list = lotteries::readList(IniFile(ctx.folder.configPath()).load());
    CommandOutput output;
    output.table.columns = QStringList { QStringLiteral("name"), QStringLiteral("shown") };
    output.table.asObjects = true;
    for (const LotteryEntry &entry : list)
        output.table.add({ entry.name, entry.shown });
    JsonWriter json;
    json.beginObject().key(QStringLiteral("lotteries")).rowsSlot().endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

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
    CommandContext ctx { folder, args, texts.messages(), texts };
    const CommandEntry *entry = findCommand(args.word(0));
    if (!entry)
        return CommandResult::wrongUsage(ctx.messages("Str304").arg(args.word(0)));
    return runEntry(*entry, ctx);
}

} // namespace kivora::cli
