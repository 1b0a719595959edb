#include "cli/CliContext.h"

#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/Plural.h"
#include "core/TextFile.h"
#include "play/Systems.h"
#include "statistics/NumberList.h"

namespace kivora::cli {

QStringList commonOptions()
{
    // --init, --format, --sort and --limit are read by the front end, before and after
    // the command.
    return { option::kHome, option::kJson, option::kInit, option::kFormat, option::kSort, option::kLimit };
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
    const CommandContext &ctx, const QStringList &known, int wordCount, const QStringList &required)
{
    const CliArguments &args = ctx.args;
    const QStringList unknown = args.unknown(known);
    if (!unknown.isEmpty())
        return ctx.messages("Str300").arg(optionName(unknown.first()));
    if (args.words().size() > wordCount)
        return ctx.messages("Str301").arg(args.word(wordCount));
    for (const QString &name : required) {
        if (!args.has(name))
            return ctx.messages("Str302").arg(optionName(name));
    }
    return {};
}

QString badValue(const CommandContext &ctx, const QString &option, const QString &value, const QString &hint)
{
    return ctx.messages("Str307").arg(option, value, hint);
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
        // As the count box of the window: a count of 0 or less keeps no draw.
        int count = 0;
        if (!parseCount(ctx.value(option::kLast), &count))
            return badValue(ctx, optionName(option::kLast), ctx.value(option::kLast), ctx.messages("Str321"));
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

OutFile::OutFile(const CommandContext &ctx)
    : m_path(ctx.value(option::kOut))
    , m_standardOutput(m_path == QLatin1String("-"))
{
    if (m_standardOutput)
        m_path = m_dir.filePath(QStringLiteral("out"));
}

CommandResult OutFile::printed() const
{
    Outcome<QString> read = textfile::readText(m_path);
    if (!read)
        return CommandResult::failed(read.failure().text);
    QString &text = *read;
    text.replace(QLatin1String("charset=windows-1251"), QLatin1String("charset=utf-8"));
    return CommandResult::ok(CommandOutput::text(withLineFeeds(text), true));
}

QString markedCaptions(const CommandContext &ctx, const LoadResult &load, QStringList *captions)
{
    const MarkedNumbers marked = readMarkedNumbers(numberListTable(load), ctx.value(option::kMarked));
    *captions = marked.captions;
    switch (marked.fault) {
    case MarkedNumbers::Fault::None:
        return {};
    case MarkedNumbers::Fault::NotInList:
        return badValue(ctx, optionName(option::kMarked), marked.item,
            ctx.messages("Str316").arg(load.definition.minNumber).arg(load.definition.maxNumber));
    case MarkedNumbers::Fault::Repeated:
        return badValue(ctx, optionName(option::kMarked), marked.item, ctx.messages("Str317"));
    }
    return {};
}

QString unknownSystem(const CommandContext &ctx, const IniDocument &ini, const LotteryDefinition &lottery)
{
    const QString system = ctx.value(option::kSystem);
    const QStringList known = systems::names(ini, lottery);
    if (known.contains(system))
        return {};
    // One line that says where the names are, not the names: a Keno list is thousands long.
    return withPlurals(ctx.messages("Str770").arg(system).arg(lottery.drawNumber))
        .arg(ctx.value(option::kLottery));
}

CommandResult loadLottery(const CommandContext &ctx, const DrawFilter &filter, LoadResult *load)
{
    const QString name = ctx.value(option::kLottery);
    *load = kivora::loadLottery(
        ctx.folder, name, filter, ctx.messages, terminalProgress(ctx.messages("Str331").arg(name)));
    if (!load->ok)
        return CommandResult::failed(load->error);
    return CommandResult::ok({});
}

} // namespace kivora::cli
