#include "cli/CliTable.h"

#include "cli/CliArguments.h"
#include "core/MessageCatalog.h"

#include <QCollator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
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

QString jsonCell(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return {};
}

// The position of the column in `names` (case-insensitive) or given as a number from
// 1; -1 when there is none.
int columnIndex(const QString &column, const QStringList &names, int count)
{
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    bool ok = false;
    const int position = column.toInt(&ok);
    return ok && position >= 1 && position <= count ? position - 1 : -1;
}

template<typename Row, typename Cell>
void sortAndLimit(std::vector<Row> &rows, const TableOptions &options, int column, Cell cell)
{
    if (column >= 0) {
        std::stable_sort(rows.begin(), rows.end(), [&](const Row &a, const Row &b) {
            const int order = compareCells(cell(a, column), cell(b, column));
            return options.descending ? order > 0 : order < 0;
        });
    }
    if (options.limit >= 0 && rows.size() > static_cast<size_t>(options.limit))
        rows.resize(static_cast<size_t>(options.limit));
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

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

CommandResult noRows(const QString &command, const MessageCatalog &messages)
{
    return CommandResult::wrongUsage(messages("Str330").arg(command));
}

CommandResult unknownColumn(
    const TableOptions &options, const QStringList &names, const MessageCatalog &messages)
{
    return CommandResult::wrongUsage(
        messages("Str329").arg(options.sortColumn, names.join(QStringLiteral(", "))));
}

CommandResult reshapeJson(const CommandResult &result, const TableOptions &options, const QString &command,
    const MessageCatalog &messages)
{
    QJsonObject object = QJsonDocument::fromJson(result.output.toUtf8()).object();
    QString key = QStringLiteral("rows");
    if (!object.value(key).isArray()) {
        key.clear();
        for (auto it = object.constBegin(); it != object.constEnd() && key.isEmpty(); ++it) {
            if (it.value().isArray())
                key = it.key();
        }
    }
    if (key.isEmpty())
        return noRows(command, messages);
    const QJsonArray array = object.value(key).toArray();
    std::vector<QJsonValue> rows(array.cbegin(), array.cend());

    int column = -1;
    if (!options.sortColumn.isEmpty() && !rows.empty()) {
        // Rows are arrays (named by the table's header) or objects (named by their keys).
        const QStringList names = rows.front().isObject() ? rows.front().toObject().keys() : result.columns;
        const int width
            = rows.front().isArray() ? static_cast<int>(rows.front().toArray().size()) : names.size();
        column = columnIndex(options.sortColumn, names, width);
        if (column < 0)
            return unknownColumn(options, names, messages);
        if (rows.front().isObject()) {
            const QString &name = names.at(column);
            sortAndLimit(rows, options, 0,
                [&](const QJsonValue &row, int) { return jsonCell(row.toObject().value(name)); });
            column = -1;
        }
    }
    sortAndLimit(
        rows, options, column, [](const QJsonValue &row, int i) { return jsonCell(row.toArray().at(i)); });
    QJsonArray reshaped;
    for (const QJsonValue &row : rows)
        reshaped.append(row);
    object.insert(key, reshaped);
    return CommandResult::ok(
        QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
}

CommandResult reshapeText(const CommandResult &result, const TableOptions &options, const QString &command,
    const MessageCatalog &messages)
{
    const QStringList lines = result.output.split(QLatin1Char('\n'));
    int at = 0;
    QStringList summary;
    while (at < lines.size() && lines.at(at).startsWith(QLatin1Char('#')))
        summary.append(lines.at(at++));
    if (at >= lines.size() || !lines.at(at).contains(QLatin1Char('\t')))
        return noRows(command, messages);
    const QStringList header = lines.at(at++).split(QLatin1Char('\t'));
    std::vector<QStringList> rows;
    while (at < lines.size() && !lines.at(at).isEmpty())
        rows.push_back(lines.at(at++).split(QLatin1Char('\t')));
    const QStringList rest = lines.mid(at);

    int column = -1;
    if (!options.sortColumn.isEmpty()) {
        column = columnIndex(options.sortColumn, header, static_cast<int>(header.size()));
        if (column < 0)
            return unknownColumn(options, header, messages);
    }
    sortAndLimit(rows, options, column, [](const QStringList &row, int i) { return row.value(i); });

    QString text;
    if (options.format == TableOptions::Format::Csv) {
        text += csvLine(header);
        for (const QStringList &row : rows)
            text += csvLine(row);
        return CommandResult::ok(text);
    }
    for (const QString &line : summary)
        text += line + QLatin1Char('\n');
    text += header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList &row : rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    const QString after = rest.join(QLatin1Char('\n'));
    if (!after.trimmed().isEmpty())
        text += after;
    return CommandResult::ok(text);
}

} // namespace

TableOptions tableOptions(const CliArguments &args, const MessageCatalog &messages, QString *error)
{
    TableOptions options;
    if (args.has(QStringLiteral("format"))) {
        const QString format = args.value(QStringLiteral("format")).toLower();
        if (format == QLatin1String("csv"))
            options.format = TableOptions::Format::Csv;
        else if (format == QLatin1String("json"))
            options.format = TableOptions::Format::Json;
        else if (format != QLatin1String("tsv"))
            *error = messages("Str307").arg(QStringLiteral("--format"), args.value(QStringLiteral("format")),
                messages("Str318").arg(QStringLiteral("json, tsv, csv")));
    }
    if (args.has(QStringLiteral("json")) && options.format == TableOptions::Format::Csv)
        *error = messages("Str307").arg(QStringLiteral("--format"), args.value(QStringLiteral("format")),
            messages("Str318").arg(QStringLiteral("json, tsv, csv")));
    if (args.has(QStringLiteral("limit"))) {
        bool ok = false;
        options.limit = args.value(QStringLiteral("limit")).trimmed().toInt(&ok);
        if (!ok || options.limit < 0)
            *error = messages("Str307").arg(
                QStringLiteral("--limit"), args.value(QStringLiteral("limit")), messages("Str310"));
    }
    if (args.has(QStringLiteral("sort"))) {
        options.sortColumn = args.value(QStringLiteral("sort")).trimmed();
        if (options.sortColumn.startsWith(QLatin1Char('-'))) {
            options.descending = true;
            options.sortColumn.remove(0, 1);
        }
        if (options.sortColumn.isEmpty())
            *error = messages("Str302").arg(QStringLiteral("--sort"));
    }
    return options;
}

CommandResult reshapeRows(const CommandResult &result, const TableOptions &options, const QString &command,
    const MessageCatalog &messages)
{
    if (result.output.startsWith(QLatin1Char('{')))
        return reshapeJson(result, options, command, messages);
    return reshapeText(result, options, command, messages);
}

} // namespace kivora::cli
