// Play by system: marks, the system expansion, the combination list and its files,
// the check against a draw and the forecast.

#include "ui/MainWindow.h"

#include "ui/LanguageSwitcher.h"

#include "ui/FrozenColumnView.h"

#include "ui/WindowStatusBar.h"

#include "core/IniFile.h"
#include "core/ShortDate.h"
#include "core/TextFile.h"
#include "forecast/Forecast.h"
#include "play/CombinationCheck.h"
#include "play/CombinationFile.h"
#include "play/ExpandAndFilter.h"
#include "play/MadeWheel.h"
#include "play/NumberSelection.h"
#include "play/SavedCheck.h"
#include "play/Systems.h"
#include "play/TicketFilterSettings.h"
#include "play/TicketFilters.h"
#include "play/TicketSummary.h"
#include "play/TicketsDocument.h"
#include "play/WheelTemplate.h"
#include "ui/FailureMessage.h"
#include "ui/FileDialogTexts.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/SystemDialog.h"
#include "ui/dialogs/TicketFiltersDialog.h"
#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/dialogs/WheelMakeDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"
#include "ui/panes/ToolBar.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>

#include <random>

namespace kivora {

void MainWindow::expandMarkedNumbers()
{
    if (!load().ok)
        return;
    const IniDocument ini = IniFile(m_folder.configPath()).load();
    // The player's ticket filters keep only the tickets that pass.
    const TicketFilters filters = readTicketFilters(ini, currentLottery());
    FilteredExpansion played = expandAndFilter(m_templates, ini, load().definition, load().draws,
        m_toolBar->systemBox()->currentText(), m_folder, m_numberPane->model()->flaggedCaptions(), filters,
        m_messages);
    SystemExpansion &expansion = played.expansion;
    m_filtersNote = played.description;
    const QString filtered = m_filtersNote.isEmpty()
        ? QString()
        : filterOutcomeText(played.outcome, filters, load().definition, m_messages);
    // A template that cannot be read leaves an empty list, never another system's.
    m_ticketSummary = ticketSummary(expansion.list, expansion.uses, ini, currentLottery());
    m_combinationModel->setList(std::move(expansion.list));
    m_statusBar->setMarkStatus(expansion.status);
    QString summary = ticketSummaryText(m_ticketSummary, m_messages);
    if (!filtered.isEmpty())
        summary += QStringLiteral("; ") + filtered;
    m_statusBar->setTicketStatus(summary);
    if (expansion.applied) {
        m_reportedTemplate.clear();
    } else if (expansion.templatePath != m_reportedTemplate) {
        // Said once per template: the expansion runs again on every mark.
        m_reportedTemplate = expansion.templatePath;
        m_services.showMessage(this, expansion.message, PlatformServices::MessageKind::Warning);
    }
}

bool MainWindow::combinationsCanBeSaved()
{
    const QString refusal = combinationSaveRefusal(m_combinationModel->list(), m_messages);
    if (!refusal.isEmpty()) {
        m_services.showMessage(this, refusal, PlatformServices::MessageKind::Warning);
        return false;
    }
    // Tickets with placeholders are kept or printed only when the player says so.
    if (!m_ticketSummary.complete())
        return m_services.confirm(
            this, m_messages("Str152").arg(m_ticketSummary.marked).arg(m_ticketSummary.uses));
    return true;
}

void MainWindow::markAllNumbers()
{
    // Every row marked, then one expansion for all of them.
    for (int row = 0; row < m_numberPane->model()->rowCount(); ++row)
        m_numberPane->model()->setFlagged(row, true);
    expandMarkedNumbers();
}

void MainWindow::clearMarks()
{
    m_numberPane->model()->clearFlags();
    m_statisticsPane->model()->clearFlags();
    expandMarkedNumbers();
}

void MainWindow::markRandomNumbers()
{
    std::mt19937 generator(m_services.randomSeed());
    std::vector<bool> marks(static_cast<size_t>(m_numberPane->model()->rowCount()));
    for (int row = 0; row < m_numberPane->model()->rowCount(); ++row)
        marks[static_cast<size_t>(row)] = m_numberPane->model()->isFlagged(row);
    const RandomChoice choice
        = chooseRandomRows(marks, systems::neededCount(m_toolBar->systemBox()->currentText()), generator);
    if (choice.alreadyEnough) {
        m_services.showMessage(this, m_messages("Str24"), PlatformServices::MessageKind::Information);
        return;
    }
    const int count = static_cast<int>(choice.rows.size());
    for (int i = 0; i < count; ++i) {
        m_numberPane->model()->setFlagged(choice.rows[static_cast<size_t>(i)], true);
        showProgress(1, count, i + 1);
    }
    expandMarkedNumbers();
}

void MainWindow::chooseSystem()
{
    QStringList names;
    for (int i = 0; i < m_toolBar->systemBox()->count(); ++i)
        names.append(m_toolBar->systemBox()->itemText(i));
    m_systemDialog->prepare(names, load().definition.systemSection());
    m_systemDialog->exec();
}

void MainWindow::onSystemChosen(int index)
{
    if (index < 0 || index >= m_toolBar->systemBox()->count())
        return;
    m_toolBar->systemBox()->setCurrentIndex(index);
    expandMarkedNumbers();
}

void MainWindow::deleteCombination()
{
    m_ticketsPane->removeCurrent();
}

void MainWindow::saveCombinations()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    const QString path = m_services.saveFileName(this,
        inRememberedFolder(m_saveDialogTexts->request(0, QStringLiteral("ltc")), FileKind::Combinations));
    if (path.isEmpty())
        return;
    rememberFolder(FileKind::Combinations, path);
    QString error;
    if (!writeCombinationFile(path, m_combinationModel->list(), currentLottery(),
            m_toolBar->systemBox()->currentText(), m_messages, &error, headerNotes()))
        showError(m_messages("Str56").arg(error));
}

