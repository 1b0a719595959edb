#pragma once

#include "results/DrawTable.h"

#include <QAbstractTableModel>

#include <vector>

namespace kivora {

// The results view (draw number and two-digit main numbers) or the details view
// (draw number, date, machine, ball set, additional numbers) over the loaded draws.
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

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    View m_view;
    const DrawTable *m_draws = nullptr;
    std::vector<bool> m_highlight;
};

} // namespace kivora
