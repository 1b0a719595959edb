#pragma once

#include "statistics/TensStats.h"
#include "ui/models/ColourLegend.h"

#include <QAbstractTableModel>

namespace kivora {

// The statistics grid: per loaded draw (rows, headed by the draw number) the count of
// its main numbers in each group of ten (columns captioned by their numbers, "41-45");
// four or more is red, and says so in its tooltip.
class TensGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    TensGridModel(const DrawTable *draws, QObject *parent = nullptr);

    void setTable(GroupCountsTable table);
    // The draws whose numbers head the rows; the table is cleared.
    void setDraws(const DrawTable *draws)
    {
        m_draws = draws;
        clear();
    }
    void clear() { setTable(GroupCountsTable()); }
    const GroupCountsTable &table() const { return m_table; }
    void setLegend(ColourLegend legend) { m_legend = std::move(legend); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const DrawTable *m_draws;
    GroupCountsTable m_table;
    ColourLegend m_legend;
};

} // namespace kivora
