#pragma once

// --sort, --limit and --format (or --json): how the rows of every command that prints
// rows are ordered, cut and written (CliRender.h writes them).

#include "core/Failure.h"

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
};

// The options of the invocation; a Usage failure for a bad value.
Outcome<TableOptions> tableOptions(const CliArguments &args, const MessageCatalog &messages);

} // namespace kivora::cli
