// The statistics panel: every statistic's command, the combination view's sorting,
// draw highlight and marking, the statistics grid and the ten's number list.

#include "ui/MainWindow.h"

#include "ui/FrozenColumnView.h"

#include "core/LanguageTexts.h"
#include "statistics/CombinationStats.h"
#include "statistics/DrawHighlight.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/models/TensGridModel.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTreeWidget>

namespace kivora {

Progress MainWindow::progress()
{
    return [this](int min, int max, int position) { showProgress(min, max, position); };
}

void MainWindow::showCombinationView()
{
    m_tensGrid->hide();
    m_combinationView->show();
    m_statRecordLine->show();
}

void MainWindow::showStatTable(StatTable table)
{
    showCombinationView();
    m_tenNumberList->hide();
    m_statGroup->setTitle(table.title);
    m_statRecordLine->headerItem()->setText(1, table.recordText);
    m_statRecordLine->headerItem()->setText(2, table.topText);
    // A sortable statistic opens in the order the user last chose for the view.
    const int sort = table.initialSort >= 0 && m_statListSort >= 0 ? m_statListSort : table.initialSort;
    m_statModel->setTable(std::move(table));
    if (sort >= 0) {
        m_sortColumn = sort;
        m_statModel->sortBy(sort);
    }
    m_combinationView->horizontalHeader()->setSortIndicatorShown(sort >= 0);
    showSortArrow(m_combinationView, sort);
    alignStatRecordLine();
}

void MainWindow::runCombinations(int k, Family family, bool wait)
{
    if (!load().ok)
        return;
    if (wait)
        showWait();
    showStatTable(combinationStats(load().draws, load().definition, k, family, m_messages, progress()));
    if (wait)
        closeWait();
}

void MainWindow::showAllPairs()
{
    runCombinations(2, Family::All, true);
}
void MainWindow::showNeighbouringPairs()
{
    runCombinations(2, Family::Neighbouring, false);
}
void MainWindow::showRelatedPairs()
{
    runCombinations(2, Family::Related, false);
}
void MainWindow::showAllTriples()
{
    runCombinations(3, Family::All, true);
}
void MainWindow::showNeighbouringTriples()
{
    runCombinations(3, Family::Neighbouring, true);
}
void MainWindow::showRelatedTriples()
{
    runCombinations(3, Family::Related, true);
}
void MainWindow::showAllQuadruples()
{
    runCombinations(4, Family::All, true);
}
void MainWindow::showNeighbouringQuadruples()
{
    runCombinations(4, Family::Neighbouring, true);
}
void MainWindow::showRelatedQuadruples()
{
    runCombinations(4, Family::Related, true);
}

void MainWindow::runTens(int k, const char *toolbarItem)
{
    if (!load().ok)
        return;
    // The title names the toolbar menu's command, whichever menu was used.
    const auto *item = findChild<QAction *>(QLatin1String(toolbarItem));
    const QString title = tensTitle(m_messages, item ? withoutAccessKeys(item->text()) : QString());
    showStatTable(tensStats(load().draws, load().definition, k, title, progress()));
}

void MainWindow::showTwoInTen()
{
    runTens(2, "popupN210");
}
void MainWindow::showThreeInTen()
{
    runTens(3, "popupN3101");
}
void MainWindow::showFourInTen()
{
    runTens(4, "popupN4101");
}
void MainWindow::showFiveInTen()
{
    runTens(5, "popupN5101");
}
void MainWindow::showSixInTen()
{
    runTens(6, "popupN6101");
}

void MainWindow::showTensByDraw()
{
    if (!load().ok)
        return;
    m_statModel->clear();
    GroupCountsTable table = tensByDraw(load().draws, load().definition, m_messages, progress());
    m_statGroup->setTitle(table.title);
    m_statRecordLine->headerItem()->setText(1, table.recordText);
    m_statRecordLine->headerItem()->setText(2, table.topText);
    m_tensModel->setTable(std::move(table));
    m_combinationView->hide();
    m_statRecordLine->hide();
    m_tenNumberList->hide();
    m_tensGrid->show();
    const int rows = m_tensModel->rowCount();
    if (rows > 0) {
        m_tensGrid->scrollToBottom();
        m_tensGrid->setCurrentIndex(m_tensModel->index(rows - 1, 0));
    }
}

void MainWindow::rebuildPositionMenus()
{
    for (QMenu *menu :
        { m_drawingOrderMenu, m_ascendingOrderMenu, m_drawingOrderPopup, m_ascendingOrderPopup })
        menu->clear();
    for (int p = 1; p <= load().definition.drawNumber && load().ok; ++p) {
        const QString caption = m_messages("Str53") + QLatin1Char(' ') + QString::number(p);
        for (QMenu *menu : { m_drawingOrderMenu, m_drawingOrderPopup }) {
            QAction *item = menu->addAction(caption, this, &MainWindow::showPositionInDrawingOrder);
            item->setData(p);
        }
        for (QMenu *menu : { m_ascendingOrderMenu, m_ascendingOrderPopup }) {
            QAction *item = menu->addAction(caption, this, &MainWindow::showPositionInAscendingOrder);
            item->setData(p);
        }
    }
}

void MainWindow::runPositions(PositionOrder order)
{
    const auto *item = qobject_cast<QAction *>(sender());
    if (!item || !load().ok)
        return;
    const int p = item->data().toInt();
    // The title always names the item of the main menu's drawing-order submenu.
    const QList<QAction *> items = m_drawingOrderMenu->actions();
    const QString caption = p - 1 < items.size() ? withoutAccessKeys(items.at(p - 1)->text()) : QString();
    showWait();
    showStatTable(positionStats(
        load().draws, load().definition, p, order, positionTitle(m_messages, order, caption), progress()));
    closeWait();
}

void MainWindow::showPositionInDrawingOrder()
{
    runPositions(PositionOrder::Drawing);
}
void MainWindow::showPositionInAscendingOrder()
{
    runPositions(PositionOrder::Ascending);
}

void MainWindow::showAdditionalNumbers()
{
    if (!load().ok || !load().definition.hasAdditionalNumbers())
        return;
    showWait();
    showStatTable(additionalStats(
        load().draws, load().definition, withoutAccessKeys(m_additionalAction->text()), progress()));
    closeWait();
}

int MainWindow::selectedStatRow() const
{
    const QModelIndexList rows = m_combinationView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void MainWindow::showNumbersFromTen()
{
    const int row = selectedStatRow();
    const StatTable &table = m_statModel->table();
    if (row < 0 || table.modeTag < 1 || table.modeTag > 29 || table.kind != StatTable::Kind::Groups)
        return;
    const int tableRow = m_statModel->tableRow(row);
    m_tenModel->setTable(tenCombos(load().draws, load().definition, table.groupLow(tableRow),
        table.groupHigh(tableRow), table.modeTag + 1, progress()));
    m_tenNumberList->setFixedHeight(qRound(m_statGroup->height() / 2.0));
    m_tenNumberList->show();
}

void MainWindow::sortCombinationView(int column)
{
    m_sortColumn = column;
    m_statListSort = column;
    m_statModel->sortBy(column);
    m_combinationView->horizontalHeader()->setSortIndicatorShown(true);
    showSortArrow(m_combinationView, column);
}

void MainWindow::sortTenNumberList(int column)
{
    m_sortColumn = column;
    m_tenModel->sortBy(column);
    showSortArrow(m_tenNumberList, column);
}

void MainWindow::showSortArrow(QTableView *list, int column)
{
    // Captions sort up, values down.
    if (column >= 0)
        list->horizontalHeader()->setSortIndicator(
            column, column == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void MainWindow::onCombinationSelected()
{
    const int row = selectedStatRow();
    if (row >= 0)
        setHighlight(highlightedDraws(m_statModel->table(), m_statModel->tableRow(row), load().draws));
    m_tenNumberList->hide();
}

void MainWindow::onCombinationDoubleClicked()
{
    const int row = selectedStatRow();
    if (row < 0)
        return;
    markStatRow(row);
    expandMarkedNumbers();
}

void MainWindow::markStatRow(int row)
{
    const StatTable &table = m_statModel->table();
    const int tableRow = m_statModel->tableRow(row);
    QList<int> numbers;
    if (table.kind == StatTable::Kind::Groups) {
        for (int n = table.groupLow(tableRow); n <= table.groupHigh(tableRow); ++n)
            numbers.append(n);
    } else {
        numbers = table.numbers(tableRow);
    }
    // Marks already set stay; none is cleared.
    const StatTable &list = m_numberModel->table();
    for (int i = 0; i < m_numberModel->rowCount(); ++i) {
        const QList<int> value = list.numbers(m_numberModel->tableRow(i));
        if (!value.isEmpty() && numbers.contains(value.first()))
            m_numberModel->setFlagged(i, true);
    }
}

void MainWindow::alignStatRecordLine()
{
    QHeaderView *header = m_combinationView->horizontalHeader();
    for (int column = 0; column < 2; ++column) {
        m_statRecordLine->header()->resizeSection(column, header->sectionSize(column));
        m_tenNumberList->horizontalHeader()->resizeSection(column, header->sectionSize(column));
    }
}

void MainWindow::prepareCombinationViewMenu()
{
    const int tag = m_statModel->table().modeTag;
    m_numbersFromTenAction->setEnabled(tag >= 1 && tag <= 29 && selectedStatRow() >= 0);
}

void MainWindow::onTensGridCellSelected(int, int row)
{
    if (row < 0 || row >= load().draws.rowCount())
        return;
    m_detailsView->setCurrentIndex(
        m_detailsModel->index(row, std::max(0, m_detailsView->currentIndex().column())));
}

} // namespace kivora
