#pragma once

// What a command returns on success: its rows as data and the fields around them, for
// the renderer (CliRender.h) to write as text, CSV or JSON after --sort and --limit.

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace kivora::cli {

class JsonWriter;

// One cell of a row: a text, a whole number or a flag.
using Cell = std::variant<QString, qint64, bool>;

// The cell as the table and CSV print it; a flag is 1 or 0.
QString cellText(const Cell &cell);
void writeCell(JsonWriter &json, const Cell &cell);

struct Rows
{
    // The table's header; --sort names a column by it. No columns: the command prints
    // no rows.
    QStringList columns;
    std::vector<std::vector<Cell>> rows;
    // In JSON each row is an object keyed by the columns, else an array of its cells.
    bool asObjects = false;

    void add(std::vector<Cell> row) { rows.push_back(std::move(row)); }
    void add(const QStringList &cells);
};

struct CommandOutput
{
    // The text form: "# note" lines, the table (header and rows), then the rest.
    QStringList notes;
    Rows table;
    QString textAfter;
    // The JSON form, written with JsonWriter; the table's rows go where it called
    // rowsSlot() (-1: the object holds no rows). Empty: the command has no JSON form
    // for this invocation and prints its text.
    QString json;
    int rowsAt = -1;
    // Printed exactly as it is whatever the format: a page or a file "--out -" printed.
    bool verbatim = false;

    // Output that is the same in every format (nothing at all, or a page).
    static CommandOutput text(QString text, bool verbatim = false)
    {
        CommandOutput output;
        output.textAfter = std::move(text);
        output.verbatim = verbatim;
        return output;
    }
    // The JSON form alone, for an invocation that asked for JSON.
    static CommandOutput ofJson(const JsonWriter &writer);
    void setJson(const JsonWriter &writer);
};

} // namespace kivora::cli
