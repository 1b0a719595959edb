#pragma once

// --sort, --limit and --format: the rows a command printed, reordered, cut or written
// as CSV, the same way for every command that prints rows.

#include "cli/CliCommands.h"

#include <QString>

namespace kivora {
class MessageCatalog;
}

namespace kivora::cli {

class CliArguments;

struct TableOptions
{
    enum class Format { Tsv, Csv, Json };

    QString sortColumn; // a column name or its position from 1; empty: the command's order
    bool descending = false; // "--sort -drawn"
    int limit = -1; // the first rows only; -1: all
    Format format = Format::Tsv;

    bool reshapes() const { return !sortColumn.isEmpty() || limit >= 0 || format == Format::Csv; }
};

// The options of the invocation; a usage error in *error for a bad value.
TableOptions tableOptions(const CliArguments &args, const MessageCatalog &messages, QString *error);

// The output of a successful command with its rows sorted, limited and formatted. The
// rows of a table are the lines after its "# ..." summary and its header; of a JSON
// object, the array "rows" (else its first array). A command that prints no rows is
// refused (usage).
CommandResult reshapeRows(const CommandResult &result, const TableOptions &options, const QString &command,
    const MessageCatalog &messages);

} // namespace kivora::cli
