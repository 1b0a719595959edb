// Start-up and closing: the window state in section Form of the configuration file,
// the lottery tabs and the language menu.

#include "ui/MainWindow.h"

#include "ui/StatusPanel.h"

#include "core/IniFile.h"
#include "core/LanguageIdentity.h"
#include "core/LotteryDefinition.h"
#include "core/TextFile.h"
#include "ui/LanguageResource.h"
#include "ui/WindowDialogs.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTranslator>

namespace kivora {

namespace {

const QString kForm = QStringLiteral("Form");

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
    IniDocument ini;
    QString error;
    if (!IniFile(m_folder.configPath()).read(&ini, &error))
        showError(m_messages("Str162").arg(error));
    placeOnScreen(QPoint(ini.readInteger(kForm, QStringLiteral("Left"), 100),
                      ini.readInteger(kForm, QStringLiteral("Top"), 100)),
        QSize(ini.readInteger(kForm, QStringLiteral("Width"), 0),
            ini.readInteger(kForm, QStringLiteral("Height"), 0)));
    // Keys of later versions; a file without them reads as before.
    m_numberListSort = std::clamp(ini.readInteger(kForm, QStringLiteral("NumberListSort"), 1), 0, 2);
    m_statListSort = std::clamp(ini.readInteger(kForm, QStringLiteral("StatListSort"), -1), -1, 2);
    m_savedSplitter = ini.readString(kForm, QStringLiteral("Splitter"), QString());
    m_savedRightSplitter = ini.readString(kForm, QStringLiteral("RightSplitter"), QString());
    const QString lastLottery = ini.readString(kForm, QStringLiteral("LastLottery"), QString());
    m_keptLastDraws = ini.readInteger(kForm, QStringLiteral("LastDraws"), 0);
    m_startGeometry = QRect(pos(), size()); // the frame's place, the inner size
    if (ini.readBool(kForm, QStringLiteral("InitMax"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
    m_langFile = QFileInfo(ini.readString(kForm, QStringLiteral("LangFile"), QStringLiteral("&russian.lng")))
                     .fileName();

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
    fillLanguageMenu();
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

void MainWindow::fillLanguageMenu()
{
    // The items name the languages, read from their files; they carry no component
    // name, so no language file translates them.
    m_languageMenu->clear();
    const QDir dir(m_folder.languageFolder());
    const QStringList files = dir.entryList({ QStringLiteral("*.lng") }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const LanguageIdentity identity = languageIdentity(IniFile(dir.filePath(file)).load(), file);
        QString caption = identity.name;
        QAction *item = m_languageMenu->addAction(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setData(file);
        item->setToolTip(file);
        item->setCheckable(true);
        item->setChecked(file == m_langFile);
        m_langGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, file] { switchLanguage(file); });
    }
}

void MainWindow::applyQtTranslations()
{
    // Qt's own dialogs and buttons (file dialogs, Yes and No) in the language too.
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
        m_qtTranslator.reset();
    }
    if (m_languageCode == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(
            QStringLiteral("qtbase_") + m_languageCode, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        m_qtTranslator = std::move(translator);
    }
}

QString MainWindow::languagePath() const
{
    return QDir(m_folder.languageFolder()).filePath(m_langFile);
}

void MainWindow::applyLanguage(bool atStart)
{
    // One reading of the file for every window; written once if texts were missing.
    QDir().mkpath(m_folder.languageFolder());
    IniFile file(languagePath());
    IniDocument doc = file.load();
    const IniDocument read = doc;
    LanguageResource(this, LanguageResource::Kind::MainWindow).apply(doc);
    m_messages.restoreBuiltIn();
    LanguageResource::applyMessages(m_messages, doc);
    textfile::useMessages(m_messages);
    for (QWidget *dialog : m_dialogs->translated(atStart))
        LanguageResource(dialog, LanguageResource::Kind::Dialog).apply(doc);
    m_languageCode = languageIdentity(doc, m_langFile).code;
    applyQtTranslations();
    // A font from the file changes what every cell needs.
    applyMetrics();
    m_statisticsPane->setEmptyTitle(doc.readString(
        QStringLiteral("MainForm"), QStringLiteral("GroupBox2_Caption"), m_statisticsPane->emptyTitle()));
    // Only what was missing goes back, into the file as it is now.
    if (doc.isModified() && !file.update([&](IniDocument &current) { copyWrittenKeys(read, doc, current); }))
        m_statusText->setText(m_messages("Str56").arg(file.lastError()));
}

void MainWindow::switchLanguage(const QString &fileName)
{
    m_langFile = fileName;
    applyLanguage(false);
    for (QAction *item : m_languageMenu->actions())
        item->setChecked(item->data().toString() == fileName);
    // Texts made from the catalogue follow at once.
    m_systemBox->setCurrentIndex(m_systemBox->count() > 0 ? 0 : -1);
    rebuildPositionMenus();
    if (load().ok)
        m_statusText->setText(loadStatusText(load(), m_messages));
    m_play->expandMarkedNumbers();
}

void MainWindow::onFirstShow()
{
    {
        const QSignalBlocker blockBox(m_lastDrawsFilter);
        const QSignalBlocker blockEdit(m_lastDrawsEdit);
        if (m_keptLastDraws < 1) {
            m_lastDrawsFilter->setChecked(false);
        } else {
            m_lastDrawsSpin->setValue(m_keptLastDraws);
            m_lastDrawsEdit->setText(QString::number(m_keptLastDraws));
            m_lastDrawsFilter->setChecked(true);
        }
    }
    loadCurrentLottery();
}

void MainWindow::saveWindowSettings()
{
    IniFile ini(m_folder.configPath());
    IniDocument current;
    QString error;
    if (!ini.read(&current, &error))
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
    auto joined = [](const QList<int> &sizes) {
        QStringList texts;
        for (int size : sizes)
            texts.append(QString::number(size));
        return texts.join(QLatin1Char(','));
    };
    // The window's own keys only, on the file as it is now: what a script or another
    // window changed while this one was open stays.
    const bool written = ini.update([&](IniDocument &document) {
        document.writeString(kForm, QStringLiteral("Top"), QString::number(position.y()));
        document.writeString(kForm, QStringLiteral("Left"), QString::number(position.x()));
        document.writeString(kForm, QStringLiteral("Width"), QString::number(normal.width()));
        document.writeString(kForm, QStringLiteral("Height"), QString::number(normal.height()));
        document.writeString(
            kForm, QStringLiteral("InitMax"), maximised ? QStringLiteral("1") : QStringLiteral("0"));
        document.writeString(kForm, QStringLiteral("LangFile"), m_langFile);
        document.writeString(kForm, QStringLiteral("LastDraws"),
            QString::number(m_lastDrawsFilter->isChecked() ? m_lastDrawsSpin->value() : 0));
        document.writeString(kForm, QStringLiteral("LastLottery"), currentLottery());
        document.writeString(kForm, QStringLiteral("Splitter"), joined(m_splitter->sizes()));
        document.writeString(kForm, QStringLiteral("RightSplitter"), joined(m_rightSplitter->sizes()));
        document.writeString(kForm, QStringLiteral("NumberListSort"), QString::number(m_numberListSort));
        document.writeString(kForm, QStringLiteral("StatListSort"), QString::number(m_statListSort));
    });
    if (!written)
        showError(m_messages("Str56").arg(ini.lastError()));
}

} // namespace kivora
