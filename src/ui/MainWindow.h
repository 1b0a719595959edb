#pragma once

// The main window: a shell over four panes (results, numbers, statistics, tickets),
// each of which owns its views, models and pop-up menu, and over the tool, filter and
// status bars. The window keeps the menu bar, the tabs, the window state and the
// language; it wires the lottery session to the parts and every command to the domain
// functions. The play commands (marks, systems, tickets, forecasts, analysis) are
// PlayCommands', adding and importing results ResultsCommands', what goes to the
// desktop DesktopCommands', the long-lived dialogs WindowDialogs'. Building the window
// and menus, the load and the jobs live in their own MainWindow*.cpp files.

#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"
#include "ui/LotterySession.h"
#include "ui/PlatformServices.h"
#include "ui/WindowParts.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QTabBar;

namespace kivora {

class PlatformServices;
class FilterBar;
class LanguageSwitcher;
class PaneLayout;
class StatisticsCommands;
class ToolBar;
class WindowStatusBar;
class WaitWindow;
class JobRunner;
class NumberPane;
class PlayCommands;
class ResultsCommands;
class ResultsUpdateCommands;
class DesktopCommands;
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
    // The column the list on show was last sorted by.
    int sortColumn() const;

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
    void connectPanes();
    void connectBars();
    void createCommands();
    void createMenus();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, std::function<void()> command);

    // Start-up and closing (MainWindowState.cpp).
    void readWindowSettings();
    void saveWindowSettings();
    void placeOnScreen(const QPoint &topLeft, const QSize &storedSize);
    // The user chose another language file: every text follows at once.
    void switchLanguage();
    void applyLanguage(bool atStart);

    // Results (MainWindowResults.cpp).
    void showLoad();

    // What the groups of commands use of the window.
    WindowParts windowParts();
    void showError(const QString &text);
    void showWait();
    void closeWait();

    // Jobs off the event loop (MainWindowJobs.cpp), as LotterySession::runJob runs
    // them: with wait, the wait window shows with its Cancel button while the job runs;
    // a click while another job runs does nothing.
    template<typename Result>
    void runJob(bool wait, std::function<Result(const Progress &)> work, std::function<void(Result)> done,
        bool supersede = false)
    {
        m_session->runJob<Result>(wait, std::move(work), std::move(done), supersede);
    }
    void onBusyChanged(bool busy);
    void onJobCancelledByUser();

    ProgramFolder m_folder;
    PlatformServices &m_services;
    MessageCatalog m_messages;

    // Configuration read at creation.
    bool m_shownOnce = false;
    bool m_noLotteryExplained = false;
    LanguageSwitcher *m_language = nullptr;

    // The lottery, its last load and the jobs; the state derived from the load.
    LotterySession *m_session = nullptr;
    const LoadResult &load() const { return m_session->load(); }
    void onLoadChanged();
    QRect m_startGeometry; // where the window was put at start, before any maximising

    // Panes (names are the component names the language files and tests use).
    QTabBar *m_lotteryTabs = nullptr;
    ToolBar *m_toolBar = nullptr;
    FilterBar *m_filterBar = nullptr;
    PaneLayout *m_panes = nullptr;
    WindowStatusBar *m_statusBar = nullptr;

    ResultsPane *m_resultsPane = nullptr;
    NumberPane *m_numberPane = nullptr;
    StatisticsPane *m_statisticsPane = nullptr;
    TicketsPane *m_ticketsPane = nullptr;
    StatisticsCommands *m_statistics = nullptr;

    // Menus and commands.
    QAction *m_lotteryInfoAction = nullptr; // shown only for a lottery with an address

    std::unique_ptr<WaitWindow> m_wait;

    // The dialogs and file dialog texts that live for the whole run.
    std::unique_ptr<WindowDialogs> m_dialogs;
    // The play side: marks, systems, the ticket list, forecasts and analysis.
    PlayCommands *m_play = nullptr;
    // Adding, importing and editing results; the ledger.
    ResultsCommands *m_results = nullptr;
    // Downloading a lottery's results; the rule changes of its game.
    ResultsUpdateCommands *m_updates = nullptr;
    // The editor, the browser, the calculator, HTML pages of the lists.
    DesktopCommands *m_desktop = nullptr;
};

} // namespace kivora
