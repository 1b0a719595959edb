// The filter bar and the pane layout on their own: a filter reports a change only
// while it takes part in the load, the count field never stays empty, the count the
// configuration keeps comes back without a reload, and kept splitter places that do
// not name every pane leave the panes to fit the data.

#include "support/TestLotteries.h"
#include "support/TestText.h"
#include "ui/panes/FilterBar.h"
#include "ui/panes/PaneLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace kivora;
using kivora::test::s;

namespace {

template<typename T> T *child(QObject *owner, const char *name)
{
    auto *found = owner->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(FilterBar, ReportsOnlyTheFiltersThatAreOnAndKeepsACountInTheField)
{
    FilterBar bar(nullptr);
    LoadResult load;
    load.definition = test::sixOf45();
    load.totalLines = 50;
    bar.showLoad(load);

    std::vector<DrawFilter> reported;
    QObject::connect(&bar, &FilterBar::filterChosen, [&](const DrawFilter &f) { reported.push_back(f); });

    // Typing a machine while its filter is off loads nothing.
    child<QComboBox>(&bar, "LototronBox")->setCurrentText(s("3"));
    EXPECT_TRUE(reported.empty());
    child<QCheckBox>(&bar, "lototroncheck")->setChecked(true);
    ASSERT_EQ(reported.size(), 1U);
    EXPECT_TRUE(reported.back().machine);
    EXPECT_EQ(reported.back().machineText, s("3"));
    child<QComboBox>(&bar, "LototronBox")->setCurrentText(s("4"));
    ASSERT_EQ(reported.size(), 2U);
    EXPECT_EQ(reported.back().machineText, s("4"));

    // An emptied count reads 0 again; with its filter off no load follows.
    auto *count = child<QLineEdit>(&bar, "Edit1");
    count->setText(QString());
    EXPECT_EQ(count->text(), s("0"));
    EXPECT_EQ(reported.size(), 2U);
    EXPECT_EQ(bar.keptLastDraws(), 0);

    // The kept count comes back quietly and is what the configuration keeps.
    bar.restoreLastDraws(7);
    EXPECT_EQ(reported.size(), 2U);
    EXPECT_TRUE(child<QCheckBox>(&bar, "LastDrawBox")->isChecked());
    EXPECT_EQ(bar.keptLastDraws(), 7);
    EXPECT_TRUE(bar.filter().lastDraws);
    EXPECT_EQ(bar.filter().lastDrawsText, s("7"));
    bar.restoreLastDraws(0);
    EXPECT_FALSE(child<QCheckBox>(&bar, "LastDrawBox")->isChecked());
    EXPECT_EQ(bar.keptLastDraws(), 0);
}
TEST(PaneLayout, KeptPlacesAreRestoredOnlyWhenTheyNameEveryPane)
{
    for (const auto &[split, right, restored] :
        std::vector<std::tuple<QString, QString, bool>> { { s("300,500"), s("100,250,150"), true },
            { s("300,500"), s("100,250"), false }, // a pane missing
            { s("300,0"), s("100,250,150"), false }, // a pane of no width
            { s("300;500"), s("100,250,150"), false }, // not a list of sizes
            { QString(), QString(), false } }) {
        PaneLayout panes(nullptr);
        panes.resize(800, 400);
        panes.show();
        panes.keepSplit(split, right);
        panes.restoreKeptSplit();
        EXPECT_EQ(panes.userSplit(), restored) << split.toStdString() << " " << right.toStdString();
        EXPECT_EQ(panes.sizes().size(), 2);
    }
}
