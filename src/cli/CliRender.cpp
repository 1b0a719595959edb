#include "cli/CliRender.h"

#include "cli/JsonWriter.h"
#include "core/MessageCatalog.h"

#include <QStringList>

#include <algorithm>
#include <numeric>
#include <optional>

namespace kivora::cli {

namespace {

std::optional<double> numberOf(const QString &cell)
{
    bool ok = false;
    const double value = cell.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Numbers compare as numbers, other cells as text; a number sorts before a text.
int compareCells(const QString &a, const QString &b)
{
    const auto x = numberOf(a);
    const auto y = numberOf(b);
    if (x && y)
        return *x < *y ? -1 : (*x > *y ? 1 : 0);
    if (x || y)
        return x ? -1 : 1;
    return a.compare(b, Qt::CaseInsensitive);
}

// The position of the column in `names` (case-insensitive) or given as a number from
// 1; -1 when there is none.
int columnIndex(const QString &column, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    bool ok = false;
    const int position = column.toInt(&ok);
    return ok && position >= 1 && position <= names.size() ? position - 1 : -1;
}

QString csvField(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString cellAt(const std::vector<Cell> &row, size_t column)
{
    return column < row.size() ? cellText(row[column]) : QString();
}

QStringList texts(const std::vector<Cell> &row)
{
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(row.size()));
    for (const Cell &cell : row)
        cells.append(cellText(cell));
    return cells;
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString jsonRows(const Rows &table, const std::vector<size_t> &order)
{
    JsonWriter json;
    json.beginArray();
    for (size_t index : order) {
        const std::vector<Cell> &row = table.rows[index];
        if (table.asObjects) {
            json.beginObject();
            for (size_t column = 0; column < row.size(); ++column) {
                json.key(table.columns.value(static_cast<qsizetype>(column)));
                writeCell(json, row[column]);
            }
            json.endObject();
        } else {
            json.beginArray();
            for (const Cell &cell : row)
                writeCell(json, cell);
            json.endArray();
        }
    }
    json.endArray();
    return json.text();
}

QString tableText(const CommandOutput &output, const std::vector<size_t> &order)
{
    QString text;
    for (const QString &note : output.notes)
        text += QStringLiteral("# ") + note + QLatin1Char('\n');
    if (!output.table.columns.isEmpty()) {
        text += output.table.columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
        for (size_t index : order)
            text += texts(output.table.rows[index]).join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text + output.textAfter;
}

QString csvText(const Rows &table, const std::vector<size_t> &order)
{
    QString text = csvLine(table.columns);
    for (size_t index : order)
        text += csvLine(texts(table.rows[index]));
    return text;
}

} // namespace

Rendered render(const CommandOutput &output, const TableOptions &options, const QString &command,
    const MessageCatalog &messages)
{
    using Format = TableOptions::Format;
    const bool json = options.format == Format::Json && !output.json.isEmpty() && !output.verbatim;
    const bool hasRows = !output.verbatim && !output.table.columns.isEmpty() && (!json || output.rowsAt >= 0);
    const bool reshapes
        = !options.sortColumn.isEmpty() || options.limit >= 0 || options.format == Format::Csv;
    if (reshapes && !hasRows)
        return { {}, messages("Str330").arg(command) };
    if (output.verbatim)
        return { output.textAfter, {} };

    const Rows &table = output.table;
    std::vector<size_t> order(table.rows.size());
    std::iota(order.begin(), order.end(), size_t { 0 });
    if (!options.sortColumn.isEmpty()) {
        const int column = columnIndex(options.sortColumn, table.columns);
        if (column < 0)
            return { {},
                messages("Str329").arg(options.sortColumn, table.columns.join(QStringLiteral(", "))) };
        const auto at = static_cast<size_t>(column);
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            const int comparison = compareCells(cellAt(table.rows[a], at), cellAt(table.rows[b], at));
            return options.descending ? comparison > 0 : comparison < 0;
        });
    }
    if (options.limit >= 0 && order.size() > static_cast<size_t>(options.limit))
        order.resize(static_cast<size_t>(options.limit));

    if (options.format == Format::Csv)
        return { csvText(table, order), {} };
    if (!json)
        return { tableText(output, order), {} };
    if (output.rowsAt < 0)
        return { output.json, {} };
    return { output.json.left(output.rowsAt) + jsonRows(table, order) + output.json.mid(output.rowsAt), {} };
}

} // namespace kivora::cli
