// kivora-cli: usage, the lottery list, the number list, every statistic and the HTML
// export, each compared with the domain function the window calls.

#include "support/CliRunner.h"

#include "reports/HtmlExport.h"
#include "statistics/CombinationStats.h"
#include "statistics/NumberList.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"
#include "support/Taken.h"

#include <QBuffer>

using namespace kivora;
using namespace kivora::test;

namespace {

const QString kSix = s("6 из 45");

class Cli : public CliFixture
{
};

} // namespace

TEST_F(Cli, WrongUsageExitsWithTwoAndTheUsageAndPrintsNothing)
{
    const QList<QStringList> cases = {
        {},
        { s("bogus") },
        { s("numbers") }, // no --lottery
        { s("numbers"), s("--lottery"), kSix, s("extra") },
        { s("numbers"), s("--lottery"), kSix, s("--famly"), s("all") },
        { s("numbers"), s("--lottery") }, // an option without its value
        { s("numbers"), s("--lottery"), kSix, s("--last"), s("ten") },
        { s("stat"), s("--lottery"), kSix },
        { s("stat"), s("pentads"), s("--lottery"), kSix },
        { s("stat"), s("pairs"), s("--family"), s("cousins"), s("--lottery"), kSix },
        { s("stat"), s("tens"), s("--lottery"), kSix },
        { s("stat"), s("tens"), s("-k"), s("7"), s("--lottery"), kSix },
        { s("stat"), s("tens"), s("-k"), s("x"), s("--lottery"), kSix },
        { s("stat"), s("tens"), s("-k"), s("3"), s("--all-draws"), s("--lottery"), kSix },
        { s("stat"), s("positions"), s("-p"), s("7"), s("--lottery"), kSix }, // 6 positions
        { s("stat"), s("positions"), s("-p"), s("1"), s("--order"), s("random"), s("--lottery"), kSix },
        { s("stat"), s("ten-combos"), s("-k"), s("2"), s("--group"), s("41-50"), s("--lottery"), kSix },
        { s("forecast"), s("triples"), s("--lottery"), kSix },
        { s("export-html"), s("numbers"), s("--lottery"), kSix }, // no --out
        { s("export-html"), s("stat"), s("tens"), s("--all-draws"), s("--lottery"), kSix, s("--out"),
            s("t.htm") },
        { s("lotteries"), s("--lottery"), kSix },
    };
    for (const QStringList &arguments : cases) {
        const CliRun r = run(arguments + QStringList { s("--json") });
        EXPECT_EQ(r.status, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << arguments.join(QLatin1Char(' ')).toStdString();
        // One line naming the mistake, not the whole usage.
        EXPECT_TRUE(r.err.endsWith(s("kivora-cli --help)\n"))) << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(s("t.htm"))));
}

TEST_F(Cli, FailuresExitWithOneAndTheMessageAndPrintNothing)
{
    // A name that is no lottery of the list, even with a section of that name.
    CliRun r = run({ s("numbers"), s("--lottery"), s("Нет такой"), s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(s("Лотерея «Нет такой» не найдена; лотереи: 6 из 45; ")))
        << r.err.toStdString();
    r = run({ s("stat"), s("pairs"), s("--lottery"), s("for 6 numbers"), s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());

    r = run({ s("stat"), s("additional"), s("--lottery"), kSix, s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, messages("Str60") + QLatin1Char('\n'));

    // A definition outside the program's limits loads nothing.
    dir.writeLines(s("kivora.INI"), { s("[LotoType]"), s("Большая=0"), s("[Большая]"), s("MaxNumber=500") });
    r = run({ s("numbers"), s("--lottery"), s("Большая"), s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(s("Лотерею «Большая» нельзя загрузить"))) << r.err.toStdString();
}

TEST_F(Cli, LotteriesListsShownAndHiddenInFileOrder)
{
    dir.writeLines(s("kivora.INI"), { s("[LotoType]"), s("Б=1"), s("А=0") });
    CliRun r = run({ s("lotteries"), s("--json") });
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
        s("{\"lotteries\": [{\"name\": \"Б\", \"shown\": true}, {\"name\": \"А\", \"shown\": false}]}\n"));
    r = run({ s("lotteries") });
    EXPECT_EQ(r.out, s("name\tshown\nБ\t1\nА\t0\n"));

    // A hidden lottery is still one of the list.
    dir.writeLines(s("a.lot"), { s("1,-,-,-,1,2,3,4,5,6") });
    dir.writeLines(s("kivora.INI"), { s("[LotoType]"), s("А=0"), s("[А]"), s("BaseFile=a.lot") });
    r = run({ s("numbers"), s("--lottery"), s("А"), s("--json") });
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("draws")).toInt(), 1);
}

TEST_F(Cli, OutputIsUtf8WhateverTheStreamWasSetTo)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&buffer);
    out.setEncoding(QStringConverter::Latin1);
    QString errors;
    QTextStream err(&errors);
    ASSERT_EQ(cli::run({ s("--home"), dir.path(), s("lotteries") }, out, err), 0);
    EXPECT_TRUE(QString::fromUtf8(bytes).contains(kSix));
}

