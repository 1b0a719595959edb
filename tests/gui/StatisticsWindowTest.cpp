#include "support/WindowFixture.h"

#include "core/MessageCatalog.h"
#include "statistics/CombinationStats.h"
#include "support/TestText.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"

#include <QColor>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTreeWidget>

using namespace kivora;

namespace {

using kivora::test::s;

// Draws {1,2,3}, {2,3,4}, {1,5,6} on a lottery 1..6 with three numbers a draw, and a
// second lottery with additional numbers.
class StatisticsWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeConfig({ s("[LotoType]"), s("Малая=1"), s("Доп=1"), s("[Малая]"), s("MinNumber=1"),
            s("MaxNumber=6"), s("DrawNumber=3"), s("BaseFile=small.lot"), s("[Доп]"), s("MaxNumber=45"),
            s("DrawNumber=6"), s("CountOfAddBall=2"), s("MinnumberOfAddBall=1"), s("MaxnumberOfAddBall=4"),
            s("BaseFile=extra.lot") });
        dir.writeLines(s("small.lot"), { s("1,-,-,-,1,2,3"), s("2,-,-,-,2,3,4"), s("3,-,-,-,1,5,6") });
        dir.writeLines(s("extra.lot"), { s("1,-,-,-,1,2,3,4,5,6,1,2"), s("2,-,-,-,11,12,13,14,15,16,2,2") });
        dir.writeLines(s("System/default.ltt"), { s("1 2 3 4 5 6") });
        start();
    }

    StatTableModel *statModel()
    {
        return qobject_cast<StatTableModel *>(find<QTableView>("ListView2")->model());
    }
    QString title() { return find<QGroupBox>("GroupBox2")->title(); }
    QString record(int column) { return find<QTreeWidget>("ListView4")->headerItem()->text(column); }
    QStringList row(int displayRow)
    {
        QAbstractItemModel *model = statModel();
        return { model->index(displayRow, 0).data().toString(), model->index(displayRow, 1).data().toString(),
            model->index(displayRow, 2).data().toString() };
    }
    int rowOf(const QString &caption)
    {
        for (int i = 0; i < statModel()->rowCount(); ++i) {
            if (statModel()->caption(i) == caption)
                return i;
        }
        return -1;
    }
    bool marked(const QString &number)
    {
        auto *list = qobject_cast<StatTableModel *>(find<QTableView>("ListView1")->model());
        for (int i = 0; i < list->rowCount(); ++i) {
            if (list->caption(i) == number)
                return list->isFlagged(i);
        }
        return false;
    }
};

} // namespace

TEST_F(StatisticsWindow, PairsFromTheMainMenuAndTheToolbarMenu)
{
    trigger("N35");
    EXPECT_EQ(title(), s("Пары номеров"));
    EXPECT_EQ(statModel()->rowCount(), 15);
    EXPECT_EQ(record(1), s("3"));
    EXPECT_EQ(record(2), s("2"));
    EXPECT_EQ(row(0)[1], s("3")); // sorted by "Не выпадала": never-drawn pairs first
    EXPECT_EQ(row(rowOf(s("02:03"))), QStringList({ s("02:03"), s("1"), s("2") }));

    trigger("popupN37");
    EXPECT_EQ(title(), s("Соседние пары номеров"));
    EXPECT_EQ(statModel()->rowCount(), 5);
    trigger("N38");
    EXPECT_EQ(title(), s("Родственные пары номеров"));
    EXPECT_EQ(statModel()->rowCount(), 0);
    EXPECT_EQ(record(1), s("0"));
}

