#include "support/WindowFixture.h"

#include "forecast/Forecast.h"
#include "support/TestText.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QTableView>

using namespace kivora;

namespace {

using kivora::test::s;

// "6 из 45" with two systems and three draws, the newest 125: 03 15 22 31 40 44.
class PlayWindow : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        writeSixOf45WithThreeDraws();
        dir.writeLines(
            s("System/seven.ltt"), { s(";7 numbers, all pairs"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7") });
        start();
    }

    // Ticks a number's check box as the user does.
    void tick(const QString &number)
    {
        for (int i = 0; i < numbers()->rowCount(); ++i) {
            if (numbers()->caption(i) == number)
                numbers()->setData(numbers()->index(i, 0), Qt::Checked, Qt::CheckStateRole);
        }
    }
    void chooseSystem(int index)
    {
        auto *box = find<QComboBox>("ComboBox1");
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

} // namespace

TEST_F(PlayWindow, MarksExpandIntoTheSystemAndTheCheckReportsHits)
{
    for (const char *n : { "03", "15", "22", "07", "08", "09" })
        tick(s(n));
    EXPECT_EQ(status(1), s("Выбрано 6 номеров"));
    ASSERT_EQ(combinations()->rowCount(), 1);
    QStringList firstRow = combinations()->list().row(0);
    firstRow.sort();
    EXPECT_EQ(firstRow.mid(4), QStringList({ s("03"), s("07"), s("08"), s("09"), s("15"), s("22") }));

    tick(s("44"));
    chooseSystem(1);
    EXPECT_EQ(combinations()->rowCount(), 2);
    EXPECT_EQ(status(1), s("Выбрано 7 номеров"));

    const QString saved = dir.filePath(s("mine.ltc"));
    services.saveAnswers.enqueue(saved);
    trigger("N12");
    ASSERT_EQ(services.saveRequests.size(), 1);
    EXPECT_EQ(services.saveRequests.first().defaultSuffix, s("ltc"));
    const QStringList lines = dir.readLines(s("mine.ltc"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), s("6 из 45"));
    EXPECT_EQ(lines.at(1), s("Выбрано:  7 номеров - 2 комбинации"));
    EXPECT_EQ(lines.at(2).size(), 42);

    services.openAnswers.enqueue(saved);
    services.textAnswers.enqueue(s("125"));
    trigger("N19");
    ASSERT_EQ(services.editedFiles.size(), 1);
    EXPECT_TRUE(services.editedFiles.first().endsWith(s("result.tmp")));
    const QStringList report = dir.readLines(s("result.tmp"));
    ASSERT_FALSE(report.isEmpty());
    EXPECT_EQ(report.first(), s("Результаты 125 розыгрыша в 6 из 45 :"));
    EXPECT_TRUE(report.contains(s("3 номера - угадано   2 комбинации")))
        << report.join(QLatin1Char('|')).toStdString();
}

TEST_F(PlayWindow, MarkAllClearAllAndRandomChoice)
{
    trigger("N22");
    EXPECT_EQ(numbers()->flaggedCount(), 45);
    EXPECT_EQ(status(1), s("Выбрано 45 номеров"));
    trigger("N23");
    EXPECT_EQ(numbers()->flaggedCount(), 0);

    chooseSystem(1); // seven numbers
    tick(s("05"));
    trigger("N24");
    EXPECT_EQ(numbers()->flaggedCount(), 7);
    EXPECT_EQ(status(1), s("Выбрано 7 номеров"));
    trigger("N24");
    EXPECT_EQ(services.lastMessage(), s("Уже выбраны все номера для данной системы комбинаций!"));
    EXPECT_EQ(numbers()->flaggedCount(), 7);
}

TEST_F(PlayWindow, ACheckOfAnotherLotterysFileIsRefused)
{
    dir.writeLines(
        s("other.ltc"), { s("5 из 36"), s("Выбрано:  5 номеров - 1 комбинация"), s("01   02   03") });
    services.openAnswers.enqueue(dir.filePath(s("other.ltc")));
    trigger("N19");
    EXPECT_TRUE(
        services.lastMessage().startsWith(s("Содержимое этого файла не является комбинациями для 6 из 45")));
    EXPECT_TRUE(services.editedFiles.isEmpty());
}

TEST_F(PlayWindow, ForecastMarksNumbersAndPicksTheSmallestSystem)
{
    tick(s("33")); // the forecast starts from no marks
    services.confirmAnswers.enqueue(true); // the player lets it replace the mark
    trigger("N53");
    const StatTable &table = numbers()->table();
    int expected = 0;
    for (int i = 0; i < numbers()->rowCount(); ++i) {
        const StatRow &row = table.rows[static_cast<size_t>(numbers()->tableRow(i))];
        const bool chosen = forecast::numberChosen(3, row.since, row.drawn);
        EXPECT_EQ(numbers()->isFlagged(i), chosen) << numbers()->caption(i).toStdString();
        expected += chosen ? 1 : 0;
    }
    const int marked = numbers()->flaggedCount();
    EXPECT_EQ(marked, expected);
    const int system = forecast::chooseSystem({ s("6 номеров"), s("7 номеров") }, marked);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), system < 0 ? 0 : system);
    if (marked == 0) {
        EXPECT_EQ(services.lastMessage(), s("Невозможно спрогнозировать результат!"));
    }
    trigger("N54");
    EXPECT_EQ(find<QTableView>("ListView2")->model()->rowCount(), 990);
}

TEST_F(PlayWindow, DeletedCombinationsComeBackWithTheNextMark)
{
    chooseSystem(1);
    for (const char *n : { "01", "02", "03", "04", "05", "06", "07" })
        tick(s(n));
    ASSERT_EQ(combinations()->rowCount(), 2);
    find<QTableView>("StringGrid1")->setCurrentIndex(combinations()->index(0, 0));
    trigger("N46");
    EXPECT_EQ(combinations()->rowCount(), 1);
    trigger("N46");
    EXPECT_EQ(combinations()->rowCount(), 1); // the list keeps one row
    tick(s("08"));
    EXPECT_EQ(combinations()->rowCount(), 2);
}

// A combination file of many lines is checked as a job: the window answers and shows
// the wait window while it runs, and the report follows when it ends.
TEST_F(PlayWindow, TheCheckOfAFileRunsOffTheEventLoop)
{
    QStringList lines = { s("6 из 45"), s("Выбрано:  6 номеров - 20000 комбинаций") };
    for (int i = 0; i < 20000; ++i)
        lines.append(i % 2 == 0 ? s("03   15   22   01   02   04   ") : s("05   06   07   08   09   10   "));
    dir.writeLines(s("many.ltc"), lines);
    services.openAnswers.enqueue(dir.filePath(s("many.ltc")));
    services.textAnswers.enqueue(s("125"));
    auto *action = window().findChild<QAction *>(s("N19"));
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_TRUE(window().isBusy());
    EXPECT_TRUE(services.editedFiles.isEmpty());
    settle();
    ASSERT_EQ(services.editedFiles.size(), 1);
    const QStringList report = dir.readLines(s("result.tmp"));
    EXPECT_TRUE(report.contains(s("3 номера - угадано 10000 комбинаций")))
        << report.mid(0, 12).join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(report.contains(s("7 номеров - угадано   0 комбинаций")));
}
