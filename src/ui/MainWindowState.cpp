// Start-up and closing: the window state in section Form of the configuration file,
// the lottery tabs and the language menu.

#include "ui/FailureMessage.h"
#include "ui/MainWindow.h"

#include "ui/WindowStatusBar.h"
#include "ui/panes/FilterBar.h"
#include "ui/panes/PaneLayout.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/panes/ToolBar.h"

#include "core/IniFile.h"
#include "core/LanguageIdentity.h"
#include "core/LotteryDefinition.h"
#include "core/TextFile.h"
#include "ui/LanguageResource.h"
#include "ui/LanguageSwitcher.h"
#include "ui/WindowDialogs.h"
#include "ui/models/ColourLegend.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/play/PlayCommands.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>

namespace kivora {

namespace {

const QString kForm = QStringLiteral("Form");
// In a lottery's section: the places of the splitters the user left in that lottery.
const QString kPaneSplit = QStringLiteral("PaneSplit");

// What applying a language file wrote into its document (the texts it lacked or held
// empty, the font it did not name), written into another reading of the file.
void copyWrittenKeys(const IniDocument &read, const IniDocument &applied, IniDocument &to)
{
    for (const QString &section : applied.sectionNames()) {
        for (const QString &key : applied.keys(section)) {
            const std::optional<QString> value = applied.value(section, key);
            if (value != read.value(section, key))
                to.writeString(section, key, value.value_or(QString()));
        }
    }
}

} // namespace

void MainWindow::readWindowSettings()
{
    // A configuration that exists but cannot be read is said at once; the window runs
    // on its defaults and writes nothing over the file (IniFile refuses to).
    const Outcome<IniDocument> read = IniFile(m_folder.configPath()).read();
    if (!read)
        showError(m_messages("Str162").arg(read.failure().text));
    const IniDocument ini = read ? *read : IniDocument();
    placeOnScreen(QPoint(ini.readInteger(kForm, QStringLiteral("Left"), 100),
                      ini.readInteger(kForm, QStringLiteral("Top"), 100)),
        QSize(ini.readInteger(kForm, QStringLiteral("Width"), 0),
            ini.readInteger(kForm, QStringLiteral("Height"), 0)));
    // Keys of later versions; a file without them reads as before.
    m_statistics->restoreSorts(std::clamp(ini.readInteger(kForm, QStringLiteral("NumberListSort"), 1), 0, 2),
        std::clamp(ini.readInteger(kForm, QStringLiteral("StatListSort"), -1), -1, 2));
    const QString lastLottery = ini.readString(kForm, QStringLiteral("LastLottery"), QString());
    // The splitters the user placed, in each lottery's section; a file of an earlier
    // version kept one split for all, which goes to the lottery it was left in.
    QHash<QString, QString> splits;
    for (const QString &name : lotteries::shownNames(ini)) {
        const QString split = ini.readString(name, kPaneSplit, QString());
        if (!split.isEmpty())
            splits.insert(name, split);
    }
    const QString formSplit = ini.readString(kForm, QStringLiteral("Splitter"), QString());
    const QString formRightSplit = ini.readString(kForm, QStringLiteral("RightSplitter"), QString());
    if (!lastLottery.isEmpty() && !splits.contains(lastLottery) && !formSplit.isEmpty())
        splits.insert(lastLottery, formSplit + QLatin1Char(';') + formRightSplit);
    m_panes->keepSplits(splits);
    // The last-draws filter as it was left, quietly: the first load uses it.
    m_filterBar->restoreLastDraws(ini.readInteger(kForm, QStringLiteral("LastDraws"), 0));
    m_toolBar->setCaptionsShown(ini.readBool(kForm, QStringLiteral("ToolbarCaptions"), false));
    m_startGeometry = QRect(pos(), size()); // the frame's place, the inner size
    if (ini.readBool(kForm, QStringLiteral("InitMax"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
    m_language->setFileName(
        QFileInfo(ini.readString(kForm, QStringLiteral("LangFile"), QStringLiteral("&russian.lng")))
            .fileName());

    applyLanguage(true);

    const QSignalBlocker blockTabs(m_lotteryTabs);
    for (const QString &name : lotteries::shownNames(ini))
        m_lotteryTabs->addTab(name);
    if (m_lotteryTabs->count() > 0)
        m_lotteryTabs->setCurrentIndex(0);
    for (int tab = 0; tab < m_lotteryTabs->count(); ++tab) {
        if (m_lotteryTabs->tabText(tab) == lastLottery)
            m_lotteryTabs->setCurrentIndex(tab);
    }
    m_panes->setLottery(currentLottery());
    m_language->fillMenu();
}

void MainWindow::placeOnScreen(const QPoint &topLeft, const QSize &storedSize)
{
    // The stored position is kept, but the window never starts partly off the screen.
    const QScreen *screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    // The first start takes the screen (a whole Keno draw fits on 1366 x 768); later
    // starts the size the window was left with.
    QSize size = storedSize.isValid() && storedSize.width() >= 400 && storedSize.height() >= 300
        ? storedSize
        : QSize(std::min(1600, available.width() - 10), std::min(1000, available.height() - 30));
    size = size.boundedTo(QSize(available.width(), available.height()));
    resize(size);
    QPoint position = topLeft;
    position.setX(std::clamp(
        position.x(), available.left(), std::max(available.left(), available.right() - size.width())));
    position.setY(std::clamp(
        position.y(), available.top(), std::max(available.top(), available.bottom() - size.height() - 30)));
    move(position);
}

void MainWindow::applyLanguage(bool atStart)
{
    // One reading of the file for every window; written once if texts were missing.
    QDir().mkpath(m_folder.languageFolder());
    IniFile file(m_language->path());
    IniDocument doc = file.load();
    const IniDocument read = doc;
    LanguageResource(this, LanguageResource::Kind::MainWindow).apply(doc);
    m_messages.restoreBuiltIn();
    LanguageResource::applyMessages(m_messages, doc);
    textfile::useMessages(m_messages);
    for (QWidget *dialog : m_dialogs->translated(atStart))
        LanguageResource(dialog, LanguageResource::Kind::Dialog).apply(doc);
    m_language->setCode(languageIdentity(doc, m_language->fileName()).code);
    // A font from the file changes what every cell needs.
    m_panes->applyMetrics();
    m_panes->setEmptyCombinationsHint(m_messages("Str680"));
    m_panes->setColourLegend(colourLegend(m_messages));
    m_statisticsPane->setEmptyTitle(doc.readString(
        QStringLiteral("MainForm"), QStringLiteral("GroupBox2_Caption"), m_statisticsPane->emptyTitle()));
    // Only what was missing goes back, into the file as it is now.
    if (!doc.isModified())
        return;
    if (const Done written = file.update([&](IniDocument &current) { copyWrittenKeys(read, doc, current); });
        !written)
        m_statusBar->setStatusText(failureMessage(written.failure(), m_messages));
}

void MainWindow::switchLanguage()
{
    applyLanguage(false);
    // Texts made from the catalogue follow at once.
    QComboBox *systems = m_toolBar->systemBox();
    systems->setCurrentIndex(systems->count() > 0 ? 0 : -1);
    m_statistics->rebuildPositionMenus();
    m_statistics->retitle();
    if (load().ok)
        m_statusBar->setStatusText(loadStatusText(load(), m_messages));
    m_play->expandMarkedNumbers();
}

void MainWindow::saveWindowSettings()
{
    IniFile ini(m_folder.configPath());
    const Outcome<IniDocument> read = ini.read();
    if (!read)
        return; // said at start: the window's state is not worth the user's configuration
    const bool maximised = isMaximized();
    // Top and Left are where the frame goes (what move() takes). A maximised window
    // keeps the place and size it returns to: its normal geometry, less the frame.
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    QRect normal = maximised ? normalGeometry() : geometry();
    QPoint position = normal.topLeft() - frameOffset;
    if (!normal.isValid()) {
        // Maximised before it was ever shown, it has no normal geometry of its own
        // yet: it returns to the place and size it was given at start.
        normal = m_startGeometry;
        position = m_startGeometry.topLeft();
    }
    // The window's own keys only, on the file as it is now: what a script or another
    // window changed while this one was open stays.
    const Done written = ini.update([&](IniDocument &document) {
        document.writeString(kForm, QStringLiteral("Top"), QString::number(position.y()));
        document.writeString(kForm, QStringLiteral("Left"), QString::number(position.x()));
        document.writeString(kForm, QStringLiteral("Width"), QString::number(normal.width()));
        document.writeString(kForm, QStringLiteral("Height"), QString::number(normal.height()));
        document.writeString(
            kForm, QStringLiteral("InitMax"), maximised ? QStringLiteral("1") : QStringLiteral("0"));
        document.writeString(kForm, QStringLiteral("LangFile"), m_language->fileName());
        document.writeString(
            kForm, QStringLiteral("LastDraws"), QString::number(m_filterBar->keptLastDraws()));
        document.writeString(kForm, QStringLiteral("LastLottery"), currentLottery());
        document.writeString(kForm, QStringLiteral("ToolbarCaptions"),
            m_toolBar->captionsShown() ? QStringLiteral("1") : QStringLiteral("0"));
        // The one split of earlier versions goes; each lottery keeps its own.
        document.deleteKey(kForm, QStringLiteral("Splitter"));
        document.deleteKey(kForm, QStringLiteral("RightSplitter"));
        const QHash<QString, QString> splits = m_panes->keptSplits();
        for (auto split = splits.cbegin(); split != splits.cend(); ++split) {
            if (document.sectionNames().contains(split.key()))
                document.writeString(split.key(), kPaneSplit, split.value());
        }
        document.writeString(
            kForm, QStringLiteral("NumberListSort"), QString::number(m_statistics->numberListSort()));
        document.writeString(
            kForm, QStringLiteral("StatListSort"), QString::number(m_statistics->statListSort()));
    });
    if (!written)
        showFailure(m_services, this, written.failure(), m_messages);
}

} // namespace kivora
