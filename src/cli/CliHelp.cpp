#include "cli/CliHelp.h"

#include <QStringList>

#ifndef KIVORA_VERSION
#define KIVORA_VERSION "0"
#endif

namespace kivora::cli {

namespace {

struct CommandHelp
{
    const char *name;
    const char *synopsis; // one or more lines, each starting with the command
    const char *details; // may be empty
};

// In the order the usage lists them.
const CommandHelp kCommands[] = {
    { "lotteries", "lotteries", "Lists the lotteries of kivora.INI in file order with their shown flag.\n" },
    { "numbers", "numbers",
        "The number list after a load: caption, draws since it was last drawn, times drawn.\n" },
    { "stat",
        "stat pairs|triples|quads [--family all|neighbouring|related]   (default all)\n"
        "stat tens -k K | --all-draws                                  (K = 2..6)\n"
        "stat positions -p P [--order drawing|ascending]                (default drawing)\n"
        "stat additional\n"
        "stat ten-combos -k K --group LO-HI                             (e.g. --group 11-20)\n",
        "The statistics lists of the window, rows in the order the window shows them.\n" },
    { "forecast", "forecast numbers|pairs", "Marks the numbers the rating forecast picks.\n" },
    { "expand", "expand --system NAME --marked 05,11,17",
        "Expands the marked numbers by a system of the lottery's draw size into tickets.\n" },
    { "save", "save --system NAME --marked LIST --out FILE",
        "Expands, then writes the tickets as a combination file (--out - : to standard output).\n" },
    { "check", "check --file FILE [--draw N]                                   (default the newest draw)",
        "Checks a combination file against a draw and writes result.tmp as the window does.\n" },
    { "export-html", "export-html numbers|stat ... --out FILE",
        "Writes the number list or a statistics list as an HTML page (--out - : to standard output).\n" },
    { "import", "import FILE",
        "Replaces the base by the draws of FILE; the old base is kept as <base>.bak.\n" },
    { "add", "add --number N --date D --machine M --ballset B --main LIST [--additional LIST]",
        "Appends one draw to the base.\n" },
    { "randomness", "randomness [--out FILE]                                        (HTML report to FILE)",
        "Tests the loaded draws against a fair drawing machine (chi-square, runs, gaps).\n" },
    { "backtest",
        "backtest --method forecast-numbers|forecast-pairs|frequent|absent|random\n"
        "         [--size N] [--from DRAW] [--seed S] [--out FILE]",
        "Picks for every draw from DRAW (default the second loaded draw) to the newest,\n"
        "using only the draws before it, and compares the hits with a random pick of the\n"
        "same size. --size is for frequent, absent and random (default the lottery's draw\n"
        "size, at most 10); --seed fixes the random picks.\n" },
    { "filter",
        "filter --system NAME --marked LIST [FILTERS] [--out FILE]      (no FILTERS: the stored ones)",
        "FILTERS keep only the tickets that pass all of them:\n"
        "  --sum A-B     sum of the numbers       --odd A-B   count of odd numbers\n"
        "  --low A-B     count of low numbers (the lower half of the range)\n"
        "  --run A-B     longest run of consecutive numbers\n"
        "  --ten N       at most N numbers from one group of ten\n"
        "  --not-past    no ticket equal to a loaded draw\n" },
    { "filters", "filters show | filters set [FILTERS]                           (set: store exactly these)",
        "Shows or stores the ticket filters of the lottery (FILTERS as for filter).\n" },
    { "odds",
        "odds                                                           (every prize category's chance)",
        "The exact chance of every prize category of the lottery.\n" },
    { "wheel",
        "wheel make --numbers V --ticket K --guarantee T --if M [--seconds S] [--seed N] [--out FILE]\n"
        "wheel check (--system NAME | --file FILE) --numbers V --guarantee T --if M",
        "Makes an abbreviated system that guarantees T hits on one ticket when M of the V\n"
        "numbers are drawn, or checks that guarantee of a system and lists its holes.\n" },
};

const char kShared[]
    = "Every command but lotteries, odds and wheel needs --lottery NAME: a name that lotteries\n"
      "lists (any letter case) or its position in that list (1, 2, ...).\n"
      "The commands that work on loaded draws take the filters of the window:\n"
      "  --last N      only the last N lines of the base (a count of 0 or less: none)\n"
      "  --machine M   only draws of machine M\n"
      "  --ballset B   only draws with ball set B\n"
      "(import and add always work on the whole base; for add, --machine and --ballset\n"
      "are the new draw's own fields.)\n"
      "\n"
      "A system NAME is a system of the lottery's draw size in kivora.INI.\n"
      "\n"
      "Output: a tab-separated table after a \"# ...\" summary line; --format csv gives the\n"
      "rows as CSV, --format json (or --json) one JSON object. Commands that print rows take\n"
      "--sort COLUMN (a column name of the table or its position; -COLUMN sorts descending)\n"
      "and --limit N (the first N rows). Standard output is UTF-8.\n"
      "\n"
      "General options: --home DIR (the program folder; --init creates and seeds a new one),\n"
      "--help, -h, --version.\n"
      "Exit status: 0 done, 1 the command could not be done, 2 wrong usage.\n";

QString commandLines(const CommandHelp &help)
{
    QString lines;
    for (const QString &line : QString::fromUtf8(help.synopsis).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines += QStringLiteral("  ") + line + QLatin1Char('\n');
    return lines;
}

const CommandHelp *find(const QString &command)
{
    for (const CommandHelp &help : kCommands) {
        if (command == QLatin1String(help.name))
            return &help;
    }
    return nullptr;
}

} // namespace

QString usage()
{
    QString text = QStringLiteral("Usage: kivora-cli [--home DIR] COMMAND [OPTIONS] [--format json|tsv|csv]\n"
                                  "       kivora-cli COMMAND --help | --help | --version\n\nCommands:\n");
    for (const CommandHelp &help : kCommands)
        text += commandLines(help);
    return text + QLatin1Char('\n') + QString::fromUtf8(kShared);
}

QString commandUsage(const QString &command)
{
    const CommandHelp *help = find(command);
    if (!help)
        return {};
    QString text = QStringLiteral("Usage:\n");
    const QString name = QString::fromUtf8(help->name);
    for (const QString &line :
        QString::fromUtf8(help->synopsis).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Continuation lines keep their place under the words they continue.
        text += (line.startsWith(name) ? QStringLiteral("  kivora-cli ") : QStringLiteral("           "))
            + line + QLatin1Char('\n');
    }
    return text + QLatin1Char('\n') + QString::fromUtf8(help->details) + QLatin1Char('\n')
        + QString::fromUtf8(kShared);
}

bool isCommand(const QString &word)
{
    return find(word) != nullptr;
}

QString versionText()
{
    return QStringLiteral("kivora-cli " KIVORA_VERSION);
}

} // namespace kivora::cli
