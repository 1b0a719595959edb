// The ticket list and its files: saving, opening, showing and printing the tickets,
// and checking a saved file against a draw.

#include "ui/play/PlayCommands.h"

#include "core/IniFile.h"
#include "core/Plural.h"
#include "core/ShortDate.h"
#include "play/CombinationCheck.h"
#include "play/CombinationFile.h"
#include "play/SavedCheck.h"
#include "play/TicketsDocument.h"
#include "reports/HtmlExport.h"
#include "ui/FailureMessage.h"
#include "ui/FileDialogTexts.h"
#include "ui/RememberedFolders.h"
#include "ui/WindowDialogs.h"
#include "ui/WindowStatusBar.h"
#include "ui/models/CombinationListModel.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/TicketsPane.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

namespace kivora {

QString PlayCommands::chooseTicketFile(TicketFileUse use)
{
    const FileDialogTexts *texts = use == TicketFileUse::Save ? m_dialogs.saveTexts() : m_dialogs.openTexts();
    const FileDialogRequest request = inRememberedFolder(
        m_folder, texts->request(0, QStringLiteral("ltc")), RememberedFolder::Combinations);
    const QString path = use == TicketFileUse::Save ? m_services.saveFileName(m_window, request)
                                                    : m_services.openFileName(m_window, request);
    if (!path.isEmpty())
        rememberFolder(m_folder, RememberedFolder::Combinations, path);
    return path;
}

bool PlayCommands::combinationsCanBeSaved()
{
    const QString refusal = combinationSaveRefusal(m_combinationModel->list(), m_messages);
    if (!refusal.isEmpty()) {
        m_services.showMessage(m_window, refusal, PlatformServices::MessageKind::Warning);
        return false;
    }
    // Tickets with placeholders are kept or printed only when the player says so.
    if (!m_ticketSummary.complete())
        return m_services.confirm(m_window,
            withPlurals(m_messages("Str152").arg(m_ticketSummary.marked).arg(m_ticketSummary.uses)));
    return true;
}

void PlayCommands::deleteCombination()
{
    const int row = m_parts.ticketsPane->currentRow();
    if (row < 0)
        return;
    TicketsState before = ticketsState();
    if (!m_combinationModel->removeListRow(row))
        return;
    pushUndo(std::move(before));
    // The count and the cost (which a saved file's header names) follow the list.
    m_ticketSummary = ticketSummary(m_combinationModel->list(), m_ticketSummary.uses,
        IniFile(m_folder.configPath()).load(), currentLottery());
    showTicketStatus();
}

void PlayCommands::saveCombinations()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    const QString path = chooseTicketFile(TicketFileUse::Save);
    if (path.isEmpty())
        return;
    if (const Done written = writeCombinationFile(path, m_combinationModel->list(), currentLottery(),
            m_systemBox->currentText(), m_messages, headerNotes());
        !written) {
        showFailure(m_services, m_window, written.failure(), m_messages);
        return;
    }
    m_parts.statusBar->setStatusText(m_messages("Str650").arg(QDir::toNativeSeparators(path)));
}

QString PlayCommands::headerNotes() const
{
    QStringList notes;
    for (const QString &note : { m_filtersNote, costNote(m_ticketSummary, m_messages) }) {
        if (!note.isEmpty())
            notes.append(note);
    }
    return notes.join(QStringLiteral("; "));
}

void PlayCommands::printCombinations()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    m_services.printDocument(m_window, m_messages("Str159"), ticketsDocumentOfList());
}

QString PlayCommands::ticketsDocumentOfList() const
{
    return ticketsDocument(m_combinationModel->list(), currentLottery(), m_systemBox->currentText(),
        shortDate(m_services.today()), m_messages, m_parts.languageCode());
}

