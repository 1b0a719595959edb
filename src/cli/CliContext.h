#pragma once

#include "core/LanguageTexts.h"

// What every command works with: the program folder, the words and options of the
// invocation and the message catalogue, plus the checks of options and the load of
// the lottery named on the command line.

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "core/IniDocument.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "results/ResultsLoad.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kivora::cli {

struct CommandContext
{
    const ProgramFolder &folder;
    const CliArguments &args;
    const MessageCatalog &messages;
    const LanguageTexts &texts; // captions of the window, as the language file has them
    // The lottery's draws, loaded before the command runs when the command needs them.
    LoadResult *load = nullptr;

    bool json() const
    {
        return args.has(option::kJson)
            || args.value(option::kFormat).compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
    }
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
    const CommandContext &ctx, const QStringList &known, int wordCount, const QStringList &required = {});

// "bad --size value: 0 (a count of numbers, 1 or more)" in the language of the folder.
QString badValue(const CommandContext &ctx, const QString &option, const QString &value, const QString &hint);

// A whole number from an option's text ("12", "+12"); false for anything else.
bool parseCount(const QString &text, int *value);

// The draw filter of --last, --machine and --ballset (each ticked when given). With
// selection false the filter stays off: the commands that take --machine as the
// machine of a new draw load the whole base.
// Returns the usage error of a bad --last value, else the empty text.
QString drawFilter(const CommandContext &ctx, bool selection, DrawFilter *filter);

// The file of --out. "--out -" is standard output: the command's writer writes a
// temporary file whose text is printed afterwards, so every check of the writer holds.
class OutFile final
{
public:
    explicit OutFile(const CommandContext &ctx);

    QString path() const { return m_path; }
    bool toStandardOutput() const { return m_standardOutput; }
    // The text written, as standard output prints it in every format (UTF-8; an HTML
    // page says so).
    CommandResult printed() const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_standardOutput = false;
};

// The failure for a --system that is no system of the lottery's draw size (the window
// would expand the default template instead); empty for a listed one.
QString unknownSystem(const CommandContext &ctx, const IniDocument &ini, const LotteryDefinition &lottery);

// The captions of the number list for --marked "05,11,17", in that order; the usage
// error for a number the list does not hold or one given twice.
QString markedCaptions(const CommandContext &ctx, const LoadResult &load, QStringList *captions);

// Loads the lottery of --lottery through the filter. Fails (status 1) with the
// message when the name is no lottery of the list, or the load fails.
CommandResult loadLottery(const CommandContext &ctx, const DrawFilter &filter, LoadResult *load);

} // namespace kivora::cli
