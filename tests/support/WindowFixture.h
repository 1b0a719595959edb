#pragma once

#include "support/FakeServices.h"
#include "support/TempFolder.h"
#include "support/UserSettingsFolder.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace kivora {
class CombinationListModel;
class StatTableModel;
} // namespace kivora

namespace kivora::test {

// A main window on a temporary program folder with scripted platform services.
class WindowFixture : public ::testing::Test
{
protected:
    void TearDown() override;

    // The configuration and the bases; call before start().
    void writeConfig(const QStringList &lines) { dir.writeLines(QStringLiteral("kivora.INI"), lines); }
    // "6 из 45" with the systems "6 номеров" (one.ltt, one ticket) and "7 номеров"
    // (seven.ltt, written by the test) and three draws, the newest 125: 03 15 22 31 40 44.
    void writeSixOf45WithThreeDraws();
    void seedDefaults();
    MainWindow &start();
    MainWindow &window() { return *m_window; }

    template<typename T> T *find(const char *name)
    {
        T *child = m_window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void trigger(const char *actionName);
    // Chooses the language file of that name in the language menu.
    void chooseLanguage(const char *file);
    // Shows the lottery of that name, as a click on its tab does, and waits for its load.
    void chooseLottery(const QString &name);
    // Lets pending events run and waits for the window's job (a load, a statistic) to end.
    void settle();
    QString status(int panel);
    // The number list and the combination list of the play tab.
    StatTableModel *numbers();
    CombinationListModel *combinations();
    // Ticks the check boxes of the first `count` rows of the number list.
    void tickFirst(int count);
    // Answers the next import preview: the base replaced (or the new draws added), OK.
    void answerImportPreview(bool replace);
    // Saves a picture of the window when KIVORA_SCREENSHOTS names a folder.
    void screenshot(const char *name);

    TempFolder dir;
    // The user's own settings (text editor, calculator), empty for each test.
    UserSettingsFolder userSettings;
    FakeServices services;

private:
    std::unique_ptr<MainWindow> m_window;
};

// Saves a picture of a dialog when KIVORA_SCREENSHOTS names a folder.
void dialogScreenshot(const QString &name, QWidget *dialog);

} // namespace kivora::test
