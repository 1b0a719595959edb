#pragma once

// The statistics commands: each statistic computed off the event loop and handed to
// the statistics pane, the sort of a large list, the position menus that follow the
// lottery, the tool bar's statistics menu, and the marks a row of a statistic sets
// in the number list. It also keeps the sorts the user chose for the two lists.

#include "core/Progress.h"
#include "statistics/CombinationStats.h"
#include "statistics/PositionStats.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace kivora {

class LotterySession;
class MessageCatalog;
class NumberPane;
class ResultsPane;
class StatTable;
class StatisticsPane;

class StatisticsCommands final : public QObject
{
    Q_OBJECT
public:
    // The menus and actions are made children of window, where the language files
    // and the tests find them by name.
    StatisticsCommands(LotterySession &session, const MessageCatalog &messages, ResultsPane *results,
        NumberPane *numbers, StatisticsPane *statistics, QWidget *window);

    // The tool bar's statistics menu.
    QMenu *popupMenu() const { return m_popupMenu; }
    // The main menu's position submenus and its additional-numbers command.
    QMenu *drawingOrderMenu() const { return m_drawingOrderMenu; }
    QMenu *ascendingOrderMenu() const { return m_ascendingOrderMenu; }
    QAction *additionalAction() const { return m_additionalAction; }

    // The column the list on show was last sorted by.
    int sortColumn() const { return m_sortColumn; }
    // The sorts kept across starts: the number list's column and the statistic's
    // (-1: each statistic's own order).
    int numberListSort() const { return m_numberListSort; }
    int statListSort() const { return m_statListSort; }
    void restoreSorts(int numberListSort, int statListSort);

    // The number list and the empty statistic of a new load, and the menus that
    // follow its lottery.
    void showLoad();
    // The position menus' items, in the current language.
    void rebuildPositionMenus();

    void runCombinations(int k, Family family, bool wait, std::function<void()> then = {});
    void runTens(int k, const char *toolbarItem);
    void showTensByDraw();
    void showAdditionalNumbers();
    // The statistic on show keeps its title in a new language (the language file
    // gives the pane the title of an empty one).
    void retitle();
    // Marks in the number list the numbers of a row of the statistic on show.
    void markStatRow(int row);

signals:
    // The number list's marks or order changed through a statistic: the tickets follow.
    void numbersChanged();

private:
    void createPopupMenu();
    void connectPanes();
    void showStatTable(std::shared_ptr<const StatTable> table, std::vector<int> order, int sort);
    void runStatistic(
        bool wait, std::function<StatTable(const Progress &)> compute, std::function<void()> then = {});
    void runPositions(int p, PositionOrder order);
    void showNumbersFromTen();
    void sortCombinationView(int column);

    LotterySession &m_session;
    const MessageCatalog &m_messages;
    ResultsPane *m_resultsPane = nullptr;
    NumberPane *m_numberPane = nullptr;
    StatisticsPane *m_statisticsPane = nullptr;
    QWidget *m_window = nullptr;

    QMenu *m_popupMenu = nullptr;
    QMenu *m_drawingOrderMenu = nullptr;
    QMenu *m_ascendingOrderMenu = nullptr;
    QMenu *m_drawingOrderPopup = nullptr;
    QMenu *m_ascendingOrderPopup = nullptr;
    QAction *m_additionalAction = nullptr;
    QAction *m_additionalPopupAction = nullptr;

    // The title of the statistic on show, made in the current language; none while
    // the pane shows no statistic.
    std::function<QString()> m_title;
    int m_sortColumn = 1;
    int m_numberListSort = 1;
    int m_statListSort = -1;
};

} // namespace kivora
