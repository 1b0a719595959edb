#include "results/import/ColumnMap.h"

#include "core/MessageCatalog.h"

#include <QRegularExpression>

namespace kivora {

namespace {

// The items of a column list: commas outside double quotes and brackets separate them.
QStringList splitItems(const QString &text)
{
    QStringList items;
    QString current;
    bool quoted = false;
    int brackets = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('['))
            ++brackets;
        else if (!quoted && c == QLatin1Char(']'))
            --brackets;
        if (c == QLatin1Char(',') && !quoted && brackets <= 0) {
            items.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    items.append(current);
    return items;
}

bool readRole(const QString &name, ColumnRole *role)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("number"))
        *role = ColumnRole::Number;
    else if (n == QLatin1String("date"))
        *role = ColumnRole::Date;
    else if (n == QLatin1String("main"))
        *role = ColumnRole::Main;
    else if (n == QLatin1String("additional"))
        *role = ColumnRole::Additional;
    else
        return false;
    return true;
}

QString unquoted(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        return t.mid(1, t.size() - 2);
    return t;
}

bool isQuoted(const QString &text)
{
    const QString t = text.trimmed();
    return t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"'));
}

// One end of a field: a position or a name.
void readEnd(const QString &text, int *position, QString *name)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (!isQuoted(text) && digits.match(text.trimmed()).hasMatch())
        *position = text.trimmed().toInt();
    else
        *name = unquoted(text);
}

bool readField(QString text, FieldRef *field)
{
    text = text.trimmed();
    static const QRegularExpression pack(QStringLiteral("\\[\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?\\]$"));
    const QRegularExpressionMatch packed = pack.match(text);
    if (packed.hasMatch() && !(isQuoted(text))) {
        field->packFirst = packed.captured(1).toInt();
        field->packLast = packed.captured(2).isEmpty() ? field->packFirst : packed.captured(2).toInt();
        if (field->packFirst < 1 || field->packLast < field->packFirst)
            return false;
        text = text.left(packed.capturedStart()).trimmed();
    }
    if (text.isEmpty())
        return false;
    static const QRegularExpression range(QStringLiteral("^(\\d+)\\s*-\\s*(\\d+)$"));
    const QRegularExpressionMatch positions = range.match(text);
    if (positions.hasMatch()) {
        field->firstPosition = positions.captured(1).toInt();
        field->lastPosition = positions.captured(2).toInt();
        return field->firstPosition >= 1 && field->lastPosition >= field->firstPosition;
    }
    // A run "a..b" outside quotes.
    int run = -1;
    bool quoted = false;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('"'))
            quoted = !quoted;
        if (!quoted && text.at(i) == QLatin1Char('.') && text.at(i + 1) == QLatin1Char('.')) {
            run = i;
            break;
        }
    }
    if (run < 0) {
        readEnd(text, &field->firstPosition, &field->firstName);
        field->lastPosition = field->firstPosition;
        return field->firstPosition > 0 || !field->firstName.isEmpty();
    }
    readEnd(text.left(run), &field->firstPosition, &field->firstName);
    readEnd(text.mid(run + 2), &field->lastPosition, &field->lastName);
    if (field->firstName.isEmpty() && field->firstPosition == 0)
        return false;
    return field->lastPosition > 0 || !field->lastName.isEmpty();
}

