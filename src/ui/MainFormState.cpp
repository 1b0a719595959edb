// Start-up and closing: the window state in section Form of the configuration file,
// the lottery tabs and the language menu.

#include "ui/MainForm.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "ui/LanguageResource.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>

namespace kivora {

namespace {

const QString kForm = QStringLiteral("Form");

} // namespace

void TMainForm::FormCreate()
{
    const IniDocument ini = IniFile(m_folder.configPath()).load();
    placeOnScreen(QPoint(ini.readInteger(kForm, QStringLiteral("Left"), 100),
        ini.readInteger(kForm, QStringLiteral("Top"), 100)));
    m_keptLastDraws = ini.readInteger(kForm, QStringLiteral("LastDraws"), 0);
    if (ini.readBool(kForm, QStringLiteral("InitMax"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
    m_langFile = QFileInfo(ini.readString(kForm, QStringLiteral("LangFile"), QStringLiteral("&russian.lng")))
                     .fileName();

    applyLanguage(true);

    const QSignalBlocker blockTabs(TabControl1);
    for (const QString &name : lotteries::shownNames(ini))
        TabControl1->addTab(name);
    if (TabControl1->count() > 0)
        TabControl1->setCurrentIndex(0);
    fillLanguageMenu();
}

void TMainForm::placeOnScreen(const QPoint &topLeft)
{
    // The stored position is kept, but the window never starts partly off the screen.
    const QScreen *screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size(std::min(1180, available.width() - 20), std::min(720, available.height() - 40));
    resize(size);
    QPoint position = topLeft;
    position.setX(std::clamp(
        position.x(), available.left(), std::max(available.left(), available.right() - size.width())));
    position.setY(std::clamp(
        position.y(), available.top(), std::max(available.top(), available.bottom() - size.height() - 30)));
    move(position);
}

void TMainForm::fillLanguageMenu()
{
    Lang->clear();
    const QDir dir(m_folder.languageFolder());
    const QStringList files = dir.entryList({ QStringLiteral("*.lng") }, QDir::Files, QDir::Name);
    for (int i = 0; i < files.size(); ++i) {
        QAction *item = Lang->addAction(files.at(i));
        item->setObjectName(QStringLiteral("LangItem%1").arg(i));
        item->setData(i);
        item->setCheckable(true);
        item->setChecked(files.at(i) == m_langFile);
        m_langGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { switchLanguage(item->text()); });
    }
}

QString TMainForm::languagePath() const
{
    return QDir(m_folder.languageFolder()).filePath(m_langFile);
}

void TMainForm::applyLanguage(bool atStart)
{
    // One reading of the file for every window; written once if texts were missing.
    QDir().mkpath(m_folder.languageFolder());
    IniFile file(languagePath());
    IniDocument doc = file.load();
    LanguageResource(this, LanguageResource::Kind::MainWindow).apply(doc);
    m_messages.restoreBuiltIn();
    LanguageResource::applyMessages(m_messages, doc);
    for (QWidget *dialog : languageDialogs(atStart))
        LanguageResource(dialog, LanguageResource::Kind::Dialog).apply(doc);
    if (doc.isModified() && !file.save(doc))
        statusPanel0->setText(m_messages("Str56").arg(file.lastError()));
}

void TMainForm::switchLanguage(const QString &fileName)
{
    m_langFile = fileName;
    applyLanguage(false);
    for (QAction *item : Lang->actions())
        item->setChecked(item->text() == fileName);
    // Texts made from the catalogue follow at once.
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    rebuildPositionMenus();
    if (m_load.ok)
        statusPanel0->setText(loadStatusText(m_load, m_messages));
    ComboBox1Change();
}

void TMainForm::FormShow()
{
    {
        const QSignalBlocker blockBox(LastDrawBox);
        const QSignalBlocker blockEdit(Edit1);
        if (m_keptLastDraws < 1) {
            LastDrawBox->setChecked(false);
        } else {
            UpDown1->setValue(m_keptLastDraws);
            Edit1->setText(QString::number(m_keptLastDraws));
            LastDrawBox->setChecked(true);
        }
    }
    Changeloto();
}

void TMainForm::FormClose()
{
    IniFile ini(m_folder.configPath());
    IniDocument document = ini.load();
    const QRect frame = frameGeometry();
    const bool maximised = isMaximized();
    // A maximised window keeps the position it will return to.
    const QPoint position = maximised ? normalGeometry().topLeft() : frame.topLeft();
    document.writeString(kForm, QStringLiteral("Top"), QString::number(position.y()));
    document.writeString(kForm, QStringLiteral("Left"), QString::number(position.x()));
    document.writeString(
        kForm, QStringLiteral("InitMax"), maximised ? QStringLiteral("1") : QStringLiteral("0"));
    document.writeString(kForm, QStringLiteral("LangFile"), m_langFile);
    document.writeString(
        kForm, QStringLiteral("LastDraws"), QString::number(LastDrawBox->isChecked() ? UpDown1->value() : 0));
    if (!ini.save(document))
        showError(m_messages("Str56").arg(ini.lastError()));
}

} // namespace kivora
