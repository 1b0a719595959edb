#pragma once

// Every kivora-cli command, declared once: its help, the options it takes, what it
// needs loaded and the function that runs it. The help, the dispatch and the usage
// check all read this table.

#include "cli/CliCommands.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kivora::cli {

struct CommandContext;

struct CommandEntry
{
    // What the front end prepares before the command runs.
    enum class Needs {
        Nothing, // no lottery (--lottery may still be an option of its own)
        Lottery, // --lottery names a lottery of the list; nothing is loaded
        WholeBase, // the lottery's whole base is loaded; --machine and --ballset are no filters
        Draws, // the base is loaded through the draw selection (--last, --machine, --ballset)
    };

    QString name;
    QString synopsis; // one or more lines, each starting with the command
    QString details;
    Needs needs = Needs::Nothing;
    int words = 1; // the words the invocation may hold, the command's name included
    // The options beyond those every command takes, and beyond --lottery and the draw
    // selection that its needs bring; for a command with several forms, those of all.
    QStringList options;
    QStringList required; // --lottery is required by the needs
    // The finer checks of the words and options (a form's own options, values), made
    // before any file is read; the usage error or the empty text. May be null.
    QString (*check)(const CommandContext &ctx) = nullptr;
    CommandResult (*run)(const CommandContext &ctx) = nullptr;
};

// In the order the usage lists them.
const std::vector<CommandEntry> &commandTable();
// The command the word names; null for a word that is no command.
const CommandEntry *findCommand(const QString &word);

// The options the command accepts, and those it requires, after its needs.
QStringList knownOptions(const CommandEntry &command);
QStringList requiredOptions(const CommandEntry &command);

} // namespace kivora::cli
