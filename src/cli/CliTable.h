#pragma once

// --sort, --limit and --format (or --json): how the rows of every command that prints
// rows are ordered, cut and written (CliRender.h writes them).

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

// The options of the invocation; a usage error in *error for a bad value.
TableOptions tableOptions(const CliArguments &args, const MessageCatalog &messages, QString *error);

} // namespace kivora::cli
