// The number list: sorting, the draw highlight of the selected number, view styles.

#include "ui/MainWindow.h"

#include "statistics/DrawHighlight.h"
#include "ui/models/StatTableModel.h"

#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeWidget>

namespace kivora {

void MainWindow::sortNumberList(int column)
{
    m_sortColumn = column;
    m_numberListSort = column;
    m_numberModel->sortBy(column);
    showSortArrow(m_numberList, column);
    expandMarkedNumbers();
}

void MainWindow::onNumberSelected()
{
    const QModelIndexList selected = m_numberList->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return; // the row unselected last keeps its highlight
    const QList<int> numbers
        = m_numberModel->table().numbers(m_numberModel->tableRow(selected.first().row()));
    if (numbers.isEmpty())
        return;
    setHighlight(drawsWithNumber(load().draws, numbers.first()));
}

void MainWindow::alignNumberRecordLine()
{
    QHeaderView *header = m_numberList->horizontalHeader();
    m_numberRecordLine->header()->resizeSection(0, header->sectionSize(0));
    m_numberRecordLine->header()->resizeSection(1, header->sectionSize(1));
}

void MainWindow::setNumberListStyle(int style)
{
    // 0 icons, 1 list, 2 small icons, 3 report.
    if (style < 0 || style > 3)
        return;
    m_viewStyleActions[static_cast<size_t>(style)]->setChecked(true);
    if (style == 3) {
        m_numberStack->setCurrentWidget(m_numberList);
        return;
    }
    m_numberIcons->setViewMode(style == 0 ? QListView::IconMode : QListView::ListMode);
    m_numberIcons->setFlow(style == 1 ? QListView::TopToBottom : QListView::LeftToRight);
    m_numberIcons->setWrapping(true);
    m_numberIcons->setIconSize(style == 0 ? QSize(32, 32) : QSize(16, 16));
    m_numberIcons->setGridSize(style == 0 ? QSize(56, 56) : QSize());
    m_numberIcons->setSpacing(style == 0 ? 0 : 2);
    m_numberStack->setCurrentWidget(m_numberIcons);
}

} // namespace kivora
