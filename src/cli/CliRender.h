#pragma once

// The one writer of what kivora-cli prints: a command's output as a table, CSV or JSON,
// its rows sorted and cut by --sort and --limit first.

#include "cli/CliTable.h"
#include "cli/CommandOutput.h"

#include <QString>

namespace kivora {
class MessageCatalog;
}

namespace kivora::cli {

struct Rendered
{
    QString text; // for standard output
    QString usageError; // --sort, --limit or --format asked for rows or a column the output lacks
};

Rendered render(const CommandOutput &output, const TableOptions &options, const QString &command,
    const MessageCatalog &messages);

} // namespace kivora::cli
