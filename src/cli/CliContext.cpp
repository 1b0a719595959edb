#include "cli/CliContext.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"

namespace kivora::cli {

QStringList commonOptions()
{
    return { option::kHome, option::kJson };
}

QStringList selectionOptions()
{
    return commonOptions()
        + QStringList { option::kLottery, option::kLast, option::kMachine, option::kBallSet };
}

// "-k" for a one-letter option, "--family" for the others.
QString optionName(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString checkUsage(
    const CliArguments &args, const QStringList &known, int wordCount, const QStringList &required)
{
    const QStringList unknown = args.unknown(known);
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option %1").arg(optionName(unknown.first()));
    if (args.words().size() > wordCount)
        return QStringLiteral("unexpected word: %1").arg(args.word(wordCount));
    for (const QString &name : required) {
        if (!args.has(name))
            return QStringLiteral("missing option %1").arg(optionName(name));
    }
    return {};
}

bool parseCount(const QString &text, int *value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok, 10);
    return ok;
}

QString drawFilter(const CommandContext &ctx, bool selection, DrawFilter *filter)
{
    *filter = DrawFilter();
    if (!selection)
        return {};
    if (ctx.has(option::kLast)) {
        // The count box of the window takes no negative count.
        int count = 0;
        if (!parseCount(ctx.value(option::kLast), &count) || count < 0)
            return QStringLiteral("bad --last value: %1 (a count of draws, 0 or more)")
                .arg(ctx.value(option::kLast));
        filter->lastDraws = true;
        filter->lastDrawsText = QString::number(count);
    }
    if (ctx.has(option::kMachine)) {
        filter->machine = true;
        filter->machineText = ctx.value(option::kMachine);
    }
    if (ctx.has(option::kBallSet)) {
        filter->ballSet = true;
        filter->ballSetText = ctx.value(option::kBallSet);
    }
    return {};
}

CommandResult loadLottery(const CommandContext &ctx, const DrawFilter &filter, LoadResult *load)
{
    const QString name = ctx.value(option::kLottery);
    // Any lottery of the list, shown or hidden; a name without an entry would
    // otherwise load the default definition under a name that is no lottery.
    bool listed = false;
    for (const LotteryEntry &entry : lotteries::readList(IniFile(ctx.folder.configPath()).load()))
        listed = listed || entry.name == name;
    if (!listed)
        return CommandResult::failed(ctx.messages("Str59").arg(name));
    *load = kivora::loadLottery(ctx.folder, name, filter, ctx.messages);
    if (!load->ok)
        return CommandResult::failed(load->error);
    return CommandResult::ok({});
}

} // namespace kivora::cli
