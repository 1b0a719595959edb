#include "support/WindowFixture.h"

#include "support/Taken.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

namespace kivora::test {

void WindowFixture::TearDown()
{
    if (m_window)
        m_window->close();
    m_window.reset();
}

void WindowFixture::seedDefaults()
{
    QString error;
    ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
}

void WindowFixture::writeSixOf45WithThreeDraws()
{
    writeConfig({ QStringLiteral("[LotoType]"), QStringLiteral("6 из 45=1"), QStringLiteral("[6 из 45]"),
        QStringLiteral("MaxNumber=45"), QStringLiteral("DrawNumber=6"), QStringLiteral("BaseFile=6x45.lot"),
        QStringLiteral("[for 6 numbers]"), QStringLiteral("6 номеров=one.ltt"),
        QStringLiteral("7 номеров=seven.ltt") });
    dir.writeLines(QStringLiteral("6x45.lot"),
        { QStringLiteral("123,01.01.2005,-,-,01,02,04,05,06,10"),
            QStringLiteral("124,08.01.2005,-,-,07,08,09,11,12,13"),
            QStringLiteral("125,15.01.2005,-,-,03,15,22,31,40,44") });
    dir.writeLines(
        QStringLiteral("System/one.ltt"), { QStringLiteral("; one ticket"), QStringLiteral("1 2 3 4 5 6") });
}

MainWindow &WindowFixture::start()
{
    m_window = std::make_unique<MainWindow>(dir.folder(), services);
    m_window->start();
    settle();
    return *m_window;
}

void WindowFixture::trigger(const char *actionName)
{
    auto *action = m_window->findChild<QAction *>(QLatin1String(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
    settle();
}

void WindowFixture::chooseLanguage(const char *file)
{
    for (QAction *item : find<QMenu>("Lang")->actions()) {
        if (item->data().toString() == QLatin1String(file))
            item->trigger();
    }
    settle();
}

void WindowFixture::chooseLottery(const QString &name)
{
    auto *tabs = find<QTabBar>("TabControl1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->tabText(tab) == name)
            tabs->setCurrentIndex(tab);
    }
    settle();
    ASSERT_EQ(m_window->currentLottery(), name);
}

void WindowFixture::settle()
{
    QApplication::processEvents();
    if (m_window)
        m_window->waitUntilIdle();
}

QString WindowFixture::status(int panel)
{
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(panel));
    return label ? label->text() : QString();
}

void WindowFixture::answerImportPreview(bool replace)
{
    QTimer::singleShot(0, m_window.get(), [this, replace] {
        auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("ImportPreviewDialog"));
        ASSERT_NE(dialog, nullptr);
        const char *choice = replace ? "ImportReplaceButton" : "ImportMergeButton";
        dialog->findChild<QRadioButton *>(QLatin1String(choice))->setChecked(true);
        dialog->findChild<QPushButton *>(QStringLiteral("ImportOkButton"))->click();
    });
}

void WindowFixture::screenshot(const char *name)
{
    const QString folder = qEnvironmentVariable("KIVORA_SCREENSHOTS");
    if (folder.isEmpty() || !m_window)
        return;
    QApplication::processEvents();
    m_window->grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

StatTableModel *WindowFixture::numbers()
{
    return qobject_cast<StatTableModel *>(find<QTableView>("ListView1")->model());
}

CombinationListModel *WindowFixture::combinations()
{
    return qobject_cast<CombinationListModel *>(find<QTableView>("StringGrid1")->model());
}

void WindowFixture::tickFirst(int count)
{
    for (int i = 0; i < count; ++i)
        numbers()->setData(numbers()->index(i, 0), Qt::Checked, Qt::CheckStateRole);
}

void dialogScreenshot(const QString &name, QWidget *dialog)
{
    const QString folder = qEnvironmentVariable("KIVORA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QApplication::processEvents();
    dialog->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace kivora::test
