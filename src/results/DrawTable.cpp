#include "results/DrawTable.h"

#include <algorithm>

namespace kivora {

DrawTable::DrawTable(int drawNumber, int additionalCount)
    : m_drawNumber(drawNumber > 0 ? drawNumber : 0)
    , m_additionalCount(additionalCount > 0 ? additionalCount : 0)
{
    m_fieldStart.push_back(0);
}

void DrawTable::reserve(int rows)
{
    m_numbers.reserve(static_cast<size_t>(rows) * m_drawNumber);
    m_fieldStart.reserve(static_cast<size_t>(rows) * fieldsPerRow() + 1);
}

void DrawTable::appendRow(const QStringView *texts, int textCount, const int *numbers)
{
    if (m_fieldStart.empty())
        m_fieldStart.push_back(0);
    for (int i = 0; i < fieldsPerRow(); ++i) {
        if (i < textCount)
            m_pool.append(texts[i]);
        m_fieldStart.push_back(static_cast<quint32>(m_pool.size()));
    }
    m_numbers.insert(m_numbers.end(), numbers, numbers + m_drawNumber);
    const qsizetype width = textCount > 0 ? texts[0].size() : 0;
    if (m_widestRow < 0 || width > fieldView(m_widestRow, 0).size())
        m_widestRow = m_rows;
    ++m_rows;
}

QStringView DrawTable::fieldView(int row, int index) const
{
    if (row < 0 || row >= m_rows || index < 0 || index >= fieldsPerRow())
        return {};
    const size_t slot = static_cast<size_t>(row) * fieldsPerRow() + index;
    const quint32 start = slot == 0 ? 0 : m_fieldStart[slot];
    const quint32 end = m_fieldStart[slot + 1];
    return QStringView(m_pool).mid(start, end - start);
}

QString DrawTable::resultsCell(int row, int column) const
{
    if (row < 0 || row >= m_rows)
        return {};
    if (column == 0)
        return drawNumberText(row);
    if (column >= 1 && column <= m_drawNumber)
        return twoDigits(number(row, column - 1));
    return {};
}

std::vector<int> sortedDrawNumbers(const DrawTable &draws, int row, int min, int max)
{
    std::vector<int> numbers;
    if (row < 0 || row >= draws.rowCount())
        return numbers;
    for (int j = 0; j < draws.drawNumber(); ++j) {
        const int n = draws.number(row, j);
        if (n >= min && n <= max)
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString DrawTable::detailsCell(int row, int column) const
{
    if (column < 0 || column >= detailsColumnCount())
        return {};
    return field(row, column);
}

} // namespace kivora
