#pragma once

#include "statistics/StatTable.h"
#include "ui/models/ColourLegend.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <vector>

namespace kivora {

// The number list and the combination view (and the ten's number list): three
// columns over a StatTable, in a display order set by sorting. Each row carries a
// flag: the check mark of a number, the highlight of a combination row. Rows are
// coloured by their "since" against the table's record: 0 red, above factor × record
// green, flagged rows black with white text.
class StatTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Style {
        NumberList, // check boxes, factor 0.7, pictures by number
        CombinationView, // no check boxes, factor 0.8, pictures by mode tag
    };

    explicit StatTableModel(Style style, QObject *parent = nullptr);

    void setHeaders(const QStringList &captions);
    // What the row colours mean: each coloured row's tooltip, all of it on the first
    // column's header.
    void setLegend(ColourLegend legend);
    void setTable(StatTable table);
    // A table computed off the event loop, with its display order.
    void setTable(std::shared_ptr<const StatTable> table, std::vector<int> order);
    void clear();
    const StatTable &table() const { return *m_table; }
    // The table itself, for jobs that read it while the view shows it.
    std::shared_ptr<const StatTable> sharedTable() const { return m_table; }
    // The longest text a column shows (its widest caption or value).
    QString widestText(int column) const;

    // Sorts by a column (0 caption ascending, 1 or 2 value descending), keeping the
    // selection and flags on their rows.
    void sortBy(int column);
    // The same with an order computed elsewhere (sortedOrder of the table).
    void setOrder(std::vector<int> order);

    const std::vector<int> &order() const { return m_order; }
    int tableRow(int displayRow) const { return m_order[static_cast<size_t>(displayRow)]; }
    int displayRow(int tableRow) const;
    QString caption(int displayRow) const { return m_table->caption(tableRow(displayRow)); }

    bool isFlagged(int displayRow) const { return m_flags[static_cast<size_t>(tableRow(displayRow))] != 0; }
    // Returns true when the flag changed.
    bool setFlagged(int displayRow, bool on);
    void clearFlags();
    int flaggedCount() const;
    // Captions of the flagged rows from the top of the list to the bottom.
    QStringList flaggedCaptions() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // A row's flag was changed by the user (a click on a check box).
    void flagToggled(int displayRow);

private:
    QVariant background(int row) const;
    double greenFactor() const { return m_style == Style::NumberList ? 0.7 : 0.8; }
    QString rowLegend(int row) const;
    QString headerLegend() const;
    int pictureOf(int row) const;

    Style m_style;
    std::shared_ptr<const StatTable> m_table = std::make_shared<const StatTable>();
    std::vector<int> m_order;
    std::vector<quint8> m_flags; // by table row
    QStringList m_headers;
    ColourLegend m_legend;
    QString m_widest[3];
};

} // namespace kivora
