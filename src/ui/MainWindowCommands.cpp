// Adding, importing and editing results, and the commands that only open something.

#include "ui/MainWindow.h"

#include "ui/LanguageSwitcher.h"

#include "ui/WindowStatusBar.h"

#include "core/IniFile.h"
#include "core/LotteryLink.h"
#include "core/TextFile.h"
#include "core/UserPrograms.h"
#include "reports/Calculator.h"
#include "reports/HtmlExport.h"
#include "reports/Odds.h"
#include "results/BaseWriteGuard.h"
#include "results/ImportResults.h"
#include "results/import/ImportProfile.h"
#include "results/import/ImportReport.h"
#include "ui/FileDialogTexts.h"
#include "ui/PlatformServices.h"
#include "ui/RememberedFolders.h"
#include "ui/WindowDialogs.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AddDrawDialog.h"
#include "ui/dialogs/ImportPreviewDialog.h"
#include "ui/dialogs/LedgerDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/StatisticsPane.h"

#include <QGroupBox>
#include <QLabel>
#include <QTableView>

#include <QFileInfo>

namespace kivora {

bool MainWindow::baseIsWritable()
{
    if (currentLottery().isEmpty())
        return false;
    if (!load().ok) {
        showError(m_messages("Str124").arg(currentLottery(), load().error));
        return false;
    }
    // Add, import and edit write only to a results base, wherever BaseFile points.
    const QString refusal = baseWriteRefusal(load().basePath, load().definition, m_messages);
    if (!refusal.isEmpty()) {
        showError(refusal);
        return false;
    }
    return true;
}

void MainWindow::addResults()
{
    if (!baseIsWritable())
        return;
    if (m_dialogs->addDraw()->execFor(load()))
        loadCurrentLottery();
}

void MainWindow::importResultsFile()
{
    if (!baseIsWritable())
        return;
    FileDialogRequest request;
    request.title = currentLottery() + m_messages("Str70");
    request.filters = { m_messages("Str71") };
    const QString source
        = m_services.openFileName(this, inRememberedFolder(m_folder, request, RememberedFolder::Import));
    if (source.isEmpty())
        return;
    rememberFolder(m_folder, RememberedFolder::Import, source);
    // The preview reads the file and plans the import; nothing is written before OK.
    const QString basePath = load().basePath;
    const LotteryDefinition definition = load().definition;
    ImportPreviewDialog preview(
        { source, basePath, currentLottery(), m_folder.configPath(), definition }, m_messages, this);
    if (!preview.refusal().isEmpty()) {
        showError(preview.refusal());
        return;
    }
    if (preview.exec() != QDialog::Accepted)
        return;
    const QString help = m_folder.helpPagePath(m_language->code()) + QStringLiteral("#import");
    if (!preview.merge()
        && !m_services.confirm(this, importReplaceQuestion(load().totalLines, basePath, m_messages), help))
        return;
    // The base is written off the event loop, and only at the end, through a temporary
    // file: a job cancelled before that changes nothing.
    const std::shared_ptr<const PlannedImport> planned = preview.planned();
    const bool recordsFirst = preview.recordsFirst();
    const bool saveProfile = preview.saveProfile();
    const ImportSettings profile = preview.profileSettings();
    const QString lottery = currentLottery();
    const MessageCatalog messages = m_messages;
    runJob<std::shared_ptr<ImportResult>>(
        true,
        [basePath, planned, definition, recordsFirst, messages](const Progress &progress) {
            report(progress, 0, 1, 0);
            return std::make_shared<ImportResult>(
                runPlannedImport(basePath, *planned, definition, recordsFirst, messages));
        },
        [this, planned, saveProfile, profile, lottery](std::shared_ptr<ImportResult> result) {
            if (!result->ok) {
                showError(result->error);
                return;
            }
            QString profileError;
            if (saveProfile) {
                IniFile ini(m_folder.configPath());
                const ProfileWrite saved = saveImportProfile(ini, lottery, profile);
                if (!saved.ok)
                    profileError = m_messages("Str56").arg(saved.message);
            }
            loadCurrentLottery([this, result, planned, profileError] {
                QString status = importSummaryText(*result, m_messages);
                if (planned->merge)
                    status += QLatin1Char(' ') + mergeSummaryText(planned->plan, m_messages);
                m_statusBar->setStatusText(m_statusBar->statusText() + QStringLiteral(". ") + status);
                const QString skipped = importSkippedText(*result, m_messages);
                if (!skipped.isEmpty())
                    m_services.showMessage(this, skipped, PlatformServices::MessageKind::Information);
                if (!profileError.isEmpty())
                    showError(profileError);
            });
        });
}

void MainWindow::editResultsBase()
{
    if (!baseIsWritable())
        return;
    // The editor works on the file itself; the window waits and reloads afterwards.
    if (const Done made = textfile::ensureFileExists(load().basePath); !made) {
        showError(failureMessage(made.failure(), m_messages));
        return;
    }
    showTextFile(load().basePath, true);
    loadCurrentLottery();
}

void MainWindow::showTextFile(const QString &path, bool wait)
{
    // The editor comes from the user's own settings, never from the program folder, and
    // gets the file as its only argument: nothing goes through a shell.
    const QString editor = UserPrograms::path(UserPrograms::TextEditor);
    if (!editor.isEmpty()) {
        if (m_services.startProgram(editor, { path }, wait))
            return;
        m_services.showMessage(
            this, m_messages("Str425").arg(editor), PlatformServices::MessageKind::Warning);
    }
    m_services.editTextFile(this, path, wait);
}

bool MainWindow::hasLotteryAddress() const
{
    return lotteryLink(load().definition.www, m_folder.path()).kind != LotteryLink::Kind::None;
}

void MainWindow::openResultsWebPage()
{
    // The address comes from the configuration, which may come from someone else: the
    // desktop gets a web address, or after a question a page of the program folder.
    const LotteryLink link = lotteryLink(load().definition.www, m_folder.path());
    switch (link.kind) {
    case LotteryLink::Kind::None:
        return;
    case LotteryLink::Kind::Web:
        m_services.openUrl(link.target);
        return;
    case LotteryLink::Kind::LocalPage:
        if (m_services.confirm(this, m_messages("Str422").arg(link.target)))
            m_services.openUrl(link.target);
        return;
    case LotteryLink::Kind::Refused:
        m_services.showMessage(
            this, m_messages("Str421").arg(link.target), PlatformServices::MessageKind::Warning);
        return;
    }
}

void MainWindow::openHomePage()
{
    m_services.openUrl(kProductWebAddress);
}

void MainWindow::openHelp(const QString &topic)
{
    // A folder seeded by an older version gets the help page now, and nothing else.
    const QString path = m_folder.helpPagePath(m_language->code());
    if (const Done written = m_folder.writeHelpPageIfMissing(m_language->code()); !written) {
        showError(failureMessage(written.failure(), m_messages));
        return;
    }
    m_services.openUrl(topic.isEmpty() ? path : path + QLatin1Char('#') + topic);
}

void MainWindow::showAbout()
{
    m_dialogs->about()->exec();
}

void MainWindow::showSettings()
{
    m_dialogs->settings()->execAt(currentLottery());
}

} // namespace kivora

