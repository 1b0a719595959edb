#pragma once

// The main window: a shell over four panes (results, numbers, statistics, tickets),
// each of which owns its views, models and pop-up menu. The window keeps the menu bar,
// the tool and filter bars, the status bar, the tabs and splitters and the language;
// it holds the last load and wires every command to the domain functions. The play
// commands (marks, systems, tickets, forecasts, analysis) are PlayCommands', the
// long-lived dialogs WindowDialogs'. Building the window and menus, and each group of
// the window's own commands, live in their own MainWindow*.cpp files.

#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"
#include "statistics/CombinationStats.h"
#include "statistics/PositionStats.h"
#include "statistics/StatTable.h"
#include "ui/LotterySession.h"
#include "ui/PlatformServices.h"

#include <QMainWindow>
#include <QTranslator>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QProgressBar;
class QSpinBox;
class QSplitter;
class QTabBar;
class QTimer;
class QToolButton;

namespace kivora {

class PlatformServices;
class StatTableModel;
class StatusPanel;
class WaitWindow;
class JobRunner;
class NumberPane;
class PlayCommands;
class ResultsPane;
class StatisticsPane;
class TicketsPane;
class WindowDialogs;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(const ProgramFolder &folder, PlatformServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Reads the configuration (window state, language, tabs) and shows the window,
    // which loads the first lottery.
    void start();

    // State the dialogs and tests read.
    const ProgramFolder &folder() const { return m_folder; }
    const MessageCatalog &messages() const { return m_messages; }
    const LoadResult &loaded() const { return m_session->load(); }
    // True while a long job (a load, a statistic, an export ...) runs off the event loop.
    bool isBusy() const;
    // Waits, letting events run, until no job runs.
    void waitUntilIdle();

signals:
    // The last job ended (done, cancelled or failed).
    void jobsFinished();

public:
    QString currentLottery() const;
    int sortColumn() const { return m_sortColumn; }

    // Shows a long loop's progress in the status bar and lets pending window events
    // (but not user input) run, so the window repaints while no second command starts.
    void showProgress(int min, int max, int position);

    // Loads the lottery of the current tab off the event loop; then runs after the
    // load was shown.
    void loadCurrentLottery(std::function<void()> then = {});

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Construction (MainWindowPanes.cpp, MainWindowMenus.cpp).
    void createPanes();
    QWidget *createToolbar();
    QToolButton *addToolButton(QHBoxLayout *row, const char *name, const char *icon, const QString &hint,
        std::function<void()> command);
    QWidget *createFilterBar();
    QWidget *createRightPanel();
    void connectStatisticsPane();
    void createPlayCommands();
    void createStatusBar();
    void createMenus();
    void createPopupMenus();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, std::function<void()> command);
    void updateLayout(bool resizeRightPanel);
    // Sizes from the font and the data (MainWindowMetrics.cpp).
    void applyMetrics();

    // Start-up and closing (MainWindowState.cpp).
    void readWindowSettings();
    void onFirstShow();
    void saveWindowSettings();
    void fillLanguageMenu();
    void placeOnScreen(const QPoint &topLeft, const QSize &storedSize);
    void switchLanguage(const QString &fileName);
    void applyQtTranslations();
    void applyLanguage(bool atStart);
    QString languagePath() const;

    // Results (MainWindowResults.cpp).
    void onMachineFilterChanged();
    void onBallSetFilterChanged();
    void onLastDrawsCountChanged();
    void fillChoiceLists();
    void showLoad();

    // Statistics panel (MainWindowStatistics.cpp).
    void showStatTable(std::shared_ptr<const StatTable> table, std::vector<int> order, int sort);
    // Computes a statistic off the event loop and shows it in the combination view.
    void runStatistic(
        bool wait, std::function<StatTable(const Progress &)> compute, std::function<void()> then = {});
    void sortCombinationView(int column);

    void showTensByDraw();
    void showAdditionalNumbers();
    void showNumbersFromTen();
    void rebuildPositionMenus();
    void runCombinations(int k, Family family, bool wait, std::function<void()> then = {});
    void runTens(int k, const char *toolbarItem);
    void runPositions(int p, PositionOrder order);
    void markStatRow(int row);

    // Reports, services and commands that only open something (MainWindowCommands.cpp).
    void addResults();
    void importResultsFile();
    void editResultsBase();
    // Shows a text file in the editor the user chose in the settings, or else in the
    // program's own editor window; with wait, returns after it is closed.
    void showTextFile(const QString &path, bool wait);
    void exportCombinationViewHtml();
    void exportNumberListHtml();
    void showLedger();
    void startCalculator();
    void openResultsWebPage();
    // True when the lottery names an address (which may still be refused when opened).
    bool hasLotteryAddress() const;
    void openHomePage();
    void openHelp(const QString &topic);
    void showAbout();
    void showSettings();

