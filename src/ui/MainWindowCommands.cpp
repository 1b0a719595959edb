// Adding, importing and editing results, and the commands that only open something.

#include "ui/MainWindow.h"

#include "ui/StatusPanel.h"

#include "core/TextFile.h"
#include "reports/Calculator.h"
#include "reports/HtmlExport.h"
#include "reports/Odds.h"
#include "results/BaseWriteGuard.h"
#include "results/ImportResults.h"
#include "ui/FileDialogTexts.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AddDrawDialog.h"
#include "ui/dialogs/LedgerDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QGroupBox>
#include <QLabel>
#include <QTableView>

#include <QDir>
#include <QFileInfo>
#include <QUrl>

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
    if (m_addDialog->execFor(load()))
        loadCurrentLottery();
}

void MainWindow::importResultsFile()
{
    if (!baseIsWritable())
        return;
    const QString help = m_folder.helpPagePath(m_languageCode) + QStringLiteral("#import");
    if (!m_services.confirm(
            this, importReplaceQuestion(load().totalLines, load().basePath, m_messages), help))
        return;
    FileDialogRequest request;
    request.title = currentLottery() + m_messages("Str70");
    request.filters = { m_messages("Str71") };
    const QString source = m_services.openFileName(this, inRememberedFolder(request, FileKind::Import));
    if (source.isEmpty())
        return;
    rememberFolder(FileKind::Import, source);
    // The file is read and the base written off the event loop; the base is replaced
    // only at the end, through a temporary file, so a cancelled import changes nothing.
    const QString basePath = load().basePath;
    const LotteryDefinition definition = load().definition;
    const MessageCatalog messages = m_messages;
    runJob<std::shared_ptr<ImportResult>>(
        true,
        [basePath, source, definition, messages](const Progress &progress) {
            report(progress, 0, 1, 0);
            auto result
                = std::make_shared<ImportResult>(importResults(basePath, source, definition, messages));
            return result;
        },
        [this](std::shared_ptr<ImportResult> result) {
            if (!result->ok) {
                showError(result->error);
                return;
            }
            loadCurrentLottery([this, result] {
                m_statusText->setText(
                    m_statusText->text() + QStringLiteral(". ") + importSummaryText(*result, m_messages));
                const QString skipped = importSkippedText(*result, m_messages);
                if (!skipped.isEmpty())
                    m_services.showMessage(this, skipped, PlatformServices::MessageKind::Information);
            });
        });
}

void MainWindow::editResultsBase()
{
    if (!baseIsWritable())
        return;
    // The editor works on the file itself; the window waits and reloads afterwards.
    QString error;
    if (!textfile::ensureFileExists(load().basePath, &error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.editTextFile(this, load().basePath, true);
    loadCurrentLottery();
}

QString MainWindow::lotteryAddress() const
{
    const QString address = load().definition.www.trimmed();
    if (address.isEmpty() || address == QLatin1String("http://"))
        return {};
    // A web address as it is; anything else names a file, found from the program
    // folder when it is not absolute.
    const QUrl url(address);
    if (url.isValid() && url.scheme().size() > 1)
        return address;
    return QDir::isAbsolutePath(address) ? address : m_folder.filePath(address);
}

void MainWindow::openResultsWebPage()
{
    const QString address = lotteryAddress();
    if (!address.isEmpty())
        m_services.openUrl(address);
}

void MainWindow::openHomePage()
{
    m_services.openUrl(kProductWebAddress);
}

void MainWindow::showHelp()
{
    openHelp(QString());
}

void MainWindow::openHelp(const QString &topic)
{
    // A folder seeded by an older version gets the help page now, and nothing else.
    const QString path = m_folder.helpPagePath(m_languageCode);
    QString error;
    if (!m_folder.writeHelpPageIfMissing(&error, m_languageCode)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.openUrl(topic.isEmpty() ? path : path + QLatin1Char('#') + topic);
}

void MainWindow::showAbout()
{
    m_aboutBox->exec();
}

void MainWindow::showSettings()
{
    m_settingsDialog->exec();
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
    const QString path = m_services.saveFileName(
        this, inRememberedFolder(m_saveDialogTexts->request(1, QStringLiteral("htm")), FileKind::Html));
    if (path.isEmpty())
        return;
    rememberFolder(FileKind::Html, path);
    // The job writes from the list as it stands: its table and display order.
    const auto table = model->sharedTable();
    const std::vector<int> order = model->order();
    const QStringList captions = headerCaptions(model);
    const QString heading = htmlHeading(currentLottery(), groupCaption, m_statusText->text());
    runJob<QString>(
        true,
        [path, table, order, captions, heading](const Progress &progress) {
            QString error;
            const int rows = static_cast<int>(order.size());
            const bool written = writeHtmlTable(
                path, captions, rows,
                [&](int row, HtmlRowCells &cells) {
                    if (row % 4096 == 0)
                        report(progress, 0, rows, row);
                    statRowCells(*table, order[static_cast<size_t>(row)], cells);
                },
                heading, htmlFooter(), &error);
            return written ? QString() : error;
        },
        [this, path](QString error) {
            if (!error.isEmpty()) {
                showError(m_messages("Str56").arg(error));
                return;
            }
            m_services.openUrl(path);
        });
}

void MainWindow::exportCombinationViewHtml()
{
    exportList(m_statModel, m_statGroup->title());
}

void MainWindow::exportNumberListHtml()
{
    exportList(m_numberModel, m_numberGroup->title());
}

void MainWindow::exportCombinationListHtml()
{
    if (!load().ok || !combinationsCanBeSaved())
        return;
    const QString path = m_services.saveFileName(
        this, inRememberedFolder(m_saveDialogTexts->request(1, QStringLiteral("htm")), FileKind::Html));
    if (path.isEmpty())
        return;
    rememberFolder(FileKind::Html, path);
    QString error;
    if (!writeHtmlDocument(path, ticketsDocumentOfList(), &error)) {
        showError(m_messages("Str56").arg(error));
        return;
    }
    m_services.openUrl(path);
}

void MainWindow::startCalculator()
{
    const QString calculator = findCalculator();
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
    if (m_ledgerDialog->openFor(currentLottery(), load().basePath))
        m_ledgerDialog->exec();
}

} // namespace kivora
