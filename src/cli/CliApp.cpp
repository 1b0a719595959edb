#include "cli/CliApp.h"

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "core/ProgramFolder.h"

namespace kivora::cli {

QString usage()
{
    return QStringLiteral(
        "Usage: kivora-cli [--home DIR] COMMAND [OPTIONS] [--json]\n"
        "\n"
        "Commands:\n"
        "  lotteries\n"
        "  numbers            --lottery NAME [--last N] [--machine M] [--ballset B]\n"
        "  stat pairs|triples|quads --family all|neighbouring|related  (draw selection as for numbers)\n"
        "  stat tens -k K | --all-draws\n"
        "  stat positions -p P --order drawing|ascending\n"
        "  stat additional\n"
        "  stat ten-combos -k K --group LO-HI\n"
        "  forecast numbers|pairs\n"
        "  expand --system NAME --marked 05,11,17\n"
        "  save --system NAME --marked LIST --out FILE\n"
        "  check --file FILE --draw N\n"
        "  export-html numbers|stat ... --out FILE\n"
        "  import FILE\n"
        "  add --number N --date D --machine M --ballset B --main LIST [--additional LIST]\n");
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    CliArguments args;
    QString error;
    if (!args.parse(arguments, &error) || args.words().isEmpty()) {
        err << (error.isEmpty() ? QStringLiteral("no command given") : error) << "\n\n" << usage();
        return ExitUsage;
    }

    const QString home = args.has(QStringLiteral("home")) ? args.value(QStringLiteral("home"))
                                                          : ProgramFolder::resolveForApplication();
    const ProgramFolder folder(home);
    if (!folder.hasConfig() && !folder.seed(&error)) {
        err << error << '\n';
        return ExitFailed;
    }

    CommandResult result = runCommand(folder, args);
    if (result.status == ExitUsage) {
        err << result.error << "\n\n" << usage();
        return ExitUsage;
    }
    if (result.status != ExitOk) {
        err << result.error << '\n';
        return result.status;
    }
    out << result.output;
    if (!result.output.endsWith(QLatin1Char('\n')))
        out << '\n';
    return ExitOk;
}

} // namespace kivora::cli
