#include "statistics/PositionStats.h"

#include "statistics/NumberSet.h"

#include <algorithm>
#include <array>

namespace kivora {

namespace {

// since/drawn of single numbers 0..100 and the longest completed absence: a number
// met in draws 3 and 5 (from 1) was absent 2 draws, then 1.
class SingleNumbers final
{
public:
    explicit SingleNumbers(NumberRange rows)
        : m_rows(rows)
    { }

    void startDraw()
    {
        for (int n = m_rows.lo; n <= m_rows.hi; ++n)
            ++m_since[static_cast<size_t>(n)];
    }
    // v must lie in 0..100.
    void meet(int v)
    {
        int &since = m_since[static_cast<size_t>(v)];
        int &drawn = m_drawn[static_cast<size_t>(v)];
        // since already counts this draw
        if (since > m_record)
            m_record = since - 1;
        since = 0;
        ++drawn;
        m_top = std::max(m_top, drawn);
    }

    void fill(StatTable &table, const Progress &progress) const
    {
        table.modeTag = StatTable::kTagNumbers;
        table.kind = StatTable::Kind::Numbers;
        table.initialSort = -1;
        table.record = m_record;
        table.topCount = m_top;
        table.recordText = QString::number(m_record);
        table.topText = QString::number(m_top);
        table.rows.reserve(static_cast<size_t>(m_rows.size()));
        for (int n = m_rows.lo; n <= m_rows.hi; ++n) {
            table.addNumber(n, m_since[static_cast<size_t>(n)], m_drawn[static_cast<size_t>(n)]);
            report(progress, 0, m_rows.hi, n);
        }
    }

private:
    NumberRange m_rows;
    std::array<int, kLargestNumber + 1> m_since {};
    std::array<int, kLargestNumber + 1> m_drawn {};
    int m_record = 0;
    int m_top = 0;
};

} // namespace

QString positionTitle(const MessageCatalog &messages, PositionOrder order, const QString &itemCaption)
{
    const QString text = messages(order == PositionOrder::Drawing ? "Str49" : "Str50");
    return text + QStringLiteral(" (") + itemCaption + QLatin1Char(')');
}

StatTable positionStats(const DrawTable &draws, const LotteryDefinition &definition, int p,
    PositionOrder order, const QString &title, const Progress &progress)
{
    const NumberRange rows = mainRange(definition);
    SingleNumbers numbers(rows);
    const int width = draws.drawNumber();
    const bool positionExists = p >= 1 && p <= width;
    std::vector<int> sorted(static_cast<size_t>(width));
    for (int t = 0; t < draws.rowCount(); ++t) {
        numbers.startDraw();
        if (!positionExists)
            continue;
        int v = draws.number(t, p - 1);
        if (order == PositionOrder::Ascending) {
            std::copy(draws.numbers(t), draws.numbers(t) + width, sorted.begin());
            std::nth_element(sorted.begin(), sorted.begin() + (p - 1), sorted.end());
            v = sorted[static_cast<size_t>(p - 1)];
        }
        if (rows.contains(v))
            numbers.meet(v);
    }
    StatTable table;
    table.title = title;
    numbers.fill(table, progress);
    return table;
}

StatTable additionalStats(const DrawTable &draws, const LotteryDefinition &definition, const QString &title,
    const Progress &progress)
{
    SingleNumbers numbers(tableRange(definition.minnumberOfAddBall, definition.maxnumberOfAddBall));
    SteppedProgress steps(progress, 0, draws.rowCount());
    for (int t = 0; t < draws.rowCount(); ++t) {
        numbers.startDraw();
        for (int j = 0; j < draws.additionalCount(); ++j) {
            const int v = textToInt(draws.additional(t, j));
            if (v >= 0 && v <= kLargestNumber)
                numbers.meet(v);
        }
        steps.at(t);
    }
    steps.done();
    StatTable table;
    table.title = title;
    numbers.fill(table, progress);
    return table;
}

} // namespace kivora
