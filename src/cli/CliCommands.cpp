#include "cli/CliCommands.h"

#include "cli/CliArguments.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/ProgramFolder.h"

namespace kivora::cli {

namespace {

const QString kJson = QStringLiteral("json");

CommandResult lotteriesCommand(const ProgramFolder &folder, const CliArguments &args)
{
    const auto list = lotteries::readList(IniFile(folder.configPath()).load());
    if (args.has(kJson)) {
        JsonWriter json;
        json.beginObject().key(QStringLiteral("lotteries")).beginArray();
        for (const LotteryEntry &entry : list) {
            json.beginObject();
            json.key(QStringLiteral("name")).value(entry.name);
            json.key(QStringLiteral("shown")).value(entry.shown);
            json.endObject();
        }
        json.endArray().endObject();
        return CommandResult::ok(json.text());
    }
    QString text = QStringLiteral("name\tshown\n");
    for (const LotteryEntry &entry : list)
        text += entry.name + QLatin1Char('\t') + (entry.shown ? QStringLiteral("1") : QStringLiteral("0")) + QLatin1Char('\n');
    return CommandResult::ok(text);
}

} // namespace

CommandResult runCommand(const ProgramFolder &folder, const CliArguments &args)
{
    const QString command = args.word(0);
    if (command == QLatin1String("lotteries")) {
        const QStringList unknown = args.unknown({QStringLiteral("home"), kJson});
        if (!unknown.isEmpty())
            return CommandResult::wrongUsage(QStringLiteral("unknown option --%1").arg(unknown.first()));
        return lotteriesCommand(folder, args);
    }
    return CommandResult::wrongUsage(QStringLiteral("unknown command: %1").arg(command));
}

} // namespace kivora::cli
