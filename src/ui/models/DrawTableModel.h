#pragma once

#include "results/DrawTable.h"
#include "ui/models/ColourLegend.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace kivora {

// The results view (draw number, two-digit main numbers, then the additional numbers
// on a colour of their own) or the details view (draw number, date, machine, ball
// set, additional numbers) over the loaded draws.
// Column 0 looks like a header; a highlighted draw shows it red with white text.
class DrawTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class View { Results, Details };

    DrawTableModel(View view, QObject *parent = nullptr);

    // The table must outlive the model or be replaced before it goes away.
    void setDraws(const DrawTable *draws);
    void setHighlight(const std::vector<bool> &rows);
    bool isHighlighted(int row) const;
    // What a red draw number and the coloured additional numbers mean, as their tooltips.
    void setLegend(ColourLegend legend) { m_legend = std::move(legend); }
    // The longest text a column shows: the longest draw number, or two digits; the
    // details view's other columns are measured by the view.
    QString widestText(int column) const;
    // Results view: the first column of the additional numbers (they follow the main ones).
    int firstAdditionalColumn() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // The details view's column captions: draw, date, machine, ball set (a language file
    // replaces them: DateGrid_ColumnCaption), then "+1", "+2" over the additional numbers.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role) override;
    static constexpr int kDetailsCaptions = 4;

private:
    View m_view;
    const DrawTable *m_draws = nullptr;
    std::vector<bool> m_highlight;
    QString m_widestDrawNumber;
    QStringList m_headers;
    ColourLegend m_legend;
};

} // namespace kivora
