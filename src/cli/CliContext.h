#pragma once

#include "core/LanguageTexts.h"

// What every command works with: the program folder, the words and options of the
// invocation and the message catalogue, plus the checks of options and the load of
// the lottery named on the command line.

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "results/ResultsLoad.h"

#include <QString>
#include <QStringList>

namespace kivora::cli {

namespace option {
inline const QString kHome = QStringLiteral("home");
inline const QString kJson = QStringLiteral("json");
inline const QString kLottery = QStringLiteral("lottery");
inline const QString kLast = QStringLiteral("last");
inline const QString kMachine = QStringLiteral("machine");
inline const QString kBallSet = QStringLiteral("ballset");
inline const QString kOut = QStringLiteral("out"); // the file export-html and save write
} // namespace option

struct CommandContext
{
    const ProgramFolder &folder;
    const CliArguments &args;
    const MessageCatalog &messages;
    const LanguageTexts &texts; // captions of the window, as the language file has them

    bool json() const { return args.has(option::kJson); }
    QString value(const QString &name) const { return args.value(name); }
    bool has(const QString &name) const { return args.has(name); }
};

// --home and --json, accepted by every command.
QStringList commonOptions();
// --lottery, --last, --machine, --ballset and the common options.
QStringList selectionOptions();

// "-k" or "--family": an option as it is written on the command line.
QString optionName(const QString &name);

// The usage error for an option outside `known`, a word beyond the first `wordCount`,
// or a missing one of `required`; empty when the invocation is sound.
QString checkUsage(
    const CliArguments &args, const QStringList &known, int wordCount, const QStringList &required = {});

// A whole number from an option's text ("12", "+12"); false for anything else.
bool parseCount(const QString &text, int *value);

// The draw filter of --last, --machine and --ballset (each ticked when given). With
// selection false the filter stays off: the commands that take --machine as the
// machine of a new draw load the whole base.
// Returns the usage error of a bad --last value, else the empty text.
QString drawFilter(const CommandContext &ctx, bool selection, DrawFilter *filter);

// Loads the lottery of --lottery through the filter. Fails (status 1) with the
// message when the name is no lottery of the list, or the load fails.
CommandResult loadLottery(const CommandContext &ctx, const DrawFilter &filter, LoadResult *load);

} // namespace kivora::cli
