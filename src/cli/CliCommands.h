#pragma once

#include "cli/CliApp.h"
#include "cli/CommandOutput.h"
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
    CommandOutput output; // rendered to standard output when status is 0
    QString error; // written to standard error otherwise

    static CommandResult ok(CommandOutput output) { return { 0, std::move(output), {} }; }
    static CommandResult failed(QString message) { return { 1, {}, std::move(message) }; }
    static CommandResult wrongUsage(QString message) { return { 2, {}, std::move(message) }; }
    // Wrong usage exits 2, every other failure 1.
    static CommandResult failed(const Failure &failure, const MessageCatalog &messages)
    {
        return { failure.kind == Failure::Kind::Usage ? 2 : 1, {}, failureMessage(failure, messages) };
    }
};

// Runs the command the words name. Every command checks its words and options before
// it touches a file, so wrong usage never leaves a change behind; then the front end
// loads what the command needs (CliCommandTable.h) and runs it.
CommandResult runCommand(const ProgramFolder &folder, const CliArguments &args);

struct CommandContext;

// The commands, one function each (CliCommands.cpp, CliStatCommands.cpp,
// CliPlayCommands.cpp, CliResultsCommands.cpp, CliAnalysisCommands.cpp,
// CliOddsCommand.cpp, CliWheelCommands.cpp, CliCatalogueCommand.cpp). Those that need the lottery's draws
// find them loaded in the context.
CommandResult lotteriesCommand(const CommandContext &ctx);
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
CommandResult oddsCommand(const CommandContext &ctx);
CommandResult systemsCommand(const CommandContext &ctx); // the system names of a lottery
CommandResult wheelCommand(const CommandContext &ctx); // wheel make|check
CommandResult catalogueCommand(const CommandContext &ctx); // catalogue [add NAME]
CommandResult updateCommand(const CommandContext &ctx); // CliUpdateCommand.cpp

// The finer usage checks of the commands that have them (a form's own options, the
// values of options), made before anything is loaded; empty when the invocation is sound.
QString listUsage(const CommandContext &ctx);
QString exportHtmlUsage(const CommandContext &ctx);
QString forecastUsage(const CommandContext &ctx);
QString importUsage(const CommandContext &ctx);
QString backtestUsage(const CommandContext &ctx);
QString filterUsage(const CommandContext &ctx);
QString filtersUsage(const CommandContext &ctx);
QString catalogueUsage(const CommandContext &ctx);
QString updateUsage(const CommandContext &ctx);

} // namespace kivora::cli
