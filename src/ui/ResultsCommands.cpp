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

#include <QPointer>
#include <QTimer>

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
    ImportJob job;
    job.basePath = basePath;
    job.lottery = currentLottery();
    job.planned = preview.planned();
    job.definition = definition;
    job.recordsFirst = preview.recordsFirst();
    job.saveProfile = preview.saveProfile();
    job.profile = preview.profileSettings();
    startWhenIdle(std::move(job));
}

void ResultsCommands::startWhenIdle(ImportJob job)
{
    LotterySession *session = m_parts.session;
    if (!session->isBusy()) {
        runImport(std::move(job));
        return;
    }
    // Another job runs: the import the user confirmed starts after it, never instead.
    m_parts.statusBar->setStatusText((*m_parts.messages)("Str720"));
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(session, &LotterySession::busyChanged, this, [this, connection, job](bool busy) {
        if (busy)
            return;
        disconnect(*connection);
        // The job that ended may start another from its end: look again after it.
        QTimer::singleShot(0, this, [this, job] { startWhenIdle(job); });
    });
}

void ResultsCommands::runImport(ImportJob job)
{
    // The base is written off the event loop, and only at the end, through a temporary
    // file: a job cancelled before that changes nothing. One cancelled (or failed)
    // once the write began may have changed the base all the same, so the window
    // then loads the base again as soon as the job has let go of it.
    struct Track
    {
        bool shown = false; // the job's end was shown: nothing left to do
        bool stopped = false; // the job ended without being shown
        bool workEnded = false; // the worker let go of the base
    };
    auto track = std::make_shared<Track>();
    QPointer<ResultsCommands> self(this);
    const auto afterStop = [self, track, lottery = job.lottery] {
        if (self && track->stopped && track->workEnded)
            self->showBaseAfterStop(lottery);
    };
    JobRunner *runner = &m_parts.session->jobs();
    const MessageCatalog jobMessages = *m_parts.messages;
    m_parts.session->runJob<std::shared_ptr<ImportResult>>(
        true,
        [job, jobMessages, runner, track, afterStop](const Progress &progress) {
            // Runs however the work ends, a cancel or an exception included.
            struct Ended
            {
                JobRunner *runner;
                std::shared_ptr<Track> track;
                std::function<void()> afterStop;
                ~Ended()
                {
                    QMetaObject::invokeMethod(
                        runner,
                        [track = track, afterStop = afterStop] {
                            track->workEnded = true;
                            afterStop();
                        },
                        Qt::QueuedConnection);
                }
            } ended { runner, track, afterStop };
            report(progress, 0, 1, 0);
            return std::make_shared<ImportResult>(
                runPlannedImport(job.basePath, *job.planned, job.definition, job.recordsFirst, jobMessages));
        },
        [this, job, track](const std::shared_ptr<ImportResult> &result) {
            track->shown = true;
            if (!result->ok) {
                // Nothing was written, but the base may have changed on disk meanwhile.
                const QString error = result->error;
                m_parts.reload([this, error] { showError(error); });
                return;
            }
            const Done profileSaved = job.saveProfile
                ? saveImportProfile(IniFile(m_parts.folder->configPath()), job.lottery, job.profile)
                : Done();
            const std::shared_ptr<const PlannedImport> planned = job.planned;
            m_parts.reload(
                [this, result, planned, profileSaved] { tellImported(*result, *planned, profileSaved); });
        });
    // The job ends unshown when it is cancelled, superseded or fails: its end is known
    // once the runner is idle and the job's own end (which comes right after) did not run.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(
        m_parts.session, &LotterySession::busyChanged, this, [this, connection, track, afterStop](bool busy) {
            if (busy)
                return;
            disconnect(*connection);
            QTimer::singleShot(0, this, [track, afterStop] {
                if (track->shown)
                    return;
                track->stopped = true;
                afterStop();
            });
        });
}

void ResultsCommands::showBaseAfterStop(const QString &lottery)
{
    // Another lottery on show now loads its own base.
    if (currentLottery() != lottery)
        return;
    m_parts.reload([this] {
        m_parts.statusBar->setStatusText(
            m_parts.statusBar->statusText() + QStringLiteral(". ") + (*m_parts.messages)("Str721"));
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