TEST_F(StatisticsWindow, TriplesQuadruplesAndTheirHighlight)
{
    trigger("N74");
    EXPECT_EQ(title(), s("Тройки номеров"));
    EXPECT_EQ(statModel()->rowCount(), 20);
    trigger("N66");
    EXPECT_EQ(title(), s("Соседние тройки номеров"));
    EXPECT_EQ(row(0)[1], s("3"));
    trigger("Menu_4_1");
    EXPECT_EQ(title(), s("Четверки номеров"));
    EXPECT_EQ(statModel()->rowCount(), 15);
    trigger("Menu_4_2");
    EXPECT_EQ(title(), s("Соседние четверки номеров"));

    trigger("N74");
    find<QTableView>("ListView2")->selectRow(rowOf(s("01:02:03")));
    settle();
    auto *results = qobject_cast<DrawTableModel *>(find<QTableView>("StringGrid2")->model());
    EXPECT_TRUE(results->isHighlighted(0));
    EXPECT_FALSE(results->isHighlighted(1));
    EXPECT_FALSE(results->isHighlighted(2));
}

TEST_F(StatisticsWindow, DoubleClickMarksTheNumbersOfARow)
{
    trigger("Menu_4_1");
    const int row = rowOf(s("01:02:05:06"));
    find<QTableView>("ListView2")->selectRow(row);
    emit find<QTableView>("ListView2")->doubleClicked(statModel()->index(row, 0));
    for (const char *n : { "01", "02", "05", "06" })
        EXPECT_TRUE(marked(s(n))) << n;
    EXPECT_FALSE(marked(s("03")));
    EXPECT_EQ(status(1), s("Выбрано 4 номера"));
}

TEST_F(StatisticsWindow, GroupsOfTenAndTheNumbersOfATen)
{
    trigger("N210");
    EXPECT_EQ(title(), s("Десятки (по 2 номера в десятке)"));
    ASSERT_EQ(statModel()->rowCount(), 1);
    EXPECT_EQ(row(0), QStringList({ s("01-6"), s("0"), s("3") }));

    // The command is enabled when the context menu opens on a selected group row.
    EXPECT_FALSE(find<QAction>("N73")->isEnabled());
    find<QTableView>("ListView2")->selectRow(0);
    emit find<QTableView>("ListView2")->customContextMenuRequested(QPoint(2, 2));
    find<QMenu>("SortMenu")->hide();
    ASSERT_TRUE(find<QAction>("N73")->isEnabled());
    trigger("N73");
    auto *ten = find<QTableView>("ListView5");
    EXPECT_TRUE(ten->isVisibleTo(&window()));
    EXPECT_EQ(ten->model()->rowCount(), 15);
    EXPECT_EQ(ten->model()->index(0, 0).data().toString(), s("01:02"));
    // The list says what it holds.
    auto *caption = find<QLabel>("TenNumbersCaption");
    EXPECT_TRUE(caption->isVisibleTo(&window()));
    EXPECT_EQ(caption->text(), s("Сочетания по 2 из номеров 01-6"));

    trigger("N60");
    EXPECT_EQ(title(), s("Десятки"));
    auto *grid = find<QTableView>("StringGrid4");
    EXPECT_TRUE(grid->isVisibleTo(&window()));
    EXPECT_FALSE(find<QTableView>("ListView2")->isVisibleTo(&window()));
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), s("01-06"));
    EXPECT_EQ(grid->model()->headerData(2, Qt::Vertical).toString(), s("3"));
    EXPECT_FALSE(caption->isVisibleTo(&window()));
}

