// The window fits its data: columns as wide as their widest text at any font and screen
// scale (this suite also runs with QT_SCALE_FACTOR=1.25), the draw number kept in sight,
// the newest draw whole, and the window back as it was left.

#include "support/WindowFixture.h"

#include "core/IniFile.h"
#include "support/TestText.h"
#include "ui/ApplicationIdentity.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

using namespace kivora;

namespace {

using kivora::test::s;

class WindowFit : public test::WindowFixture
{
protected:
    // Every cell and header text of the view fits its column.
    void expectColumnsFitTheirTexts(const char *viewName)
    {
        auto *view = find<QTableView>(viewName);
        const QAbstractItemModel *model = view->model();
        ASSERT_GT(model->rowCount(), 0) << viewName;
        const QFontMetrics metrics(view->font());
        for (int column = 0; column < model->columnCount(); ++column) {
            int widest = 0;
            QString widestText;
            for (int row = 0; row < model->rowCount(); ++row) {
                const QString text = model->index(row, column).data().toString();
                if (metrics.horizontalAdvance(text) > widest) {
                    widest = metrics.horizontalAdvance(text);
                    widestText = text;
                }
            }
            EXPECT_GE(view->columnWidth(column), widest + 6)
                << viewName << " column " << column << " \"" << widestText.toStdString() << "\"";
            if (!view->horizontalHeader()->isHidden()) {
                const QString caption = model->headerData(column, Qt::Horizontal).toString();
                EXPECT_GE(view->columnWidth(column),
                    QFontMetrics(view->horizontalHeader()->font()).horizontalAdvance(caption) + 6)
                    << viewName << " header " << caption.toStdString();
            }
        }
    }
};

} // namespace

TEST_F(WindowFit, ColumnsAreNeverNarrowerThanTheirWidestText)
{
    seedDefaults();
    start();
    for (const char *lottery : { "Кено (20 из 80)", "5 из 50 + 2 из 12" }) {
        chooseLottery(s(lottery));
        expectColumnsFitTheirTexts("StringGrid2");
        expectColumnsFitTheirTexts("ListView1");
        trigger("N35");
        expectColumnsFitTheirTexts("ListView2");
    }
}

