#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "support/TestText.h"
#include "ui/models/DrawTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include <chrono>
#include <thread>

using namespace kivora;

namespace {

using kivora::test::s;

class MainWindowTest : public test::WindowFixture
{
protected:
    // Two small lotteries: "Малая" 1..6, three numbers a draw, machines 1 and 2; and
    // "Вторая" 1..45, six numbers a draw.
    void twoLotteries()
    {
        writeConfig({ s("[LotoType]"), s("Малая=1"), s("Скрытая=0"), s("Вторая=1"), QString(), s("[Малая]"),
            s("MinNumber=1"), s("MaxNumber=6"), s("DrawNumber=3"), s("BaseFile=small.lot"), s("Machine=1,2"),
            QString(), s("[Вторая]"), s("MaxNumber=45"), s("DrawNumber=6"), s("BaseFile=second.lot") });
        dir.writeLines(s("small.lot"),
            { s("1,01.01.2005,1,1,1,2,3"), s("2,08.01.2005,2,1,2,3,4"), s("3,15.01.2005,1,2,1,5,6"),
                s("4,22.01.2005,2,2,6,4,2") });
        dir.writeLines(s("second.lot"), { s("1,-,-,-,1,2,3,4,5,6"), s("2,-,-,-,7,8,9,10,11,12") });
    }
};

} // namespace

TEST_F(MainWindowTest, StartsWithOneTabPerShownLotteryAndLoadsTheFirst)
{
    twoLotteries();
    start();
    auto *tabs = find<QTabBar>("TabControl1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), s("Малая"));
    EXPECT_EQ(tabs->tabText(1), s("Вторая"));
    EXPECT_EQ(status(0), s("Проанализировано 4 розыгрыша"));
    EXPECT_EQ(window().windowTitle(), s("Kivora - В помощь игроку в ЛОТО"));

    tabs->setCurrentIndex(1);
    settle();
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));
    EXPECT_EQ(find<QTableView>("ListView1")->model()->rowCount(), 45);
    screenshot("start");
}

TEST_F(MainWindowTest, FiltersReloadTheDraws)
{
    twoLotteries();
    start();
    auto *machine = find<QComboBox>("LototronBox");
    machine->setCurrentText(s("1"));
    settle();
    find<QCheckBox>("lototroncheck")->setChecked(true);
    settle();
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));
    machine->setCurrentText(s("2"));
    settle();
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));
    find<QCheckBox>("lototroncheck")->setChecked(false);
    settle();

    find<QLineEdit>("Edit1")->setText(s("3"));
    settle();
    EXPECT_EQ(status(0), s("Проанализировано 4 розыгрыша")); // the box is not ticked
    find<QCheckBox>("LastDrawBox")->setChecked(true);
    settle();
    EXPECT_EQ(status(0), s("Проанализировано 3 розыгрыша"));
    find<QLineEdit>("Edit1")->setText(QString());
    settle();
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), s("0"));
    EXPECT_EQ(status(0), s("Проанализировано 4 розыгрыша"));
}

TEST_F(MainWindowTest, SelectingANumberHighlightsItsDraws)
{
    twoLotteries();
    start();
    auto *list = find<QTableView>("ListView1");
    auto *model = list->model();
    int row = -1;
    for (int i = 0; i < model->rowCount(); ++i) {
        if (model->index(i, 0).data().toString() == s("06"))
            row = i;
    }
    ASSERT_GE(row, 0);
    list->selectRow(row);
    settle();
    auto *results = qobject_cast<DrawTableModel *>(find<QTableView>("StringGrid2")->model());
    auto *details = qobject_cast<DrawTableModel *>(find<QTableView>("DateGrid")->model());
    ASSERT_NE(results, nullptr);
    const std::vector<bool> expected = { false, false, true, true };
    for (int draw = 0; draw < 4; ++draw) {
        EXPECT_EQ(results->isHighlighted(draw), expected[static_cast<size_t>(draw)]) << draw;
        EXPECT_EQ(details->isHighlighted(draw), expected[static_cast<size_t>(draw)]) << draw;
    }
    const QColor red = results->index(2, 0).data(Qt::BackgroundRole).value<QColor>();
    EXPECT_EQ(red, QColor(255, 0, 0));
}

TEST_F(MainWindowTest, ClosingStoresTheWindowStateAndTheNextStartUsesIt)
{
    twoLotteries();
    start();
    find<QLineEdit>("Edit1")->setText(s("2"));
    find<QCheckBox>("LastDrawBox")->setChecked(true);
    window().close();
    const IniDocument ini = IniFile(dir.filePath(s("kivora.INI"))).load();
    EXPECT_EQ(ini.readInteger(s("Form"), s("LastDraws"), -1), 2);
    EXPECT_EQ(ini.readString(s("Form"), s("InitMax"), QString()), s("0"));
    EXPECT_EQ(ini.readString(s("Form"), s("LangFile"), QString()), s("&russian.lng"));

    start();
    EXPECT_TRUE(find<QCheckBox>("LastDrawBox")->isChecked());
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), s("2"));
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрыша"));

    find<QCheckBox>("LastDrawBox")->setChecked(false);
    window().close();
    EXPECT_EQ(IniFile(dir.filePath(s("kivora.INI"))).readInteger(s("Form"), s("LastDraws"), -1), 0);
    start();
    EXPECT_FALSE(find<QCheckBox>("LastDrawBox")->isChecked());
}