void PlayCommands::openSavedCombinations()
{
    // Loads a saved file back into the combination list: to look at, print, save again
    // or check.
    if (!load().ok)
        return;
    const QString path = chooseTicketFile(TicketFileUse::Open);
    if (path.isEmpty())
        return;
    const Outcome<SavedCombinations> read = readSavedCombinations(path);
    if (!read) {
        showError(failureMessage(read.failure(), m_messages));
        return;
    }
    const SavedCombinations &file = *read;
    const QString name = QFileInfo(path).fileName();
    if (file.lotteryName.trimmed() != currentLottery()) {
        m_services.showMessage(m_window,
            m_messages("Str154").arg(name, file.lotteryName.trimmed(), currentLottery()),
            PlatformServices::MessageKind::Warning);
        return;
    }
    CombinationList list;
    int wideLine = 0;
    if (!CombinationList::fromSavedLines(file.lines, &list, &wideLine)) {
        m_services.showMessage(m_window,
            wideLine > 0 ? m_messages("Str156").arg(wideLine + 2).arg(name) : m_messages("Str155").arg(name),
            PlatformServices::MessageKind::Warning);
        return;
    }
    m_ticketSummary = ticketSummary(list, static_cast<int>(list.markedCaptions().size()),
        IniFile(m_folder.configPath()).load(), currentLottery());
    m_filtersNote.clear();
    m_filterOutcome.clear();
    m_combinationModel->setList(std::move(list));
    forgetUndo();
    showTicketStatus();
}

void PlayCommands::showSavedCombinationsAsText()
{
    const QString path = chooseTicketFile(TicketFileUse::Open);
    if (path.isEmpty())
        return;
    m_parts.showTextFile(path, false);
}

void PlayCommands::showCombinationsAsText()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    const QString path = m_folder.filePath(shownCombinationsFileName());
    if (const Done written = writeCombinationFile(
            path, m_combinationModel->list(), currentLottery(), m_systemBox->currentText(), m_messages);
        !written) {
        showFailure(m_services, m_window, written.failure(), m_messages);
        return;
    }
    m_parts.showTextFile(path, false);
}

void PlayCommands::checkSavedCombinations()
{
    if (!load().ok)
        return;
    const QString path = chooseTicketFile(TicketFileUse::Open);
    if (path.isEmpty())
        return;
    // A check that is refused leaves no report: the last one would be taken for its own.
    const QString reportPath = m_folder.filePath(check::reportFileName());
    Outcome<SavedCombinations> read = readFileToCheck(path, currentLottery(), load().draws, m_messages);
    if (!read) {
        (void)discardCheckReport(reportPath);
        showFailure(m_services, m_window, read.failure(), m_messages);
        return;
    }
    const SavedCombinations file = std::move(read).value();
    // A cancelled question checks the proposed draw.
    QString entry = proposedDrawEntry(load().draws);
    m_services.askText(m_window, m_messages("Str12"), m_messages("Str13"), &entry);
    const DrawChoice choice = chooseDraw(load().draws, entry, m_messages);
    if (!choice.ok()) {
        (void)discardCheckReport(reportPath);
        m_services.showMessage(m_window, choice.message, PlatformServices::MessageKind::Information);
        return;
    }
    m_parts.resultsPane->selectDraw(choice.row);
    // A file of many or very long lines takes a while: the check and the report run as
    // a job, with the wait window and its Cancel.
    const std::shared_ptr<const LoadResult> loaded = m_session.loaded();
    const MessageCatalog messages = m_messages;
    const int row = choice.row;
    m_session.runJob<Done>(
        true,
        [file, loaded, messages, row, reportPath](const Progress &progress) {
            return checkAndReport(
                file, loaded->draws, row, loaded->definition, reportPath, messages, progress);
        },
        [this, reportPath](const Done &checked) {
            if (!checked) {
                showFailure(m_services, m_window, checked.failure(), m_messages);
                return;
            }
            m_parts.showTextFile(reportPath, false);
        });
}

void PlayCommands::exportCombinationListHtml()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    const QString path = m_services.saveFileName(m_window,
        inRememberedFolder(
            m_folder, m_dialogs.saveTexts()->request(1, QStringLiteral("htm")), RememberedFolder::Html));
    if (path.isEmpty())
        return;
    rememberFolder(m_folder, RememberedFolder::Html, path);
    if (const Done written = writeHtmlDocument(path, ticketsDocumentOfList()); !written) {
        showError(failureMessage(written.failure(), m_messages));
        return;
    }
    m_services.openUrl(path);
}

} // namespace kivora
