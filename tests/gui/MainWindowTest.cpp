#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "ui/models/DrawTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTreeWidget>

using namespace kivora;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

class MainWindow : public test::WindowFixture
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

TEST_F(MainWindow, StartsWithOneTabPerShownLotteryAndLoadsTheFirst)
{
    twoLotteries();
    start();
    auto *tabs = find<QTabBar>("TabControl1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), s("Малая"));
    EXPECT_EQ(tabs->tabText(1), s("Вторая"));
    EXPECT_EQ(status(0), s("Проанализировано 4 розыгрышей"));
    EXPECT_EQ(window().windowTitle(), s("Kivora - В помощь игроку в ЛОТО"));

    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрышей"));
    EXPECT_EQ(find<QTableView>("ListView1")->model()->rowCount(), 45);
    screenshot("start");
}

TEST_F(MainWindow, FiltersReloadTheDraws)
{
    twoLotteries();
    start();
    auto *machine = find<QComboBox>("LototronBox");
    machine->setCurrentText(s("1"));
    find<QCheckBox>("lototroncheck")->setChecked(true);
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрышей"));
    machine->setCurrentText(s("2"));
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрышей"));
    find<QCheckBox>("lototroncheck")->setChecked(false);

    find<QLineEdit>("Edit1")->setText(s("3"));
    EXPECT_EQ(status(0), s("Проанализировано 4 розыгрышей")); // the box is not ticked
    find<QCheckBox>("LastDrawBox")->setChecked(true);
    EXPECT_EQ(status(0), s("Проанализировано 3 розыгрышей"));
    find<QLineEdit>("Edit1")->setText(QString());
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), s("0"));
    EXPECT_EQ(status(0), s("Проанализировано 4 розыгрышей"));
}

TEST_F(MainWindow, SelectingANumberHighlightsItsDraws)
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
    QApplication::processEvents();
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

TEST_F(MainWindow, ClosingStoresTheWindowStateAndTheNextStartUsesIt)
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
    EXPECT_EQ(status(0), s("Проанализировано 2 розыгрышей"));

    find<QCheckBox>("LastDrawBox")->setChecked(false);
    window().close();
    EXPECT_EQ(IniFile(dir.filePath(s("kivora.INI"))).readInteger(s("Form"), s("LastDraws"), -1), 0);
    start();
    EXPECT_FALSE(find<QCheckBox>("LastDrawBox")->isChecked());
}

TEST_F(MainWindow, WithoutAnyShownLotteryTheWindowSaysWhatToDo)
{
    writeConfig({ s("[LotoType]"), s("Скрытая=0") });
    start();
    EXPECT_EQ(find<QTabBar>("TabControl1")->count(), 0);
    EXPECT_TRUE(status(0).contains(s("Параметры")));
    window().close();
    EXPECT_TRUE(IniFile(dir.filePath(s("kivora.INI"))).hasSection(s("Form")));
}

TEST_F(MainWindow, AnUnloadableLotteryIsRefusedByName)
{
    writeConfig({ s("[LotoType]"), s("Плохая=1"), s("[Плохая]"), s("MaxNumber=150") });
    start();
    ASSERT_FALSE(services.messages.isEmpty());
    EXPECT_TRUE(services.lastMessage().contains(s("Плохая")));
    EXPECT_TRUE(services.lastMessage().contains(s("MaxNumber")));
    EXPECT_EQ(find<QTableView>("ListView1")->model()->rowCount(), 0);
}

TEST_F(MainWindow, SampleDataOpensOnTheFirstStart)
{
    seedDefaults();
    start();
    EXPECT_EQ(find<QTabBar>("TabControl1")->count(), 5);
    EXPECT_EQ(status(0), s("Проанализировано 1738 розыгрышей"));
    EXPECT_EQ(status(1), s("Выбрано 0 номеров"));
    screenshot("sample");
}
