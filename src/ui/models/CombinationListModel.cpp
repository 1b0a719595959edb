#include "ui/models/CombinationListModel.h"

namespace kivora {

void CombinationListModel::setList(CombinationList list)
{
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

bool CombinationListModel::removeListRow(int row)
{
    if (row < 0 || row >= m_list.rowCount() || m_list.rowCount() <= 1)
        return false;
    beginRemoveRows({}, row, row);
    m_list.removeRow(row);
    endRemoveRows();
    return true;
}

QVariant CombinationListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_list.cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return Qt::AlignCenter;
    return {};
}

} // namespace kivora
