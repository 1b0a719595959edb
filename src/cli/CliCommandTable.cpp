#include "cli/CliCommandTable.h"

#include "cli/CliContext.h"
#include "cli/CliOptions.h"

namespace kivora::cli {

namespace {

using Needs = CommandEntry::Needs;

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

std::vector<CommandEntry> makeTable()
{
    using namespace option;
    const QStringList statOptions { kFamily, kK, kAllDraws, kPosition, kOrder, kGroup };
    const QStringList playOptions { kSystem, kMarked };
    return {
        { s("lotteries"), s("lotteries"),
            s("Lists the lotteries of kivora.INI in file order with their shown flag.\n"), Needs::Nothing, 1,
            {}, {}, nullptr, lotteriesCommand },
        { s("numbers"), s("numbers"),
            s("The number list after a load: caption, draws since it was last drawn, times drawn.\n"),
            Needs::Draws, 1, {}, {}, listUsage, listCommand },
        { s("stat"),
            s("stat pairs|triples|quads [--family all|neighbouring|related]   (default all)\n"
              "stat tens -k K | --all-draws                                  (K = 2..6)\n"
              "stat positions -p P [--order drawing|ascending]                (default drawing)\n"
              "stat additional\n"
              "stat ten-combos -k K --group LO-HI                             (e.g. --group 11-20)\n"),
            s("The statistics lists of the window, rows in the order the window shows them.\n"), Needs::Draws,
            2, statOptions, {}, listUsage, listCommand },
        { s("forecast"), s("forecast numbers|pairs"), s("Marks the numbers the rating forecast picks.\n"),
            Needs::Draws, 2, {}, {}, forecastUsage, forecastCommand },
        { s("expand"), s("expand --system NAME --marked 05,11,17"),
            s("Expands the marked numbers by a system of the lottery's draw size into tickets.\n"),
            Needs::Draws, 1, playOptions, playOptions, nullptr, expandCommand },
        { s("save"), s("save --system NAME --marked LIST --out FILE"),
            s("Expands, then writes the tickets as a combination file (--out - : to standard output).\n"),
            Needs::Draws, 1, playOptions + QStringList { kOut }, playOptions + QStringList { kOut }, nullptr,
            saveCommand },
        { s("check"),
            s("check --file FILE [--draw N]                                   (default the newest draw)"),
            s("Checks a combination file against a draw and writes result.tmp as the window does.\n"),
            Needs::Draws, 1, { kFile, kDraw }, { kFile }, nullptr, checkCommand },
        { s("export-html"), s("export-html numbers|stat ... --out FILE"),
            s("Writes the number list or a statistics list as an HTML page (--out - : to standard "
              "output).\n"),
            Needs::Draws, 3, statOptions + QStringList { kOut }, { kOut }, exportHtmlUsage,
            exportHtmlCommand },
        { s("import"),
            s("import FILE [--merge] [--dry-run] [--columns MAP] [--date-format FORMAT] [--encoding NAME]\n"
              "            [--since DATE] [--save-profile]"),
            s("Reads the draws of FILE: the program's own records, a delimited or fixed-width table\n"
              "or JSON, its layout found from its rows. Without --merge they replace the base (the\n"
              "old base is kept as <base>.bak); with --merge the draws the base lacks are added and\n"
              "those of a date it holds with other numbers are reported as conflicts, never\n"
              "written. --dry-run writes nothing and prints the same report.\n"
              "  --columns MAP        which fields hold what, e.g.\n"
              "                       date=\"Draw Date\",main=\"Winning Numbers\",additional=\"Mega Ball\"\n"
              "  --date-format FORMAT dd/mm/yyyy or mm/dd/yyyy when the dates allow both\n"
              "  --encoding NAME      utf-8, utf-16, windows-1251 or iso-8859-1\n"
              "  --since DATE         only draws on or after DATE (dd.mm.yyyy or yyyy-mm-dd)\n"
              "  --save-profile       keep the layout used as the lottery's import profile\n"
              "The lottery's import profile is used for what the options leave unset.\n"),
            Needs::WholeBase, 2, { kMerge, kDryRun, kColumns, kDateFormat, kEncoding, kSince, kSaveProfile },
            {}, importUsage, importCommand },
        { s("add"), s("add --number N --date D --machine M --ballset B --main LIST [--additional LIST]"),
            s("Appends one draw to the base.\n"), Needs::WholeBase, 1,
            { kNumber, kDate, kMachine, kBallSet, kMain, kAdditional },
            { kNumber, kDate, kMachine, kBallSet, kMain }, nullptr, addCommand },
        { s("randomness"),
            s("randomness [--out FILE]                                        (HTML report to FILE)"),
            s("Tests the loaded draws against a fair drawing machine (chi-square, runs, gaps).\n"),
            Needs::Draws, 1, { kOut }, {}, nullptr, randomnessCommand },
        { s("backtest"),
            s("backtest --method forecast-numbers|forecast-pairs|frequent|absent|random\n"
              "         [--size N] [--from DRAW] [--seed S] [--out FILE]"),
            s("Picks for every draw from DRAW (default the second loaded draw) to the newest,\n"
              "using only the draws before it, and compares the hits with a random pick of the\n"
              "same size. --size is for frequent, absent and random (default the lottery's draw\n"
              "size, at most 10); --seed fixes the random picks.\n"),
            Needs::Draws, 1, { kMethod, kSize, kFrom, kSeed, kOut }, { kMethod }, backtestUsage,
            backtestCommand },
        { s("filter"),
            s("filter --system NAME --marked LIST [FILTERS] [--out FILE]      (no FILTERS: the stored ones)"),
            s("FILTERS keep only the tickets that pass all of them:\n"
              "  --sum A-B     sum of the numbers       --odd A-B   count of odd numbers\n"
              "  --low A-B     count of low numbers (the lower half of the range)\n"
              "  --run A-B     longest run of consecutive numbers\n"
              "  --ten N       at most N numbers from one group of ten\n"
              "  --not-past    no ticket equal to a loaded draw\n"),
            Needs::Draws, 1, playOptions + QStringList { kOut } + filters(), playOptions, filterUsage,
            filterCommand },
        { s("filters"),
            s("filters show | filters set [FILTERS]                           (set: store exactly these)"),
            s("Shows or stores the ticket filters of the lottery (FILTERS as for filter).\n"), Needs::Lottery,
            2, filters(), {}, filtersUsage, filtersCommand },
        { s("odds"),
            s("odds                                                           (every prize category's "
              "chance)"),
            s("The exact chance of every prize category of the lottery.\n"), Needs::Lottery, 1, {}, {},
            nullptr, oddsCommand },
        { s("systems"), s("systems"),
            s("Lists the systems of the lottery's draw size in file order, with the count of\n"
              "numbers each needs marked.\n"),
            Needs::Lottery, 1, {}, {}, nullptr, systemsCommand },
        { s("wheel"),
            s("wheel make --numbers V --ticket K --guarantee T [--if M] [--seconds S] [--seed N]\n"
              "           [--keys LIST] [--out FILE]                          (default M = T, 10 s, seed 1)\n"
              "wheel check (--system NAME --lottery L | --file FILE) --guarantee T [--if M]\n"
              "            [--numbers V] [--holes N]                          (default V: the numbers it "
              "uses)\n"
              "wheel repair (--system NAME --lottery L | --file FILE) --guarantee T [--if M]\n"
              "             [--numbers V] [--seconds S] [--seed N] [--out FILE]"),
            s("A wheel on V numbers guarantees \"T if M\" when, whichever M of its V numbers are\n"
              "drawn, one ticket holds T of them. wheel make searches for a small wheel of tickets\n"
              "of K numbers for at most S seconds (the same seed repeats the search), verifies it\n"
              "and prints its tickets, or writes them to FILE as a system template. wheel check\n"
              "verifies a template exactly and lists the first N sets no ticket covers (default 10);\n"
              "with --system it needs --lottery. --file also takes the wheels of other programs: one\n"
              "ticket a line, numbers separated by blanks, tabs or commas; a file that uses the\n"
              "number 0 counts from 0. wheel repair adds the fewest tickets it finds in S seconds\n"
              "that make the guarantee hold, verifies the whole and prints the added tickets, or\n"
              "writes the whole wheel to FILE as a system template. With --keys the key numbers\n"
              "stand on every ticket and the guarantee holds for the other numbers.\n"),
            Needs::Nothing, 2,
            { kLottery, kNumbers, kTicket, kGuarantee, kIf, kSeconds, kSeed, kOut, kSystem, kFile, kHoles,
                kKeys },
            {}, nullptr, wheelCommand },
        { s("catalogue"),
            s("catalogue                                                      (the games of catalogue.txt)\n"
              "catalogue add NAME [--base FILE]                               (NAME in any letter case)"),
            s("Lists the real games the program knows: name, Russian name, country, matrix, additional\n"
              "numbers, the date the matrix holds from and where that was confirmed (--json: every\n"
              "field). catalogue add adds a game, by its name or its Russian name, as a lottery of\n"
              "kivora.INI with an empty base (FILE instead of the game's own base name; an existing\n"
              "FILE is kept as it is), its results file address and import profile. A lottery of\n"
              "that name already in the list is refused.\n"),
            Needs::Nothing, 3, { kBase }, {}, catalogueUsage, catalogueCommand },
        { s("update"), s("update [--url URL] [--dry-run]"),
            s("Downloads the lottery's results file from its ResultsUrl (a lottery added from the\n"
              "catalogue has one) or from URL (http:// or https:// only) and adds the draws its base\n"
              "lacks, read with the lottery's import profile; draws older than the lottery's current\n"
              "matrix are left out. A failed download, a file with no draws of the lottery or a draw\n"
              "that differs from the base leaves the base as it was. At most 5 redirects, 30 s without\n"
              "data and 64 MB. --json: the JSON of import --merge plus \"url\" and \"bytes\".\n"),
            Needs::WholeBase, 1, { kUrl, kDryRun }, {}, updateUsage, updateCommand },
    };
}

} // namespace

const std::vector<CommandEntry> &commandTable()
{
    static const std::vector<CommandEntry> table = makeTable();
    return table;
}

const CommandEntry *findCommand(const QString &word)
{
    for (const CommandEntry &command : commandTable()) {
        if (command.name == word)
            return &command;
    }
    return nullptr;
}

QStringList knownOptions(const CommandEntry &command)
{
    switch (command.needs) {
    case CommandEntry::Needs::Nothing:
        return commonOptions() + command.options;
    case CommandEntry::Needs::Lottery:
    case CommandEntry::Needs::WholeBase:
        return commonOptions() + QStringList { option::kLottery } + command.options;
    case CommandEntry::Needs::Draws:
        return selectionOptions() + command.options;
    }
    return {};
}

QStringList requiredOptions(const CommandEntry &command)
{
    if (command.needs == CommandEntry::Needs::Nothing)
        return command.required;
    return QStringList { option::kLottery } + command.required;
}

} // namespace kivora::cli
