#pragma once

#include "core/LanguageTexts.h"

// The lists of the window as kivora-cli prints them, as one JSON object or as a
// tab-separated table.

#include "cli/CommandOutput.h"
#include "statistics/StatTable.h"
#include "statistics/TensStats.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kivora::cli {

// A list as the window shows it right after a command: the title above it, the record
// line, and the table's rows top to bottom.
struct ShownList
{
    QString title;
    int draws = 0;
    QString recordText;
    QString topText;
    StatTable table;
    std::vector<int> order; // table rows in display order
    int lines = -1; // the base's line count; the number list only
    // The column captions the window's list shows (the HTML export's header).
    QStringList columns;

    QStringList cells(int displayRow) const;
};

// The captions of the number list and of the combination view.
QStringList numberListColumns(const LanguageTexts &texts);
QStringList combinationViewColumns(const LanguageTexts &texts);

// The rows [caption, since, drawn]; as JSON
// {"title", "draws", ["lines",] "record", "top", "rows": [[caption, since, drawn], ...]},
// as text "# title; draws R; ..." then the header "caption<TAB>since<TAB>drawn" and the rows.
CommandOutput listOutput(const ShownList &list);

// The rows [draw, c1, c2, ...]; as JSON
// {"title", "draws", "columns": ["1", ...], "rows": [[draw, c1, c2, ...], ...]}.
CommandOutput groupCountsOutput(const GroupCountsTable &table, const QStringList &drawNumbers);

// Lines ending in CR LF as a terminal shows them: "a\r\nb" gives "a\nb".
QString withLineFeeds(QString text);

} // namespace kivora::cli
