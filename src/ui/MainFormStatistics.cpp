// The statistics panel: every statistic's command, the combination view's sorting,
// draw highlight and marking, the statistics grid and the ten's number list.

#include "ui/MainForm.h"

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

Progress TMainForm::progress()
{
    return [this](int min, int max, int position) { ShowProgress(min, max, position); };
}

void TMainForm::showCombinationView()
{
    StringGrid4->hide();
    ListView2->show();
    ListView4->show();
}

void TMainForm::showStatTable(StatTable table)
{
    showCombinationView();
    ListView5->hide();
    GroupBox2->setTitle(table.title);
    ListView4->headerItem()->setText(1, table.recordText);
    ListView4->headerItem()->setText(2, table.topText);
    const int sort = table.initialSort;
    m_statModel->setTable(std::move(table));
    if (sort >= 0) {
        m_sortColumn = sort;
        m_statModel->sortBy(sort);
    }
    ListView2Resize();
}

void TMainForm::runCombinations(int k, Family family, bool wait)
{
    if (!m_load.ok)
        return;
    if (wait)
        showWait();
    showStatTable(combinationStats(m_load.draws, m_load.definition, k, family, m_messages, progress()));
    if (wait)
        closeWait();
}

void TMainForm::N35Click()
{
    runCombinations(2, Family::All, true);
}
void TMainForm::N37Click()
{
    runCombinations(2, Family::Neighbouring, false);
}
void TMainForm::N38Click()
{
    runCombinations(2, Family::Related, false);
}
void TMainForm::N74Click()
{
    runCombinations(3, Family::All, true);
}
void TMainForm::N66Click()
{
    runCombinations(3, Family::Neighbouring, true);
}
void TMainForm::N67Click()
{
    runCombinations(3, Family::Related, true);
}
void TMainForm::Menu_4_1Click()
{
    runCombinations(4, Family::All, true);
}
void TMainForm::Menu_4_2Click()
{
    runCombinations(4, Family::Neighbouring, true);
}
void TMainForm::Menu_4_3Click()
{
    runCombinations(4, Family::Related, true);
}

void TMainForm::runTens(int k, const char *toolbarItem)
{
    if (!m_load.ok)
        return;
    // The title names the toolbar menu's command, whichever menu was used.
    const auto *item = findChild<QAction *>(QLatin1String(toolbarItem));
    const QString title = tensTitle(m_messages, item ? withoutAccessKeys(item->text()) : QString());
    showStatTable(tensStats(m_load.draws, m_load.definition, k, title, progress()));
}

void TMainForm::N210Click()
{
    runTens(2, "popupN210");
}
void TMainForm::N3101Click()
{
    runTens(3, "popupN3101");
}
void TMainForm::N4101Click()
{
    runTens(4, "popupN4101");
}
void TMainForm::N5101Click()
{
    runTens(5, "popupN5101");
}
void TMainForm::N6101Click()
{
    runTens(6, "popupN6101");
}

void TMainForm::N60Click()
{
    if (!m_load.ok)
        return;
    m_statModel->clear();
    GroupCountsTable table = tensByDraw(m_load.draws, m_load.definition, m_messages, progress());
    GroupBox2->setTitle(table.title);
    ListView4->headerItem()->setText(1, table.recordText);
    ListView4->headerItem()->setText(2, table.topText);
    m_tensModel->setTable(std::move(table));
    ListView2->hide();
    ListView4->hide();
    ListView5->hide();
    StringGrid4->show();
    const int rows = m_tensModel->rowCount();
    if (rows > 0) {
        StringGrid4->scrollToBottom();
        StringGrid4->setCurrentIndex(m_tensModel->index(rows - 1, 0));
    }
}