QString MainWindow::headerNotes() const
{
    QStringList notes;
    for (const QString &note : { m_filtersNote, costNote(m_ticketSummary, m_messages) }) {
        if (!note.isEmpty())
            notes.append(note);
    }
    return notes.join(QStringLiteral("; "));
}

void MainWindow::editTicketFilters()
{
    if (!load().ok)
        return;
    IniFile ini(m_folder.configPath());
    TicketFilters filters = readTicketFilters(ini.load(), currentLottery());
    if (!m_filtersDialog->edit(&filters, load().definition))
        return;
    if (!storeTicketFilters(ini, currentLottery(), filters)) {
        showError(m_messages("Str56").arg(ini.lastError()));
        return;
    }
    expandMarkedNumbers();
}

void MainWindow::makeWheelSystem()
{
    if (!load().ok)
        return;
    auto *dialog = findChild<WheelMakeDialog *>(QStringLiteral("WheelMakeDialog"));
    // By default a system for the marked numbers, with tickets of the draw size.
    const int marked = static_cast<int>(m_numberPane->model()->flaggedCaptions().size());
    const int ticketSize = std::min(load().definition.drawNumber, SystemTemplate::kColumns);
    dialog->prepare(marked > ticketSize ? marked : ticketSize + 4, ticketSize);
    if (dialog->exec() != QDialog::Accepted || dialog->tickets().empty())
        return;
    const wheel::WheelShape shape = dialog->shape();
    const std::vector<quint64> tickets = dialog->tickets();
    const QString section = load().definition.systemSection();
    const IniFile config(m_folder.configPath());
    QString name = wheel::systemName(shape, static_cast<int>(tickets.size()), m_messages);
    // The name must be new, and its first word the count of numbers the system needs.
    for (;;) {
        if (!m_services.askText(this, dialog->windowTitle(), m_messages("Str212"), &name))
            return;
        name = name.trimmed();
        const QString problem = wheel::nameProblem(name, shape, config.load(), section, m_messages);
        if (problem.isEmpty())
            break;
        m_services.showMessage(this, problem, PlatformServices::MessageKind::Warning);
    }
    const Outcome<QString> added
        = wheel::addToSystems(m_folder, section, name, shape, tickets, dialog->result().check, m_messages);
    if (!added) {
        showFailure(m_services, this, added.failure(), m_messages);
        return;
    }
    {
        const QSignalBlocker block(m_toolBar->systemBox());
        m_toolBar->systemBox()->addItem(name);
    }
    onSystemChosen(m_toolBar->systemBox()->count() - 1);
    m_statusBar->setStatusText(m_messages("Str218").arg(name, QDir::toNativeSeparators(*added)));
}

