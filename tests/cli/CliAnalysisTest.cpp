// kivora-cli: the randomness report, the back-test and the ticket filters give what the
// core functions give, in the program's language.

#include "support/CliRunner.h"

#include "core/IniFile.h"
#include "core/Plural.h"
#include "forecast/Backtest.h"
#include "play/Systems.h"
#include "play/TicketFilterSettings.h"
#include "play/TicketFilters.h"
#include "statistics/RandomnessTests.h"

#include <QFile>

using namespace kivora;
using namespace kivora::test;

namespace {

const QString kSix = s("6 из 45");
const QString kKeno = s("Кено (20 из 80)");
const QString kSeven = s("7 номеров (полная система)");

class CliAnalysis : public CliFixture
{
};

} // namespace

TEST_F(CliAnalysis, RandomnessGivesTheCoreFiguresAndWritesTheReport)
{
    const LoadResult six = load(kSix);
    const RandomnessReport report = testRandomness(six.draws, six.definition);
    const QString html = dir.filePath(s("randomness.htm"));
    CliRun r = run({ s("randomness"), s("--lottery"), kSix, s("--out"), html, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_DOUBLE_EQ(json.value(s("chi_square")).toDouble(), report.frequency.statistic);
    EXPECT_EQ(json.value(s("df")).toInt(), 44);
    EXPECT_NEAR(json.value(s("p")).toDouble(), report.frequency.p, 1e-9);
    EXPECT_EQ(json.value(s("draws")).toInt(), 1738);
    EXPECT_FALSE(json.value(s("drawing_order")).toBool());
    EXPECT_EQ(json.value(s("verdict")).toString(), s("согласуется с честным розыгрышем на уровне 5%"));
    EXPECT_TRUE(json.value(s("gaps")).toObject().contains(s("p")));
    EXPECT_EQ(json.value(s("longest_absence")).toObject().value(s("draws")).toInt(), report.absence.length);

    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString document = QString::fromUtf8(file.readAll()); // ASCII parts only
    EXPECT_TRUE(document.contains(s("charset=windows-1251")));
    EXPECT_TRUE(document.contains(QString::number(report.frequency.statistic, 'f', 2)));

    // A base in drawing order gets its positions tested.
    r = run({ s("randomness"), s("--lottery"), s("4 из 20"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json().value(s("drawing_order")).toBool());
    EXPECT_EQ(r.json().value(s("positions")).toArray().size(), 4);

    // The table without --json, and the verdicts of the English language file.
    ASSERT_TRUE(IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), s("english.lng")));
    r = run({ s("randomness"), s("--lottery"), kSix });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(s("consistent with a fair draw at the 5% level")));
    EXPECT_TRUE(r.out.contains(s("Test\tChi-square\tDegrees of freedom\tProbability p\tVerdict\n")));
}

TEST_F(CliAnalysis, BacktestGivesTheCoreWalk)
{
    const LoadResult six = load(kSix);
    for (const char *key : { "forecast-numbers", "forecast-pairs", "frequent", "absent", "random" }) {
        SCOPED_TRACE(key);
        backtest::Options options;
        ASSERT_TRUE(backtest::methodFromKey(QLatin1String(key), &options.method));
        const backtest::Result expected = backtest::run(six.draws, six.definition, options);
        const CliRun r
            = run({ s("backtest"), s("--method"), QLatin1String(key), s("--lottery"), kSix, s("--json") });
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject json = r.json();
        EXPECT_EQ(json.value(s("picks")).toInt(), expected.tally.picks);
        EXPECT_EQ(json.value(s("hits")).toInteger(), expected.tally.hits);
        EXPECT_NEAR(json.value(s("expected_hits")).toDouble(), expected.tally.expectedHits, 1e-6);
        EXPECT_NEAR(json.value(s("z")).toDouble(), expected.tally.z(), 1e-8);
        EXPECT_EQ(json.value(s("from")).toString(), s("2"));
        EXPECT_EQ(json.value(s("to")).toString(), s("1738"));
        EXPECT_EQ(
            json.value(s("distribution")).toArray().size(), static_cast<int>(expected.tally.observed.size()));
        EXPECT_EQ(json.value(s("control")).isNull(), !expected.hasControl);
    }

    // --from names a draw by its number, --size the pick, --seed the random picks.
    backtest::Options options;
    options.method = backtest::Method::Absent;
    options.size = 8;
    options.fromRow = 999;
    options.seed = 5;
    const backtest::Result expected = backtest::run(six.draws, six.definition, options);
    CliRun r = run({ s("backtest"), s("--method"), s("absent"), s("--size"), s("8"), s("--from"), s("1000"),
        s("--seed"), s("5"), s("--lottery"), kSix, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject json = r.json();
    EXPECT_EQ(json.value(s("draws")).toInt(), 739);
    EXPECT_EQ(json.value(s("size")).toInt(), 8);
    EXPECT_EQ(json.value(s("hits")).toInteger(), expected.tally.hits);
    EXPECT_EQ(json.value(s("control")).toObject().value(s("hits")).toInteger(), expected.control.hits);

    // The table, and an HTML report beside it.
    r = run({ s("backtest"), s("--method"), s("frequent"), s("--lottery"), kSix, s("--out"),
        dir.filePath(s("backtest.htm")) });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(s("самые частые номера\t1737\t6.00\t")));
    EXPECT_TRUE(QFile::exists(dir.filePath(s("backtest.htm"))));
}

// The random control is the reference the method is measured against: as a table, as
// JSON and in the HTML report, in either language, it is named so and never judged
// better or worse than itself.
TEST_F(CliAnalysis, BacktestNamesTheControlAsTheReference)
{
    CliRun r = run({ s("backtest"), s("--method"), s("frequent"), s("--lottery"), kSix, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(
        r.json().value(s("control")).toObject().value(s("verdict")).toString(), s("образец для сравнения"));

    ASSERT_TRUE(IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), s("english.lng")));
    r = run({ s("backtest"), s("--method"), s("absent"), s("--lottery"), kSix });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QString control;
    for (const QString &line : r.out.split(QLatin1Char('\n'))) {
        if (line.startsWith(s("random pick\t")))
            control = line;
    }
    EXPECT_TRUE(control.endsWith(s("\tthe reference for comparison"))) << control.toStdString();
    r = run({ s("backtest"), s("--method"), s("absent"), s("--lottery"), kSix, s("--out"), s("-") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(s("<title>6 из 45 - Back-test of the forecast on past draws</title>")))
        << r.out.left(300).toStdString();
}

TEST_F(CliAnalysis, BacktestRefusesWrongUsage)
{
    const QList<QStringList> wrong = {
        { s("backtest"), s("--lottery"), kSix }, // no method
        { s("backtest"), s("--method"), s("best"), s("--lottery"), kSix },
        { s("backtest"), s("--method"), s("forecast-numbers"), s("--size"), s("5"), s("--lottery"), kSix },
        { s("backtest"), s("--method"), s("frequent"), s("--size"), s("0"), s("--lottery"), kSix },
        { s("backtest"), s("--method"), s("frequent"), s("--size"), s("46"), s("--lottery"), kSix },
        { s("backtest"), s("--method"), s("frequent"), s("--from"), s("99999"), s("--lottery"), kSix },
        { s("backtest"), s("--method"), s("random"), s("--seed"), s("-1"), s("--lottery"), kSix },
    };
    for (QStringList arguments : wrong) {
        arguments.append(s("--json"));
        const CliRun r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const CliRun unknown = run({ s("backtest"), s("--method"), s("random"), s("--lottery"), s("Нет такой") });
    EXPECT_EQ(unknown.status, 1);
}

TEST_F(CliAnalysis, FilterKeepsWhatTheCoreKeepsAndNamesItInTheFile)
{
    const LoadResult six = load(kSix);
    const QStringList captions { s("03"), s("08"), s("15"), s("16"), s("17"), s("30"), s("44") };
    TemplateCache cache;
    const IniDocument ini = IniFile(dir.folder().configPath()).load();
    SystemExpansion expansion
        = expandCurrentSystem(cache, ini, six.definition, kSeven, dir.folder(), captions, messages);
    ASSERT_TRUE(expansion.applied);
    TicketFilters filters;
    filters.odd = { true, 3, 3 };
    filters.run = { true, 1, 2 };
    CombinationList list = expansion.list;
    const FilterOutcome outcome = filterCombinations(&list, filters, six.definition, PastDraws(six.draws));
    ASSERT_GT(outcome.removedTotal(), 0);
    ASSERT_GT(outcome.after, 0);

    const QString out = dir.filePath(s("filtered.ltc"));
    CliRun r = run({ s("filter"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("3,8,15,16,17,30,44"), s("--odd"), s("3"), s("--run"), s("1-2"), s("--out"), out, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject json = r.json();
    EXPECT_EQ(json.value(s("before")).toInt(), 7);
    EXPECT_EQ(json.value(s("after")).toInt(), outcome.after);
    const QJsonArray applied = json.value(s("filters")).toArray();
    ASSERT_EQ(applied.size(), 2);
    EXPECT_EQ(applied[0].toObject().value(s("filter")).toString(), s("odd"));
    EXPECT_EQ(applied[0].toObject().value(s("removed")).toInt(), outcome.removed[1]);
    EXPECT_EQ(applied[1].toObject().value(s("rejected")).toInt(), outcome.rejected[3]);
    EXPECT_EQ(json.value(s("rows")).toArray().size(), outcome.after);
    const QStringList lines = dir.readLines(s("filtered.ltc"));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(1), json.value(s("header")).toString());
    EXPECT_EQ(lines.at(1),
        withPlurals(s("Выбрано:  7 номеров - %1 {комбинация|комбинации|комбинаций}; Фильтры: нечётных 3-3, "
                      "подряд идущих 1-2")
                        .arg(outcome.after)));

    // Stored filters apply when none is given on the command line.
    r = run({ s("filters"), s("set"), s("--lottery"), kSix, s("--odd"), s("3-3"), s("--run"), s("1-2"),
        s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("filters")).toArray().size(), 2);
    EXPECT_TRUE(readTicketFilters(IniFile(dir.folder().configPath()).load(), kSix).odd.on);
    r = run({ s("filter"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("3,8,15,16,17,30,44"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("after")).toInt(), outcome.after);

    // "set" without filters turns them all off; "show" tells what is kept.
    ASSERT_EQ(run({ s("filters"), s("set"), s("--lottery"), kSix }).status, 0);
    r = run({ s("filters"), s("show"), s("--lottery"), kSix, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json().value(s("filters")).toArray().isEmpty());
    EXPECT_EQ(r.json().value(s("description")).toString(), QString());
}

TEST_F(CliAnalysis, FilterAndExpandReadMarkedNumbersAlike)
{
    // A blank item is skipped by both; a number outside the list or given twice is
    // refused by both, in the same words.
    for (const QString &command : { s("filter"), s("expand") }) {
        const CliRun r = run({ command, s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
            s("1,2,3, ,4,5,6,7"), s("--json") });
        EXPECT_EQ(r.status, 0) << command.toStdString() << ": " << r.err.toStdString();
    }
    for (const QString &marked : { s("1,2,46"), s("5,05"), s("5,x") }) {
        QStringList errors;
        for (const QString &command : { s("filter"), s("expand") }) {
            const CliRun r
                = run({ command, s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), marked });
            EXPECT_EQ(r.status, 2) << command.toStdString() << " " << marked.toStdString();
            errors.append(r.err);
        }
        EXPECT_EQ(errors.at(0), errors.at(1)) << marked.toStdString();
    }
}

TEST_F(CliAnalysis, FilterRefusesWrongUsage)
{
    const QStringList base
        = { s("filter"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), s("1,2,3,4,5,6,7") };
    for (const QStringList &extra : QList<QStringList> { { s("--sum"), s("150-100") }, { s("--odd"), s("x") },
             { s("--ten"), s("-1") }, { s("--low"), s("1-2-3") }, { s("--bogus"), s("1") } }) {
        const CliRun r = run(base + extra);
        EXPECT_EQ(r.status, 2) << extra.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_EQ(run({ s("filters"), s("show"), s("--lottery"), kSix, s("--sum"), s("1-2") }).status, 2);
    EXPECT_EQ(run({ s("filters"), s("clear"), s("--lottery"), kSix }).status, 2);
    EXPECT_EQ(run({ s("filters"), s("show"), s("--lottery"), s("Нет такой") }).status, 1);
}
