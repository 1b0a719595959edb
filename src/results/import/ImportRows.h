#pragma once

// The rows of a file to import, cut into fields as its format says: delimited lines
// (RFC 4180 quotes), fixed columns, the objects of a JSON array, the program's own
// records. Rows come one at a time, so a file of a million rows is never held twice.

#include "core/LineReader.h"
#include "results/import/ImportFormat.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace kivora {

struct ImportRow
{
    QStringList fields;
    int line = 0; // from 1, as an editor counts; JSON: the object's position from 1
    QString text; // JSON: the object as written; text rows leave it empty and give raw
    QStringView raw; // the line as written, valid until the next row is read

    // The row as written, for the list of skipped rows and a preview.
    QString written() const { return text.isEmpty() ? raw.toString() : text; }
};

// The fields of one delimited line. A field in double quotes may hold the delimiter
// and "" for a quote; blanks around a field are dropped. ' ' as the delimiter splits at
// runs of blanks and tabs.
QStringList splitDelimited(QStringView line, QChar delimiter);

// The fields of one fixed-width line: the text inside each [start, end) column,
// trimmed.
QStringList splitFixed(QStringView line, const std::vector<std::pair<int, int>> &columns);

// Orders names as a reader does: runs of digits are compared as numbers ("n2" before
// "n10"), everything else character by character.
bool naturalLess(const QString &a, const QString &b);

// The records of a JSON document: the longest array of objects at any depth, each
// object a row whose fields follow keys (the keys of all objects in the order first
// met, an object's own in naturalLess order); an array value is its items joined with blanks, a nested
// object's values are keys "outer.inner". False when the text is no JSON or holds no such array.
bool jsonRows(const QString &text, QStringList *keys, std::vector<ImportRow> *rows);

// Cuts the text's rows from format.firstLine on (all JSON rows).
class ImportRowReader final
{
public:
    ImportRowReader(const QString &text, const ImportFormat &format);

    // The next row that is not blank nor a rule of dashes; false at the end.
    bool next(ImportRow *row);

private:
    bool nextLine(QStringView *line);

    LineReader m_lines;
    const ImportFormat &m_format;
    int m_line = 0;
    std::vector<ImportRow> m_json;
    size_t m_jsonAt = 0;
};

// A line that only underlines the header: dashes, equals signs, blanks, delimiters.
bool isRuleLine(QStringView line);

} // namespace kivora