TEST_F(StatisticsWindow, EveryColourSaysWhatItMeans)
{
    // The number list: the header holds the whole legend, a coloured row its own line.
    auto *list = qobject_cast<StatTableModel *>(find<QTableView>("ListView1")->model());
    const QString legend = list->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString();
    EXPECT_TRUE(legend.contains(s("Красный фон: есть в последнем розыгрыше"))) << legend.toStdString();
    EXPECT_TRUE(legend.contains(s("Зелёный фон")));
    EXPECT_TRUE(legend.contains(s("Чёрный фон")));
    EXPECT_TRUE(legend.contains(s("Цвет шара")));
    // The last draw is 1 5 6: "05" is red and says so; "04" is not coloured, no tip.
    const int five = list->displayRow(4);
    EXPECT_EQ(
        list->index(five, 1).data(Qt::ToolTipRole).toString(), s("Красный фон: есть в последнем розыгрыше"));
    tickFirst(1);
    const int first = 0;
    EXPECT_EQ(list->index(first, 0).data(Qt::ToolTipRole).toString(), s("Чёрный фон: отмечено для игры"));

    // The pairs: a pair not drawn for longer than 80 per cent of the record is green.
    trigger("N35");
    StatTableModel *pairs = statModel();
    const QString pairsLegend = pairs->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString();
    EXPECT_FALSE(pairsLegend.contains(s("Чёрный фон")));
    bool sawGreen = false;
    for (int row = 0; row < pairs->rowCount(); ++row) {
        const QString tip = pairs->index(row, 0).data(Qt::ToolTipRole).toString();
        if (pairs->index(row, 0).data(Qt::BackgroundRole).value<QColor>() == QColor(0, 128, 0)) {
            sawGreen = true;
            EXPECT_TRUE(tip.startsWith(s("Зелёный фон: нет уже"))) << tip.toStdString();
        }
    }
    EXPECT_TRUE(sawGreen);

    // The results: a chosen pair paints its draws red, and they say why.
    find<QTableView>("ListView2")->selectRow(rowOf(s("02:03")));
    settle();
    auto *results = qobject_cast<DrawTableModel *>(find<QTableView>("StringGrid2")->model());
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(
        results->index(0, 0).data(Qt::ToolTipRole).toString().startsWith(s("Красный номер розыгрыша")));
    EXPECT_TRUE(results->index(2, 0).data(Qt::ToolTipRole).toString().isEmpty());

    // The additional numbers are blue and say what they are.
    chooseLottery(s("Доп"));
    auto *extra = qobject_cast<DrawTableModel *>(find<QTableView>("StringGrid2")->model());
    EXPECT_EQ(extra->index(0, extra->firstAdditionalColumn()).data(Qt::ToolTipRole).toString(),
        s("Синие номера: дополнительные"));

    // The tens grid: a ten with four numbers of a draw is red.
    trigger("N60");
    auto *grid = find<QTableView>("StringGrid4");
    EXPECT_EQ(grid->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
        s("Красная клетка: 4 и больше номеров десятка в розыгрыше"));
}

TEST_F(StatisticsWindow, PositionsAndAdditionalNumbers)
{
    auto *positions = find<QMenu>("Mesto_1");
    ASSERT_EQ(positions->actions().size(), 3);
    EXPECT_EQ(positions->actions().at(0)->text(), s("Позиция 1"));
    EXPECT_FALSE(find<QAction>("DopNomer")->isEnabled());
    positions->actions().at(0)->trigger();
    settle();
    EXPECT_EQ(title(), s("В порядке выпадения номеров (Позиция 1)"));
    EXPECT_EQ(statModel()->rowCount(), 6);
    EXPECT_EQ(row(0), QStringList({ s("01"), s("0"), s("2") })); // not sorted: ascending numbers
    find<QMenu>("popupN55")->actions().at(2)->trigger();
    settle();
    EXPECT_EQ(title(), s("В порядке возрастания номеров (Позиция 3)"));

    find<QTabBar>("TabControl1")->setCurrentIndex(1);
    settle();
    EXPECT_EQ(find<QMenu>("Mesto_2")->actions().size(), 6);
    ASSERT_TRUE(find<QAction>("popupdopnumber")->isEnabled());
    trigger("popupdopnumber");
    EXPECT_EQ(title(), s("Дополнительные номера"));
    EXPECT_EQ(statModel()->rowCount(), 4);
    EXPECT_EQ(row(1), QStringList({ s("02"), s("0"), s("3") }));
    screenshot("additional");
}
