// The window's item models keep Qt's model contract (indexes, row counts, reset and
// insert signals, data roles) while the window loads, marks, expands and sorts: a
// QAbstractItemModelTester watches each of them through real use.

#include "support/TestText.h"
#include "support/WindowFixture.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/models/TensGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>

#include <memory>
#include <vector>

using namespace kivora;

namespace {

using kivora::test::s;

// What the testers report; they speak through the "qt.modeltest" category.
QStringList *g_failures = nullptr;
QtMessageHandler g_previous = nullptr;

void collectFailures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_failures && context.category && QByteArray(context.category) == "qt.modeltest")
        g_failures->append(message);
    else if (g_previous)
        g_previous(type, context, message);
}

class ItemModelContract : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        g_failures = &m_failures;
        g_previous = qInstallMessageHandler(collectFailures);
        seedDefaults();
        start();
        for (QTableView *view : window().findChildren<QTableView *>()) {
            QAbstractItemModel *model = view->model();
            if (!isOurs(model))
                continue;
            m_views.push_back(view);
            m_testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model, QAbstractItemModelTester::FailureReportingMode::Warning));
        }
    }
    void TearDown() override
    {
        m_testers.clear();
        WindowFixture::TearDown();
        qInstallMessageHandler(g_previous);
        g_failures = nullptr;
    }

    static bool isOurs(const QAbstractItemModel *model)
    {
        return qobject_cast<const StatTableModel *>(model) || qobject_cast<const DrawTableModel *>(model)
            || qobject_cast<const CombinationListModel *>(model)
            || qobject_cast<const TensGridModel *>(model);
    }
    template<typename Model> bool watched() const
    {
        for (const QTableView *view : m_views) {
            if (qobject_cast<const Model *>(view->model()))
                return true;
        }
        return false;
    }
    // Sorts every sortable list by each of its columns, both ways, as header clicks do.
    void sortEveryList()
    {
        for (QTableView *view : m_views) {
            if (!view->isSortingEnabled())
                continue;
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                view->sortByColumn(column, Qt::DescendingOrder);
                view->sortByColumn(column, Qt::AscendingOrder);
            }
        }
        settle();
    }

    QStringList m_failures;
    std::vector<QTableView *> m_views;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_testers;
};

} // namespace

TEST_F(ItemModelContract, EveryModelThroughLoadsMarksStatisticsAndSorting)
{
    EXPECT_TRUE(watched<StatTableModel>());
    EXPECT_TRUE(watched<DrawTableModel>());
    EXPECT_TRUE(watched<CombinationListModel>());

    auto *tabs = find<QTabBar>("TabControl1");
    ASSERT_GT(tabs->count(), 1);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const QString lottery = tabs->tabText(tab);
        SCOPED_TRACE(lottery.toStdString());
        chooseLottery(lottery);
        tickFirst(7);
        trigger("N35"); // all pairs
        trigger("N210"); // two numbers in a ten
        sortEveryList();
        trigger("N23"); // clear the marks
        EXPECT_EQ(m_failures, QStringList());
        m_failures.clear();
    }
}
