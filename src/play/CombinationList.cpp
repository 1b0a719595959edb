#include "play/CombinationList.h"

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/StringFn.h"

#include <QRegularExpression>

#include <numeric>

namespace kivora {

namespace {

std::shared_ptr<const std::vector<qint8>> oneEmptyRow()
{
    static const auto row
        = std::make_shared<const std::vector<qint8>>(SystemTemplate::kColumns, templatecell::kEmpty);
    return row;
}

} // namespace

CombinationList::CombinationList()
    : m_cells(oneEmptyRow())
{ }

int CombinationList::rowCount() const
{
    return m_rowMap.empty() ? m_templateRows : static_cast<int>(m_rowMap.size());
}

QString CombinationList::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns)
        return {};
    const qint8 code = (*m_cells)[static_cast<size_t>(templateRow(row)) * kColumns + column];
    if (code == templatecell::kPlaceholder)
        return QStringLiteral("K");
    if (code >= 1 && code < templatecell::kBeyond && code <= m_captions.size())
        return m_captions.at(code - 1);
    return {};
}

QStringList CombinationList::row(int row) const
{
    QStringList cells;
    cells.reserve(kColumns);
    for (int column = 0; column < kColumns; ++column)
        cells.append(cell(row, column));
    return cells;
}

bool CombinationList::isEmpty() const
{
    // By the codes, without making texts: a list can hold tens of thousands of rows.
    const int marked = static_cast<int>(m_captions.size());
    for (int row = 0; row < rowCount(); ++row) {
        const size_t start = static_cast<size_t>(templateRow(row)) * kColumns;
        for (size_t i = start; i < start + kColumns; ++i) {
            const qint8 code = (*m_cells)[i];
            if (code == templatecell::kPlaceholder
                || (code >= 1 && code < templatecell::kBeyond && code <= marked))
                return false;
        }
    }
    return true;
}

bool CombinationList::removeRow(int row)
{
    const int rows = rowCount();
    if (rows <= 1 || row < 0 || row >= rows)
        return false;
    if (m_rowMap.empty()) {
        m_rowMap.resize(static_cast<size_t>(m_templateRows));
        std::iota(m_rowMap.begin(), m_rowMap.end(), 0);
    }
    m_rowMap.erase(m_rowMap.begin() + row);
    return true;
}

void CombinationList::keepRows(const std::vector<int> &rows)
{
    std::vector<int> map;
    map.reserve(rows.size());
    for (int row : rows) {
        if (row >= 0 && row < rowCount())
            map.push_back(templateRow(row));
    }
    if (map.empty()) {
        m_cells = oneEmptyRow();
        m_templateRows = 1;
        m_rowMap.clear();
        return;
    }
    m_rowMap = std::move(map);
}

int CombinationList::markedIndex(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns)
        return -1;
    const qint8 code = (*m_cells)[static_cast<size_t>(templateRow(row)) * kColumns + column];
    if (code >= 1 && code < templatecell::kBeyond && code <= m_captions.size())
        return code - 1;
    return -1;
}

bool CombinationList::fromSavedLines(const QStringList &lines, CombinationList *list, int *wideLine)
{
    *wideLine = 0;
    // The numbers first: they become the captions, and each cell the position of its number.
    std::vector<QStringList> rows;
    std::vector<int> seen(kLargestNumber + 1, 0);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields
            = lines.at(i).split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        if (fields.size() > kColumns) {
            *wideLine = i + 1;
            return false;
        }
        for (const QString &field : fields) {
            int value = -1;
            if (tryTextToInt(field, &value) && value >= 0 && value <= kLargestNumber)
                seen[static_cast<size_t>(value)] = 1;
        }
        rows.push_back(fields);
    }
    QStringList captions;
    std::vector<qint8> position(kLargestNumber + 1, templatecell::kEmpty);
    for (int value = 0; value <= kLargestNumber; ++value) {
        if (seen[static_cast<size_t>(value)]) {
            captions.append(twoDigits(value));
            position[static_cast<size_t>(value)] = static_cast<qint8>(captions.size());
        }
    }
    if (captions.isEmpty())
        return false;
    auto cells = std::make_shared<std::vector<qint8>>(rows.size() * kColumns, templatecell::kEmpty);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            int value = -1;
            const bool number = tryTextToInt(rows[r].at(c), &value) && value >= 0 && value <= kLargestNumber;
            (*cells)[r * kColumns + static_cast<size_t>(c)]
                = number ? position[static_cast<size_t>(value)] : templatecell::kPlaceholder;
        }
    }
    CombinationList result;
    result.m_cells = std::move(cells);
    result.m_templateRows = static_cast<int>(rows.size());
    result.m_captions = captions;
    *list = std::move(result);
    return true;
}

CombinationList expandSystem(const SystemTemplate &tmpl, const QStringList &markedCaptions)
{
    CombinationList list;
    list.m_captions = markedCaptions;
    if (tmpl.rowCount() > 0) {
        list.m_cells = tmpl.cells();
        list.m_templateRows = tmpl.rowCount();
    }
    return list;
}

QString selectionStatus(int count, const MessageCatalog &messages)
{
    return withPlurals(
        messages("Str10") + QLatin1Char(' ') + intToText(count) + QLatin1Char(' ') + messages("Str11"));
}

QString expansionStatus(const SystemTemplate &tmpl, int markedCount, const MessageCatalog &messages)
{
    return selectionStatus(tmpl.hasFields() ? markedCount : 0, messages);
}

} // namespace kivora