TEST_F(Cli, NumbersAreTheNumberListInTheLoadsOrder)
{
    const LoadResult loaded = load(kSix);
    const StatTable numbers = numberListTable(loaded);
    const QJsonObject json = run({ s("numbers"), s("--lottery"), kSix, s("--json") }).json();
    EXPECT_EQ(json.value(s("title")).toString(), s("Номера"));
    EXPECT_EQ(json.value(s("draws")).toInt(), 1738);
    EXPECT_EQ(json.value(s("lines")).toInt(), 1738);
    EXPECT_EQ(json.value(s("record")).toString(), numbers.recordText);
    EXPECT_EQ(json.value(s("top")).toString(), numbers.topText);
    EXPECT_EQ(
        compact(json.value(s("rows")).toArray()), compact(expectedRows(numbers, sortedOrder(numbers, 1))));

    // The filters are the window's: the last 100 lines, then the machine among them.
    DrawFilter last;
    last.lastDraws = true;
    last.lastDrawsText = s("100");
    const StatTable lastNumbers = numberListTable(load(kSix, last));
    const QJsonObject lastJson
        = run({ s("numbers"), s("--lottery"), kSix, s("--last"), s("100"), s("--json") }).json();
    EXPECT_EQ(lastJson.value(s("draws")).toInt(), 100);
    EXPECT_EQ(lastJson.value(s("lines")).toInt(), 1738);
    EXPECT_EQ(compact(lastJson.value(s("rows")).toArray()),
        compact(expectedRows(lastNumbers, sortedOrder(lastNumbers, 1))));
    const CliRun none = run({ s("numbers"), s("--lottery"), kSix, s("--machine"), s("2"), s("--json") });
    EXPECT_EQ(none.json().value(s("draws")).toInt(), 0);

    // The readable form: a summary, the header, then one line per row.
    const QStringList lines = run({ s("numbers"), s("--lottery"), kSix }).out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.at(0),
        s("# Номера; draws 1738; lines 1738; record %1; top %2").arg(numbers.recordText, numbers.topText));
    EXPECT_EQ(lines.at(1), s("caption\tsince\tdrawn"));
    const int first = sortedOrder(numbers, 1).front();
    EXPECT_EQ(lines.at(2),
        numbers.caption(first) + s("\t%1\t%2").arg(numbers.rows[first].since).arg(numbers.rows[first].drawn));
    EXPECT_EQ(lines.size(), 2 + 45 + 1);
}

TEST_F(Cli, StatisticsAreTheWindowsListsInTheWindowsOrder)
{
    const LoadResult six = load(kSix);
    const LoadResult fourOf20 = load(s("4 из 20"));

    struct Case
    {
        QStringList arguments;
        StatTable expected;
        bool sorted;
    };
    const QList<Case> cases = {
        { { s("stat"), s("pairs"), s("--lottery"), kSix },
            combinationStats(six.draws, six.definition, 2, Family::All, messages), true },
        { { s("stat"), s("triples"), s("--family"), s("related"), s("--lottery"), kSix },
            combinationStats(six.draws, six.definition, 3, Family::Related, messages), true },
        { { s("stat"), s("quads"), s("--family"), s("neighbouring"), s("--lottery"), kSix },
            combinationStats(six.draws, six.definition, 4, Family::Neighbouring, messages), true },
        { { s("stat"), s("tens"), s("-k"), s("5"), s("--lottery"), kSix },
            tensStats(six.draws, six.definition, 5, s("Десятки (по 5 номеров в десятке)")), true },
        { { s("stat"), s("positions"), s("-p"), s("2"), s("--order"), s("ascending"), s("--lottery"), kSix },
            positionStats(six.draws, six.definition, 2, PositionOrder::Ascending,
                s("В порядке возрастания номеров (Позиция 2)")),
            false },
        { { s("stat"), s("positions"), s("-p"), s("4"), s("--lottery"), s("4 из 20") },
            positionStats(fourOf20.draws, fourOf20.definition, 4, PositionOrder::Drawing,
                s("В порядке выпадения номеров (Позиция 4)")),
            false },
        { { s("stat"), s("additional"), s("--lottery"), s("4 из 20") },
            additionalStats(fourOf20.draws, fourOf20.definition, s("Дополнительные номера")), false },
    };
    for (const Case &c : cases) {
        const std::string name = c.arguments.join(QLatin1Char(' ')).toStdString();
        const CliRun r = run(c.arguments + QStringList { s("--json") });
        ASSERT_EQ(r.status, 0) << name << r.err.toStdString();
        const QJsonObject json = r.json();
        EXPECT_EQ(json.value(s("title")).toString(), c.expected.title) << name;
        EXPECT_EQ(json.value(s("draws")).toInt(), c.arguments.contains(kSix) ? 1738 : fourOf20.drawCount())
            << name;
        EXPECT_EQ(json.value(s("record")).toString(), c.expected.recordText) << name;
        EXPECT_EQ(json.value(s("top")).toString(), c.expected.topText) << name;
        const std::vector<int> order
            = c.sorted ? sortedOrder(c.expected, c.expected.initialSort) : addedOrder(c.expected);
        EXPECT_EQ(compact(json.value(s("rows")).toArray()), compact(expectedRows(c.expected, order))) << name;
    }
}

