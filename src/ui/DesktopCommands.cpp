#include "ui/DesktopCommands.h"

#include "core/LotteryLink.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/UserPrograms.h"
#include "reports/Calculator.h"
#include "reports/HtmlExport.h"
#include "ui/FailureMessage.h"
#include "ui/FileDialogTexts.h"
#include "ui/LotterySession.h"
#include "ui/PlatformServices.h"
#include "ui/RememberedFolders.h"
#include "ui/WindowDialogs.h"
#include "ui/WindowStatusBar.h"
#include "ui/models/StatTableModel.h"

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

DesktopCommands::DesktopCommands(WindowParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{ }

const LoadResult &DesktopCommands::load() const
{
    return m_parts.session->load();
}

void DesktopCommands::showError(const QString &text)
{
    m_parts.services->showMessage(m_parts.window, text, PlatformServices::MessageKind::Error);
}

void DesktopCommands::showTextFile(const QString &path, bool wait)
{
    // The editor comes from the user's own settings, never from the program folder, and
    // gets the file as its only argument: nothing goes through a shell.
    const QString editor = UserPrograms::path(UserPrograms::TextEditor);
    if (!editor.isEmpty()) {
        if (m_parts.services->startProgram(editor, { path }, wait))
            return;
        m_parts.services->showMessage(m_parts.window, (*m_parts.messages)("Str425").arg(editor),
            PlatformServices::MessageKind::Warning);
    }
    m_parts.services->editTextFile(m_parts.window, path, wait);
}

bool DesktopCommands::hasLotteryAddress() const
{
    return lotteryLink(load().definition.www, m_parts.folder->path()).kind != LotteryLink::Kind::None;
}

void DesktopCommands::openResultsWebPage()
{
    // The address comes from the configuration, which may come from someone else: the
    // desktop gets a web address, or after a question a page of the program folder.
    const LotteryLink link = lotteryLink(load().definition.www, m_parts.folder->path());
    const MessageCatalog &messages = *m_parts.messages;
    switch (link.kind) {
    case LotteryLink::Kind::None:
        return;
    case LotteryLink::Kind::Web:
        m_parts.services->openUrl(link.target);
        return;
    case LotteryLink::Kind::LocalPage:
        if (m_parts.services->confirm(m_parts.window, messages("Str422").arg(link.target)))
            m_parts.services->openUrl(link.target);
        return;
    case LotteryLink::Kind::Refused:
        m_parts.services->showMessage(
            m_parts.window, messages("Str421").arg(link.target), PlatformServices::MessageKind::Warning);
        return;
    }
}

void DesktopCommands::openHomePage()
{
    m_parts.services->openUrl(kProductWebAddress);
}

void DesktopCommands::openHelp(const QString &topic)
{
    // A folder seeded by an older version gets the help page now, and nothing else.
    const QString code = m_parts.languageCode();
    const QString path = m_parts.folder->helpPagePath(code);
    if (const Done written = m_parts.folder->writeHelpPageIfMissing(code); !written) {
        showFailure(*m_parts.services, m_parts.window, written.failure(), *m_parts.messages);
        return;
    }
    m_parts.services->openUrl(topic.isEmpty() ? path : path + QLatin1Char('#') + topic);
}

void DesktopCommands::startCalculator()
{
    // The user's own choice, or the first calculator installed.
    QString calculator = UserPrograms::path(UserPrograms::Calculator);
    if (calculator.isEmpty())
        calculator = findCalculator();
    if (calculator.isEmpty()) {
        m_parts.services->showMessage(
            m_parts.window, (*m_parts.messages)("Str64"), PlatformServices::MessageKind::Information);
        return;
    }
    if (!m_parts.services->startProgram(calculator, {}, false))
        showError((*m_parts.messages)("Str65").arg(calculator));
}

void DesktopCommands::exportList(const StatTableModel *model, const QString &groupCaption)
{
    const ProgramFolder &folder = *m_parts.folder;
    const QString path = m_parts.services->saveFileName(m_parts.window,
        inRememberedFolder(
            folder, m_parts.dialogs->saveTexts()->request(1, QStringLiteral("htm")), RememberedFolder::Html));
    if (path.isEmpty())
        return;
    rememberFolder(folder, RememberedFolder::Html, path);
    // The job writes from the list as it stands: its table and display order.
    const auto table = model->sharedTable();
    const std::vector<int> order = model->order();
    const QStringList captions = headerCaptions(model);
    const QString heading
        = htmlHeading(m_parts.currentLottery(), groupCaption, m_parts.statusBar->statusText());
    const QString footer = htmlFooter(*m_parts.messages);
    m_parts.session->runJob<Done>(
        true,
        [path, table, order, captions, heading, footer](const Progress &progress) {
            const int rows = static_cast<int>(order.size());
            return writeHtmlTable(
                path, captions, rows,
                [&](int row, HtmlRowCells &cells) {
                    if (row % 4096 == 0)
                        report(progress, 0, rows, row);
                    statRowCells(*table, order[static_cast<size_t>(row)], cells);
                },
                heading, footer);
        },
        [this, path](const Done &written) {
            if (!written) {
                showFailure(*m_parts.services, m_parts.window, written.failure(), *m_parts.messages);
                return;
            }
            m_parts.services->openUrl(path);
        });
}

} // namespace kivora
