#include "ui/ResultsUpdateCommands.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/ProgramFolder.h"
#include "net/ResultsUpdate.h"
#include "results/BaseWriteGuard.h"
#include "results/catalogue/LotterySource.h"
#include "results/catalogue/RuleChange.h"
#include "results/import/ImportReport.h"
#include "ui/FailureMessage.h"
#include "ui/JobRunner.h"
#include "ui/LotterySession.h"
#include "ui/PlatformServices.h"
#include "ui/WindowStatusBar.h"

#include <QMetaObject>

#include <memory>

namespace kivora {

namespace {

using UpdateOutcome = std::shared_ptr<const Outcome<ResultsUpdate>>;

} // namespace

ResultsUpdateCommands::ResultsUpdateCommands(WindowParts parts, std::function<void()> importFile,
    std::function<void(const QString &lottery)> showLottery, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_importFile(std::move(importFile))
    , m_showLottery(std::move(showLottery))
{ }

void ResultsUpdateCommands::showError(const QString &text)
{
    m_parts.services->showMessage(m_parts.window, text, PlatformServices::MessageKind::Error);
}

void ResultsUpdateCommands::updateResults()
{
    const QString lottery = m_parts.currentLottery();
    if (lottery.isEmpty() || m_parts.session->isBusy())
        return;
    const MessageCatalog &messages = *m_parts.messages;
    const LoadResult &load = m_parts.session->load();
    if (!load.ok) {
        showError(messages("Str124").arg(lottery, load.error));
        return;
    }
    if (const QString refusal = baseWriteRefusal(load.basePath, load.definition, messages);
        !refusal.isEmpty()) {
        showError(refusal);
        return;
    }
    const ProgramFolder &folder = *m_parts.folder;
    const LotterySource source = catalogue::lotterySource(
        IniFile(folder.configPath()).load(), lottery, catalogue::load(folder, messages));
    if (source.url.isEmpty()) {
        if (m_parts.services->confirm(m_parts.window, messages("Str749").arg(lottery)))
            m_importFile();
        return;
    }
    ResultsUpdateRequest request;
    request.url = source.url;
    request.basePath = load.basePath;
    request.definition = load.definition;
    request.settings = source.settings;
    const MessageCatalog jobMessages = messages;
    m_parts.session->runJob<UpdateOutcome>(
        true,
        [request, jobMessages](const Progress &progress) {
            // Cancel reaches the download through its progress; the job then unwinds.
            bool cancelled = false;
            const auto followed = [&](qint64 received, qint64 total) {
                try {
                    const int kilobytes = static_cast<int>(received / 1024);
                    report(progress, 0, total > 0 ? static_cast<int>(total / 1024) : 0, kilobytes);
                    return true;
                } catch (const JobCancelled &) {
                    cancelled = true;
                    return false;
                }
            };
            auto outcome = std::make_shared<const Outcome<ResultsUpdate>>(
                kivora::updateResults(request, jobMessages, followed));
            if (cancelled)
                throw JobCancelled();
            return UpdateOutcome(outcome);
        },
        [this](const UpdateOutcome &outcome) {
            if (!*outcome) {
                if (outcome->failure().kind != Failure::Kind::Cancelled)
                    showError(outcome->failure().text);
                return;
            }
            const ResultsUpdate update = outcome->value();
            m_parts.reload([this, update] {
                const MessageCatalog &messages = *m_parts.messages;
                const QString told = withPlurals(messages("Str752").arg(update.bytes).arg(update.url))
                    + QLatin1Char(' ') + mergeSummaryText(update.planned.plan, messages);
                m_parts.statusBar->setStatusText(
                    m_parts.statusBar->statusText() + QStringLiteral(". ") + told);
            });
        });
}

void ResultsUpdateCommands::tellRuleChange()
{
    const QString lottery = m_parts.currentLottery();
    const ProgramFolder &folder = *m_parts.folder;
    const IniFile ini(folder.configPath());
    const IniDocument document = ini.load();
    // Only a lottery of the catalogue can see its game's rules change.
    if (lottery.isEmpty() || document.readString(lottery, catalogue::kCatalogueNameKey, QString()).isEmpty())
        return;
    const MessageCatalog &messages = *m_parts.messages;
    const std::optional<RuleChange> change
        = catalogue::findRuleChange(document, lottery, catalogue::load(folder, messages));
    if (!change)
        return;
    PlatformServices &services = *m_parts.services;
    if (const Done remembered = catalogue::rememberRuleChange(ini, *change); !remembered)
        showFailure(services, m_parts.window, remembered.failure(), messages);
    const CatalogueGame &game = change->game;
    const QString question
        = messages("Str754").arg(game.name, game.since, game.matrixText(), lottery, change->storedMatrix);
    if (!services.confirm(m_parts.window, question))
        return;
    const Outcome<catalogue::AddedLottery> added = catalogue::startNewMatrix(folder, *change, messages);
    if (!added) {
        showFailure(services, m_parts.window, added.failure(), messages);
        return;
    }
    services.showMessage(m_parts.window, messages("Str755").arg(added->lottery, added->baseFile),
        PlatformServices::MessageKind::Information);
    // The tab switch starts a load: not from inside the load that just ended.
    const QString name = added->lottery;
    QMetaObject::invokeMethod(
        this, [this, name] { m_showLottery(name); }, Qt::QueuedConnection);
}

} // namespace kivora
