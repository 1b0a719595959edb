#pragma once

#include "cli/CliApp.h"
#include "core/Failure.h"
#include "core/MessageCatalog.h"

#include <QString>
#include <QStringList>

namespace kivora {
class ProgramFolder;
}

namespace kivora::cli {

class CliArguments;

struct CommandResult
{
    int status = 0;
    QString output; // written to standard output when status is 0
    QString error; // written to standard error otherwise
    // The names of the columns of the rows it printed, for --sort on JSON rows that are
    // arrays; the table header of the text output names them too.
    QStringList columns;

    static CommandResult ok(QString text, QStringList columns = {})
    {
        return { 0, std::move(text), {}, std::move(columns) };
    }
    static CommandResult failed(QString message) { return { 1, {}, std::move(message), {} }; }
    static CommandResult wrongUsage(QString message) { return { 2, {}, std::move(message), {} }; }
    // Wrong usage exits 2, every other failure 1.
    static CommandResult failed(const Failure &failure, const MessageCatalog &messages)
    {
        return { failure.kind == Failure::Kind::Usage ? 2 : 1, {}, failureMessage(failure, messages), {} };
    }
};

// Runs the command the words name. Every command checks its words and options before
// it touches a file, so wrong usage never leaves a change behind.
CommandResult runCommand(const ProgramFolder &folder, const CliArguments &args);

struct CommandContext;

// The commands, one function each (CliStatCommands.cpp, CliPlayCommands.cpp,
// CliResultsCommands.cpp, CliAnalysisCommands.cpp).
CommandResult listCommand(const CommandContext &ctx); // numbers, stat ...
CommandResult exportHtmlCommand(const CommandContext &ctx);
CommandResult forecastCommand(const CommandContext &ctx);
CommandResult expandCommand(const CommandContext &ctx);
CommandResult saveCommand(const CommandContext &ctx);
CommandResult checkCommand(const CommandContext &ctx);
CommandResult importCommand(const CommandContext &ctx);
CommandResult addCommand(const CommandContext &ctx);
CommandResult randomnessCommand(const CommandContext &ctx);
CommandResult backtestCommand(const CommandContext &ctx);
CommandResult filterCommand(const CommandContext &ctx); // filter: expand, then filter the tickets
CommandResult filtersCommand(const CommandContext &ctx); // filters show|set: the stored filters
CommandResult oddsCommand(const CommandContext &ctx); // CliOddsCommand.cpp
CommandResult wheelCommand(const CommandContext &ctx); // wheel make|check: CliWheelCommands.cpp

} // namespace kivora::cli