int headerIndex(const QStringList &header, const QString &name)
{
    for (int i = 0; i < header.size(); ++i) {
        if (header.at(i).trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString fieldName(int column, const QStringList &header)
{
    if (column < header.size() && !header.at(column).trimmed().isEmpty()
        && headerIndex(header, header.at(column)) == column)
        return QLatin1Char('"') + header.at(column).trimmed() + QLatin1Char('"');
    return QString::number(column + 1);
}

QString groupField(const ColumnGroup &group, const QStringList &header)
{
    QString text;
    if (group.columns.size() == 1) {
        text = fieldName(group.columns.front(), header);
    } else if (!group.columns.empty()) {
        const QString first = fieldName(group.columns.front(), header);
        const QString last = fieldName(group.columns.back(), header);
        const bool positions = first.front() != QLatin1Char('"') && last.front() != QLatin1Char('"');
        text = first + (positions ? QStringLiteral("-") : QStringLiteral("..")) + last;
    }
    if (group.packFirst > 0) {
        text += QLatin1Char('[') + QString::number(group.packFirst);
        if (group.packLast != group.packFirst)
            text += QLatin1Char('-') + QString::number(group.packLast);
        text += QLatin1Char(']');
    }
    return text;
}

} // namespace

ColumnMap parseColumnMap(const QString &text, const MessageCatalog &messages)
{
    ColumnMap columnMap;
    for (const QString &item : splitItems(text)) {
        if (item.trimmed().isEmpty())
            continue;
        const int equals = item.indexOf(QLatin1Char('='));
        ColumnMapItem parsed;
        if (equals < 0 || !readRole(item.left(equals), &parsed.role)) {
            columnMap.message = messages("Str516").arg(text, messages("Str518").arg(item.trimmed()));
            return columnMap;
        }
        if (!readField(item.mid(equals + 1), &parsed.field)) {
            columnMap.message
                = messages("Str516").arg(text, messages("Str517").arg(item.mid(equals + 1).trimmed()));
            return columnMap;
        }
        columnMap.items.push_back(parsed);
    }
    columnMap.ok = true;
    return columnMap;
}

MappingResult resolveColumnMap(
    const ColumnMap &columnMap, const QStringList &header, int columnCount, const MessageCatalog &messages)
{
    MappingResult result;
    for (const ColumnMapItem &item : columnMap.items) {
        const FieldRef &f = item.field;
        int first = f.firstPosition > 0 ? f.firstPosition - 1 : headerIndex(header, f.firstName);
        int last = first;
        if (!f.lastName.isEmpty())
            last = headerIndex(header, f.lastName);
        else if (f.lastPosition > 0)
            last = f.lastPosition - 1;
        const QString written = f.firstName.isEmpty() ? QString::number(f.firstPosition) : f.firstName;
        if (first < 0 || first >= columnCount || last < first || last >= columnCount) {
            result.message = messages("Str517").arg(written);
            return result;
        }
        ColumnGroup group;
        for (int c = first; c <= last; ++c)
            group.columns.push_back(c);
        group.packFirst = f.packFirst;
        group.packLast = f.packLast;
        switch (item.role) {
        case ColumnRole::Number:
            result.mapping.number = first;
            break;
        case ColumnRole::Date:
            result.mapping.date = first;
            break;
        case ColumnRole::Main:
            result.mapping.main.push_back(group);
            break;
        case ColumnRole::Additional:
            result.mapping.additional.push_back(group);
            break;
        }
    }
    if (result.mapping.main.empty()) {
        result.message = messages("Str520");
        return result;
    }
    result.ok = true;
    return result;
}

std::vector<ColumnField> columnFields(const ColumnMapping &mapping, const QStringList &header)
{
    std::vector<ColumnField> fields;
    if (mapping.number >= 0)
        fields.push_back({ QStringLiteral("number"), fieldName(mapping.number, header) });
    if (mapping.date >= 0)
        fields.push_back({ QStringLiteral("date"), fieldName(mapping.date, header) });
    for (const ColumnGroup &group : mapping.main)
        fields.push_back({ QStringLiteral("main"), groupField(group, header) });
    for (const ColumnGroup &group : mapping.additional)
        fields.push_back({ QStringLiteral("additional"), groupField(group, header) });
    return fields;
}

QString columnMapText(const ColumnMapping &mapping, const QStringList &header)
{
    QStringList items;
    for (const ColumnField &field : columnFields(mapping, header))
        items.append(field.role + QLatin1Char('=') + field.field);
    return items.join(QLatin1Char(','));
}

} // namespace kivora
