#pragma once

// How a file to import is laid out: what the detection found or the user set, in the
// terms the window's preview and the command line's report show.

#include "results/import/ColumnMap.h"
#include "results/import/ImportDates.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace kivora {

enum class ImportKind {
    Csv, // delimited text: ',', ';', tab, '|' or runs of blanks
    Fixed, // columns aligned under a header
    Json, // an array of objects, at any depth of the document
    Native, // the program's own base records
};

// The order of the draws in the file, by date.
enum class RowOrder {
    Unknown,
    OldestFirst,
    NewestFirst,
    Mixed,
};

// What detection could not settle; the user sets it (a preview, --columns,
// --date-format) before anything is imported.
enum ImportDoubt : unsigned {
    NoDoubt = 0,
    DoubtColumns = 1, // the number columns were guessed from their values only
    DoubtDates = 2, // 03/04 could be either: no day above 12 in the column
    DoubtNoDate = 4, // no column of dates was found
};

struct ImportFormat
{
    ImportKind kind = ImportKind::Csv;
    QString encoding;
    QChar delimiter; // Csv: ',', ';', '\t', '|', or ' ' for runs of blanks
    bool header = false;
    QStringList headerNames; // the header's fields (JSON: the keys), empty without header
    int firstLine = 0; // Csv and Fixed: index of the first line after the header and its rule
    std::vector<std::pair<int, int>> fixedColumns; // Fixed: [start, end) of each column
    ColumnMapping columns; // resolved, 0-based
    DateOrder dateOrder = DateOrder::Unknown;
    RowOrder order = RowOrder::Unknown;
    unsigned doubts = NoDoubt;

    bool certain() const { return doubts == NoDoubt; }
};

// "csv", "fixed", "json", "native".
QString importKindName(ImportKind kind);
// "oldest-first", "newest-first", "mixed", "unknown".
QString rowOrderName(RowOrder order);
// The delimiter as the report shows it: ",", ";", "tab", "|", "spaces"; empty for none.
QString delimiterName(QChar delimiter);

} // namespace kivora