void MainWindow::checkCurrentSystem()
{
    if (!load().ok)
        return;
    const QString name = m_toolBar->systemBox()->currentText();
    if (name.isEmpty()) {
        m_services.showMessage(this, m_messages("Str216"), PlatformServices::MessageKind::Information);
        return;
    }
    const QString path = systems::templatePath(
        IniFile(m_folder.configPath()).load(), load().definition.systemSection(), name, m_folder);
    QString error;
    const std::shared_ptr<const SystemTemplate> system = m_templates.load(path, &error);
    std::vector<quint64> tickets;
    if (!system || !wheel::ticketsOf(*system, &tickets, &error, m_messages)) {
        showError(error.isEmpty() ? m_messages("Str216") : textfile::describeError(path, error));
        return;
    }
    auto *dialog = findChild<WheelCheckDialog *>(QStringLiteral("WheelCheckDialog"));
    dialog->prepare(name, tickets, system->uses(), wheel::widestTicket(tickets));
    dialog->exec();
}

void MainWindow::printCombinations()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    m_services.printDocument(this, m_messages("Str159"), ticketsDocumentOfList());
}

QString MainWindow::ticketsDocumentOfList() const
{
    return ticketsDocument(m_combinationModel->list(), currentLottery(),
        m_toolBar->systemBox()->currentText(), shortDate(m_services.today()), m_messages, m_language->code());
}

void MainWindow::openSavedCombinations()
{
    // Loads a saved file back into the combination list: to look at, print, save again
    // or check.
    if (!load().ok)
        return;
    const QString path = m_services.openFileName(this,
        inRememberedFolder(m_openDialogTexts->request(0, QStringLiteral("ltc")), FileKind::Combinations));
    if (path.isEmpty())
        return;
    rememberFolder(FileKind::Combinations, path);
    const Outcome<SavedCombinations> read = readSavedCombinations(path);
    if (!read) {
        showError(failureMessage(read.failure(), m_messages));
        return;
    }
    const SavedCombinations &file = *read;
    const QString name = QFileInfo(path).fileName();
    if (file.lotteryName.trimmed() != currentLottery()) {
        m_services.showMessage(this,
            m_messages("Str154").arg(name, file.lotteryName.trimmed(), currentLottery()),
            PlatformServices::MessageKind::Warning);
        return;
    }
    CombinationList list;
    int wideLine = 0;
    if (!CombinationList::fromSavedLines(file.lines, &list, &wideLine)) {
        m_services.showMessage(this,
            wideLine > 0 ? m_messages("Str156").arg(wideLine + 2).arg(name) : m_messages("Str155").arg(name),
            PlatformServices::MessageKind::Warning);
        return;
    }
    m_ticketSummary = ticketSummary(list, static_cast<int>(list.markedCaptions().size()),
        IniFile(m_folder.configPath()).load(), currentLottery());
    m_combinationModel->setList(std::move(list));
    m_statusBar->setTicketStatus(ticketSummaryText(m_ticketSummary, m_messages));
}

void MainWindow::showSavedCombinationsAsText()
{
    const QString path = m_services.openFileName(this,
        inRememberedFolder(m_openDialogTexts->request(0, QStringLiteral("ltc")), FileKind::Combinations));
    if (path.isEmpty())
        return;
    rememberFolder(FileKind::Combinations, path);
    showTextFile(path, false);
}

