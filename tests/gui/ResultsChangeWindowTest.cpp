#include "support/TestText.h"
#include "support/WindowFixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace kivora;

namespace {

using kivora::test::s;

class ResultsChangeWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
            s("CountOfAddBall=1"), s("MinnumberOfAddBall=1"), s("MaxnumberOfAddBall=9"),
            s("BaseFile=6x45.lot") });
        dir.writeLines(s("6x45.lot"), { s("1,01.01.2005,-,-,01,02,03,04,05,06,7") });
        start();
    }

    // Runs `act` on the named dialog once it is shown modally.
    void whenShown(const char *dialogName, std::function<void(QDialog *)> act)
    {
        QTimer::singleShot(0, &window(), [this, dialogName, act] {
            auto *dialog = window().findChild<QDialog *>(QLatin1String(dialogName));
            ASSERT_NE(dialog, nullptr);
            act(dialog);
        });
    }
};

} // namespace

TEST_F(ResultsChangeWindow, AddingADrawThroughTheDialog)
{
    whenShown("AddTirag", [](QDialog *dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), s("2"));
        dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit1"))->setText(s("03,15,22,31,40,44"));
        dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit2"))->setText(s("07"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    trigger("N9");
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));
    EXPECT_EQ(dir.readLines(s("6x45.lot")).last(), s("2,07.12.2026,-,-,03,15,22,31,40,44,07"));
}

TEST_F(ResultsChangeWindow, AnIncompleteDrawIsRefusedAndNothingIsWritten)
{
    whenShown("AddTirag", [this](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit1"))->setText(s("03,15,22"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(services.messages.isEmpty());
        dialog->reject();
    });
    trigger("N9");
    EXPECT_EQ(dir.readLines(s("6x45.lot")).size(), 1);
    EXPECT_EQ(status(0), s("Проанализировано 1 розыгрыш"));
}

TEST_F(ResultsChangeWindow, ImportReplacesTheBaseAndReloads)
{
    dir.writeLines(s("import.txt"),
        { s("10 01.02.2005 1 2 5 12 19 23 31 40 3 extra"), QString(),
            s("11 08.02.2005 1 2 6 13 20 24 32 41 4") });
    services.confirmAnswers.enqueue(true);
    services.openAnswers.enqueue(dir.filePath(s("import.txt")));
    answerImportPreview(true);
    trigger("N34");
    EXPECT_EQ(services.openRequests.first().title, s("6 из 45 - Импорт результатов из файла"));
    EXPECT_TRUE(services.confirmHelp.first().endsWith(s("kivora.html#import")));
    EXPECT_EQ(dir.readLines(s("6x45.lot")),
        QStringList(
            { s("10,01.02.2005,1,2,5,12,19,23,31,40,3"), s("11,08.02.2005,1,2,6,13,20,24,32,41,4") }));
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша. Прочитано розыгрышей: 2."));
}

TEST_F(ResultsChangeWindow, ImportOfAFileWithAHeaderIsRefused)
{
    dir.writeLines(s("import.txt"), { s("номер дата"), s("11 08.02.2005 1 2 6 13 20 24 32 41 4") });
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    services.confirmAnswers.enqueue(true);
    services.openAnswers.enqueue(dir.filePath(s("import.txt")));
    trigger("N34");
    EXPECT_TRUE(services.lastMessage().contains(s("не подходит для импортирования")));
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);
}

TEST_F(ResultsChangeWindow, EditingTheBaseReloadsAfterTheEditor)
{
    services.onEdit = [this](const QString &path) {
        EXPECT_EQ(path, dir.filePath(s("6x45.lot")));
        dir.writeLines(s("6x45.lot"), { s("1,-,-,-,1,2,3,4,5,6,7"), s("2,-,-,-,1,2,3,4,5,6,7") });
    };
    trigger("N82");
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));
}

TEST_F(ResultsChangeWindow, LedgerIsEditedAndSaved)
{
    dir.writeLines(s("6x45.bls"), { s("01.02.2005;100;0"), s("08.02.2005;100;340") });
    whenShown("BalansForm", [](QDialog *dialog) {
        auto *grid = dialog->findChild<QTableWidget *>(QStringLiteral("BalansGrid"));
        auto *totals = dialog->findChild<QTableWidget *>(QStringLiteral("ItogGrid"));
        ASSERT_EQ(grid->rowCount(), 3);
        EXPECT_EQ(grid->item(0, 3)->text(), s("-100"));
        EXPECT_EQ(grid->item(1, 3)->text(), s("240"));
        EXPECT_EQ(grid->item(2, 0)->text(), s("07.12.2026"));
        EXPECT_EQ(totals->item(0, 3)->text(), s("140"));
        EXPECT_EQ(totals->item(0, 3)->background().color(), QColor(192, 220, 192));
        grid->item(2, 1)->setText(s("50"));
        EXPECT_EQ(totals->item(0, 1)->text(), s("250"));
        EXPECT_EQ(grid->item(2, 3)->text(), s("-50"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    trigger("N78");
    EXPECT_EQ(dir.readLines(s("6x45.bls")),
        QStringList({ s("01.02.2005;100;0"), s("08.02.2005;100;340"), s("07.12.2026;50;") }));
}

TEST_F(ResultsChangeWindow, CancelledLedgerKeepsTheFile)
{
    dir.writeLines(s("6x45.bls"), { s("01.02.2005;100;0") });
    services.saveChoices.enqueue(PlatformServices::SaveChoice::Discard);
    whenShown("BalansForm", [](QDialog *dialog) {
        auto *grid = dialog->findChild<QTableWidget *>(QStringLiteral("BalansGrid"));
        ASSERT_EQ(grid->rowCount(), 1);
        grid->item(0, 1)->setText(s("999"));
        dialog->reject();
    });
    trigger("N78");
    EXPECT_EQ(dir.readLines(s("6x45.bls")), QStringList({ s("01.02.2005;100;0") }));
}

TEST_F(ResultsChangeWindow, ExportsOpenInTheBrowserAndOddsFollowTheLottery)
{
    services.saveAnswers.enqueue(dir.filePath(s("numbers.htm")));
    trigger("HTML2");
    ASSERT_EQ(services.openedUrls.size(), 1);
    const QStringList html = dir.readLines(s("numbers.htm"));
    EXPECT_EQ(html.at(7), s("6 из 45 - Номера.<br>Проанализировано 1 розыгрыш"));
    EXPECT_EQ(services.saveRequests.first().selectedFilter, 1);

    trigger("N17");
    ASSERT_EQ(services.openedUrls.size(), 2);
    EXPECT_TRUE(services.openedUrls.last().endsWith(s("shans.htm")));
    EXPECT_TRUE(dir.readBytes(s("shans.htm")).contains("8"));

    trigger("N28");
    EXPECT_TRUE(services.openedUrls.last().endsWith(s("kivora.html")));
}

TEST_F(ResultsChangeWindow, ANumberTypedTwiceIsRefusedAndNothingIsWritten)
{
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    services.messages.clear();
    whenShown("AddTirag", [](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit1"))->setText(s("05,11,22,33,44,05"));
        dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit2"))->setText(s("07"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    trigger("N9");
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.lastMessage().contains(s("05"))) << services.lastMessage().toStdString();
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);
}