void TMainForm::rebuildPositionMenus()
{
    for (QMenu *menu : { Mesto_1, Mesto_2, popupN45, popupN55 })
        menu->clear();
    for (int p = 1; p <= m_load.definition.drawNumber && m_load.ok; ++p) {
        const QString caption = m_messages("Str53") + QLatin1Char(' ') + QString::number(p);
        for (QMenu *menu : { Mesto_1, popupN45 }) {
            QAction *item = menu->addAction(caption, this, &TMainForm::Mesto1MenuOnClick);
            item->setData(p);
        }
        for (QMenu *menu : { Mesto_2, popupN55 }) {
            QAction *item = menu->addAction(caption, this, &TMainForm::Mesto2MenuOnClick);
            item->setData(p);
        }
    }
}

void TMainForm::runPositions(PositionOrder order)
{
    const auto *item = qobject_cast<QAction *>(sender());
    if (!item || !m_load.ok)
        return;
    const int p = item->data().toInt();
    // The title always names the item of the main menu's drawing-order submenu.
    const QList<QAction *> items = Mesto_1->actions();
    const QString caption = p - 1 < items.size() ? withoutAccessKeys(items.at(p - 1)->text()) : QString();
    showWait();
    showStatTable(positionStats(
        m_load.draws, m_load.definition, p, order, positionTitle(m_messages, order, caption), progress()));
    closeWait();
}

void TMainForm::Mesto1MenuOnClick()
{
    runPositions(PositionOrder::Drawing);
}
void TMainForm::Mesto2MenuOnClick()
{
    runPositions(PositionOrder::Ascending);
}

void TMainForm::DopNomerClick()
{
    if (!m_load.ok || !m_load.definition.hasAdditionalNumbers())
        return;
    showWait();
    showStatTable(
        additionalStats(m_load.draws, m_load.definition, withoutAccessKeys(DopNomer->text()), progress()));
    closeWait();
}

int TMainForm::selectedStatRow() const
{
    const QModelIndexList rows = ListView2->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TMainForm::displeynomerfromten()
{
    const int row = selectedStatRow();
    const StatTable &table = m_statModel->table();
    if (row < 0 || table.modeTag < 1 || table.modeTag > 29 || table.kind != StatTable::Kind::Groups)
        return;
    const int tableRow = m_statModel->tableRow(row);
    m_tenModel->setTable(tenCombos(m_load.draws, m_load.definition, table.groupLow(tableRow),
        table.groupHigh(tableRow), table.modeTag + 1, progress()));
    ListView5->setFixedHeight(qRound(GroupBox2->height() / 2.0));
    ListView5->show();
}

void TMainForm::ListView2ColumnClick(int column)
{
    m_sortColumn = column;
    m_statModel->sortBy(column);
}

void TMainForm::ListView5ColumnClick(int column)
{
    m_sortColumn = column;
    m_tenModel->sortBy(column);
}

void TMainForm::ListView2SelectItem()
{
    const int row = selectedStatRow();
    if (row >= 0)
        setHighlight(highlightedDraws(m_statModel->table(), m_statModel->tableRow(row), m_load.draws));
    ListView5->hide();
}

void TMainForm::ListView2DblClick()
{
    const int row = selectedStatRow();
    if (row < 0)
        return;
    markStatRow(row);
    ComboBox1Change();
}

void TMainForm::markStatRow(int row)
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

void TMainForm::ListView2Resize()
{
    QHeaderView *header = ListView2->horizontalHeader();
    for (int column = 0; column < 2; ++column) {
        ListView4->header()->resizeSection(column, header->sectionSize(column));
        ListView5->horizontalHeader()->resizeSection(column, header->sectionSize(column));
    }
}

void TMainForm::SortMenuPopup()
{
    const int tag = m_statModel->table().modeTag;
    N73->setEnabled(tag >= 1 && tag <= 29 && selectedStatRow() >= 0);
}

void TMainForm::StringGrid4SelectCell(int, int row)
{
    if (row < 0 || row >= m_load.draws.rowCount())
        return;
    DateGrid->setCurrentIndex(m_detailsModel->index(row, std::max(0, DateGrid->currentIndex().column())));
}

} // namespace kivora