void MainWindow::showCombinationsAsText()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    const QString path = m_folder.filePath(shownCombinationsFileName());
    QString error;
    if (!writeCombinationFile(path, m_combinationModel->list(), currentLottery(),
            m_toolBar->systemBox()->currentText(), m_messages, &error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    showTextFile(path, false);
}

void MainWindow::checkSavedCombinations()
{
    if (!load().ok)
        return;
    const QString path = m_services.openFileName(this,
        inRememberedFolder(m_openDialogTexts->request(0, QStringLiteral("ltc")), FileKind::Combinations));
    if (path.isEmpty())
        return;
    rememberFolder(FileKind::Combinations, path);
    Outcome<SavedCombinations> read = readFileToCheck(path, currentLottery(), load().draws, m_messages);
    if (!read) {
        showFailure(m_services, this, read.failure(), m_messages);
        return;
    }
    const SavedCombinations file = std::move(read).value();
    // A cancelled question checks the proposed draw.
    QString entry = proposedDrawEntry(load().draws);
    m_services.askText(this, m_messages("Str12"), m_messages("Str13"), &entry);
    const DrawChoice choice = chooseDraw(load().draws, entry, m_messages);
    if (!choice.ok()) {
        m_services.showMessage(this, choice.message, PlatformServices::MessageKind::Information);
        return;
    }
    m_resultsPane->selectDraw(choice.row);
    // A file of many or very long lines takes a while: the check and the report run as
    // a job, with the wait window and its Cancel.
    const QString reportPath = m_folder.filePath(check::reportFileName());
    const std::shared_ptr<const LoadResult> loaded = m_session->loaded();
    const MessageCatalog messages = m_messages;
    const int row = choice.row;
    runJob<Done>(
        true,
        [file, loaded, messages, row, reportPath](const Progress &progress) {
            return checkAndReport(
                file, loaded->draws, row, loaded->definition, reportPath, messages, progress);
        },
        [this, reportPath](const Done &checked) {
            if (!checked) {
                showFailure(m_services, this, checked.failure(), m_messages);
                return;
            }
            showTextFile(reportPath, false);
        });
}

void MainWindow::chooseSystemFor(int marked)
{
    QStringList names;
    for (int i = 0; i < m_toolBar->systemBox()->count(); ++i)
        names.append(m_toolBar->systemBox()->itemText(i));
    const int index = forecast::chooseSystem(names, marked);
    if (index >= 0)
        m_toolBar->systemBox()->setCurrentIndex(index);
    expandMarkedNumbers();
}

void MainWindow::forecastNumbers()
{
    if (!load().ok)
        return;
    clearMarks();
    const forecast::ForecastPick pick = forecast::choose(m_numberPane->model()->table(),
        m_numberPane->model()->order(), load().draws.rowCount(), forecast::Kind::Numbers);
    for (int row = 0; row < m_numberPane->model()->rowCount(); ++row) {
        if (std::find(pick.rows.begin(), pick.rows.end(), m_numberPane->model()->tableRow(row))
            != pick.rows.end())
            m_numberPane->model()->setFlagged(row, true);
    }
    const int marked = m_numberPane->model()->flaggedCount();
    if (marked == 0)
        m_services.showMessage(this, m_messages("Str29"), PlatformServices::MessageKind::Information);
    chooseSystemFor(marked);
    tellIncompleteForecast(marked);
    offerBacktest(static_cast<int>(backtest::Method::ForecastNumbers), marked);
}

void MainWindow::forecastPairs()
{
    if (!load().ok)
        return;
    clearMarks();
    // The forecast rates the pairs once their statistic is shown.
    m_statistics->runCombinations(2, Family::All, true, [this] {
        const forecast::ForecastPick pick = forecast::choose(m_statisticsPane->model()->table(),
            m_statisticsPane->model()->order(), load().draws.rowCount(), forecast::Kind::Pairs);
        for (int tableRow : pick.rows) {
            const int row = m_statisticsPane->model()->displayRow(tableRow);
            m_statisticsPane->model()->setFlagged(row, true);
            m_statisticsPane->selectRow(row);
            m_statistics->markStatRow(row);
        }
        const int marked = m_numberPane->model()->flaggedCount();
        if (marked == 0)
            m_services.showMessage(this, m_messages("Str29"), PlatformServices::MessageKind::Information);
        chooseSystemFor(marked);
        tellIncompleteForecast(marked);
        offerBacktest(static_cast<int>(backtest::Method::ForecastPairs), marked);
    });
}

void MainWindow::tellIncompleteForecast(int marked)
{
    if (marked > 0 && marked < m_ticketSummary.uses)
        m_services.showMessage(this,
            m_messages("Str153")
                .arg(marked)
                .arg(m_toolBar->systemBox()->currentText())
                .arg(m_ticketSummary.uses),
            PlatformServices::MessageKind::Information);
}

} // namespace kivora
