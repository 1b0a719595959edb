#pragma once

#include "play/CombinationList.h"

#include <QAbstractTableModel>

namespace kivora {

// The combination list: ten small cells a row, texts made by the list when painted
// (templates reach tens of thousands of rows).
class CombinationListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CombinationListModel(QObject *parent = nullptr)
        : QAbstractTableModel(parent)
    { }

    void setList(CombinationList list);
    const CombinationList &list() const { return m_list; }
    bool removeListRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_list.rowCount();
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : CombinationList::kColumns;
    }
    QVariant data(const QModelIndex &index, int role) const override;

private:
    CombinationList m_list;
};

} // namespace kivora