TEST_F(Cli, TensByDrawAndTheNumbersOfATen)
{
    DrawFilter last;
    last.lastDraws = true;
    last.lastDrawsText = s("50");
    const LoadResult six = load(kSix, last);
    const GroupCountsTable byDraw = tensByDraw(six.draws, six.definition, messages);
    const QJsonObject json = run(
        { s("stat"), s("tens"), s("--all-draws"), s("--lottery"), kSix, s("--last"), s("50"), s("--json") })
                                 .json();
    EXPECT_EQ(json.value(s("title")).toString(), s("Десятки"));
    EXPECT_EQ(json.value(s("draws")).toInt(), 50);
    EXPECT_EQ(json.value(s("columns")).toArray(), (QJsonArray { s("1"), s("2"), s("3"), s("4"), s("5") }));
    QJsonArray rows;
    for (int row = 0; row < byDraw.rowCount; ++row) {
        QJsonArray cells { six.draws.drawNumberText(row) };
        for (int group = 1; group <= byDraw.groupCount; ++group)
            cells.append(byDraw.count(row, group));
        rows.append(cells);
    }
    EXPECT_EQ(compact(json.value(s("rows")).toArray()), compact(rows));

    // The last, shorter ten of 6 из 45 under the table of 3 numbers in a ten; the rows
    // come as they are made, and the title and record line are the groups table's.
    const LoadResult whole = load(kSix);
    const StatTable groups
        = tensStats(whole.draws, whole.definition, 3, s("Десятки (по 3 номера в десятке)"));
    const StatTable combos = tenCombos(whole.draws, whole.definition, 41, 45, 3);
    for (const QString &label : { s("41-45"), s("41 - 45") }) {
        const CliRun r = run({ s("stat"), s("ten-combos"), s("-k"), s("3"), s("--group"), label,
            s("--lottery"), kSix, s("--json") });
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject tens = r.json();
        EXPECT_EQ(tens.value(s("title")).toString(), groups.title);
        EXPECT_EQ(tens.value(s("record")).toString(), groups.recordText);
        EXPECT_EQ(tens.value(s("top")).toString(), groups.topText);
        EXPECT_EQ(
            compact(tens.value(s("rows")).toArray()), compact(expectedRows(combos, addedOrder(combos))));
        EXPECT_EQ(tens.value(s("rows")).toArray().size(), 10);
    }
}

TEST_F(Cli, HtmlExportWritesTheWindowsDocument)
{
    const LoadResult six = load(kSix);
    auto document = [&](const QStringList &columns, const StatTable &table, const QString &heading) {
        const std::vector<int> order = sortedOrder(table, 1);
        return htmlTableDocument(
            columns, static_cast<int>(order.size()),
            [&](int row) {
                const StatRow &item = table.rows[static_cast<size_t>(order[static_cast<size_t>(row)])];
                return QStringList { table.caption(order[static_cast<size_t>(row)]),
                    QString::number(item.since), QString::number(item.drawn) };
            },
            heading, htmlFooter());
    };
    auto expectFile = [&](const QString &name, const QString &text) {
        QString error;
        ASSERT_TRUE(test::taken(writeHtmlDocument(dir.filePath(s("expected.htm")), text), &error));
        EXPECT_EQ(dir.readBytes(name), dir.readBytes(s("expected.htm"))) << name.toStdString();
    };

    CliRun r
        = run({ s("export-html"), s("numbers"), s("--lottery"), kSix, s("--out"), dir.filePath(s("n.htm")) });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    expectFile(s("n.htm"),
        document({ s("№ "), s("Не выпадал"), s("Выпадал") }, numberListTable(six),
            s("6 из 45 - Номера.<br>Проанализировано 1738 розыгрышей")));

    r = run({ s("export-html"), s("stat"), s("pairs"), s("--family"), s("neighbouring"), s("--lottery"), kSix,
        s("--out"), dir.filePath(s("p.htm")), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("rows")).toInt(), 44);
    expectFile(s("p.htm"),
        document({ s("№№"), s("Не выпадала"), s("Выпадала") },
            combinationStats(six.draws, six.definition, 2, Family::Neighbouring, messages),
            s("6 из 45 - Соседние пары номеров.<br>Проанализировано 1738 розыгрышей")));

    // A file that cannot be written: the message and nothing on standard output.
    r = run({ s("export-html"), s("numbers"), s("--lottery"), kSix, s("--out"),
        dir.filePath(s("no/such/dir/n.htm")), s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(s("Ошибка ввода-вывода: "))) << r.err.toStdString();
}
