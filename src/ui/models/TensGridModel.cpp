#include "ui/models/TensGridModel.h"

#include <QColor>

namespace kivora {

TensGridModel::TensGridModel(const DrawTable *draws, QObject *parent)
    : QAbstractTableModel(parent)
    , m_draws(draws)
{ }

void TensGridModel::setTable(GroupCountsTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int TensGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount;
}

int TensGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.groupCount;
}

QVariant TensGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_table.count(index.row(), index.column() + 1);
    case Qt::TextAlignmentRole:
        return Qt::AlignCenter;
    case Qt::BackgroundRole:
        return m_table.isRed(index.row(), index.column() + 1) ? QVariant(QColor(255, 0, 0)) : QVariant();
    case Qt::ToolTipRole:
        if (!m_table.isRed(index.row(), index.column() + 1))
            return {};
        return m_legend.crowdedTen.arg(GroupCountsTable::kRedCount);
    default:
        return {};
    }
}

QVariant TensGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return Qt::AlignCenter;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    // A group is captioned by its numbers, "41-45".
    if (orientation == Qt::Horizontal)
        return m_table.groupRanges().value(section);
    if (role != Qt::DisplayRole)
        return {};
    return m_draws && section < m_draws->rowCount() ? m_draws->drawNumberText(section) : QString();
}

} // namespace kivora
