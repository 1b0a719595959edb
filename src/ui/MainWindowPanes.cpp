// The layout of the main window: the tabs, the four panes in their splitters and the
// status bar, and what the window does when a pane reports the user's choice. The tool
// bar and the filter bar are in MainWindowToolbar.cpp.

#include "ui/MainWindow.h"

#include "statistics/DrawHighlight.h"
#include "ui/StatusPanel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"
#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
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
    layout->addWidget(createToolbar());
    layout->addWidget(createFilterBar());

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
    createStatusBar();

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
    m_numberModel = m_numberPane->model();
    connect(m_numberPane, &NumberPane::sortChosen, this, [this](int column) {
        m_sortColumn = column;
        m_numberListSort = column;
        m_play->expandMarkedNumbers();
    });
    connect(m_numberPane, &NumberPane::numberSelected, this,
        [this](int number) { m_resultsPane->setHighlight(drawsWithNumber(load().draws, number)); });
    connect(m_numberPane->exportAction(), &QAction::triggered, this, [this] { exportNumberListHtml(); });

    m_statisticsPane = new StatisticsPane(m_rightPanel);
    m_statModel = m_statisticsPane->model();
    connectStatisticsPane();

    m_ticketsPane = new TicketsPane(m_rightPanel);

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

void MainWindow::createPlayCommands()
{
    // The play side gets the panes and panels it works on, and asks the window for
    // what only the window does.
    PlayWindowParts parts;
    parts.window = this;
    parts.session = m_session;
    parts.folder = &m_folder;
    parts.messages = &m_messages;
    parts.services = &m_services;
    parts.dialogs = m_dialogs.get();
    parts.numberPane = m_numberPane;
    parts.statisticsPane = m_statisticsPane;
    parts.ticketsPane = m_ticketsPane;
    parts.resultsPane = m_resultsPane;
    parts.systemBox = m_systemBox;
    parts.statusText = m_statusText;
    parts.markStatus = m_markStatus;
    parts.ticketStatus = m_ticketStatus;
    parts.currentLottery = [this] { return currentLottery(); };
    parts.languageCode = [this] { return m_languageCode; };
    parts.showProgress = [this](int min, int max, int position) { showProgress(min, max, position); };
    parts.showTextFile = [this](const QString &path, bool wait) { showTextFile(path, wait); };
    parts.showWait = [this] { showWait(); };
    parts.showAllPairs
        = [this](std::function<void()> then) { runCombinations(2, Family::All, true, std::move(then)); };
    parts.markStatRow = [this](int row) { markStatRow(row); };
    m_play = new PlayCommands(std::move(parts), this);
}

void MainWindow::connectStatisticsPane()
{
    StatisticsPane *pane = m_statisticsPane;
    connect(pane, &StatisticsPane::sortChosen, this, [this](int column) { sortCombinationView(column); });
    connect(pane, &StatisticsPane::tenSortChosen, this, [this](int column) { m_sortColumn = column; });
    connect(pane, &StatisticsPane::highlightChosen, this, [this](int row) {
        m_resultsPane->setHighlight(
            highlightedDraws(m_statModel->table(), m_statModel->tableRow(row), load().draws));
    });
    connect(pane, &StatisticsPane::rowActivated, this, [this](int row) {
        markStatRow(row);
        m_play->expandMarkedNumbers();
    });
    connect(pane, &StatisticsPane::drawSelected, this, [this](int row) {
        if (row < load().draws.rowCount())
            m_resultsPane->selectDetailsRow(row);
    });
    connect(pane->numbersFromTenAction(), &QAction::triggered, this, [this] { showNumbersFromTen(); });
    connect(pane->exportAction(), &QAction::triggered, this, [this] { exportCombinationViewHtml(); });
}

void MainWindow::createStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    m_statusText = new StatusPanel(bar);
    m_statusText->setObjectName(QStringLiteral("StatusPanel0"));
    m_markStatus = new StatusPanel(bar);
    m_markStatus->setObjectName(QStringLiteral("StatusPanel1"));
    m_ticketStatus = new StatusPanel(bar);
    m_ticketStatus->setObjectName(QStringLiteral("StatusPanel2"));
    m_progressBar = new QProgressBar(bar);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setRange(0, 1000);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setMaximumHeight(16);
    for (QLabel *panel : { m_statusText, m_markStatus, m_ticketStatus }) {
        panel->setProperty("dynamicText", true);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    bar->addWidget(m_statusText);
    bar->addWidget(m_markStatus);
    bar->addWidget(m_ticketStatus);
    bar->addWidget(m_progressBar, 1);
    setStatusBar(bar);
}

} // namespace kivora