namespace kivora {

namespace {

QStringList headerCaptions(const QAbstractItemModel *model)
{
    QStringList captions;
    for (int column = 0; column < model->columnCount(); ++column)
        captions.append(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    return captions;
}

} // namespace

void MainWindow::exportList(const StatTableModel *model, const QString &groupCaption)
{
    const QString path = m_services.saveFileName(this,
        inRememberedFolder(
            m_folder, m_dialogs->saveTexts()->request(1, QStringLiteral("htm")), RememberedFolder::Html));
    if (path.isEmpty())
        return;
    rememberFolder(m_folder, RememberedFolder::Html, path);
    // The job writes from the list as it stands: its table and display order.
    const auto table = model->sharedTable();
    const std::vector<int> order = model->order();
    const QStringList captions = headerCaptions(model);
    const QString heading = htmlHeading(currentLottery(), groupCaption, m_statusBar->statusText());
    runJob<Done>(
        true,
        [path, table, order, captions, heading](const Progress &progress) {
            const int rows = static_cast<int>(order.size());
            return writeHtmlTable(
                path, captions, rows,
                [&](int row, HtmlRowCells &cells) {
                    if (row % 4096 == 0)
                        report(progress, 0, rows, row);
                    statRowCells(*table, order[static_cast<size_t>(row)], cells);
                },
                heading, htmlFooter());
        },
        [this, path](Done written) {
            if (!written) {
                showError(failureMessage(written.failure(), m_messages));
                return;
            }
            m_services.openUrl(path);
        });
}

void MainWindow::exportCombinationViewHtml()
{
    exportList(m_statisticsPane->model(), m_statisticsPane->title());
}

void MainWindow::exportNumberListHtml()
{
    exportList(m_numberPane->model(), m_numberPane->title());
}

void MainWindow::startCalculator()
{
    // The user's own choice, or the first calculator installed.
    QString calculator = UserPrograms::path(UserPrograms::Calculator);
    if (calculator.isEmpty())
        calculator = findCalculator();
    if (calculator.isEmpty()) {
        m_services.showMessage(this, m_messages("Str64"), PlatformServices::MessageKind::Information);
        return;
    }
    if (!m_services.startProgram(calculator, {}, false))
        showError(m_messages("Str65").arg(calculator));
}

void MainWindow::showLedger()
{
    if (!baseIsWritable())
        return;
    if (m_dialogs->ledger()->openFor(currentLottery(), load().basePath))
        m_dialogs->ledger()->exec();
}

} // namespace kivora