    // False, after saying why, when the current lottery's files must not be written:
    // no lottery, or its base could not be loaded.
    bool baseIsWritable();
    void exportList(const StatTableModel *model, const QString &groupCaption);
    void showError(const QString &text);
    void showWait();
    void closeWait();

    // Jobs off the event loop (MainWindowJobs.cpp). With wait, the wait window shows
    // with its Cancel button while the job runs. One job runs at a time: a load
    // supersedes the running job (a new tab or filter wins); any other command waits
    // for its turn, so a click while a job runs does nothing.
    template<typename Result>
    void runJob(bool wait, std::function<Result(const Progress &)> work, std::function<void(Result)> done,
        bool supersede = false)
    {
        if (m_session->isBusy() && !supersede)
            return;
        if (wait)
            showWait();
        m_session->jobs().start<Result>(std::move(work), std::move(done),
            [this](const QString &error) { showError(m_messages("Str56").arg(error)); });
    }
    void onBusyChanged(bool busy);
    void onJobCancelledByUser();
    void showJobProgress();

    ProgramFolder m_folder;
    PlatformServices &m_services;
    MessageCatalog m_messages;

    // Configuration read at creation.
    int m_keptLastDraws = 0;
    bool m_shownOnce = false;
    bool m_noLotteryExplained = false;
    QString m_langFile;
    QString m_languageCode = QStringLiteral("ru"); // of the current language file
    std::unique_ptr<QTranslator> m_qtTranslator;

    // The lottery, its last load and the jobs; the state derived from the load.
    LotterySession *m_session = nullptr;
    const LoadResult &load() const { return m_session->load(); }
    void onLoadChanged();
    int m_sortColumn = 1;
    // The sorts the user chose, kept across starts: the number list's column and the
    // combination view's (-1: each statistic's own order).
    int m_numberListSort = 1;
    int m_statListSort = -1;
    QString m_savedSplitter; // "results,right" as the window was left
    QString m_savedRightSplitter; // "numbers,statistics,combinations"
    bool m_userSplit = false; // the splitter was placed by the user, not by the data
    QRect m_startGeometry; // where the window was put at start, before any maximising

    // Panes (names are the component names the language files and tests use).
    QTabBar *m_lotteryTabs = nullptr;
    QWidget *m_toolbar = nullptr;
    QWidget *m_filterBar = nullptr;
    QToolButton *m_randomButton = nullptr;
    QToolButton *m_checkButton = nullptr;
    QToolButton *m_statButton = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_addButton = nullptr;
    QToolButton *m_clearButton = nullptr;
    QToolButton *m_exitButton = nullptr;
    QToolButton *m_markAllButton = nullptr;
    QToolButton *m_webButton = nullptr;
    QComboBox *m_systemBox = nullptr;
    QCheckBox *m_machineFilter = nullptr;
    QCheckBox *m_ballSetFilter = nullptr;
    QCheckBox *m_lastDrawsFilter = nullptr;
    QComboBox *m_machineBox = nullptr;
    QComboBox *m_ballSetBox = nullptr;
    QSpinBox *m_lastDrawsSpin = nullptr;
    QLineEdit *m_lastDrawsEdit = nullptr;
    QSplitter *m_splitter = nullptr;
    QSplitter *m_rightSplitter = nullptr;
    QWidget *m_rightPanel = nullptr;
    StatusPanel *m_statusText = nullptr;
    StatusPanel *m_markStatus = nullptr;
    StatusPanel *m_ticketStatus = nullptr; // the combination list: count, completeness, cost
    QProgressBar *m_progressBar = nullptr;

    ResultsPane *m_resultsPane = nullptr;
    NumberPane *m_numberPane = nullptr;
    StatisticsPane *m_statisticsPane = nullptr;
    TicketsPane *m_ticketsPane = nullptr;
    StatTableModel *m_numberModel = nullptr; // the number pane's
    StatTableModel *m_statModel = nullptr; // the statistics pane's

    // Menus and commands.
    QMenu *m_languageMenu = nullptr;
    QActionGroup *m_langGroup = nullptr;
    QMenu *m_drawingOrderMenu = nullptr;
    QMenu *m_ascendingOrderMenu = nullptr;
    QMenu *m_drawingOrderPopup = nullptr;
    QMenu *m_ascendingOrderPopup = nullptr;
    QAction *m_additionalAction = nullptr;
    QAction *m_additionalPopupAction = nullptr;
    QAction *m_lotteryInfoAction = nullptr; // shown only for a lottery with an address
    QMenu *m_statMenu = nullptr;

    std::unique_ptr<WaitWindow> m_wait;
    QTimer *m_progressTimer = nullptr;

    // The dialogs and file dialog texts that live for the whole run.
    std::unique_ptr<WindowDialogs> m_dialogs;
    // The play side: marks, systems, the ticket list, forecasts and analysis.
    PlayCommands *m_play = nullptr;
};

} // namespace kivora
