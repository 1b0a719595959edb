// "Обновить результаты" in the window, against a server on the loopback address: the new
// draws show once the download is merged, Cancel leaves the base as it was, and a game
// whose rules changed is told once with a new lottery offered.

#include "support/LocalHttpServer.h"
#include "support/TestText.h"
#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "results/catalogue/GameCatalogue.h"
#include "results/catalogue/RuleChange.h"

#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace kivora;
using kivora::test::s;

namespace {

const QByteArray kResults = "Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n"
                            "06/10/2025,07 19 33 41 70,24,\r\n"
                            "06/06/2025,02 11 28 45 61,05,\r\n"
                            "06/03/2025,13 22 30 54 66,17,\r\n";

class UpdateResultsWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        seedDefaults();
        const Catalogue games = catalogue::load(dir.folder(), messages);
        const CatalogueGame *mega = catalogue::find(games, s("Mega Millions"));
        ASSERT_NE(mega, nullptr);
        ASSERT_TRUE(catalogue::addLottery(dir.folder(), *mega, messages).ok());
        // Never the operator's own address in a test.
        setKey(catalogue::kResultsUrlKey, server.url(s("/mega.csv")));
    }

    void setKey(const QString &key, const QString &value)
    {
        ASSERT_TRUE(IniFile(dir.folder().configPath()).writeString(s("Mega Millions"), key, value).ok());
    }
    QByteArray base() const { return dir.readBytes(s("megamillions-2025.lot")); }
    int shownDraws() { return find<QTableView>("StringGrid2")->model()->rowCount(); }
    QStringList errors() const
    {
        QStringList texts;
        for (const test::FakeServices::Message &message : services.messages) {
            if (message.kind == PlatformServices::MessageKind::Error)
                texts.append(message.text);
        }
        return texts;
    }

    const MessageCatalog messages;
    test::LocalHttpServer server;
};

} // namespace

TEST_F(UpdateResultsWindow, TheToolBarButtonMergesAndTheWindowShowsTheNewDraws)
{
    server.answer(s("/mega.csv"), { 200, "OK", "text/csv", kResults, {}, -1, true });
    start();
    chooseLottery(s("Mega Millions"));
    ASSERT_EQ(shownDraws(), 0);

    find<QToolButton>("BitBtnUpdate")->click();
    settle();
    EXPECT_TRUE(errors().isEmpty()) << errors().join(s("\n")).toStdString();
    EXPECT_EQ(shownDraws(), 3);
    EXPECT_TRUE(status(0).contains(server.url(s("/mega.csv")))) << status(0).toStdString();
    const QByteArray merged = base();

    // The menu item (Ctrl+U) a second time: nothing new, nothing written.
    auto *update = window().findChild<QAction *>(s("N34Update"));
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    trigger("N34Update");
    EXPECT_EQ(shownDraws(), 3);
    EXPECT_EQ(base(), merged);
    EXPECT_EQ(server.hits(s("/mega.csv")), 2);

    // A failure says why and leaves the base.
    setKey(catalogue::kResultsUrlKey, server.url(s("/gone.csv")));
    trigger("N34Update");
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().front().contains(s("404")));
    EXPECT_EQ(base(), merged);
    EXPECT_EQ(shownDraws(), 3);
}

TEST_F(UpdateResultsWindow, CancelWhileDownloadingLeavesTheBase)
{
    // The server sends the start of the file and falls silent.
    server.answer(s("/mega.csv"), { 200, "OK", "text/csv", kResults, {}, 40, true });
    start();
    chooseLottery(s("Mega Millions"));
    const QByteArray before = base();

    window().findChild<QAction *>(s("N34Update"))->trigger();
    ASSERT_TRUE(window().isBusy());
    QTRY_COMPARE_WITH_TIMEOUT(server.hits(s("/mega.csv")), 1, 10000);
    auto *cancel = window().findChild<QPushButton *>(s("WaitCancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(cancel->isVisible());
    cancel->click();
    settle();
    EXPECT_FALSE(window().isBusy());
    EXPECT_TRUE(errors().isEmpty()) << errors().join(s("\n")).toStdString();
    EXPECT_EQ(base(), before);
    EXPECT_EQ(shownDraws(), 0);
}

TEST_F(UpdateResultsWindow, ALotteryWithoutAnAddressOffersTheFileImport)
{
    setKey(catalogue::kResultsUrlKey, QString());
    start();
    chooseLottery(s("Mega Millions"));
    trigger("N34Update"); // the question is answered no
    ASSERT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_EQ(services.confirmQuestions.front(), messages("Str749").arg(s("Mega Millions")));
    EXPECT_TRUE(services.openRequests.isEmpty());

    // Yes goes on to the file import's dialog (cancelled here).
    services.confirmAnswers.enqueue(true);
    trigger("N34Update");
    EXPECT_EQ(services.openRequests.size(), 1);
}

// The lottery was set up for the 2017 matrix; the catalogue now gives the 2025 one.
TEST_F(UpdateResultsWindow, ARuleChangeIsToldOnceAndANewLotteryOffered)
{
    setKey(s("MaxnumberOfAddBall"), s("25"));
    setKey(catalogue::kCatalogueSinceKey, s("2017-10-31"));
    dir.writeBytes(s("megamillions-2025.lot"), "1,05.06.2018,-,-,3,15,22,31,40,25\r\n");
    const QByteArray oldBase = base();
    services.confirmAnswers.enqueue(true);
    start();
    chooseLottery(s("Mega Millions"));
    settle();

    ASSERT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_EQ(services.confirmQuestions.front(),
        messages("Str754").arg(
            s("Mega Millions"), s("2025-04-08"), s("5/70 + 1/24"), s("Mega Millions"), s("5/70 + 1/25")));
    // The new lottery is added and shown; the old one and its base stay.
    EXPECT_EQ(window().currentLottery(), s("Mega Millions 2025"));
    const IniDocument ini = IniFile(dir.folder().configPath()).load();
    EXPECT_EQ(ini.readString(s("Mega Millions 2025"), s("MaxnumberOfAddBall"), {}), s("24"));
    EXPECT_EQ(ini.readString(s("Mega Millions"), s("MaxnumberOfAddBall"), {}), s("25"));
    EXPECT_EQ(base(), oldBase);
    const QString newBase = ini.readString(s("Mega Millions 2025"), s("BaseFile"), {});
    EXPECT_NE(newBase, s("megamillions-2025.lot"));
    EXPECT_TRUE(dir.readBytes(newBase).isEmpty());
    // The new lottery has nothing to tell; the old one was told already.
    chooseLottery(s("Mega Millions"));
    chooseLottery(s("Mega Millions 2025"));
    EXPECT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_EQ(ini.readString(s("Mega Millions"), catalogue::kRuleChangeToldKey, {}), s("2025-04-08"));
}
