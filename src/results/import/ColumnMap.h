#pragma once

// Which fields of a row hold the draw number, the date and the numbers, and the
// user's way of saying so: "--columns" takes a comma-separated list of ROLE=FIELD,
//   number=1,date="Draw Date",main="Winning Numbers"[1-5],additional=Mega Ball
//   main=boule_1..boule_5,additional=etoile_1..etoile_2
//   main=5-9,additional=10
// where FIELD is a position from 1, a range of positions, a header name (any case,
// plain or in double quotes), a run of adjacent columns "a..b", each optionally
// followed by [i-j]: the i-th to j-th number packed inside the field(s). Each main
// names one draw of the row; a row that holds two draws (midday, evening) has two.

#include <QString>
#include <QStringList>

#include <vector>

namespace kivora {

class MessageCatalog;

enum class ColumnRole { Number, Date, Main, Additional };

// One field as the user wrote it, before a header resolves its names.
struct FieldRef
{
    int firstPosition = 0; // from 1; 0 when named
    int lastPosition = 0;
    QString firstName;
    QString lastName; // the end of a run "a..b"; empty for one column
    int packFirst = 0; // [i-j] from 1; 0 for every number of the field(s)
    int packLast = 0;
};

struct ColumnMapItem
{
    ColumnRole role = ColumnRole::Main;
    FieldRef field;
};

struct ColumnMap
{
    bool ok = false;
    QString message; // names the column list and the fault when !ok
    std::vector<ColumnMapItem> items;
};

ColumnMap parseColumnMap(const QString &text, const MessageCatalog &messages);

// The columns of one group of numbers (0-based), their numbers in field order, and
// the slice [packFirst, packLast] (from 1) when only part of them belongs to it.
struct ColumnGroup
{
    std::vector<int> columns;
    int packFirst = 0;
    int packLast = 0;

    bool operator==(const ColumnGroup &other) const
    {
        return columns == other.columns && packFirst == other.packFirst && packLast == other.packLast;
    }
};

struct ColumnMapping
{
    int number = -1; // 0-based column, -1 when the source has none
    int date = -1;
    std::vector<ColumnGroup> main; // one group per draw of a row
    std::vector<ColumnGroup> additional; // paired with main by index; may be shorter

    bool isEmpty() const { return main.empty(); }
    bool operator==(const ColumnMapping &other) const
    {
        return number == other.number && date == other.date && main == other.main
            && additional == other.additional;
    }
};

struct MappingResult
{
    bool ok = false;
    QString message;
    ColumnMapping mapping;
};

// The column list applied to a row layout: header names (may be empty) and columnCount
// fields. A name not in the header, a position past the last field, a column list without
// main numbers are refused.
MappingResult resolveColumnMap(
    const ColumnMap &columnMap, const QStringList &header, int columnCount, const MessageCatalog &messages);

// One role and its field as a column list writes it ("main", "\"Winning Numbers\"[1-5]").
struct ColumnField
{
    QString role;
    QString field;
};
std::vector<ColumnField> columnFields(const ColumnMapping &mapping, const QStringList &header);
// The whole mapping as a column list that parseColumnMap reads back to the same mapping.
QString columnMapText(const ColumnMapping &mapping, const QStringList &header);

} // namespace kivora
