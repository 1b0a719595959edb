#include "cli/CliApp.h"

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CliHelp.h"
#include "cli/CliOptions.h"
#include "cli/CliRender.h"
#include "cli/CliTable.h"
#include "core/Failure.h"
#include "core/IniFile.h"
#include "core/LanguageTexts.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QDir>
#include <QIODevice>

#include <cerrno>

namespace kivora::cli {

namespace {

// A usage error is one line: the mistake, then where the usage is.
int usageError(QTextStream &err, const MessageCatalog &messages, const QString &mistake)
{
    err << "kivora-cli: " << mistake << " (" << messages("Str306") << ")\n";
    err.flush();
    return ExitUsage;
}

int failure(QTextStream &err, const QString &message)
{
    err << message << '\n';
    err.flush();
    return ExitFailed;
}

// What was printed must have reached standard output: on a full disk, a closed pipe or
// /dev/full the command fails instead of reporting success.
int finishOutput(QTextStream &out, QTextStream &err, const MessageCatalog &messages)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return ExitOk;
    const int code = errno;
    const QString reason
        = out.device() ? textfile::deviceReason(*out.device(), code) : textfile::systemReason(code);
    return failure(
        err, failureMessage(Failure::io(textfile::describeError(messages("Str471"), reason)), messages));
}

// --help, -h, help [COMMAND], COMMAND --help and --version; -1 when the invocation is
// none of these.
int answerHelp(const CliArguments &args, QTextStream &out, QTextStream &err, const MessageCatalog &messages)
{
    const bool helpOption = args.has(option::kHelp) || args.has(option::kHelpShort);
    QString text;
    if (args.word(0) == QLatin1String("help")) {
        if (args.words().size() > 2)
            return usageError(err, messages, messages("Str301").arg(args.word(2)));
        text = args.word(1).isEmpty() ? usage() : commandUsage(args.word(1));
        if (text.isEmpty())
            return usageError(err, messages, messages("Str304").arg(args.word(1)));
    } else if (helpOption) {
        text = args.words().isEmpty() || !isCommand(args.word(0)) ? usage() : commandUsage(args.word(0));
    } else if (args.has(option::kVersion) && args.words().isEmpty()) {
        text = versionText() + QLatin1Char('\n');
    } else {
        return -1;
    }
    out << text;
    return finishOutput(out, err, messages);
}

} // namespace

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // Names and captions are Cyrillic: the output is UTF-8 whatever the locale says.
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    CliArguments args;
    QString optionWithoutValue;
    const bool parsed = args.parse(arguments, &optionWithoutValue);

    // The messages are those of the folder's language, also for wrong usage.
    const bool homeGiven = args.has(option::kHome);
    const QString home = homeGiven ? args.value(option::kHome) : ProgramFolder::resolveForApplication();
    const ProgramFolder folder(home);
    const LanguageTexts texts(folder);
    const MessageCatalog &messages = texts.messages();
    // The file layer's reasons in the same language, for this run only (the tests run
    // many in one process).
    struct Restore
    {
        MessageCatalog previous;
        ~Restore() { textfile::useMessages(previous); }
    } restore { textfile::messagesInUse() };
    textfile::useMessages(messages);

    if (!parsed)
        return usageError(err, messages, messages("Str303").arg(optionWithoutValue));
    const int answered = answerHelp(args, out, err, messages);
    if (answered >= 0)
        return answered;
    if (args.words().isEmpty())
        return usageError(err, messages, messages("Str305"));
    if (!isCommand(args.word(0)))
        return usageError(err, messages, messages("Str304").arg(args.word(0)));
    if (homeGiven && home.trimmed().isEmpty())
        return usageError(err, messages, messages("Str308").arg(optionName(option::kHome)));

    if (!folder.hasConfig()) {
        // A folder named on the command line that does not exist is a mistyped path
        // more often than a wish for a new one.
        if (homeGiven && !QDir(home).exists() && !args.has(option::kInit))
            return failure(err, messages("Str328").arg(QDir::toNativeSeparators(home)));
        // Neither is a folder that already holds other files (a home folder, a
        // project): seeding it would scatter the sample data among them.
        if (homeGiven && !args.has(option::kInit)
            && !QDir(home).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            return failure(
                err, messages("Str710").arg(QDir::toNativeSeparators(home), ProgramFolder::configFileName()));
        if (const Done seeded = folder.seed(); !seeded)
            return failure(err, failureMessage(seeded.failure(), messages));
    }
    // A configuration that exists but cannot be read would read as empty, and the next
    // write would replace it with a few keys.
    IniDocument config;
    if (Outcome<IniDocument> read = IniFile(folder.configPath()).read(); read)
        config = std::move(*read);
    else
        return failure(err, messages("Str162").arg(read.failure().text));

    const Outcome<TableOptions> table = tableOptions(args, messages);
    if (!table)
        return usageError(err, messages, table.failure().text);

    const CommandResult result = runCommand(folder, args);
    if (result.status == ExitUsage)
        return usageError(err, messages, result.error);
    if (result.status != ExitOk) {
        err << result.error << '\n';
        err.flush();
        return result.status;
    }
    const Rendered printed = render(result.output, *table, args.word(0), messages);
    if (!printed.usageError.isEmpty())
        return usageError(err, messages, printed.usageError);
    out << printed.text;
    if (!printed.text.isEmpty() && !printed.text.endsWith(QLatin1Char('\n')))
        out << '\n';
    return finishOutput(out, err, messages);
}

} // namespace kivora::cli
