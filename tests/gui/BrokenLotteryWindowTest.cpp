// A lottery whose base cannot be read: nothing of the previous lottery stays on screen
// or receives what the user does under the new tab.

#include "support/TestText.h"
#include "support/WindowFixture.h"

#include <QDialog>
#include <QFileInfo>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

using namespace kivora;

namespace {

using kivora::test::s;

class BrokenLotteryWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("6 из 45=1"), s("Сломанная=1"), s("Пустое имя=1"), s("[6 из 45]"),
            s("MaxNumber=45"), s("DrawNumber=6"), s("BaseFile=6x45.lot"), s("[Сломанная]"), s("MaxNumber=45"),
            s("DrawNumber=6"), s("BaseFile=nosuch\\x.lot"), s("[Пустое имя]"), s("MaxNumber=45"),
            s("DrawNumber=6"), s("BaseFile=") });
        dir.writeLines(s("6x45.lot"),
            { s("1,01.01.2005,-,-,01,02,03,04,05,06"), s("2,08.01.2005,-,-,07,08,09,10,11,12") });
        dir.writeLines(s("6x45.bls"), { s("01.02.2005;100;0") });
        dir.writeLines(s("import.txt"), { s("1,01.01.2005,-,-,01,02,03,04,05,06") });
        start();
        // Any dialog a refused command might still open is closed at once.
        QTimer *closer = new QTimer(&window());
        QObject::connect(closer, &QTimer::timeout, &window(), [this] {
            for (QDialog *dialog : window().findChildren<QDialog *>()) {
                if (dialog->isVisible()) {
                    dialogsShown.append(dialog->objectName());
                    dialog->reject();
                }
            }
        });
        closer->start(0);
    }

    QStringList dialogsShown;
};

} // namespace

TEST_F(BrokenLotteryWindow, NothingOfThePreviousLotteryStaysOrIsWritten)
{
    auto *results = find<QTableView>("StringGrid2");
    ASSERT_EQ(results->model()->rowCount(), 2);
    const QByteArray base = dir.readBytes(s("6x45.lot"));
    const QByteArray ledger = dir.readBytes(s("6x45.bls"));

    for (int tab : { 1, 2 }) {
        services.messages.clear();
        find<QTabBar>("TabControl1")->setCurrentIndex(tab);
        settle();
        EXPECT_EQ(results->model()->rowCount(), 0) << tab;
        EXPECT_EQ(find<QTableView>("ListView1")->model()->rowCount(), 0) << tab;
        EXPECT_FALSE(status(0).contains(s("Проанализировано"))) << status(0).toStdString();
        EXPECT_EQ(services.messages.size(), 1) << tab;

        // Each command that writes says why and writes nothing.
        services.messages.clear();
        services.openAnswers.enqueue(dir.filePath(s("import.txt")));
        services.confirmAnswers.enqueue(true);
        for (const char *command : { "N9", "N34", "N82", "N78" })
            trigger(command);
        EXPECT_EQ(services.messages.size(), 4) << tab;
        for (const auto &message : services.messages)
            EXPECT_TRUE(message.text.contains(s("ничего не записано"))) << message.text.toStdString();
        EXPECT_TRUE(dialogsShown.isEmpty());
        EXPECT_TRUE(services.editedFiles.isEmpty());
        EXPECT_TRUE(services.openRequests.isEmpty());
        services.openAnswers.clear();
        services.confirmAnswers.clear();
    }
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), base);
    EXPECT_EQ(dir.readBytes(s("6x45.bls")), ledger);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("6x45.lot.bak"))));

    // Back on the first tab, its lottery is loaded and its commands work again.
    find<QTabBar>("TabControl1")->setCurrentIndex(0);
    settle();
    EXPECT_EQ(results->model()->rowCount(), 2);
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));
}
