#include "cli/CliApp.h"

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"

namespace kivora::cli {

QString usage()
{
    return QStringLiteral(
        "Usage: kivora-cli [--home DIR] COMMAND [OPTIONS] [--json]\n"
        "\n"
        "Commands:\n"
        "  lotteries\n"
        "  numbers\n"
        "  stat pairs|triples|quads [--family all|neighbouring|related]   (default all)\n"
        "  stat tens -k K | --all-draws                                  (K = 2..6)\n"
        "  stat positions -p P [--order drawing|ascending]                (default drawing)\n"
        "  stat additional\n"
        "  stat ten-combos -k K --group LO-HI                             (e.g. --group 11-20)\n"
        "  forecast numbers|pairs\n"
        "  expand --system NAME --marked 05,11,17\n"
        "  save --system NAME --marked LIST --out FILE\n"
        "  check --file FILE [--draw N]                                   (default the newest draw)\n"
        "  export-html numbers|stat ... --out FILE\n"
        "  import FILE\n"
        "  add --number N --date D --machine M --ballset B --main LIST [--additional LIST]\n"
        "  randomness [--out FILE]                                        (HTML report to FILE)\n"
        "  backtest --method forecast-numbers|forecast-pairs|frequent|absent|random\n"
        "           [--size N] [--from DRAW] [--seed S] [--out FILE]\n"
        "  filter --system NAME --marked LIST [FILTERS] [--out FILE]      (no FILTERS: the stored ones)\n"
        "  filters show | filters set [FILTERS]                           (set: store exactly these)\n"
        "  odds                                                           (every prize category's chance)\n"
        "\n"
        "Every command but lotteries needs --lottery NAME (a name that lotteries lists).\n"
        "The commands that work on loaded draws take the filters of the window:\n"
        "  --last N      only the last N lines of the base\n"
        "  --machine M   only draws of machine M\n"
        "  --ballset B   only draws with ball set B\n"
        "(import and add always work on the whole base; for add, --machine and --ballset\n"
        "are the new draw's own fields.)\n"
        "\n"
        "backtest picks for every draw from DRAW (default the second loaded draw) to the\n"
        "newest, using only the draws before it, and compares the hits with a random pick\n"
        "of the same size. --size is for frequent, absent and random (default the\n"
        "lottery's draw size, at most 10); --seed fixes the random picks.\n"
        "\n"
        "FILTERS keep only the tickets that pass all of them:\n"
        "  --sum A-B     sum of the numbers       --odd A-B   count of odd numbers\n"
        "  --low A-B     count of low numbers (the lower half of the range)\n"
        "  --run A-B     longest run of consecutive numbers\n"
        "  --ten N       at most N numbers from one group of ten\n"
        "  --not-past    no ticket equal to a loaded draw\n"
        "\n"
        "A system NAME is a system of the lottery's draw size in kivora.INI; any other name\n"
        "expands the default template System/default.ltt, as the window does.\n"
        "\n"
        "--json prints one JSON object; otherwise a tab-separated table follows a\n"
        "\"# ...\" summary line. Exit status: 0 done, 1 the command could not be done,\n"
        "2 wrong usage.\n");
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // Names and captions are Cyrillic: the output is UTF-8 whatever the locale says.
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    CliArguments args;
    QString error;
    if (!args.parse(arguments, &error) || args.words().isEmpty()) {
        err << (error.isEmpty() ? QStringLiteral("no command given") : error) << "\n\n" << usage();
        err.flush();
        return ExitUsage;
    }

    if (args.has(QStringLiteral("home")) && args.value(QStringLiteral("home")).trimmed().isEmpty()) {
        err << "--home needs a folder name"
            << "\n\n"
            << usage();
        err.flush();
        return ExitUsage;
    }
    const QString home = args.has(QStringLiteral("home")) ? args.value(QStringLiteral("home"))
                                                          : ProgramFolder::resolveForApplication();
    const ProgramFolder folder(home);
    if (!folder.hasConfig() && !folder.seed(&error)) {
        err << error << '\n';
        err.flush();
        return ExitFailed;
    }
    // A configuration that exists but cannot be read would read as empty, and the next
    // write would replace it with a few keys.
    IniDocument config;
    if (!IniFile(folder.configPath()).read(&config, &error)) {
        MessageCatalog messages;
        err << messages("Str162").arg(error) << '\n';
        err.flush();
        return ExitFailed;
    }

    CommandResult result = runCommand(folder, args);
    if (result.status == ExitUsage) {
        err << result.error << "\n\n" << usage();
        err.flush();
        return ExitUsage;
    }
    if (result.status != ExitOk) {
        err << result.error << '\n';
        err.flush();
        return result.status;
    }
    out << result.output;
    if (!result.output.isEmpty() && !result.output.endsWith(QLatin1Char('\n')))
        out << '\n';
    out.flush();
    return ExitOk;
}

} // namespace kivora::cli
