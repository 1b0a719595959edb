// Charts, the randomness report and the back-test of the ways of picking numbers: what
// the draws look like, and the truth about chance beside the forecast.

#include "ui/MainWindow.h"

#include "ui/LanguageSwitcher.h"

#include "forecast/Backtest.h"
#include "reports/AnalysisReports.h"
#include "reports/HtmlExport.h"
#include "reports/Odds.h"
#include "statistics/RandomnessTests.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/AnalysisDialog.h"
#include "ui/dialogs/ChartsDialog.h"
#include "ui/panes/NumberPane.h"

#include <QTableView>

namespace kivora {

void MainWindow::showCharts()
{
    if (!load().ok)
        return;
    m_charts->setLoad(m_session->loaded(), currentLottery());
    m_charts->show();
    m_charts->raise();
}

void MainWindow::showNumberChart()
{
    // The gaps of the number selected in the list.
    if (!load().ok)
        return;
    const int number = m_numberPane->selectedNumber(load().definition.minNumber);
    m_charts->setLoad(m_session->loaded(), currentLottery());
    m_charts->showChart(ChartsDialog::Kind::Gaps, number);
    m_charts->show();
    m_charts->raise();
}

void MainWindow::showRandomness()
{
    if (!load().ok)
        return;
    auto loaded = m_session->loaded();
    const MessageCatalog messages = m_messages;
    const QString lottery = currentLottery();
    m_analysis->showRandomness();
    runJob<QString>(
        true,
        [loaded, messages, lottery](const Progress &progress) {
            return randomnessHtml(
                testRandomness(loaded->draws, loaded->definition, progress), lottery, messages);
        },
        [this](QString html) {
            m_analysis->showReport(m_messages("Str247"), html);
            m_analysis->show();
            m_analysis->raise();
        });
}

void MainWindow::openBacktest(int method)
{
    if (!load().ok)
        return;
    const auto chosen = static_cast<backtest::Method>(method);
    m_analysis->showBacktest(chosen, backtest::defaultSize(load().definition), load().draws.rowCount());
    m_analysis->show();
    m_analysis->raise();
    backtest::Options options;
    options.method = chosen;
    runBacktest(options);
}

void MainWindow::runBacktest(const backtest::Options &options)
{
    if (!load().ok)
        return;
    auto loaded = m_session->loaded();
    const MessageCatalog messages = m_messages;
    const QString lottery = currentLottery();
    runJob<QString>(
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
        [this](QString html) { m_analysis->showReport(m_messages("Str264"), html); });
}

void MainWindow::offerBacktest(int method, int marked)
{
    // Beside a forecast, the truth about it: how the same way of picking did on the
    // draws already known.
    if (marked > 0 && m_services.confirm(this, m_messages("Str296").arg(marked)))
        openBacktest(method);
}

void MainWindow::showOdds()
{
    // The odds page is written for the lottery on show, so it always matches it; it
    // links to the back-test of the numbers forecast on this base.
    const QString path = m_folder.filePath(kOddsPageFileName);
    const QString backtestPath = m_folder.filePath(QStringLiteral("backtest.htm"));
    auto loaded = m_session->loaded();
    const MessageCatalog messages = m_messages;
    const QString lottery = currentLottery();
    const QString code = m_language->code();
    runJob<Done>(
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
