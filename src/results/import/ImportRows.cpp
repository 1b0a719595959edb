#include "results/import/ImportRows.h"

#include "core/CharSet.h"
#include "core/TextFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>

namespace kivora {

namespace {

QString jsonText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble()) {
        const double d = value.toDouble();
        return d == static_cast<qint64>(d) ? QString::number(static_cast<qint64>(d)) : QString::number(d);
    }
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue item : value.toArray())
            items.append(jsonText(item));
        return items.join(QLatin1Char(' '));
    }
    return {};
}

// A parsed object gives its keys sorted as text, where "n10" comes before "n2": the
// keys are taken with their runs of digits compared as numbers, the way such files
// are written.
void flatten(const QJsonObject &object, const QString &prefix, QList<QPair<QString, QString>> *out)
{
    QStringList names = object.keys();
    std::stable_sort(names.begin(), names.end(), naturalLess);
    for (const QString &name : names) {
        const QJsonValue value = object.value(name);
        const QString key = prefix.isEmpty() ? name : prefix + QLatin1Char('.') + name;
        if (value.isObject())
            flatten(value.toObject(), key, out);
        else
            out->append({ key, jsonText(value) });
    }
}

bool isObjectArray(const QJsonArray &array)
{
    if (array.isEmpty())
        return false;
    for (const QJsonValue item : array) {
        if (!item.isObject())
            return false;
    }
    return true;
}

void longestObjectArray(const QJsonValue &value, QJsonArray *best)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        if (isObjectArray(array) && array.size() > best->size())
            *best = array;
        for (const QJsonValue item : array) {
            if (item.isArray())
                longestObjectArray(item, best);
        }
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            longestObjectArray(it.value(), best);
    }
}

// A field without its surrounding blanks; most fields have none to lose.
QStringView trimmedField(QStringView field)
{
    if (field.isEmpty() || (!field.front().isSpace() && !field.back().isSpace()))
        return field;
    return field.trimmed();
}

} // namespace

bool naturalLess(const QString &a, const QString &b)
{
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Runs of digits: without leading zeros, the shorter is the smaller number.
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            qsizetype startA = i;
            qsizetype startB = j;
            while (startA + 1 < endA && a[startA] == QLatin1Char('0'))
                ++startA;
            while (startB + 1 < endB && b[startB] == QLatin1Char('0'))
                ++startB;
            const QStringView runA = QStringView(a).mid(startA, endA - startA);
            const QStringView runB = QStringView(b).mid(startB, endB - startB);
            if (runA.size() != runB.size())
                return runA.size() < runB.size();
            if (const int order = runA.compare(runB); order != 0)
                return order < 0;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    // The same apart from leading zeros: the text decides, so the order is strict.
    return a < b;
}

QStringList splitDelimited(QStringView line, QChar delimiter)
{
    QStringList fields;
    if (delimiter == QLatin1Char(' ')) {
        const CharSet blanks { ' ', '\t' };
        return splitFields(line.toString(), blanks);
    }
    // Most lines hold no quote: their fields are the pieces between delimiters.
    if (!line.contains(QLatin1Char('"'))) {
        for (const QStringView piece : line.tokenize(delimiter))
            fields.append(piece.trimmed().toString());
        return fields;
    }
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                    // Blanks between the closing quote and the delimiter are no part of the field.
                    while (i + 1 < n && line[i + 1] != delimiter && line[i + 1].isSpace())
                        ++i;
                }
            } else {
                field += c;
            }
        } else if (c == delimiter) {
            fields.append(wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            wasQuoted = true;
        } else {
            field += c;
        }
    }
    fields.append(wasQuoted ? field : field.trimmed());
    return fields;
}

QStringList splitFixed(QStringView line, const std::vector<std::pair<int, int>> &columns)
{
    QStringList fields;
    for (const auto &[start, end] : columns) {
        if (start >= line.size())
            fields.append(QString());
        else
            fields.append(
                line.mid(start, std::min<qsizetype>(end, line.size()) - start).trimmed().toString());
    }
    return fields;
}