TEST_F(MainWindowTest, ClosingKeepsWhatAnotherProgramWroteWhileTheWindowWaitedForTheFile)
{
    twoLotteries();
    start();
    find<QLineEdit>("Edit1")->setText(s("2"));
    find<QCheckBox>("LastDrawBox")->setChecked(true);
    // A script holds the configuration while it adds a section, and lets go only
    // after the window has begun to write its state.
    const QString config = dir.filePath(s("kivora.INI"));
    QLockFile script(config + s(".lock"));
    ASSERT_TRUE(script.tryLock(0));
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        QFile file(config);
        if (file.open(QIODevice::Append))
            file.write("[Script]\r\nRuns=3\r\n");
        file.close();
        script.unlock();
    });
    window().close();
    writer.join();
    const IniDocument ini = IniFile(config).load();
    EXPECT_EQ(ini.readInteger(s("Script"), s("Runs"), 0), 3);
    EXPECT_EQ(ini.readInteger(s("Вторая"), s("MaxNumber"), 0), 45);
    EXPECT_EQ(ini.readInteger(s("Form"), s("LastDraws"), -1), 2);
}

TEST_F(MainWindowTest, WithoutAnyShownLotteryTheWindowSaysWhatToDo)
{
    writeConfig({ s("[LotoType]"), s("Скрытая=0") });
    start();
    EXPECT_EQ(find<QTabBar>("TabControl1")->count(), 0);
    EXPECT_TRUE(status(0).contains(s("Параметры")));
    window().close();
    EXPECT_TRUE(IniFile(dir.filePath(s("kivora.INI"))).hasSection(s("Form")));
}

TEST_F(MainWindowTest, AnUnloadableLotteryIsRefusedByName)
{
    writeConfig({ s("[LotoType]"), s("Плохая=1"), s("[Плохая]"), s("MaxNumber=150") });
    start();
    ASSERT_FALSE(services.messages.isEmpty());
    EXPECT_TRUE(services.lastMessage().contains(s("Плохая")));
    EXPECT_TRUE(services.lastMessage().contains(s("MaxNumber")));
    EXPECT_EQ(find<QTableView>("ListView1")->model()->rowCount(), 0);
}

TEST_F(MainWindowTest, SampleDataOpensOnTheFirstStart)
{
    seedDefaults();
    start();
    EXPECT_EQ(find<QTabBar>("TabControl1")->count(), 5);
    EXPECT_EQ(status(0), s("Проанализировано 1738 розыгрышей"));
    EXPECT_EQ(status(1), s("Выбрано 0 номеров"));
    screenshot("sample");
}

TEST_F(MainWindowTest, SortedDrawStripInOneOrTwoRows)
{
    // Twenty numbers a draw: two rows of 11 cells, the ten smallest numbers first, the
    // machine and ball set joined in the second row's first cell.
    writeConfig({ s("[LotoType]"), s("Кено=1"), s("Десять=1"), s("[Кено]"), s("MaxNumber=80"),
        s("DrawNumber=20"), s("BaseFile=keno.lot"), s("[Десять]"), s("MaxNumber=80"), s("DrawNumber=10"),
        s("BaseFile=ten.lot") });
    dir.writeLines(s("keno.lot"), { s("7,-,M2,B5,80,3,15,22,31,40,44,7,11,25,33,47,52,60,66,71,75,1,9,18") });
    dir.writeLines(s("ten.lot"), { s("8,-,-,-,80,3,15,22,31,40,44,7,11,25") });
    start();
    auto *strip = find<QTableWidget>("StringGrid3");
    ASSERT_EQ(strip->rowCount(), 2);
    ASSERT_EQ(strip->columnCount(), 11);
    EXPECT_EQ(strip->item(0, 0)->text(), s("7"));
    EXPECT_EQ(strip->item(1, 0)->text(), s("M2B5"));
    QStringList first;
    QStringList second;
    for (int c = 1; c < 11; ++c) {
        first.append(strip->item(0, c)->text());
        second.append(strip->item(1, c)->text());
    }
    EXPECT_EQ(first,
        QStringList(
            { s("01"), s("03"), s("07"), s("09"), s("11"), s("15"), s("18"), s("22"), s("25"), s("31") }));
    EXPECT_EQ(second,
        QStringList(
            { s("33"), s("40"), s("44"), s("47"), s("52"), s("60"), s("66"), s("71"), s("75"), s("80") }));
    // Colours by groups of ten: 1-10 purple, 11-20 yellow with black text, 21-30 green, 31-40 blue.
    EXPECT_EQ(strip->item(0, 1)->background().color(), QColor(128, 0, 128));
    EXPECT_EQ(strip->item(0, 5)->background().color(), QColor(255, 255, 0));
    EXPECT_EQ(strip->item(0, 5)->foreground().color(), QColor(Qt::black));
    EXPECT_EQ(strip->item(0, 8)->background().color(), QColor(0, 128, 0));
    EXPECT_EQ(strip->item(0, 10)->background().color(), QColor(0, 0, 255));
    EXPECT_EQ(strip->item(1, 10)->background().color(), QColor(0, 0, 255)); // 80

    find<QTabBar>("TabControl1")->setCurrentIndex(1);
    settle();
    ASSERT_EQ(strip->rowCount(), 1);
    EXPECT_EQ(strip->columnCount(), 11);
    EXPECT_EQ(strip->item(0, 1)->text(), s("03"));
    EXPECT_EQ(strip->item(0, 10)->text(), s("80"));
}
