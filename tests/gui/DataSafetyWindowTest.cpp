// The window's side of keeping a player's data: templates that cannot be read, imports
// that replace a base, the help page, amounts in the ledger.

#include "support/WindowFixture.h"

#include "support/TestText.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

using namespace kivora;

namespace {

using kivora::test::s;

class DataSafetyWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("4 из 20=1"), s("[6 из 45]"), s("MaxNumber=45"),
            s("DrawNumber=6"), s("BaseFile=6x45.lot"), s("[4 из 20]"), s("MaxNumber=20"), s("DrawNumber=4"),
            s("BaseFile=4x20.lot"), s("[for 6 numbers]"), s("6 номеров=one.ltt"), s("[for 4 numbers]"),
            s("4 номера=gone.ltt") });
        dir.writeLines(s("6x45.lot"),
            { s("123,01.01.2005,-,-,01,02,04,05,06,10"), s("124,08.01.2005,-,-,07,08,09,11,12,13"),
                s("125,15.01.2005,-,-,03,15,22,31,40,44") });
        dir.writeLines(s("4x20.lot"), { s("1,01.01.2005,-,-,01,02,03,04") });
        dir.writeLines(s("6x45.bls"), { s("01.02.2005;100;0") });
        dir.writeLines(s("System/one.ltt"), { s("; one ticket"), s("1 2 3 4 5 6") });
        start();
    }
};

} // namespace

TEST_F(DataSafetyWindow, AMissingTemplateEmptiesTheListAndAnEmptyListIsNotSaved)
{
    tickFirst(6);
    ASSERT_FALSE(combinations()->list().isEmpty());
    find<QTabBar>("TabControl1")->setCurrentIndex(1);
    settle();
    EXPECT_TRUE(combinations()->list().isEmpty());
    EXPECT_EQ(status(1), s("Выбрано 0 номеров"));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.lastMessage().contains(s("gone.ltt"))) << services.lastMessage().toStdString();

    // Marking more numbers does not repeat the message for the same template.
    tickFirst(2);
    EXPECT_EQ(services.messages.size(), 1);
    EXPECT_EQ(status(1), s("Выбрано 2 номера"));

    services.saveAnswers.enqueue(dir.filePath(s("saved.ltc")));
    trigger("N12");
    EXPECT_EQ(services.messages.size(), 2);
    EXPECT_FALSE(services.lastMessage().contains(s("Ошибка ввода-вывода")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("saved.ltc"))));
}

TEST_F(DataSafetyWindow, ImportSaysWhatItReplacesAndWhatItSkipped)
{
    dir.writeLines(s("import.csv"),
        { s("Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6"), s("1;01.01.2005;-;-;1;2;3;4;5;6"),
            s("2;08.01.2005;-;-;7;8;9;10;11;12") });
    services.confirmAnswers.enqueue(true);
    services.openAnswers.enqueue(dir.filePath(s("import.csv")));
    answerImportPreview(true);
    trigger("N34");
    ASSERT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_TRUE(services.confirmQuestions.first().contains(s("3 розыгрышей")))
        << services.confirmQuestions.first().toStdString();
    EXPECT_EQ(dir.readLines(s("6x45.lot")).size(), 2);
    EXPECT_EQ(dir.readLines(s("6x45.lot.bak")).size(), 3);
    EXPECT_TRUE(status(0).contains(s("Прочитано розыгрышей: 2"))) << status(0).toStdString();
    EXPECT_TRUE(status(0).contains(s("Пропущено строк: 1"))) << status(0).toStdString();
    ASSERT_FALSE(services.messages.isEmpty());
    EXPECT_TRUE(services.lastMessage().contains(s("Тираж;Дата"))) << services.lastMessage().toStdString();
}

TEST_F(DataSafetyWindow, HelpWritesTheHelpPageAndNothingElse)
{
    QDir().remove(dir.filePath(s("4x20.lot")));
    const QStringList before
        = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    trigger("N28");
    QStringList expected = before;
    expected.append(s("kivora.html"));
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), expected);
    EXPECT_TRUE(services.openedUrls.last().endsWith(s("kivora.html")));
}

TEST_F(DataSafetyWindow, LedgerRefusesAmountsThatAreNotWholeNumbers)
{
    QTimer::singleShot(0, &window(), [this] {
        auto *dialog = window().findChild<QDialog *>(s("BalansForm"));
        ASSERT_NE(dialog, nullptr);
        auto *grid = dialog->findChild<QTableWidget *>(s("BalansGrid"));
        grid->item(0, 1)->setText(s("12,50"));
        EXPECT_EQ(grid->item(0, 1)->text(), s("100"));
        grid->item(0, 2)->setText(s("99999999999999999999"));
        EXPECT_EQ(grid->item(0, 2)->text(), s("0"));
        grid->item(0, 2)->setText(s("3000000000"));
        EXPECT_EQ(grid->item(0, 3)->text(), s("2999999900"));
        dialog->findChild<QPushButton *>(s("OKBtn"))->click();
    });
    trigger("N78");
    EXPECT_EQ(services.messages.size(), 2);
    EXPECT_EQ(dir.readLines(s("6x45.bls")), QStringList({ s("01.02.2005;100;3000000000") }));
}
