// Long work runs off the event loop: it can be cancelled, and a newer request wins.

#include "support/WindowFixture.h"

#include "statistics/CombinationStats.h"
#include "support/TestText.h"
#include "ui/models/StatTableModel.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>

using namespace kivora;

namespace {

using kivora::test::s;

class BackgroundJob : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        seedDefaults();
        start();
        chooseLottery(s("Кено (20 из 80)"));
    }
    StatTableModel *statistics()
    {
        return qobject_cast<StatTableModel *>(find<QTableView>("ListView2")->model());
    }
    // Starts a command and returns at once, while its job runs.
    void begin(const char *actionName)
    {
        window().findChild<QAction *>(QLatin1String(actionName))->trigger();
    }
};

} // namespace

TEST_F(BackgroundJob, CancellingAStatisticLeavesThePreviousView)
{
    trigger("N35");
    const int pairs = statistics()->rowCount();
    ASSERT_EQ(pairs, 3160);
    const QString title = find<QGroupBox>("GroupBox2")->title();

    begin("Menu_4_1"); // all quadruples of Keno: 1,581,580 rows
    ASSERT_TRUE(window().isBusy());
    // The window answers meanwhile; the wait window's Cancel stops the job.
    auto *cancel = window().findChild<QPushButton *>(s("WaitCancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(cancel->isVisible());
    cancel->click();
    settle();
    EXPECT_FALSE(window().isBusy());
    EXPECT_EQ(statistics()->rowCount(), pairs);
    EXPECT_EQ(find<QGroupBox>("GroupBox2")->title(), title);
    EXPECT_FALSE(cancel->isVisible());
}

TEST_F(BackgroundJob, ATabSwitchDuringAJobShowsOnlyTheNewTab)
{
    begin("Menu_4_1");
    ASSERT_TRUE(window().isBusy());
    chooseLottery(s("6 из 45"));
    // Whatever the quadruples job did meanwhile, none of it shows under the new tab.
    for (int i = 0; i < 20; ++i) {
        QTest::qWait(20);
        settle();
    }
    EXPECT_EQ(window().currentLottery(), s("6 из 45"));
    EXPECT_EQ(find<QTableView>("StringGrid2")->model()->rowCount(), 1738);
    EXPECT_EQ(statistics()->rowCount(), 0);
    EXPECT_EQ(status(0), s("Проанализировано 1738 розыгрышей"));
}

TEST_F(BackgroundJob, AJobShowsWhatTheCoreComputes)
{
    trigger("N74");
    const StatTable expected = combinationStats(
        window().loaded().draws, window().loaded().definition, 3, Family::All, window().messages());
    const StatTable &shown = statistics()->table();
    ASSERT_EQ(shown.rowCount(), expected.rowCount());
    EXPECT_EQ(shown.record, expected.record);
    EXPECT_EQ(shown.topCount, expected.topCount);
    for (size_t row = 0; row < expected.rows.size(); ++row) {
        ASSERT_EQ(shown.rows[row].key, expected.rows[row].key) << row;
        ASSERT_EQ(shown.rows[row].since, expected.rows[row].since) << row;
        ASSERT_EQ(shown.rows[row].drawn, expected.rows[row].drawn) << row;
    }
}
