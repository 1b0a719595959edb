// The layout of the main window: the tabs, the tool and filter bars, the four panes in
// their splitters and the status bar, and what the window does when a pane or a bar
// reports the user's choice.

#include "ui/MainWindow.h"

#include "ui/DesktopCommands.h"
#include "ui/ResultsCommands.h"
#include "ui/ResultsUpdateCommands.h"

#include "ui/LanguageSwitcher.h"
#include "ui/WindowStatusBar.h"
#include "ui/panes/FilterBar.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/PaneLayout.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"
#include "ui/panes/ToolBar.h"
#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QComboBox>
#include <QTabBar>
#include <QVBoxLayout>

namespace kivora {

void MainWindow::createPanes()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("TabArea"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);

    m_lotteryTabs = new QTabBar(central);
    m_lotteryTabs->setObjectName(QStringLiteral("TabControl1"));
    m_lotteryTabs->setExpanding(false);
    m_lotteryTabs->setDrawBase(true);
    layout->addWidget(m_lotteryTabs);
    m_toolBar = new ToolBar(this);
    layout->addWidget(m_toolBar);
    m_filterBar = new FilterBar(this);
    layout->addWidget(m_filterBar);

    m_panes = new PaneLayout(central);
    m_resultsPane = m_panes->resultsPane();
    m_numberPane = m_panes->numberPane();
    m_statisticsPane = m_panes->statisticsPane();
    m_ticketsPane = m_panes->ticketsPane();
    layout->addWidget(m_panes, 1);
    setCentralWidget(central);
    m_statusBar = new WindowStatusBar(this);
    setStatusBar(m_statusBar);
    m_statistics
        = new StatisticsCommands(*m_session, m_messages, m_resultsPane, m_numberPane, m_statisticsPane, this);
    connect(
        m_statistics, &StatisticsCommands::numbersChanged, this, [this] { m_play->expandMarkedNumbers(); });
    connectPanes();
    connectBars();

    connect(m_lotteryTabs, &QTabBar::currentChanged, this, [this] {
        m_panes->setLottery(currentLottery());
        loadCurrentLottery();
    });
}

void MainWindow::connectPanes()
{
    // The status bar's panels follow the panes above them.
    connect(m_panes, &PaneLayout::fitted, this, [this] {
        m_statusBar->setPanelWidths(
            m_resultsPane->width() + 4, m_numberPane->width() + 2, m_statisticsPane->width() + 2);
    });
    connect(m_numberPane, &NumberPane::marksChanged, this, [this] { m_play->expandMarkedNumbers(); });
    connect(m_numberPane->chartAction(), &QAction::triggered, this, [this] { m_play->showNumberChart(); });
    connect(m_numberPane->exportAction(), &QAction::triggered, this,
        [this] { m_desktop->exportList(m_numberPane->model(), m_numberPane->title()); });
    connect(m_statisticsPane->exportAction(), &QAction::triggered, this,
        [this] { m_desktop->exportList(m_statisticsPane->model(), m_statisticsPane->title()); });
    connect(m_ticketsPane, &TicketsPane::activated, this, [this] { m_play->showCombinationsAsText(); });
    connect(
        m_ticketsPane->deleteAction(), &QAction::triggered, this, [this] { m_play->deleteCombination(); });
    connect(m_ticketsPane->saveAction(), &QAction::triggered, this, [this] { m_play->saveCombinations(); });
    connect(m_ticketsPane->exportAction(), &QAction::triggered, this,
        [this] { m_play->exportCombinationListHtml(); });
    connect(m_ticketsPane->printAction(), &QAction::triggered, this, [this] { m_play->printCombinations(); });
}

void MainWindow::connectBars()
{
    m_toolBar->setStatisticsMenu(m_statistics->popupMenu());
    connect(m_toolBar, &ToolBar::addResultsClicked, this, [this] { m_results->addResults(); });
    connect(m_toolBar, &ToolBar::clearMarksClicked, this, [this] { m_play->clearMarks(); });
    connect(m_toolBar, &ToolBar::randomClicked, this, [this] { m_play->markRandomNumbers(); });
    connect(m_toolBar, &ToolBar::systemActivated, this, [this] { m_play->expandMarkedNumbers(); });
    connect(m_toolBar, &ToolBar::saveClicked, this, [this] { m_play->saveCombinations(); });
    connect(m_toolBar, &ToolBar::checkClicked, this, [this] { m_play->checkSavedCombinations(); });
    connect(m_toolBar, &ToolBar::exitClicked, this, [this] { close(); });
    connect(m_toolBar, &ToolBar::markAllClicked, this, [this] { m_play->markAllNumbers(); });
    connect(m_toolBar, &ToolBar::webClicked, this, [this] { m_desktop->openResultsWebPage(); });
    connect(m_toolBar, &ToolBar::updateResultsClicked, this, [this] { m_updates->updateResults(); });
    // A filter the user changed loads the lottery again under it.
    connect(m_filterBar, &FilterBar::filterChosen, this, [this] { loadCurrentLottery(); });
}

WindowParts MainWindow::windowParts()
{
    WindowParts parts;
    parts.window = this;
    parts.session = m_session;
    parts.folder = &m_folder;
    parts.messages = &m_messages;
    parts.services = &m_services;
    parts.dialogs = m_dialogs.get();
    parts.statusBar = m_statusBar;
    parts.currentLottery = [this] { return currentLottery(); };
    parts.languageCode = [this] { return m_language->code(); };
    parts.reload = [this](std::function<void()> then) { loadCurrentLottery(std::move(then)); };
    parts.showTextFile = [this](const QString &path, bool wait) { m_desktop->showTextFile(path, wait); };
    return parts;
}

void MainWindow::createCommands()
{
    m_desktop = new DesktopCommands(windowParts(), this);
    m_results = new ResultsCommands(windowParts(), this);
    m_updates = new ResultsUpdateCommands(
        windowParts(), [this] { m_results->importResultsFile(); },
        [this](const QString &lottery) { m_lotteryTabs->setCurrentIndex(m_lotteryTabs->addTab(lottery)); },
        this);
    // The play side gets the panes and bars it works on, and asks the window for what
    // only the window does.
    PlayWindowParts parts;
    static_cast<WindowParts &>(parts) = windowParts();
    parts.numberPane = m_numberPane;
    parts.statisticsPane = m_statisticsPane;
    parts.ticketsPane = m_ticketsPane;
    parts.resultsPane = m_resultsPane;
    parts.systemBox = m_toolBar->systemBox();
    parts.showProgress = [this](int min, int max, int position) { showProgress(min, max, position); };
    parts.showAllPairs = [this](std::function<void()> then) {
        m_statistics->runCombinations(2, Family::All, true, std::move(then));
    };
    parts.markStatRow = [this](int row) { m_statistics->markStatRow(row); };
    m_play = new PlayCommands(std::move(parts), this);
}

} // namespace kivora
