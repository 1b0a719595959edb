// systems: the names of the systems a lottery can expand marked numbers by.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "play/Systems.h"

namespace kivora::cli {

CommandResult systemsCommand(const CommandContext &ctx)
{
    const QString name = ctx.value(option::kLottery);
    const IniDocument ini = IniFile(ctx.folder.configPath()).load();
    bool listed = false;
    for (const LotteryEntry &entry : lotteries::readList(ini))
        listed = listed || entry.name == name;
    if (!listed)
        return CommandResult::failed(ctx.messages("Str59").arg(name));
    const LotteryDefinition definition = lotteries::readDefinition(ini, name);
    const QString refusal = lotteries::validate(definition, ctx.messages);
    if (!refusal.isEmpty())
        return CommandResult::failed(refusal);

    CommandOutput output;
    output.table.columns = QStringList { QStringLiteral("name"), QStringLiteral("needed") };
    output.table.asObjects = true;
    for (const QString &system : systems::names(ini, definition))
        output.table.add(std::vector<Cell> { system, static_cast<qint64>(systems::neededCount(system)) });
    JsonWriter json;
    json.beginObject().key(QStringLiteral("systems")).rowsSlot().endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace kivora::cli
