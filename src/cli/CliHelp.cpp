#include "cli/CliHelp.h"

#include "cli/CliCommandTable.h"

#include <QStringList>

#ifndef KIVORA_VERSION
#define KIVORA_VERSION "0"
#endif

namespace kivora::cli {

namespace {

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

QString commandLines(const CommandEntry &command)
{
    QString lines;
    for (const QString &line : command.synopsis.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines += QStringLiteral("  ") + line + QLatin1Char('\n');
    return lines;
}

} // namespace

QString usage()
{
    QString text = QStringLiteral("Usage: kivora-cli [--home DIR] COMMAND [OPTIONS] [--format json|tsv|csv]\n"
                                  "       kivora-cli COMMAND --help | --help | --version\n\nCommands:\n");
    for (const CommandEntry &command : commandTable())
        text += commandLines(command);
    return text + QLatin1Char('\n') + QString::fromUtf8(kShared);
}

QString commandUsage(const QString &command)
{
    const CommandEntry *entry = findCommand(command);
    if (!entry)
        return {};
    QString text = QStringLiteral("Usage:\n");
    const QString &name = entry->name;
    for (const QString &line : entry->synopsis.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Continuation lines keep their place under the words they continue.
        text += (line.startsWith(name) ? QStringLiteral("  kivora-cli ") : QStringLiteral("           "))
            + line + QLatin1Char('\n');
    }
    return text + QLatin1Char('\n') + entry->details + QLatin1Char('\n') + QString::fromUtf8(kShared);
}

bool isCommand(const QString &word)
{
    return findCommand(word) != nullptr;
}

QString versionText()
{
    return QStringLiteral("kivora-cli " KIVORA_VERSION);
}

} // namespace kivora::cli
