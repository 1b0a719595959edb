#include "ui/ResultsCommands.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "results/BaseWriteGuard.h"
#include "results/ImportResults.h"
#include "results/import/ImportProfile.h"
#include "results/import/ImportReport.h"
#include "ui/FailureMessage.h"
#include "ui/FileDialogTexts.h"
#include "ui/LotterySession.h"
#include "ui/PlatformServices.h"
#include "ui/RememberedFolders.h"
#include "ui/WindowDialogs.h"
#include "ui/WindowStatusBar.h"
#include "ui/dialogs/AddDrawDialog.h"
#include "ui/dialogs/ImportPreviewDialog.h"
#include "ui/dialogs/LedgerDialog.h"

namespace kivora {

ResultsCommands::ResultsCommands(WindowParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{ }

const LoadResult &ResultsCommands::load() const
{
    return m_parts.session->load();
}

void ResultsCommands::showError(const QString &text)
{
    m_parts.services->showMessage(m_parts.window, text, PlatformServices::MessageKind::Error);
}

bool ResultsCommands::baseIsWritable()
{
    if (currentLottery().isEmpty())
        return false;
    const MessageCatalog &messages = *m_parts.messages;
    if (!load().ok) {
        showError(messages("Str124").arg(currentLottery(), load().error));
        return false;
    }
    // Add, import and edit write only to a results base, wherever BaseFile points.
    const QString refusal = baseWriteRefusal(load().basePath, load().definition, messages);
    if (!refusal.isEmpty()) {
        showError(refusal);
        return false;
    }
    return true;
}

void ResultsCommands::addResults()
{
    if (!baseIsWritable())
        return;
    if (m_parts.dialogs->addDraw()->execFor(load()))
        m_parts.reload({});
}

void ResultsCommands::importResultsFile()
{
    if (!baseIsWritable())
        return;
    const ProgramFolder &folder = *m_parts.folder;
    const MessageCatalog &messages = *m_parts.messages;
    PlatformServices &services = *m_parts.services;
    QWidget *window = m_parts.window;
    FileDialogRequest request;
    request.title = currentLottery() + messages("Str70");
    request.filters = { messages("Str71") };
    const QString source
        = services.openFileName(window, inRememberedFolder(folder, request, RememberedFolder::Import));
    if (source.isEmpty())
        return;
    rememberFolder(folder, RememberedFolder::Import, source);
    // The preview reads the file and plans the import; nothing is written before OK.
    const QString basePath = load().basePath;
    const LotteryDefinition definition = load().definition;
    ImportPreviewDialog preview(
        { source, basePath, currentLottery(), folder.configPath(), definition }, messages, window);
    if (!preview.refusal().isEmpty()) {
        showError(preview.refusal());
        return;
    }
    if (preview.exec() != QDialog::Accepted)
        return;
    const QString help = folder.helpPagePath(m_parts.languageCode()) + QStringLiteral("#import");
    if (!preview.merge()
        && !services.confirm(window, importReplaceQuestion(load().totalLines, basePath, messages), help))
        return;
    // The base is written off the event loop, and only at the end, through a temporary
    // file: a job cancelled before that changes nothing.
    const std::shared_ptr<const PlannedImport> planned = preview.planned();
    const bool recordsFirst = preview.recordsFirst();
    const bool saveProfile = preview.saveProfile();
    const ImportSettings profile = preview.profileSettings();
    const QString lottery = currentLottery();
    const MessageCatalog jobMessages = messages;
    m_parts.session->runJob<std::shared_ptr<ImportResult>>(
        true,
        [basePath, planned, definition, recordsFirst, jobMessages](const Progress &progress) {
            report(progress, 0, 1, 0);
            return std::make_shared<ImportResult>(
                runPlannedImport(basePath, *planned, definition, recordsFirst, jobMessages));
        },
        [this, planned, saveProfile, profile, lottery](const std::shared_ptr<ImportResult> &result) {
            if (!result->ok) {
                showError(result->error);
                return;
            }
            const Done profileSaved = saveProfile
                ? saveImportProfile(IniFile(m_parts.folder->configPath()), lottery, profile)
                : Done();
            m_parts.reload(
                [this, result, planned, profileSaved] { tellImported(*result, *planned, profileSaved); });
        });
}

void ResultsCommands::tellImported(
    const ImportResult &result, const PlannedImport &planned, const Done &profileSaved)
{
    const MessageCatalog &messages = *m_parts.messages;
    QString status = importSummaryText(result, messages);
    if (planned.merge)
        status += QLatin1Char(' ') + mergeSummaryText(planned.plan, messages);
    m_parts.statusBar->setStatusText(m_parts.statusBar->statusText() + QStringLiteral(". ") + status);
    const QString skipped = importSkippedText(result, messages);
    if (!skipped.isEmpty())
        m_parts.services->showMessage(m_parts.window, skipped, PlatformServices::MessageKind::Information);
    if (!profileSaved)
        showFailure(*m_parts.services, m_parts.window, profileSaved.failure(), messages);
}

void ResultsCommands::editResultsBase()
{
    if (!baseIsWritable())
        return;
    // The editor works on the file itself; the window waits and reloads afterwards.
    if (const Done made = textfile::ensureFileExists(load().basePath); !made) {
        showFailure(*m_parts.services, m_parts.window, made.failure(), *m_parts.messages);
        return;
    }
    m_parts.showTextFile(load().basePath, true);
    m_parts.reload({});
}

void ResultsCommands::showLedger()
{
    if (!baseIsWritable())
        return;
    LedgerDialog *ledger = m_parts.dialogs->ledger();
    if (ledger->openFor(currentLottery(), load().basePath))
        ledger->exec();
}

} // namespace kivora