bool jsonRows(const QString &text, QStringList *keys, std::vector<ImportRow> *rows)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (document.isNull())
        return false;
    QJsonArray array;
    longestObjectArray(
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()), &array);
    if (array.isEmpty())
        return false;
    keys->clear();
    rows->clear();
    std::vector<QList<QPair<QString, QString>>> flat;
    for (const QJsonValue item : array) {
        QList<QPair<QString, QString>> values;
        flatten(item.toObject(), {}, &values);
        for (const auto &value : values) {
            if (!keys->contains(value.first))
                keys->append(value.first);
        }
        flat.push_back(values);
    }
    int index = 0;
    for (const QJsonValue item : array) {
        ImportRow row;
        row.line = index + 1;
        row.text = QString::fromUtf8(QJsonDocument(item.toObject()).toJson(QJsonDocument::Compact));
        for (int k = 0; k < keys->size(); ++k)
            row.fields.append(QString());
        for (const auto &value : flat[static_cast<size_t>(index)])
            row.fields[static_cast<int>(keys->indexOf(value.first))] = value.second;
        rows->push_back(row);
        ++index;
    }
    return true;
}

bool isRuleLine(QStringView line)
{
    bool dash = false;
    for (QChar c : line) {
        if (c == QLatin1Char('-') || c == QLatin1Char('=') || c == QLatin1Char('_'))
            dash = true;
        else if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('+')
            && c != QLatin1Char('|') && c != QLatin1Char(',') && c != QLatin1Char(';'))
            return false;
    }
    return dash;
}

ImportRowReader::ImportRowReader(const QString &text, const ImportFormat &format)
    : m_lines(text)
    , m_format(format)
{
    if (format.kind == ImportKind::Json) {
        QStringList keys;
        jsonRows(text, &keys, &m_json);
        return;
    }
    QStringView skipped;
    while (m_line < format.firstLine && nextLine(&skipped)) { }
}

bool ImportRowReader::nextLine(QStringView *line)
{
    if (!m_lines.next(line))
        return false;
    ++m_line;
    return true;
}

bool ImportRowReader::next(ImportRow *row)
{
    if (m_format.kind == ImportKind::Json) {
        if (m_jsonAt >= m_json.size())
            return false;
        *row = std::move(m_json[m_jsonAt++]);
        return true;
    }
    QStringView line;
    while (nextLine(&line)) {
        if (line.trimmed().isEmpty() || isRuleLine(line))
            continue;
        row->line = m_line;
        row->raw = line;
        switch (m_format.kind) {
        case ImportKind::Fixed:
            row->fields = splitFixed(line, m_format.fixedColumns);
            break;
        case ImportKind::Native:
            row->fields = splitFields(line.toString(), fieldDelimiters());
            break;
        default:
            if (m_format.delimiter != QLatin1Char(' ') && !line.contains(QLatin1Char('"'))) {
                // The row's list and its texts are reused: a million rows make no
                // million lists, nor a text for each of their fields.
                qsizetype count = 0;
                for (qsizetype start = 0; start <= line.size();) {
                    qsizetype end = line.indexOf(m_format.delimiter, start);
                    if (end < 0)
                        end = line.size();
                    const QStringView field = trimmedField(line.mid(start, end - start));
                    start = end + 1;
                    if (count < row->fields.size()) {
                        QString &kept = row->fields[count];
                        kept.resize(field.size());
                        std::copy(field.begin(), field.end(), kept.begin());
                    } else {
                        row->fields.append(field.toString());
                    }
                    ++count;
                }
                if (count < row->fields.size())
                    row->fields.resize(count);
            } else {
                row->fields = splitDelimited(line, m_format.delimiter);
            }
            break;
        }
        return true;
    }
    return false;
}

} // namespace kivora
