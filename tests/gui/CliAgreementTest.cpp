// kivora-cli and the window show the same rows, record line and title for every
// sample base.

#include "support/CliRunner.h"
#include "support/WindowFixture.h"

#include "support/TestText.h"
#include "ui/models/StatTableModel.h"

#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QTextStream>
#include <QTreeWidget>

using namespace kivora;

namespace {

using kivora::test::s;

class CliAgreement : public test::WindowFixture
{
protected:
    QJsonObject cli(QStringList arguments)
    {
        arguments << s("--json");
        const test::CliRun run = test::runCli(dir.path(), arguments);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return run.json();
    }

    // The rows of a list as the window shows them, in its order.
    static QJsonArray rowsOf(const QTableView *view)
    {
        const QAbstractItemModel *model = view->model();
        QJsonArray rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            rows.append(QJsonArray { model->index(r, 0).data().toString(),
                model->index(r, 1).data().toString().toInt(), model->index(r, 2).data().toString().toInt() });
        }
        return rows;
    }

    void expectSameStatistic(const QString &lottery, const QStringList &command, const char *what)
    {
        const QJsonObject json
            = cli(QStringList { s("stat") } + command + QStringList { s("--lottery"), lottery });
        SCOPED_TRACE(QString(lottery + QLatin1Char(32) + command.join(QLatin1Char(32))).toStdString());
        EXPECT_EQ(json.value(s("title")).toString(), find<QGroupBox>("GroupBox2")->title()) << what;
        auto *record = find<QTreeWidget>("ListView4")->headerItem();
        EXPECT_EQ(json.value(s("record")).toString(), record->text(1));
        EXPECT_EQ(json.value(s("top")).toString(), record->text(2));
        EXPECT_EQ(json.value(s("rows")).toArray(), rowsOf(find<QTableView>("ListView2")));
    }
};

} // namespace

TEST_F(CliAgreement, NumbersAndStatisticsOfEverySampleBase)
{
    seedDefaults();
    start();
    auto *tabs = find<QTabBar>("TabControl1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        settle();
        const QString lottery = tabs->tabText(tab);
        SCOPED_TRACE(lottery.toStdString());

        const QJsonObject numbers = cli({ s("numbers"), s("--lottery"), lottery });
        EXPECT_EQ(numbers.value(s("rows")).toArray(), rowsOf(find<QTableView>("ListView1")));
        EXPECT_EQ(
            numbers.value(s("record")).toString(), find<QTreeWidget>("ListView3")->headerItem()->text(1));
        EXPECT_EQ(numbers.value(s("draws")).toInt(), window().loaded().drawCount());

        trigger("N35");
        expectSameStatistic(lottery, { s("pairs") }, "pairs");
        trigger("N38");
        expectSameStatistic(lottery, { s("pairs"), s("--family"), s("related") }, "related pairs");
        trigger("N66");
        expectSameStatistic(
            lottery, { s("triples"), s("--family"), s("neighbouring") }, "neighbouring triples");
        trigger("N3101");
        expectSameStatistic(lottery, { s("tens"), s("-k"), s("3") }, "tens");
        find<QMenu>("Mesto_2")->actions().at(1)->trigger();
        settle();
        expectSameStatistic(
            lottery, { s("positions"), s("-p"), s("2"), s("--order"), s("ascending") }, "positions");
        if (window().loaded().definition.hasAdditionalNumbers()) {
            trigger("DopNomer");
            expectSameStatistic(lottery, { s("additional") }, "additional");
        }
    }
}

TEST_F(CliAgreement, AllTriplesAndQuadruplesOfASmallLottery)
{
    seedDefaults();
    start();
    find<QTabBar>("TabControl1")->setCurrentIndex(1); // 4 из 20
    settle();
    const QString lottery = find<QTabBar>("TabControl1")->tabText(1);
    trigger("N74");
    expectSameStatistic(lottery, { s("triples") }, "triples");
    trigger("Menu_4_1");
    expectSameStatistic(lottery, { s("quads") }, "quadruples");
}
