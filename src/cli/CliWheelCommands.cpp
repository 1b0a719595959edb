// wheel make and wheel check: abbreviated systems with a stated guarantee.

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliProgress.h"
#include "cli/JsonWriter.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/Plural.h"
#include "core/TextFile.h"
#include "play/KeyWheel.h"
#include "play/SystemTemplate.h"
#include "play/Systems.h"
#include "play/WheelFile.h"
#include "play/WheelGenerator.h"
#include "play/WheelRepair.h"
#include "play/WheelTemplate.h"
#include "play/WheelVerifier.h"

namespace kivora::cli {

namespace {

using option::kFile;
using option::kGuarantee;
using option::kHoles;
using option::kIf;
using option::kKeys;
using option::kNumbers;
using option::kSeconds;
using option::kSeed;
using option::kSystem;
using option::kTicket;

// A whole number of an option, 0 or more, or the default when the option is not given.
QString countOption(const CommandContext &ctx, const QString &name, int def, int *value)
{
    *value = def;
    if (!ctx.has(name))
        return {};
    if (!parseCount(ctx.value(name), value) || *value < 0)
        return badValue(ctx, optionName(name), ctx.value(name), ctx.messages("Str312"));
    return {};
}

// `first`: the number of position 1 (0 for a wheel counted from 0).
QString setsText(const std::vector<quint64> &sets, int first = 1)
{
    QString text;
    for (quint64 set : sets) {
        QStringList numbers;
        for (int p = 0; p < 64; ++p) {
            if ((set >> p) & 1U)
                numbers.append(QString::number(p + first));
        }
        text += numbers.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void writeSets(JsonWriter &json, const QString &key, const std::vector<quint64> &sets, int first = 1)
{
    json.key(key).beginArray();
    for (quint64 set : sets) {
        json.beginArray();
        for (int p = 0; p < 64; ++p) {
            if ((set >> p) & 1U)
                json.value(static_cast<qint64>(p + first));
        }
        json.endArray();
    }
    json.endArray();
}

void writeGuarantee(JsonWriter &json, const wheel::Guarantee &g)
{
    json.key(kNumbers).value(static_cast<qint64>(g.numbers));
    json.key(kGuarantee).value(static_cast<qint64>(g.match));
    json.key(kIf).value(static_cast<qint64>(g.drawn));
}

// --keys 1,2: distinct numbers of 1..numbers, as a set; the usage error or "".
QString keysOption(const CommandContext &ctx, int numbers, quint64 *keys)
{
    *keys = 0;
    if (!ctx.has(kKeys))
        return {};
    const QString value = ctx.value(kKeys);
    for (const QString &field : value.split(QLatin1Char(','))) {
        int key = 0;
        if (!parseCount(field.trimmed(), &key) || key < 1 || key > numbers || key > wheel::kMaxNumbers
            || ((*keys >> (key - 1)) & 1U))
            return badValue(ctx, optionName(kKeys), value, ctx.messages("Str776").arg(numbers));
        *keys |= quint64(1) << (key - 1);
    }
    return {};
}

CommandResult makeWheel(const CommandContext &ctx)
{
    QString error = checkUsage(ctx,
        commonOptions() << kNumbers << kTicket << kGuarantee << kIf << kSeconds << kSeed << option::kOut
                        << kKeys,
        2, { kNumbers, kTicket, kGuarantee });
    wheel::MakeRequest request;
    int seconds = 10;
    int seed = 1;
    if (error.isEmpty())
        error = countOption(ctx, kNumbers, 0, &request.guarantee.numbers);
    if (error.isEmpty())
        error = countOption(ctx, kTicket, 0, &request.ticketSize);
    if (error.isEmpty())
        error = countOption(ctx, kGuarantee, 0, &request.guarantee.match);
    if (error.isEmpty())
        error = countOption(ctx, kIf, request.guarantee.match, &request.guarantee.drawn);
    if (error.isEmpty())
        error = countOption(ctx, kSeconds, seconds, &seconds);
    if (error.isEmpty())
        error = countOption(ctx, kSeed, seed, &seed);
    request.seconds = seconds;
    request.seed = static_cast<quint64>(seed);
    request.widestTicket = SystemTemplate::kColumns;
    quint64 keys = 0;
    if (error.isEmpty())
        error = keysOption(ctx, request.guarantee.numbers, &keys);
    // With key numbers the others are wheeled on the rest of each ticket.
    const int keyCount = static_cast<int>(__builtin_popcountll(keys));
    const int wholeNumbers = request.guarantee.numbers;
    const int wholeTicket = request.ticketSize;
    if (error.isEmpty() && keyCount > 0) {
        if (keyCount >= request.ticketSize)
            error = badValue(ctx, optionName(kKeys), ctx.value(kKeys), ctx.messages("Str777"));
        request.guarantee.numbers -= keyCount;
        request.ticketSize -= keyCount;
        request.widestTicket = SystemTemplate::kColumns - keyCount;
    }
    if (error.isEmpty())
        error = wheel::requestProblem(request, ctx.messages);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);

    wheel::MakeResult result = wheel::make(request);
    if (result.tickets.empty())
        return CommandResult::failed(ctx.messages("Str211"));
    if (keyCount > 0) {
        // Verified again from the whole tickets: the keys on every one, and the others
        // as they stand on them.
        const std::vector<quint64> whole = wheel::withKeys(result.tickets, keys, wholeNumbers);
        bool everyTicket = true;
        for (quint64 ticket : whole)
            everyTicket = everyTicket && (ticket & keys) == keys;
        result.check = wheel::verify(wheel::withoutKeys(whole, keys, wholeNumbers), request.guarantee);
        if (!everyTicket || !result.check.holds)
            return CommandResult::failed(ctx.messages("Str211"));
        result.tickets = whole;
    }
    const wheel::WheelShape shape { request.guarantee, request.ticketSize };
    const int count = static_cast<int>(result.tickets.size());
    QString name = wheel::systemName(shape, count, ctx.messages);
    if (keyCount > 0) {
        name = wheel::systemName(
                   { { wholeNumbers, request.guarantee.match, request.guarantee.drawn }, wholeTicket }, count,
                   ctx.messages)
            + QStringLiteral("; ")
            + withPlurals(ctx.messages("Str778")
                              .arg(request.guarantee.match)
                              .arg(request.guarantee.drawn)
                              .arg(request.guarantee.numbers)
                              .arg(keyCount));
    }
    if (ctx.has(option::kOut)) {
        // "--out -" prints the template instead.
        const OutFile out(ctx);
        QStringList lines = wheel::templateLines(shape, result.tickets, result.check, ctx.messages);
        if (keyCount > 0) {
            // Its whole size, and the guarantee as it stands: for the others.
            lines = wheel::templateLines(
                { { wholeNumbers, request.guarantee.match, request.guarantee.drawn }, wholeTicket },
                result.tickets, result.check, ctx.messages);
            lines[1] = QStringLiteral("; ") + name.section(QStringLiteral("; "), 1);
        }
        if (const Done written = textfile::writeLines(out.path(), lines); !written)
            return CommandResult::failed(written.failure(), ctx.messages);
        if (out.toStandardOutput())
            return out.printed();
    }

    if (ctx.json()) {
        JsonWriter json;
        json.beginObject();
        json.key(QStringLiteral("name")).value(name);
        writeGuarantee(json, request.guarantee);
        json.key(kTicket).value(static_cast<qint64>(request.ticketSize));
        // With keys the guarantee above is that of the others; the tickets are whole.
        json.key(kKeys).beginArray();
        for (int p = 0; p < 64; ++p) {
            if ((keys >> p) & 1U)
                json.value(static_cast<qint64>(p + 1));
        }
        json.endArray();
        json.key(QStringLiteral("count")).value(static_cast<qint64>(count));
        json.key(QStringLiteral("bound")).value(static_cast<qint64>(result.bound));
        json.key(QStringLiteral("greedy")).value(static_cast<qint64>(result.greedySize));
        json.key(QStringLiteral("optimal")).value(result.optimal);
        json.key(QStringLiteral("verified")).value(result.check.holds);
        json.key(kSeed).value(static_cast<qint64>(seed));
        json.key(kSeconds).value(QString::number(result.seconds, 'f', 2));
        json.key(kFile);
        if (ctx.has(option::kOut))
            json.value(ctx.value(option::kOut));
        else
            json.null();
        writeSets(json, QStringLiteral("tickets"), result.tickets);
        json.endObject();
        return CommandResult::ok(CommandOutput::ofJson(json));
    }
    QString text = QStringLiteral("# ")
        + ctx.messages("Str468").arg(name).arg(result.bound).arg(QString::number(result.seconds, 'f', 2))
        + QLatin1Char('\n');
    if (!ctx.has(option::kOut))
        text += setsText(result.tickets);
    return CommandResult::ok(CommandOutput::text(text));
}

// The tickets of --system (a system of the lottery's draw size) or of --file (a wheel of
// any program, its numbers within 1..`numbers`, or counted from 0).
CommandResult loadWheel(const CommandContext &ctx, int numbers, wheel::ReadWheel *wheel, QString *path)
{
    if (ctx.has(kFile)) {
        *path = ctx.value(kFile);
        const Outcome<QString> text = textfile::readText(*path);
        if (!text)
            return CommandResult::failed(text.failure().text);
        Outcome<wheel::ReadWheel> read = wheel::readWheel(*text, numbers, ctx.messages);
        if (!read)
            return CommandResult::failed(textfile::describeError(*path, read.failure().text));
        *wheel = std::move(*read);
        return CommandResult::ok({});
    }
    // The lottery as every command finds it (any letter case, or its position).
    LoadResult load;
    CommandResult loaded = loadLottery(ctx, DrawFilter(), &load);
    if (loaded.status != ExitOk)
        return loaded;
    const IniDocument ini = IniFile(ctx.folder.configPath()).load();
    const QString unknown = unknownSystem(ctx, ini, load.definition);
    if (!unknown.isEmpty())
        return CommandResult::failed(unknown);
    *path = systems::templatePath(ini, load.definition.systemSection(), ctx.value(kSystem), ctx.folder);
    const Outcome<QString> text = textfile::readText(*path);
    if (!text)
        return CommandResult::failed(text.failure().text);
    const SystemTemplate system = SystemTemplate::parse(*text);
    const Outcome<std::vector<quint64>> read = wheel::ticketsOf(system, ctx.messages);
    if (!read)
        return CommandResult::failed(textfile::describeError(*path, read.failure().text));
    wheel->tickets = *read;
    wheel->uses = system.uses();
    wheel->fromZero = false;
    return CommandResult::ok({});
}

CommandResult checkWheel(const CommandContext &ctx)
{
    QString error = checkUsage(ctx,
        commonOptions() << option::kLottery << kSystem << kFile << kNumbers << kGuarantee << kIf << kHoles, 2,
        { kGuarantee });
    if (error.isEmpty() && ctx.has(kSystem) == ctx.has(kFile))
        error = ctx.messages("Str469");
    if (error.isEmpty() && ctx.has(kSystem) && !ctx.has(option::kLottery))
        error = ctx.messages("Str302").arg(optionName(option::kLottery));
    wheel::Guarantee g;
    int holeLimit = 10;
    if (error.isEmpty())
        error = countOption(ctx, kGuarantee, 0, &g.match);
    if (error.isEmpty())
        error = countOption(ctx, kIf, g.match, &g.drawn);
    if (error.isEmpty())
        error = countOption(ctx, kHoles, holeLimit, &holeLimit);
    int numbers = 0;
    if (error.isEmpty())
        error = countOption(ctx, kNumbers, 0, &numbers);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);

    wheel::ReadWheel read;
    QString path;
    CommandResult loaded = loadWheel(ctx, ctx.has(kNumbers) ? numbers : 0, &read, &path);
    if (loaded.status != ExitOk)
        return loaded;
    const std::vector<quint64> &tickets = read.tickets;
    // By default the wheel is checked on the numbers it uses.
    g.numbers = ctx.has(kNumbers) ? numbers : read.uses;
    if (g.numbers < read.uses)
        return CommandResult::failed(withPlurals(ctx.messages("Str215").arg(read.uses).arg(g.numbers)));
    const QString problem = wheel::guaranteeProblem(g, ctx.messages);
    if (!problem.isEmpty())
        return CommandResult::wrongUsage(problem);

    // A wheel that leaves many holes of a large m takes long to check: the share of the
    // sets decided is shown as the check goes.
    const wheel::CheckResult check = wheel::verify(tickets, g, holeLimit, nullptr,
        terminalProgress(ctx.messages("Str331").arg(ctx.args.words().join(QLatin1Char(' ')))));
    const QString summary = withPlurals(check.holds
            ? ctx.messages("Str206").arg(g.match).arg(g.drawn).arg(g.numbers).arg(check.sets)
            : ctx.messages("Str207")
                  .arg(g.match)
                  .arg(g.drawn)
                  .arg(g.numbers)
                  .arg(check.holes)
                  .arg(check.sets));
    if (ctx.json()) {
        JsonWriter json;
        json.beginObject();
        json.key(kFile).value(path);
        writeGuarantee(json, g);
        json.key(QStringLiteral("tickets")).value(static_cast<qint64>(tickets.size()));
        json.key(QStringLiteral("holds")).value(check.holds);
        json.key(QStringLiteral("sets")).value(check.sets);
        json.key(QStringLiteral("holeCount")).value(check.holes);
        writeSets(json, kHoles, check.firstHoles, read.fromZero ? 0 : 1);
        json.key(QStringLiteral("message")).value(summary);
        json.key(QStringLiteral("fromZero")).value(read.fromZero);
        json.endObject();
        return CommandResult::ok(CommandOutput::ofJson(json));
    }
    QString text;
    if (read.fromZero)
        text += QStringLiteral("# ") + ctx.messages("Str773") + QLatin1Char('\n');
    text += QStringLiteral("# ") + summary + QLatin1Char('\n')
        + setsText(check.firstHoles, read.fromZero ? 0 : 1);
    return CommandResult::ok(CommandOutput::text(text));
}

// wheel repair: the wheel with the fewest tickets found that plug its holes, verified
// before it is written.
CommandResult repairWheel(const CommandContext &ctx)
{
    QString error = checkUsage(ctx,
        commonOptions() << option::kLottery << kSystem << kFile << kNumbers << kGuarantee << kIf << kSeconds
                        << kSeed << option::kOut,
        2, { kGuarantee });
    if (error.isEmpty() && ctx.has(kSystem) == ctx.has(kFile))
        error = ctx.messages("Str469");
    if (error.isEmpty() && ctx.has(kSystem) && !ctx.has(option::kLottery))
        error = ctx.messages("Str302").arg(optionName(option::kLottery));
    wheel::Guarantee g;
    int seconds = 10;
    int seed = 1;
    int numbers = 0;
    if (error.isEmpty())
        error = countOption(ctx, kGuarantee, 0, &g.match);
    if (error.isEmpty())
        error = countOption(ctx, kIf, g.match, &g.drawn);
    if (error.isEmpty())
        error = countOption(ctx, kSeconds, seconds, &seconds);
    if (error.isEmpty())
        error = countOption(ctx, kSeed, seed, &seed);
    if (error.isEmpty())
        error = countOption(ctx, kNumbers, 0, &numbers);
    if (!error.isEmpty())
        return CommandResult::wrongUsage(error);

    wheel::ReadWheel read;
    QString path;
    CommandResult loaded = loadWheel(ctx, ctx.has(kNumbers) ? numbers : 0, &read, &path);
    if (loaded.status != ExitOk)
        return loaded;
    g.numbers = ctx.has(kNumbers) ? numbers : read.uses;
    if (g.numbers < read.uses)
        return CommandResult::failed(withPlurals(ctx.messages("Str215").arg(read.uses).arg(g.numbers)));
    // The added tickets are as wide as the wheel's widest.
    wheel::RepairRequest request;
    request.tickets = read.tickets;
    request.guarantee = g;
    request.ticketSize = std::max(wheel::widestTicket(read.tickets), g.match);
    request.seconds = seconds;
    request.seed = static_cast<quint64>(seed);
    wheel::MakeRequest asSearch;
    asSearch.guarantee = g;
    asSearch.ticketSize = std::min(request.ticketSize, g.numbers);
    asSearch.seconds = seconds;
    asSearch.widestTicket = SystemTemplate::kColumns;
    const QString problem = wheel::requestProblem(asSearch, ctx.messages);
    if (!problem.isEmpty())
        return CommandResult::wrongUsage(problem);

    const wheel::RepairResult repaired = wheel::repair(request);
    if (!repaired.check.holds)
        return CommandResult::failed(ctx.messages("Str211"));
    std::vector<quint64> whole = read.tickets;
    whole.insert(whole.end(), repaired.added.begin(), repaired.added.end());
    const int count = static_cast<int>(whole.size());
    const QString summary = withPlurals(ctx.messages("Str775")
                                            .arg(read.tickets.size())
                                            .arg(repaired.added.size())
                                            .arg(g.match)
                                            .arg(g.drawn)
                                            .arg(g.numbers));
    if (ctx.has(option::kOut)) {
        const OutFile out(ctx);
        const wheel::WheelShape shape { g, request.ticketSize };
        const QStringList lines = wheel::templateLines(shape, whole, repaired.check, ctx.messages);
        if (const Done written = textfile::writeLines(out.path(), lines); !written)
            return CommandResult::failed(written.failure(), ctx.messages);
        if (out.toStandardOutput())
            return out.printed();
    }
    if (ctx.json()) {
        JsonWriter json;
        json.beginObject();
        json.key(kFile).value(path);
        writeGuarantee(json, g);
        json.key(QStringLiteral("holesBefore")).value(repaired.holesBefore);
        json.key(QStringLiteral("count")).value(static_cast<qint64>(count));
        json.key(QStringLiteral("verified")).value(repaired.check.holds);
        json.key(QStringLiteral("fromZero")).value(read.fromZero);
        writeSets(json, QStringLiteral("added"), repaired.added, read.fromZero ? 0 : 1);
        json.key(QStringLiteral("message")).value(summary);
        json.endObject();
        return CommandResult::ok(CommandOutput::ofJson(json));
    }
    QString text;
    if (read.fromZero)
        text += QStringLiteral("# ") + ctx.messages("Str773") + QLatin1Char('\n');
    text += QStringLiteral("# ") + summary + QLatin1Char('\n');
    if (!ctx.has(option::kOut))
        text += setsText(repaired.added, read.fromZero ? 0 : 1);
    return CommandResult::ok(CommandOutput::text(text));
}

} // namespace

CommandResult wheelCommand(const CommandContext &ctx)
{
    const QString action = ctx.args.word(1);
    if (action == QLatin1String("make"))
        return makeWheel(ctx);
    if (action == QLatin1String("check"))
        return checkWheel(ctx);
    if (action == QLatin1String("repair"))
        return repairWheel(ctx);
    return CommandResult::wrongUsage(action.isEmpty()
            ? ctx.messages("Str322").arg(QStringLiteral("wheel"), QStringLiteral("make, check, repair"))
            : ctx.messages("Str304").arg(QStringLiteral("wheel ") + action));
}

} // namespace kivora::cli
