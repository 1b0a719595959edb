// add: appends one draw to a results base, then reloads the base as the window does and
// prints its draw count. import has a file of its own (CliImportCommand.cpp).

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/JsonWriter.h"
#include "core/MessageCatalog.h"
#include "results/AddDraw.h"

namespace kivora::cli {

namespace {

using option::kAdditional;
using option::kDate;
using option::kMain;
using option::kNumber;

CommandResult drawCountOutput(const CommandContext &ctx)
{
    // The whole base of --lottery, as the reload after a change shows it.
    LoadResult reloaded;
    CommandResult loaded = loadLottery(ctx, DrawFilter(), &reloaded);
    if (loaded.status != ExitOk)
        return loaded;
    CommandOutput output;
    output.textAfter = QString::number(reloaded.drawCount()) + QLatin1Char('\n');
    JsonWriter json;
    json.beginObject().key(QStringLiteral("draws")).value(reloaded.drawCount());
    json.endObject();
    output.setJson(json);
    return CommandResult::ok(output);
}

} // namespace

CommandResult addCommand(const CommandContext &ctx)
{
    // Here --machine and --ballset are the new draw's fields, not filters.
    LoadResult &load = *ctx.load;
    NewDraw draw;
    draw.number = ctx.value(kNumber);
    draw.date = ctx.value(kDate);
    draw.machine = ctx.value(option::kMachine);
    draw.ballSet = ctx.value(option::kBallSet);
    draw.mainText = ctx.value(kMain);
    draw.additionalText = ctx.value(kAdditional);
    // Only one load is alive at a time: the count after the append loads the base again.
    const QString basePath = load.basePath;
    const LotteryDefinition definition = load.definition;
    load = LoadResult();
    const QString refusal = addDraw(basePath, draw, definition, ctx.messages);
    if (!refusal.isEmpty())
        return CommandResult::failed(refusal);
    return drawCountOutput(ctx);
}

} // namespace kivora::cli
