#pragma once

// The play side of the main window: marking numbers, the system that expands them into
// tickets, the ticket list and its files, the check against a draw, the forecasts with
// the back-test beside them, the charts, the randomness report and the odds page. It
// holds what the ticket list was made of (the summary, the filters that cut it) and
// carries out the commands the window's menus, tool bar and panes give it.

#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"
#include "forecast/Backtest.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "play/TicketSummary.h"
#include "ui/LotterySession.h"
#include "ui/PlatformServices.h"
#include "ui/WindowParts.h"

#include <QObject>

#include <functional>

class QComboBox;

namespace kivora {

class CombinationListModel;
class NumberPane;
class ResultsPane;
class StatTableModel;
class StatisticsPane;
class WindowStatusBar;
class TicketsPane;
class WindowDialogs;

// What the play commands use of the window beyond what every command group does: its
// panes, the system box and the few things only the window does.
struct PlayWindowParts : WindowParts
{
    NumberPane *numberPane = nullptr;
    StatisticsPane *statisticsPane = nullptr;
    TicketsPane *ticketsPane = nullptr;
    ResultsPane *resultsPane = nullptr;
    QComboBox *systemBox = nullptr;
    // Shows a loop's progress in the status bar and lets the window repaint.
    std::function<void(int min, int max, int position)> showProgress;
    // Shows every pair's statistic in the statistics pane; then runs after it is shown.
    std::function<void(std::function<void()> then)> showAllPairs;
    // Marks the numbers of a row of the statistics pane in the number list.
    std::function<void(int row)> markStatRow;
};

class PlayCommands final : public QObject
{
    Q_OBJECT
public:
    PlayCommands(PlayWindowParts parts, QObject *parent);

    // Marks (the number list), then the tickets the chosen system makes of them.
    void markAllNumbers();
    void clearMarks();
    void markRandomNumbers();
    void expandMarkedNumbers();

    // Systems: choose one, filter its tickets, make one, check the chosen one.
    void chooseSystem();
    void editTicketFilters();
    void makeWheelSystem();
    void checkCurrentSystem();

    // The ticket list and its files (PlayTicketFiles.cpp).
    void deleteCombination();
    // Brings back the ticket list and the marks as they were before the last deletion
    // or clearing.
    void undoTicketChange();
    void saveCombinations();
    void openSavedCombinations();
    void showSavedCombinationsAsText();
    void showCombinationsAsText();
    void printCombinations();
    void exportCombinationListHtml();
    void checkSavedCombinations();

    // Forecasts, and the truth about chance beside them (PlayForecast.cpp).
    void forecastNumbers();
    void forecastPairs();
    void showCharts();
    void showNumberChart();
    void showRandomness();
    void openBacktest(int method);
    void showOdds();

private:
    // What the ticket list was made of and what it holds, for the undo of a deletion or
    // of clearing the marks.
    struct TicketsState
    {
        CombinationList list;
        TicketSummary summary;
        QString filtersNote;
        QString filterOutcome;
        QStringList markedCaptions;
        QString markStatus;
    };
    // The lottery, system and marks on show: a new load of the same lottery (a draw
    // added, other filters) keeps them, as they still mean the same numbers.
    struct PlayChoice
    {
        QString lottery;
        QString system;
        QStringList markedCaptions;
    };

    void connectWindow();
    void onLoadChanged();
    TicketsState ticketsState() const;
    void pushUndo(TicketsState state);
    void forgetUndo();
    // Marks exactly these numbers of the number list, without expanding them.
    void markCaptions(const QStringList &captions);
    void rememberChoice();
    void showMarkStatus(const QString &text);
    void showTicketStatus();
    // True when the forecast may replace the marks: none are set, they are the last
    // forecast's, or the player agrees.
    bool marksMayBeReplaced();
    // Offers to keep only the best of the marked rows when the system's ticket holds
    // fewer; gives the count marked then.
    int offerBestOfForecast(const std::vector<int> &pickedRows, int marked);
    void onSystemChosen(int index);
    void chooseSystemFor(int marked);
    // Says that the forecast marked fewer numbers than the system uses.
    void tellIncompleteForecast(int marked);
    void runBacktest(const backtest::Options &options);
    void offerBacktest(int method, int marked);
    enum class TicketFileUse { Open, Save };
    // A ticket file (.ltc) the player chooses in the folder last used for them, which is
    // remembered; empty when the choice was cancelled.
    QString chooseTicketFile(TicketFileUse use);
    // False, after saying why, when the ticket list holds no ticket.
    bool combinationsCanBeSaved();
    QString ticketsDocumentOfList() const;
    // The notes of a saved file's header line: the filters, the cost.
    QString headerNotes() const;
    void showError(const QString &text);

    const LoadResult &load() const { return m_session.load(); }
    QString currentLottery() const { return m_parts.currentLottery(); }

    PlayWindowParts m_parts;
    QWidget *m_window;
    LotterySession &m_session;
    const ProgramFolder &m_folder;
    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    const WindowDialogs &m_dialogs;
    StatTableModel *m_numberModel; // the number pane's
    StatTableModel *m_statModel; // the statistics pane's
    CombinationListModel *m_combinationModel; // the tickets pane's
    QComboBox *m_systemBox;

    TemplateCache m_templates;
    QString m_reportedTemplate; // the unreadable template last reported
    TicketSummary m_ticketSummary; // of the ticket list on show
    QString m_filtersNote; // the filters that cut the list, for a saved file's header
    QString m_filterOutcome; // what the filters removed, for the status bar
    QString m_markStatus; // the marks' status text on show
    QString m_systemNote; // the status text that names a system just made
    QString m_notedSystem; // and that system
    std::vector<TicketsState> m_undo; // newest last
    PlayChoice m_choice;
    QStringList m_forecastMarks; // the marks the last forecast left
};

} // namespace kivora
