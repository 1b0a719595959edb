// The forecasts, and beside them the truth about chance: the back-test of the ways of
// picking numbers, the charts of what the draws look like, the randomness report and
// the odds page.

#include "ui/play/PlayCommands.h"

#include "core/Plural.h"
#include "forecast/Backtest.h"
#include "forecast/Forecast.h"
#include "play/Systems.h"
#include "reports/AnalysisReports.h"
#include "reports/HtmlExport.h"
#include "reports/Odds.h"
#include "statistics/RandomnessTests.h"
#include "ui/WindowDialogs.h"
#include "ui/dialogs/AnalysisDialog.h"
#include "ui/dialogs/ChartsDialog.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/StatisticsPane.h"

#include <QComboBox>

namespace kivora {

void PlayCommands::forecastNumbers()
{
    if (!load().ok || !marksMayBeReplaced())
        return;
    clearMarks();
    const forecast::ForecastPick pick = forecast::choose(
        m_numberModel->table(), m_numberModel->order(), load().draws.rowCount(), forecast::Kind::Numbers);
    for (int row = 0; row < m_numberModel->rowCount(); ++row) {
        if (std::find(pick.rows.begin(), pick.rows.end(), m_numberModel->tableRow(row)) != pick.rows.end())
            m_numberModel->setFlagged(row, true);
    }
    int marked = m_numberModel->flaggedCount();
    if (marked == 0)
        m_services.showMessage(m_window, m_messages("Str29"), PlatformServices::MessageKind::Information);
    chooseSystemFor(marked);
    marked = offerBestOfForecast(pick.rows, marked);
    m_forecastMarks = m_numberModel->flaggedCaptions();
    tellIncompleteForecast(marked);
    offerBacktest(static_cast<int>(backtest::Method::ForecastNumbers), marked);
}

bool PlayCommands::marksMayBeReplaced()
{
    // Marks a forecast made may go; the player's own are lost only when the player says.
    const QStringList marked = m_numberModel->flaggedCaptions();
    return marked.isEmpty() || marked == m_forecastMarks
        || m_services.confirm(m_window, m_messages("Str652").arg(marked.size()));
}

int PlayCommands::offerBestOfForecast(const std::vector<int> &pickedRows, int marked)
{
    // No system takes every number the forecast marked (a Keno ticket holds ten at
    // most): the ticket would take the first of them, whatever the forecast thinks of
    // them. The player may keep the ones it trusts most instead.
    const QString system = m_systemBox->currentText();
    const int ticket = systems::neededCount(system);
    if (ticket <= 0 || marked <= ticket
        || !m_services.confirm(m_window, m_messages("Str651").arg(marked).arg(system).arg(ticket)))
        return marked;
    const std::vector<int> best
        = forecast::bestRows(m_numberModel->table(), pickedRows, load().draws.rowCount(), ticket);
    m_numberModel->clearFlags();
    for (int tableRow : best)
        m_numberModel->setFlagged(m_numberModel->displayRow(tableRow), true);
    expandMarkedNumbers();
    return m_numberModel->flaggedCount();
}

void PlayCommands::forecastPairs()
{
    if (!load().ok || !marksMayBeReplaced())
        return;
    clearMarks();
    // The forecast rates the pairs once their statistic is shown.
    m_parts.showAllPairs([this] {
        const forecast::ForecastPick pick = forecast::choose(
            m_statModel->table(), m_statModel->order(), load().draws.rowCount(), forecast::Kind::Pairs);
        for (int tableRow : pick.rows) {
            const int row = m_statModel->displayRow(tableRow);
            m_statModel->setFlagged(row, true);
            m_parts.statisticsPane->selectRow(row);
            m_parts.markStatRow(row);
        }
        const int marked = m_numberModel->flaggedCount();
        m_forecastMarks = m_numberModel->flaggedCaptions();
        if (marked == 0)
            m_services.showMessage(m_window, m_messages("Str29"), PlatformServices::MessageKind::Information);
        chooseSystemFor(marked);
        tellIncompleteForecast(marked);
        offerBacktest(static_cast<int>(backtest::Method::ForecastPairs), marked);
    });
}

void PlayCommands::chooseSystemFor(int marked)
{
    QStringList names;
    for (int i = 0; i < m_systemBox->count(); ++i)
        names.append(m_systemBox->itemText(i));
    const int index = forecast::chooseSystem(names, marked);
    if (index >= 0)
        m_systemBox->setCurrentIndex(index);
    expandMarkedNumbers();
}

void PlayCommands::tellIncompleteForecast(int marked)
{
    if (marked > 0 && marked < m_ticketSummary.uses)
        m_services.showMessage(m_window,
            withPlurals(m_messages("Str153").arg(marked))
                .arg(m_systemBox->currentText())
                .arg(m_ticketSummary.uses),
            PlatformServices::MessageKind::Information);
}

void PlayCommands::offerBacktest(int method, int marked)
{
    // Beside a forecast, the truth about it: how the same way of picking did on the
    // draws already known.
    if (marked > 0 && m_services.confirm(m_window, withPlurals(m_messages("Str296").arg(marked))))
        openBacktest(method);
}

void PlayCommands::showCharts()
{
    if (!load().ok)
        return;
    m_dialogs.charts()->setLoad(m_session.loaded(), currentLottery());
    m_dialogs.charts()->show();
    m_dialogs.charts()->raise();
}

void PlayCommands::showNumberChart()
{
    // The gaps of the number selected in the list.
    if (!load().ok)
        return;
    const int number = m_parts.numberPane->selectedNumber(load().definition.minNumber);
    m_dialogs.charts()->setLoad(m_session.loaded(), currentLottery());
    m_dialogs.charts()->showChart(ChartsDialog::Kind::Gaps, number);
    m_dialogs.charts()->show();
    m_dialogs.charts()->raise();
}

void PlayCommands::showRandomness()
{
    if (!load().ok)
        return;
    auto loaded = m_session.loaded();
    const MessageCatalog messages = m_messages;
    const QString lottery = currentLottery();
    m_dialogs.analysis()->showRandomness();
    m_session.runJob<QString>(
        true,
        [loaded, messages, lottery](const Progress &progress) {
            return randomnessHtml(
                testRandomness(loaded->draws, loaded->definition, progress), lottery, messages);
        },
        [this](QString html) {
            m_dialogs.analysis()->showReport(m_messages("Str247"), html);
            m_dialogs.analysis()->show();
            m_dialogs.analysis()->raise();
        });
}

void PlayCommands::openBacktest(int method)
{
    if (!load().ok)
        return;
    const auto chosen = static_cast<backtest::Method>(method);
    m_dialogs.analysis()->showBacktest(
        chosen, backtest::defaultSize(load().definition), load().draws.rowCount());
    m_dialogs.analysis()->show();
    m_dialogs.analysis()->raise();
    backtest::Options options;
    options.method = chosen;
    runBacktest(options);
}

void PlayCommands::runBacktest(const backtest::Options &options)
{
    if (!load().ok)
        return;
    auto loaded = m_session.loaded();
    const MessageCatalog messages = m_messages;
    const QString lottery = currentLottery();
    m_session.runJob<QString>(
        true,
        [loaded, messages, lottery, options](const Progress &progress) {
            const backtest::Result result
                = backtest::run(loaded->draws, loaded->definition, options, progress);
            const DrawTable &draws = loaded->draws;
            const QString first = draws.rowCount() > 0
                ? draws.drawNumberText(std::clamp(result.fromRow, 0, draws.rowCount() - 1))
                : QString();
            const QString last
                = draws.rowCount() > 0 ? draws.drawNumberText(draws.rowCount() - 1) : QString();
            return backtestHtml(result, lottery, first, last, messages);
        },
        [this](QString html) { m_dialogs.analysis()->showReport(m_messages("Str264"), html); });
}

void PlayCommands::showOdds()
{
    // The odds page is written for the lottery on show, so it always matches it; it
    // links to the back-test of the numbers forecast on this base.
    const QString path = m_folder.filePath(kOddsPageFileName);
    const QString backtestPath = m_folder.filePath(QStringLiteral("backtest.htm"));
    auto loaded = m_session.loaded();
    const MessageCatalog messages = m_messages;
    const QString lottery = currentLottery();
    const QString code = m_parts.languageCode();
    m_session.runJob<Done>(
        false,
        [path, backtestPath, loaded, messages, lottery, code](const Progress &progress) {
            QString link;
            if (loaded->ok && loaded->draws.rowCount() > 1) {
                backtest::Options options;
                const backtest::Result result
                    = backtest::run(loaded->draws, loaded->definition, options, progress);
                const DrawTable &draws = loaded->draws;
                const QString html
                    = backtestHtml(result, lottery, draws.drawNumberText(std::max(0, result.fromRow)),
                        draws.drawNumberText(draws.rowCount() - 1), messages);
                if (writeHtmlDocument(backtestPath, html))
                    link = QStringLiteral("<p><a href=\"backtest.htm\">") + messages("Str297").toHtmlEscaped()
                        + QStringLiteral("</a></p>");
            }
            return writeHtmlDocument(path, oddsPage(loaded->definition, messages, code, link));
        },
        [this, path](Done written) {
            if (!written) {
                showError(failureMessage(written.failure(), m_messages));
                return;
            }
            m_services.openUrl(path);
        });
}

} // namespace kivora
