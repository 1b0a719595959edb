// A change of language reaches every window at once: the statistic on show keeps
// naming what it shows, the draw strip keeps the draw's whole number, and a dialog
// left open speaks the new language.

#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "support/TestText.h"
#include "ui/models/CombinationListModel.h"

#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTableWidget>

using namespace kivora;

namespace {

using kivora::test::s;

bool hasCyrillic(const QString &text)
{
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x500; });
}

class Retranslation : public test::WindowFixture
{
protected:
    // Every text of the draw strip's first column fits its cell.
    void expectDrawNumberWhole()
    {
        auto *strip = find<QTableWidget>("StringGrid3");
        ASSERT_NE(strip->item(0, 0), nullptr);
        const QString number = strip->item(0, 0)->text();
        ASSERT_FALSE(number.isEmpty());
        EXPECT_GE(strip->columnWidth(0), strip->fontMetrics().horizontalAdvance(number) + 6)
            << number.toStdString();
    }
};

} // namespace

TEST_F(Retranslation, EveryOpenWindowFollowsANewLanguageAtOnce)
{
    seedDefaults();
    start();
    trigger("N35"); // all pairs
    auto *statistics = find<QGroupBox>("GroupBox2");
    const QString russianTitle = statistics->title();
    auto *systems = find<QDialog>("SystemDialog");
    systems->show();
    const QString russianDialogTitle = systems->windowTitle();
    expectDrawNumberWhole();

    chooseLanguage("english.lng");
    const QString emptyTitle = IniFile(QDir(dir.filePath(s("lng"))).filePath(s("english.lng")))
                                   .load()
                                   .readString(s("MainForm"), s("GroupBox2_Caption"), QString());
    EXPECT_NE(statistics->title(), emptyTitle) << "the pairs on show lost their title";
    EXPECT_NE(statistics->title(), russianTitle);
    EXPECT_FALSE(hasCyrillic(statistics->title())) << statistics->title().toStdString();
    EXPECT_TRUE(systems->isVisible());
    EXPECT_NE(systems->windowTitle(), russianDialogTitle);
    EXPECT_FALSE(hasCyrillic(systems->windowTitle())) << systems->windowTitle().toStdString();
    for (const QLabel *label : systems->findChildren<QLabel *>())
        EXPECT_FALSE(hasCyrillic(label->text())) << label->objectName().toStdString();
    expectDrawNumberWhole();

    // And back: the statistic is named in Russian again.
    chooseLanguage("&russian.lng");
    EXPECT_EQ(statistics->title(), russianTitle);
    EXPECT_EQ(systems->windowTitle(), russianDialogTitle);
    expectDrawNumberWhole();
    systems->hide();
}

TEST_F(Retranslation, TheEmptyCombinationListSaysWhatToDo)
{
    seedDefaults();
    start();
    auto *list = find<QTableView>("StringGrid1");
    const QList<QLabel *> hints = list->viewport()->findChildren<QLabel *>();
    ASSERT_EQ(hints.size(), 1);
    QLabel *hint = hints.first();
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains(s("«Номера»"))) << hint->text().toStdString();

    chooseLanguage("english.lng");
    EXPECT_FALSE(hint->text().isEmpty());
    EXPECT_FALSE(hasCyrillic(hint->text())) << hint->text().toStdString();

    // Marked numbers make combinations: the hint goes, and comes back when they go.
    tickFirst(8);
    settle();
    ASSERT_FALSE(combinations()->list().isEmpty());
    EXPECT_FALSE(hint->isVisible());
    trigger("N23"); // clear all marks
    EXPECT_TRUE(hint->isVisible());
}