TEST_F(WindowFit, AdditionalNumbersFollowTheMainOnesInTheResults)
{
    seedDefaults();
    start();
    chooseLottery(s("5 из 50 + 2 из 12"));
    auto *results = find<QTableView>("StringGrid2");
    ASSERT_EQ(results->model()->columnCount(), 1 + 5 + 2);
    const int last = results->model()->rowCount() - 1;
    // The newest draw of the sample: 2019017 with stars 04 and 03.
    EXPECT_EQ(results->model()->index(last, 0).data().toString(), s("2019017"));
    EXPECT_EQ(results->model()->index(last, 6).data().toString(), s("04"));
    EXPECT_EQ(results->model()->index(last, 7).data().toString(), s("03"));
    EXPECT_TRUE(results->model()->index(last, 6).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(results->model()->index(last, 5).data(Qt::BackgroundRole).isValid());
}

TEST_F(WindowFit, TheDrawNumberStaysInSightAndTheNewestDrawIsWhole)
{
    seedDefaults();
    start();
    window().resize(700, 500); // narrow: the results scroll sideways
    settle();
    chooseLottery(s("Кено (20 из 80)"));
    settle();
    auto *results = find<QTableView>("StringGrid2");
    const int last = results->model()->rowCount() - 1;
    const QRect newest = results->visualRect(results->model()->index(last, 1));
    EXPECT_TRUE(results->viewport()->rect().contains(newest))
        << newest.y() << " " << results->viewport()->height();

    results->horizontalScrollBar()->setValue(results->horizontalScrollBar()->maximum());
    settle();
    ASSERT_GT(results->horizontalScrollBar()->value(), 0);
    auto *frozen = results->findChild<QTableView *>(s("frozenColumn"));
    ASSERT_NE(frozen, nullptr);
    EXPECT_TRUE(frozen->isVisible());
    EXPECT_EQ(frozen->width(), results->columnWidth(0));
    EXPECT_LE(frozen->x(), results->frameWidth());
    // The frozen column shows the same rows as the view beside it.
    EXPECT_EQ(frozen->rowAt(0), results->rowAt(0));
    EXPECT_EQ(frozen->indexAt(QPoint(2, newest.center().y())).data().toString(), s("10114"));

    // The record line above the number list scrolls sideways with it.
    auto *numbers = find<QTableView>("ListView1");
    numbers->horizontalScrollBar()->setValue(numbers->horizontalScrollBar()->maximum());
    EXPECT_EQ(find<QTreeWidget>("ListView3")->header()->offset(), numbers->horizontalScrollBar()->value());
}

TEST_F(WindowFit, TheWindowComesBackAsItWasLeft)
{
    seedDefaults();
    start();
    window().resize(790, 560);
    settle();
    chooseLottery(s("4 из 20"));
    find<QSplitter>("Splitter1")->setSizes({ 200, 580 });
    settle();
    find<QTableView>("ListView1")->horizontalHeader()->sectionClicked(2);
    const QRect geometry = window().geometry();
    find<QSplitter>("Splitter2")->setSizes({ 200, 150, 230 });
    settle();
    const QList<int> split = find<QSplitter>("Splitter1")->sizes();
    const QList<int> panes = find<QSplitter>("Splitter2")->sizes();
    window().close();

    const IniDocument ini = IniFile(dir.filePath(s("kivora.INI"))).load();
    EXPECT_EQ(ini.readInteger(s("Form"), s("Width"), 0), 790);
    EXPECT_EQ(ini.readInteger(s("Form"), s("Height"), 0), 560);
    EXPECT_EQ(ini.readString(s("Form"), s("LastLottery"), QString()), s("4 из 20"));

    start();
    settle();
    EXPECT_EQ(window().geometry().size(), geometry.size());
    EXPECT_EQ(window().currentLottery(), s("4 из 20"));
    EXPECT_EQ(find<QSplitter>("Splitter1")->sizes(), split);
    EXPECT_EQ(find<QSplitter>("Splitter2")->sizes(), panes);
    EXPECT_EQ(window().sortColumn(), 2);
    EXPECT_EQ(find<QTableView>("ListView1")->horizontalHeader()->sortIndicatorSection(), 2);
}

TEST_F(WindowFit, AMaximisedWindowKeepsItsNormalGeometry)
{
    seedDefaults();
    start();
    window().setGeometry(20, 30, 760, 540);
    settle();
    const QRect normal = window().geometry();
    window().showMaximized();
    settle();
    window().close();
    const IniDocument ini = IniFile(dir.filePath(s("kivora.INI"))).load();
    EXPECT_EQ(ini.readString(s("Form"), s("InitMax"), QString()), s("1"));
    EXPECT_EQ(ini.readInteger(s("Form"), s("Width"), 0), normal.width());
    EXPECT_EQ(ini.readInteger(s("Form"), s("Height"), 0), normal.height());
    // Closed again at once, it stores the same normal geometry: nothing drifts.
    start();
    EXPECT_TRUE(window().windowState().testFlag(Qt::WindowMaximized));
    window().close();
    const IniDocument again = IniFile(dir.filePath(s("kivora.INI"))).load();
    for (const char *key : { "Left", "Top", "Width", "Height", "InitMax" })
        EXPECT_EQ(
            again.readString(s("Form"), s(key), QString()), ini.readString(s("Form"), s(key), QString()))
            << key;
}

TEST_F(WindowFit, TheTitleNamesTheProgramOnce)
{
    applyApplicationIdentity("1.0");
    seedDefaults();
    start();
    EXPECT_EQ(window().windowTitle().count(s("Kivora")), 1);
    // Qt adds the display name to every title when one is set: none is.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    // The program's own icon.
    const QIcon icon = applicationIcon();
    EXPECT_EQ(icon.availableSizes().size(), 7);
    EXPECT_FALSE(icon.pixmap(48, 48).isNull());
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
}

TEST_F(WindowFit, ALargeFontFromTheLanguageFileKeepsEveryCellReadable)
{
    seedDefaults();
    QStringList lines = { s("[MainForm]"), s("MainForm_FontSize=14") };
    dir.writeLines(s("lng/big.lng"), lines);
    IniFile config(dir.filePath(s("kivora.INI")));
    ASSERT_TRUE(
        config.update([](IniDocument &doc) { doc.writeString(s("Form"), s("LangFile"), s("big.lng")); }));
    start();
    chooseLottery(s("Кено (20 из 80)"));
    EXPECT_EQ(window().font().pointSize(), 14);
    expectColumnsFitTheirTexts("StringGrid2");
    expectColumnsFitTheirTexts("ListView1");
    auto *strip = find<QTableWidget>("StringGrid3");
    const QFontMetrics metrics(strip->font());
    for (int column = 0; column < strip->columnCount(); ++column) {
        const QTableWidgetItem *item = strip->item(0, column);
        if (item) {
            EXPECT_GE(strip->columnWidth(column), metrics.horizontalAdvance(item->text()) + 4) << column;
        }
    }
    EXPECT_GE(strip->rowHeight(0), metrics.height());
}

TEST_F(WindowFit, SmallThingsANewcomerTripsOn)
{
    writeConfig({ s("[LotoType]"), s("С адресом=1"), s("Без адреса=1"), s("[С адресом]"), s("MaxNumber=45"),
        s("DrawNumber=6"), s("BaseFile=a.lot"), s("WWW=rules/a.html"), s("[Без адреса]"), s("MaxNumber=45"),
        s("DrawNumber=6"), s("BaseFile=b.lot") });
    dir.writeLines(s("a.lot"),
        { s("1,-,-,-,01,02,03,04,05,06"), s("2,-,-,-,07,08,09,10,11,12"), s("3,-,-,-,01,13,14,15,16,17") });
    dir.writeLines(s("b.lot"), { s("1,-,-,-,01,02,03,04,05,06") });
    dir.writeLines(s("rules/a.html"), { s("<p>rules</p>") });
    start();

    // The lottery's information opens its address; a page is found in the program folder
    // and opened after a question.
    auto *info = window().findChild<QAction *>(s("N26"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    services.confirmAnswers.enqueue(true);
    info->trigger();
    EXPECT_EQ(services.confirmQuestions.size(), 1);
    EXPECT_EQ(services.openedUrls.last(), QFileInfo(dir.filePath(s("rules/a.html"))).canonicalFilePath());

    // The statistics panel's title goes with its list.
    trigger("N35");
    EXPECT_EQ(find<QGroupBox>("GroupBox2")->title(), s("Пары номеров"));
    chooseLottery(s("Без адреса"));
    EXPECT_EQ(find<QGroupBox>("GroupBox2")->title(), s("Статистика"));
    EXPECT_FALSE(info->isVisible());
}

TEST_F(WindowFit, WithoutAnyLotteryTheHintIsAMessageAndATooltip)
{
    writeConfig({ s("[LotoType]"), s("Скрытая=0") });
    start();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.lastMessage().contains(s("Параметры")));
    EXPECT_EQ(find<QLabel>("StatusPanel0")->toolTip(), services.lastMessage());
}

namespace {

// Every column of the list shows without scrolling sideways.
void expectEveryColumnInSight(const QTableView *view)
{
    int columns = 0;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        columns += view->columnWidth(column);
    EXPECT_GE(view->viewport()->width(), columns) << view->objectName().toStdString();
}

} // namespace

TEST_F(WindowFit, TheStatisticGetsItsColumnsBeforeAnEmptyCombinationList)
{
    seedDefaults();
    start();
    window().resize(1356, 700); // a 1366 x 768 screen less the frame and a task bar
    settle();
    chooseLottery(s("Кено (20 из 80)"));
    trigger("N35");
    expectColumnsFitTheirTexts("ListView2");
    expectEveryColumnInSight(find<QTableView>("ListView2"));
    expectEveryColumnInSight(find<QTableView>("ListView1"));
    screenshot("keno-pairs-1366");
}

TEST_F(WindowFit, EachLotteryKeepsTheSplitItWasLeftWith)
{
    seedDefaults();
    // A file of an earlier version: one split, left in 6 of 45, narrowing the statistics.
    IniFile config(dir.filePath(s("kivora.INI")));
    ASSERT_TRUE(config.update([](IniDocument &ini) {
        ini.writeString(s("Form"), s("LastLottery"), s("6 из 45"));
        ini.writeString(s("Form"), s("Width"), s("790"));
        ini.writeString(s("Form"), s("Height"), s("560"));
        ini.writeString(s("Form"), s("Splitter"), s("300,482"));
        ini.writeString(s("Form"), s("RightSplitter"), s("150,100,220"));
    }));
    start();
    settle();
    auto *panes = find<QSplitter>("Splitter2");
    EXPECT_LE(panes->sizes().value(1), 110);

    // On a 1366 x 768 screen, Keno lays its panes out by what they show.
    window().resize(1356, 700);
    settle();
    const QList<int> sixOf45 = panes->sizes(); // the user's places, widened with the window
    chooseLottery(s("Кено (20 из 80)"));
    trigger("N35");
    expectColumnsFitTheirTexts("ListView2");
    expectEveryColumnInSight(find<QTableView>("ListView2"));
    chooseLottery(s("4 из 20"));
    EXPECT_GT(panes->sizes().value(1), 200);
    // The user places the splitters in Keno; each lottery shows its own places.
    chooseLottery(s("Кено (20 из 80)"));
    panes->setSizes({ 150, 200, 500 });
    settle();
    const QList<int> keno = panes->sizes();
    chooseLottery(s("6 из 45"));
    EXPECT_EQ(panes->sizes(), sixOf45);
    chooseLottery(s("Кено (20 из 80)"));
    EXPECT_EQ(panes->sizes(), keno);
    chooseLottery(s("4 из 20"));
    window().close();

    const IniDocument ini = IniFile(dir.filePath(s("kivora.INI"))).load();
    EXPECT_FALSE(ini.value(s("Form"), s("Splitter")).has_value());
    EXPECT_TRUE(ini.value(s("6 из 45"), s("PaneSplit")).has_value());
    EXPECT_TRUE(ini.readString(s("Кено (20 из 80)"), s("PaneSplit"), QString())
                    .endsWith(s(";%1,%2,%3").arg(keno[0]).arg(keno[1]).arg(keno[2])));
    EXPECT_FALSE(ini.value(s("4 из 20"), s("PaneSplit")).has_value());

    // After a restart in 4 of 20, it fits its data and Keno has its places back.
    start();
    window().resize(1356, 700);
    settle();
    EXPECT_GT(find<QSplitter>("Splitter2")->sizes().value(1), 200);
    chooseLottery(s("Кено (20 из 80)"));
    EXPECT_EQ(find<QSplitter>("Splitter2")->sizes(), keno);
    screenshot("four-of-20-after-restart");
}
