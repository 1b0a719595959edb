// The statistics commands: each statistic computed off the event loop and handed to
// the statistics pane, the sort of a large list, and the marks a row of the list sets
// in the number list.

#include "ui/MainWindow.h"

#include "core/LanguageTexts.h"
#include "statistics/CombinationStats.h"
#include "statistics/DrawHighlight.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"

#include <QAction>
#include <QMenu>

namespace kivora {

namespace {

// A statistic as a job makes it: the table, shared with the view, and its display
// order, sorted off the event loop too.
struct ComputedStatistic
{
    std::shared_ptr<const StatTable> table;
    std::vector<int> order;
    int sort = -1;
};

} // namespace

void MainWindow::runStatistic(
    bool wait, std::function<StatTable(const Progress &)> compute, std::function<void()> then)
{
    if (!load().ok)
        return;
    // A sortable statistic opens in the order the user last chose for the view.
    const int userSort = m_statListSort;
    runJob<std::shared_ptr<ComputedStatistic>>(
        wait,
        [compute = std::move(compute), userSort](const Progress &progress) {
            auto result = std::make_shared<ComputedStatistic>();
            StatTable table = compute(progress);
            result->sort = table.initialSort >= 0 && userSort >= 0 ? userSort : table.initialSort;
            if (result->sort >= 0)
                result->order = sortedOrder(table, result->sort);
            result->table = std::make_shared<const StatTable>(std::move(table));
            return result;
        },
        [this, then = std::move(then)](std::shared_ptr<ComputedStatistic> result) {
            showStatTable(result->table, std::move(result->order), result->sort);
            if (then)
                then();
        });
}

void MainWindow::showStatTable(std::shared_ptr<const StatTable> table, std::vector<int> order, int sort)
{
    m_statisticsPane->showTable(std::move(table), std::move(order), sort);
    if (sort >= 0)
        m_sortColumn = sort;
}

void MainWindow::runCombinations(int k, Family family, bool wait, std::function<void()> then)
{
    auto loaded = m_session->loaded();
    const MessageCatalog messages = m_messages;
    runStatistic(
        wait,
        [loaded, messages, k, family](const Progress &progress) {
            return combinationStats(loaded->draws, loaded->definition, k, family, messages, progress);
        },
        std::move(then));
}

void MainWindow::runTens(int k, const char *toolbarItem)
{
    if (!load().ok)
        return;
    // The title names the toolbar menu's command, whichever menu was used.
    const auto *item = findChild<QAction *>(QLatin1String(toolbarItem));
    const QString title = tensTitle(m_messages, item ? withoutAccessKeys(item->text()) : QString());
    auto loaded = m_session->loaded();
    runStatistic(false, [loaded, k, title](const Progress &progress) {
        return tensStats(loaded->draws, loaded->definition, k, title, progress);
    });
}

void MainWindow::showTensByDraw()
{
    if (!load().ok)
        return;
    auto loaded = m_session->loaded();
    const MessageCatalog messages = m_messages;
    runJob<std::shared_ptr<GroupCountsTable>>(
        false,
        [loaded, messages](const Progress &progress) {
            return std::make_shared<GroupCountsTable>(
                tensByDraw(loaded->draws, loaded->definition, messages, progress));
        },
        [this](std::shared_ptr<GroupCountsTable> table) { m_statisticsPane->showTens(std::move(*table)); });
}

void MainWindow::rebuildPositionMenus()
{
    for (QMenu *menu :
        { m_drawingOrderMenu, m_ascendingOrderMenu, m_drawingOrderPopup, m_ascendingOrderPopup })
        menu->clear();
    for (int p = 1; p <= load().definition.drawNumber && load().ok; ++p) {
        const QString caption = m_messages("Str53") + QLatin1Char(' ') + QString::number(p);
        for (QMenu *menu : { m_drawingOrderMenu, m_drawingOrderPopup }) {
            menu->addAction(caption, this, [this, p] { runPositions(p, PositionOrder::Drawing); });
        }
        for (QMenu *menu : { m_ascendingOrderMenu, m_ascendingOrderPopup }) {
            menu->addAction(caption, this, [this, p] { runPositions(p, PositionOrder::Ascending); });
        }
    }
}

void MainWindow::runPositions(int p, PositionOrder order)
{
    if (!load().ok)
        return;
    // The title always names the item of the main menu's drawing-order submenu.
    const QList<QAction *> items = m_drawingOrderMenu->actions();
    const QString caption = p - 1 < items.size() ? withoutAccessKeys(items.at(p - 1)->text()) : QString();
    const QString title = positionTitle(m_messages, order, caption);
    auto loaded = m_session->loaded();
    runStatistic(true, [loaded, p, order, title](const Progress &progress) {
        return positionStats(loaded->draws, loaded->definition, p, order, title, progress);
    });
}

void MainWindow::showAdditionalNumbers()
{
    if (!load().ok || !load().definition.hasAdditionalNumbers())
        return;
    const QString title = withoutAccessKeys(m_additionalAction->text());
    auto loaded = m_session->loaded();
    runStatistic(true, [loaded, title](const Progress &progress) {
        return additionalStats(loaded->draws, loaded->definition, title, progress);
    });
}

void MainWindow::showNumbersFromTen()
{
    const int row = m_statisticsPane->selectedRow();
    const StatTable &table = m_statModel->table();
    if (row < 0 || table.modeTag < 1 || table.modeTag > 29 || table.kind != StatTable::Kind::Groups)
        return;
    const int tableRow = m_statModel->tableRow(row);
    const int low = table.groupLow(tableRow);
    const int high = table.groupHigh(tableRow);
    const int k = table.modeTag + 1;
    auto loaded = m_session->loaded();
    runJob<std::shared_ptr<StatTable>>(
        false,
        [loaded, low, high, k](const Progress &progress) {
            return std::make_shared<StatTable>(
                tenCombos(loaded->draws, loaded->definition, low, high, k, progress));
        },
        [this](std::shared_ptr<StatTable> combos) { m_statisticsPane->showTenNumbers(std::move(*combos)); });
}

void MainWindow::sortCombinationView(int column)
{
    // A million rows take a tenth of a second to sort: that is done off the event loop,
    // when no other job runs.
    constexpr int kSortHere = 100000;
    const bool big = m_statModel->rowCount() > kSortHere;
    if (big && isBusy())
        return;
    m_sortColumn = column;
    m_statListSort = column;
    m_statisticsPane->showSortColumn(column);
    if (!big) {
        m_statModel->sortBy(column);
        return;
    }
    auto table = m_statModel->sharedTable();
    runJob<std::shared_ptr<std::vector<int>>>(
        false,
        [table, column](
            const Progress &) { return std::make_shared<std::vector<int>>(sortedOrder(*table, column)); },
        [this, table](std::shared_ptr<std::vector<int>> order) {
            if (m_statModel->sharedTable() == table)
                m_statModel->setOrder(std::move(*order));
        });
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

} // namespace kivora
