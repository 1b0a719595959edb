#include "ui/panes/StatisticsCommands.h"

#include "core/LanguageTexts.h"
#include "core/MessageCatalog.h"
#include "statistics/DrawHighlight.h"
#include "statistics/NumberList.h"
#include "statistics/TensStats.h"
#include "ui/LotterySession.h"
#include "ui/MenuItems.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace kivora {

using menuitems::subMenu;

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

StatisticsCommands::StatisticsCommands(LotterySession &session, const MessageCatalog &messages,
    ResultsPane *results, NumberPane *numbers, StatisticsPane *statistics, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_messages(messages)
    , m_resultsPane(results)
    , m_numberPane(numbers)
    , m_statisticsPane(statistics)
    , m_window(window)
{
    m_drawingOrderMenu = subMenu(window, nullptr, "Mesto_1", QStringLiteral("в порядке выпадения номеров"));
    m_ascendingOrderMenu
        = subMenu(window, nullptr, "Mesto_2", QStringLiteral("в порядке возрастания номеров"));
    m_additionalAction = new QAction(QStringLiteral("Дополнительные номера"), window);
    m_additionalAction->setObjectName(QStringLiteral("DopNomer"));
    connect(m_additionalAction, &QAction::triggered, this, [this] { showAdditionalNumbers(); });
    createPopupMenu();
    connectPanes();
}

void StatisticsCommands::createPopupMenu()
{
    // The toolbar's statistics menu runs the same commands as the main menu.
    QWidget *window = m_window;
    auto command
        = [this, window](QMenu *menu, const char *name, const QString &caption, std::function<void()> run) {
              return menuitems::command(window, this, menu, name, caption, std::move(run));
          };
    m_popupMenu = new QMenu(window);
    m_popupMenu->setObjectName(QStringLiteral("StatPopupMenu"));
    QMenu *pairs = subMenu(window, m_popupMenu, "popupPairs", QStringLiteral("Статистика по парам номеров"));
    command(pairs, "popupN35", QStringLiteral("все"), [this] { runCombinations(2, Family::All, true); });
    command(pairs, "popupN37", QStringLiteral("соседние"),
        [this] { runCombinations(2, Family::Neighbouring, false); });
    command(pairs, "popupN38", QStringLiteral("родственные"),
        [this] { runCombinations(2, Family::Related, false); });
    QMenu *triples
        = subMenu(window, m_popupMenu, "popupTriples", QStringLiteral("Статистика по тройкам номеров"));
    command(triples, "popupN74", QStringLiteral("все"), [this] { runCombinations(3, Family::All, true); });
    command(triples, "popupN66", QStringLiteral("соседние"),
        [this] { runCombinations(3, Family::Neighbouring, true); });
    command(triples, "popupN67", QStringLiteral("родственные"),
        [this] { runCombinations(3, Family::Related, true); });
    QMenu *quads
        = subMenu(window, m_popupMenu, "popupQuads", QStringLiteral("Статистика по четверкам номеров"));
    command(quads, "popupMenu_4_1", QStringLiteral("все"), [this] { runCombinations(4, Family::All, true); });
    command(quads, "popupMenu_4_2", QStringLiteral("соседние"),
        [this] { runCombinations(4, Family::Neighbouring, true); });
    command(quads, "popupMenu_4_3", QStringLiteral("родственные"),
        [this] { runCombinations(4, Family::Related, true); });
    QMenu *tens = subMenu(window, m_popupMenu, "popupTens", QStringLiteral("Статистика по десяткам"));
    command(tens, "popupN210", QStringLiteral("по 2 номера в десятке"), [this] { runTens(2, "popupN210"); });
    command(
        tens, "popupN3101", QStringLiteral("по 3 номера в десятке"), [this] { runTens(3, "popupN3101"); });
    command(
        tens, "popupN4101", QStringLiteral("по 4 номера в десятке"), [this] { runTens(4, "popupN4101"); });
    command(
        tens, "popupN5101", QStringLiteral("по 5 номеров в десятке"), [this] { runTens(5, "popupN5101"); });
    command(
        tens, "popupN6101", QStringLiteral("по 6 номеров в десятке"), [this] { runTens(6, "popupN6101"); });
    tens->addSeparator();
    command(tens, "popupN60", QStringLiteral("все розыгрыши"), [this] { showTensByDraw(); });
    QMenu *positions = subMenu(window, m_popupMenu, "popupPositions", QStringLiteral("Позиционный анализ"));
    m_drawingOrderPopup
        = subMenu(window, positions, "popupN45", QStringLiteral("в порядке выпадения номеров"));
    m_ascendingOrderPopup
        = subMenu(window, positions, "popupN55", QStringLiteral("в порядке возрастания номеров"));
    m_additionalPopupAction = command(m_popupMenu, "popupdopnumber",
        QStringLiteral("Статистика по дополнительным номерам"), [this] { showAdditionalNumbers(); });
}

void StatisticsCommands::connectPanes()
{
    connect(m_numberPane, &NumberPane::sortChosen, this, [this](int column) {
        m_sortColumn = column;
        m_numberListSort = column;
        emit numbersChanged();
    });
    connect(m_numberPane, &NumberPane::numberSelected, this,
        [this](int number) { m_resultsPane->setHighlight(drawsWithNumber(m_session.load().draws, number)); });
    StatisticsPane *pane = m_statisticsPane;
    connect(pane, &StatisticsPane::sortChosen, this, [this](int column) { sortCombinationView(column); });
    connect(pane, &StatisticsPane::tenSortChosen, this, [this](int column) { m_sortColumn = column; });
    connect(pane, &StatisticsPane::highlightChosen, this, [this](int row) {
        const StatTableModel *model = m_statisticsPane->model();
        m_resultsPane->setHighlight(
            highlightedDraws(model->table(), model->tableRow(row), m_session.load().draws));
    });
    connect(pane, &StatisticsPane::rowActivated, this, [this](int row) {
        markStatRow(row);
        emit numbersChanged();
    });
    connect(pane, &StatisticsPane::drawSelected, this, [this](int row) {
        if (row < m_session.load().draws.rowCount())
            m_resultsPane->selectDetailsRow(row);
    });
    connect(pane->numbersFromTenAction(), &QAction::triggered, this, [this] { showNumbersFromTen(); });
}

void StatisticsCommands::restoreSorts(int numberListSort, int statListSort)
{
    m_numberListSort = numberListSort;
    m_statListSort = statListSort;
}

void StatisticsCommands::showLoad()
{
    const LoadResult &load = m_session.load();
    m_title = {};
    rebuildPositionMenus();
    m_additionalAction->setEnabled(load.definition.hasAdditionalNumbers());
    m_additionalPopupAction->setEnabled(load.definition.hasAdditionalNumbers());
    // Statistics panel back to an empty list under its own title.
    m_statisticsPane->showDraws(&load.draws);
    // The number list, sorted as the user last chose; every row starts unmarked.
    StatTable numbers = numberListTable(load);
    m_sortColumn = m_numberListSort;
    m_numberPane->showTable(std::move(numbers), m_sortColumn);
}

void StatisticsCommands::runStatistic(
    bool wait, std::function<StatTable(const Progress &)> compute, std::function<void()> then)
{
    if (!m_session.load().ok)
        return;
    // A sortable statistic opens in the order the user last chose for the view.
    const int userSort = m_statListSort;
    m_session.runJob<std::shared_ptr<ComputedStatistic>>(
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

void StatisticsCommands::showStatTable(
    std::shared_ptr<const StatTable> table, std::vector<int> order, int sort)
{
    m_statisticsPane->showTable(std::move(table), std::move(order), sort);
    if (sort >= 0)
        m_sortColumn = sort;
}

void StatisticsCommands::runCombinations(int k, Family family, bool wait, std::function<void()> then)
{
    auto loaded = m_session.loaded();
    const MessageCatalog messages = m_messages;
    m_title = [this, k, family] { return combinationTitle(k, family, m_messages); };
    runStatistic(
        wait,
        [loaded, messages, k, family](const Progress &progress) {
            return combinationStats(loaded->draws, loaded->definition, k, family, messages, progress);
        },
        std::move(then));
}

void StatisticsCommands::runTens(int k, const char *toolbarItem)
{
    if (!m_session.load().ok)
        return;
    // The title names the toolbar menu's command, whichever menu was used.
    m_title = [this, name = QLatin1String(toolbarItem)] {
        const auto *item = m_window->findChild<QAction *>(name);
        return tensTitle(m_messages, item ? withoutAccessKeys(item->text()) : QString());
    };
    const QString title = m_title();
    auto loaded = m_session.loaded();
    runStatistic(false, [loaded, k, title](const Progress &progress) {
        return tensStats(loaded->draws, loaded->definition, k, title, progress);
    });
}

void StatisticsCommands::showTensByDraw()
{
    if (!m_session.load().ok)
        return;
    auto loaded = m_session.loaded();
    const MessageCatalog messages = m_messages;
    m_title = [this] { return m_messages("Str28"); };
    m_session.runJob<std::shared_ptr<GroupCountsTable>>(
        false,
        [loaded, messages](const Progress &progress) {
            return std::make_shared<GroupCountsTable>(
                tensByDraw(loaded->draws, loaded->definition, messages, progress));
        },
        [this](std::shared_ptr<GroupCountsTable> table) { m_statisticsPane->showTens(std::move(*table)); });
}

void StatisticsCommands::rebuildPositionMenus()
{
    const LoadResult &load = m_session.load();
    for (QMenu *menu :
        { m_drawingOrderMenu, m_ascendingOrderMenu, m_drawingOrderPopup, m_ascendingOrderPopup })
        menu->clear();
    for (int p = 1; p <= load.definition.drawNumber && load.ok; ++p) {
        const QString caption = m_messages("Str53") + QLatin1Char(' ') + QString::number(p);
        for (QMenu *menu : { m_drawingOrderMenu, m_drawingOrderPopup }) {
            menu->addAction(caption, this, [this, p] { runPositions(p, PositionOrder::Drawing); });
        }
        for (QMenu *menu : { m_ascendingOrderMenu, m_ascendingOrderPopup }) {
            menu->addAction(caption, this, [this, p] { runPositions(p, PositionOrder::Ascending); });
        }
    }
}

void StatisticsCommands::runPositions(int p, PositionOrder order)
{
    if (!m_session.load().ok)
        return;
    // The title always names the item of the main menu's drawing-order submenu.
    m_title = [this, p, order] {
        const QList<QAction *> items = m_drawingOrderMenu->actions();
        const QString caption = p - 1 < items.size() ? withoutAccessKeys(items.at(p - 1)->text()) : QString();
        return positionTitle(m_messages, order, caption);
    };
    const QString title = m_title();
    auto loaded = m_session.loaded();
    runStatistic(true, [loaded, p, order, title](const Progress &progress) {
        return positionStats(loaded->draws, loaded->definition, p, order, title, progress);
    });
}

void StatisticsCommands::showAdditionalNumbers()
{
    if (!m_session.load().ok || !m_session.load().definition.hasAdditionalNumbers())
        return;
    m_title = [this] { return withoutAccessKeys(m_additionalAction->text()); };
    const QString title = m_title();
    auto loaded = m_session.loaded();
    runStatistic(true, [loaded, title](const Progress &progress) {
        return additionalStats(loaded->draws, loaded->definition, title, progress);
    });
}

void StatisticsCommands::showNumbersFromTen()
{
    const StatTableModel *model = m_statisticsPane->model();
    const int row = m_statisticsPane->selectedRow();
    const StatTable &table = model->table();
    if (row < 0 || table.modeTag < 1 || table.modeTag > 29 || table.kind != StatTable::Kind::Groups)
        return;
    const int tableRow = model->tableRow(row);
    const int low = table.groupLow(tableRow);
    const int high = table.groupHigh(tableRow);
    const int k = table.modeTag + 1;
    // "Сочетания по 2 из номеров 11-20": what the list under the groups holds.
    const QString caption = m_messages("Str767").arg(k).arg(model->caption(row));
    auto loaded = m_session.loaded();
    m_session.runJob<std::shared_ptr<StatTable>>(
        false,
        [loaded, low, high, k](const Progress &progress) {
            return std::make_shared<StatTable>(
                tenCombos(loaded->draws, loaded->definition, low, high, k, progress));
        },
        [this, caption](std::shared_ptr<StatTable> combos) {
            m_statisticsPane->showTenNumbers(std::move(*combos), caption);
        });
}

void StatisticsCommands::sortCombinationView(int column)
{
    // A million rows take a tenth of a second to sort: that is done off the event loop,
    // when no other job runs.
    constexpr int kSortHere = 100000;
    StatTableModel *model = m_statisticsPane->model();
    const bool big = model->rowCount() > kSortHere;
    if (big && m_session.isBusy())
        return;
    m_sortColumn = column;
    m_statListSort = column;
    m_statisticsPane->showSortColumn(column);
    if (!big) {
        model->sortBy(column);
        return;
    }
    auto table = model->sharedTable();
    m_session.runJob<std::shared_ptr<std::vector<int>>>(
        false,
        [table, column](
            const Progress &) { return std::make_shared<std::vector<int>>(sortedOrder(*table, column)); },
        [this, table](std::shared_ptr<std::vector<int>> order) {
            StatTableModel *view = m_statisticsPane->model();
            if (view->sharedTable() == table)
                view->setOrder(std::move(*order));
        });
}

void StatisticsCommands::retitle()
{
    if (m_title)
        m_statisticsPane->setTitle(m_title());
}

void StatisticsCommands::markStatRow(int row)
{
    const StatTableModel *statistic = m_statisticsPane->model();
    const StatTable &table = statistic->table();
    const int tableRow = statistic->tableRow(row);
    QList<int> numbers;
    if (table.kind == StatTable::Kind::Groups) {
        for (int n = table.groupLow(tableRow); n <= table.groupHigh(tableRow); ++n)
            numbers.append(n);
    } else {
        numbers = table.numbers(tableRow);
    }
    // Marks already set stay; none is cleared.
    StatTableModel *numberList = m_numberPane->model();
    const StatTable &list = numberList->table();
    for (int i = 0; i < numberList->rowCount(); ++i) {
        const QList<int> value = list.numbers(numberList->tableRow(i));
        if (!value.isEmpty() && numbers.contains(value.first()))
            numberList->setFlagged(i, true);
    }
}

} // namespace kivora
