// The number list: sorting, the draw highlight of the selected number, view styles.

#include "ui/MainForm.h"

#include "statistics/DrawHighlight.h"
#include "ui/models/StatTableModel.h"

#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeWidget>

namespace kivora {

void TMainForm::ListView1ColumnClick(int column)
{
    m_sortColumn = column;
    m_numberModel->sortBy(column);
    ComboBox1Change();
}

void TMainForm::ListView1SelectItem()
{
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return; // the row unselected last keeps its highlight
    const QList<int> numbers
        = m_numberModel->table().numbers(m_numberModel->tableRow(selected.first().row()));
    if (numbers.isEmpty())
        return;
    setHighlight(drawsWithNumber(m_load.draws, numbers.first()));
}

void TMainForm::ListView1Change()
{
    ComboBox1Change();
}

void TMainForm::ListView1Resize()
{
    QHeaderView *header = ListView1->horizontalHeader();
    ListView3->header()->resizeSection(0, header->sectionSize(0));
    ListView3->header()->resizeSection(1, header->sectionSize(1));
}

void TMainForm::setNumberListStyle(int style)
{
    // 0 icons, 1 list, 2 small icons, 3 report.
    if (style < 0 || style > 3)
        return;
    m_viewStyleActions[static_cast<size_t>(style)]->setChecked(true);
    if (style == 3) {
        numberStack->setCurrentWidget(ListView1);
        return;
    }
    ListView1Icons->setViewMode(style == 0 ? QListView::IconMode : QListView::ListMode);
    ListView1Icons->setFlow(style == 1 ? QListView::TopToBottom : QListView::LeftToRight);
    ListView1Icons->setWrapping(true);
    ListView1Icons->setIconSize(style == 0 ? QSize(32, 32) : QSize(16, 16));
    ListView1Icons->setGridSize(style == 0 ? QSize(56, 56) : QSize());
    ListView1Icons->setSpacing(style == 0 ? 0 : 2);
    numberStack->setCurrentWidget(ListView1Icons);
}

} // namespace kivora
