// The layout of the main window: the tabs, the tool and filter bars, the four panes in
// their splitters and the status bar, and what the window does when a pane or a bar
// reports the user's choice.

#include "ui/MainWindow.h"

#include "ui/WindowStatusBar.h"
#include "ui/panes/FilterBar.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"
#include "ui/panes/ToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSplitter>
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

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setChildrenCollapsible(false);
    m_resultsPane = new ResultsPane(m_splitter);
    m_splitter->addWidget(m_resultsPane);
    m_splitter->addWidget(createRightPanel());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    layout->addWidget(m_splitter, 1);
    setCentralWidget(central);
    m_statusBar = new WindowStatusBar(this);
    setStatusBar(m_statusBar);
    m_statistics
        = new StatisticsCommands(*m_session, m_messages, m_resultsPane, m_numberPane, m_statisticsPane, this);
    connect(m_statistics, &StatisticsCommands::numbersChanged, this, [this] { expandMarkedNumbers(); });
    connectBars();

    connect(m_lotteryTabs, &QTabBar::currentChanged, this, [this] { loadCurrentLottery(); });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        m_userSplit = true;
        updateLayout(false);
    });
}

QWidget *MainWindow::createRightPanel()
{
    m_rightPanel = new QWidget(this);
    m_rightPanel->setObjectName(QStringLiteral("Panel4"));
    auto *row = new QHBoxLayout(m_rightPanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);

    m_numberPane = new NumberPane(m_rightPanel);
    connect(m_numberPane, &NumberPane::marksChanged, this, [this] { expandMarkedNumbers(); });
    connect(m_numberPane->chartAction(), &QAction::triggered, this, [this] { showNumberChart(); });
    connect(m_numberPane->exportAction(), &QAction::triggered, this, [this] { exportNumberListHtml(); });

    m_statisticsPane = new StatisticsPane(m_rightPanel);
    connect(
        m_statisticsPane->exportAction(), &QAction::triggered, this, [this] { exportCombinationViewHtml(); });

    m_ticketsPane = new TicketsPane(m_rightPanel);
    m_combinationModel = m_ticketsPane->model();
    connect(m_ticketsPane, &TicketsPane::activated, this, [this] { showCombinationsAsText(); });
    connect(m_ticketsPane->deleteAction(), &QAction::triggered, this, [this] { deleteCombination(); });
    connect(m_ticketsPane->saveAction(), &QAction::triggered, this, [this] { saveCombinations(); });
    connect(
        m_ticketsPane->exportAction(), &QAction::triggered, this, [this] { exportCombinationListHtml(); });
    connect(m_ticketsPane->printAction(), &QAction::triggered, this, [this] { printCombinations(); });

    // The three panes share the width by a splitter of their own, so that none forces
    // the window wider than a small screen.
    m_rightSplitter = new QSplitter(Qt::Horizontal, m_rightPanel);
    m_rightSplitter->setObjectName(QStringLiteral("Splitter2"));
    m_rightSplitter->setChildrenCollapsible(false);
    m_rightSplitter->addWidget(m_numberPane);
    m_rightSplitter->addWidget(m_statisticsPane);
    m_rightSplitter->addWidget(m_ticketsPane);
    m_rightSplitter->setStretchFactor(0, 0);
    m_rightSplitter->setStretchFactor(1, 1);
    m_rightSplitter->setStretchFactor(2, 0);
    row->addWidget(m_rightSplitter);
    connect(m_rightSplitter, &QSplitter::splitterMoved, this, [this] {
        m_userSplit = true;
        updateLayout(false);
    });

    return m_rightPanel;
}

void MainWindow::connectBars()
{
    m_toolBar->setStatisticsMenu(m_statistics->popupMenu());
    connect(m_toolBar, &ToolBar::addResultsClicked, this, [this] { addResults(); });
    connect(m_toolBar, &ToolBar::clearMarksClicked, this, [this] { clearMarks(); });
    connect(m_toolBar, &ToolBar::randomClicked, this, [this] { markRandomNumbers(); });
    connect(m_toolBar, &ToolBar::systemActivated, this, [this] { expandMarkedNumbers(); });
    connect(m_toolBar, &ToolBar::saveClicked, this, [this] { saveCombinations(); });
    connect(m_toolBar, &ToolBar::checkClicked, this, [this] { checkSavedCombinations(); });
    connect(m_toolBar, &ToolBar::exitClicked, this, [this] { close(); });
    connect(m_toolBar, &ToolBar::markAllClicked, this, [this] { markAllNumbers(); });
    connect(m_toolBar, &ToolBar::webClicked, this, [this] { openResultsWebPage(); });
    // A filter the user changed loads the lottery again under it.
    connect(m_filterBar, &FilterBar::filterChosen, this, [this] { loadCurrentLottery(); });
}

} // namespace kivora
