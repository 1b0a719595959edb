// kivora-cli: the forecast, the system expansion and its file, the check, and the two
// changes of a results base.

#include "support/CliRunner.h"
#include "support/Taken.h"

#include "core/IniFile.h"
#include "core/Plural.h"
#include "core/TextFile.h"
#include "forecast/Forecast.h"
#include "play/CombinationFile.h"
#include "play/Systems.h"
#include "statistics/CombinationStats.h"
#include "statistics/NumberList.h"

#include <QDir>
#include <QFile>

#include <set>

using namespace kivora;
using namespace kivora::test;

namespace {

const QString kSix = s("6 из 45");
const QString kSeven = s("7 номеров (полная система)");

class CliPlay : public CliFixture
{
protected:
    SystemExpansion expected(const QString &system, const QStringList &captions) const
    {
        TemplateCache cache;
        const IniDocument ini = IniFile(dir.folder().configPath()).load();
        return expandCurrentSystem(
            cache, ini, lotteries::readDefinition(ini, kSix), system, dir.folder(), captions, messages);
    }

    QJsonArray rowsOf(const CombinationList &list) const
    {
        QJsonArray rows;
        for (int row = 0; row < list.rowCount(); ++row)
            rows.append(QJsonArray::fromStringList(list.row(row)));
        return rows;
    }
};

QStringList captionsOf(const QJsonArray &array)
{
    QStringList captions;
    for (const QJsonValue &value : array)
        captions.append(value.toString());
    return captions;
}

} // namespace

TEST_F(CliPlay, ForecastMarksInNumberListOrderAndPicksTheSystem)
{
    const LoadResult six = load(kSix);
    const StatTable numbers = numberListTable(six);
    const std::vector<int> order = sortedOrder(numbers, 1);

    // Numbers: the rows the forecast chooses, top to bottom of the list.
    const forecast::ForecastPick pick = forecast::choose(numbers, order, 1738, forecast::Kind::Numbers);
    QStringList marked;
    for (int row : pick.rows)
        marked.append(numbers.caption(row));
    ASSERT_EQ(marked.size(), 7);
    CliRun r = run({ s("forecast"), s("numbers"), s("--lottery"), kSix, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject json = r.json();
    EXPECT_EQ(captionsOf(json.value(s("marked")).toArray()), marked);
    EXPECT_EQ(json.value(s("system")).toString(), kSeven);
    EXPECT_TRUE(json.value(s("message")).isNull());

    // Pairs: every number of the chosen pairs of the all-pairs list, in list order.
    const StatTable pairs = combinationStats(six.draws, six.definition, 2, Family::All, messages);
    const forecast::ForecastPick pairPick
        = forecast::choose(pairs, sortedOrder(pairs, 1), 1738, forecast::Kind::Pairs);
    const std::set<int> chosen(pairPick.numbers.begin(), pairPick.numbers.end());
    QStringList pairMarked;
    for (int row : order) {
        if (chosen.count(numbers.numbers(row).front()))
            pairMarked.append(numbers.caption(row));
    }
    ASSERT_FALSE(pairMarked.isEmpty());
    json = run({ s("forecast"), s("pairs"), s("--lottery"), kSix, s("--json") }).json();
    const QStringList cliPairs = captionsOf(json.value(s("marked")).toArray());
    EXPECT_EQ(cliPairs, pairMarked);
    EXPECT_GE(systems::neededCount(json.value(s("system")).toString()), cliPairs.size());

    // Draws without a single number: nothing to forecast, the first system stays.
    dir.writeLines(s("6x45.lot"), { QString(), QString(), QString() });
    json = run({ s("forecast"), s("numbers"), s("--lottery"), kSix, s("--json") }).json();
    EXPECT_TRUE(json.value(s("marked")).toArray().isEmpty());
    EXPECT_EQ(json.value(s("system")).toString(), s("6 номеров"));
    EXPECT_EQ(json.value(s("message")).toString(), messages("Str29"));
}

TEST_F(CliPlay, ExpandAndSaveMakeTheWindowsListAndFile)
{
    // The marked numbers in the order given, written as the number list writes them.
    const QStringList captions { s("17"), s("05"), s("11"), s("23"), s("30"), s("38"), s("44") };
    const SystemExpansion seven = expected(kSeven, captions);
    ASSERT_TRUE(seven.applied);
    CliRun r = run({ s("expand"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("17,5,11,23,30,38,44"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject json = r.json();
    EXPECT_EQ(json.value(s("system")).toString(), kSeven);
    EXPECT_EQ(compact(json.value(s("rows")).toArray()), compact(rowsOf(seven.list)));
    EXPECT_EQ(json.value(s("rows")).toArray().size(), 7);
    EXPECT_EQ(json.value(s("status")).toString(), s("Выбрано 7 номеров"));

    r = run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), s("17,5,11,23,30,38,44"),
        s("--out"), dir.filePath(s("mine.ltc")) });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    QString error;
    ASSERT_TRUE(test::taken(
        writeCombinationFile(dir.filePath(s("window.ltc")), seven.list, kSix, kSeven, messages), &error));
    EXPECT_EQ(dir.readBytes(s("mine.ltc")), dir.readBytes(s("window.ltc")));

    // A name that is no system of the lottery is refused, not expanded by the default template.
    const CliRun unknown = run({ s("expand"), s("--lottery"), kSix, s("--system"), s("Нет такой"),
        s("--marked"), s("05,11,17"), s("--json") });
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.out.isEmpty());
}

TEST_F(CliPlay, MarkedNumbersOutsideTheListAndMissingTemplatesAreRefused)
{
    for (const QString &marked : { s("46"), s("0"), s("5,05"), s("5,x") }) {
        const CliRun r = run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), marked,
            s("--out"), dir.filePath(s("bad.ltc")), s("--json") });
        EXPECT_EQ(r.status, 2) << marked.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(s("bad.ltc"))));

    // Nothing marked: the list holds no combination, and an empty list is not saved.
    CliRun r = run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), s(""), s("--out"),
        dir.filePath(s("bad.ltc")) });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, messages("Str88") + QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(dir.filePath(s("bad.ltc"))));

    ASSERT_TRUE(QFile::remove(dir.filePath(s("System/full6of7.ltt"))));
    for (const char *command : { "save", "expand" }) {
        QStringList arguments { s(command), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
            s("1,2,3"), s("--json") };
        if (QLatin1String(command) == QLatin1String("save"))
            arguments << s("--out") << dir.filePath(s("bad.ltc"));
        r = run(arguments);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_TRUE(r.out.isEmpty()) << command;
        EXPECT_EQ(r.err,
            messages("Str86").arg(QDir::toNativeSeparators(dir.filePath(s("System/full6of7.ltt"))))
                + QLatin1Char('\n'))
            << command;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(s("bad.ltc"))));
}

TEST_F(CliPlay, CheckPrintsTheReportItWrites)
{
    const QString file = dir.filePath(s("seven.ltc"));
    ASSERT_EQ(run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
                      s("9,13,24,26,30,42,1"), s("--out"), file })
                  .status,
        0);

    CliRun r
        = run({ s("check"), s("--lottery"), kSix, s("--file"), file, s("--draw"), s("1737"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_EQ(json.value(s("target")).toString(), s("1737"));
    const QString report = textfile::decode(dir.readBytes(s("result.tmp")));
    EXPECT_EQ(json.value(s("report")).toString(), report);
    EXPECT_TRUE(report.startsWith(s("Результаты 1737 розыгрыша в 6 из 45 :\r\n")));
    const QJsonArray counts = json.value(s("counts")).toArray();
    ASSERT_EQ(counts.size(), 7); // 0..6 numbers guessed
    int total = 0;
    for (const QJsonValue &count : counts)
        total += count.toInt();
    EXPECT_EQ(total, 7);

    // Without --draw the newest draw, 1738 (09 13 24 26 30 42): six of the seven
    // combinations hold 5 of its numbers, one holds all six.
    r = run({ s("check"), s("--lottery"), kSix, s("--file"), file, s("--json") });
    EXPECT_EQ(r.json().value(s("target")).toString(), s("1738"));
    EXPECT_EQ(r.json().value(s("counts")).toArray(), (QJsonArray { 0, 0, 0, 0, 0, 6, 1 }));
    r = run({ s("check"), s("--lottery"), kSix, s("--file"), file });
    EXPECT_EQ(r.out, textfile::decode(dir.readBytes(s("result.tmp"))).replace(s("\r\n"), s("\n")));
}

TEST_F(CliPlay, CheckCountsTheJackpotOfASystemWithFewerMarksThanItNeeds)
{
    // The six numbers of draw 1738 in the seven-number system: the one ticket without the
    // missing seventh number holds all six; the file's last ticket holds five.
    const QString file = dir.filePath(s("six.ltc"));
    ASSERT_EQ(run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
                      s("9,13,24,26,30,42"), s("--out"), file })
                  .status,
        0);
    const CliRun r = run({ s("check"), s("--lottery"), kSix, s("--file"), file, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("counts")).toArray(), (QJsonArray { 0, 0, 0, 0, 0, 6, 1 }));
    EXPECT_TRUE(r.json().value(s("report")).toString().contains(s("6 номеров - угадано   1 комбинация")));
}

TEST_F(CliPlay, CheckRefusalsWriteNoReport)
{
    const QString sixFile = dir.filePath(s("six.ltc"));
    const QString fourFile = dir.filePath(s("four.ltc"));
    ASSERT_EQ(run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), s("1,2,3,4,5,6,7"),
                      s("--out"), sixFile })
                  .status,
        0);
    ASSERT_EQ(run({ s("save"), s("--lottery"), s("4 из 20"), s("--system"), s("4 номера"), s("--marked"),
                      s("1,2,3,4"), s("--out"), fourFile })
                  .status,
        0);
    dir.writeLines(s("empty.ltc"), { kSix, s("Выбрано:  7 номеров - 0 комбинаций") });

    struct Case
    {
        QStringList arguments;
        QString message;
    };
    const QList<Case> cases = {
        { { s("--file"), fourFile }, messages("Str21") + s(" ") + kSix + messages("Str5") },
        { { s("--file"), dir.filePath(s("empty.ltc")) }, messages("Str61") },
        { { s("--file"), sixFile, s("--machine"), s("7") }, messages("Str62") }, // the filter keeps no draw
        { { s("--file"), sixFile, s("--draw"), s("abc") },
            messages("Str14") + s(" 1738") + messages("Str15") },
    };
    for (const Case &c : cases) {
        const CliRun r = run(QStringList { s("check"), s("--lottery"), kSix, s("--json") } + c.arguments);
        EXPECT_EQ(r.status, 1) << c.message.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err, c.message + QLatin1Char('\n'));
    }
    const CliRun missing
        = run({ s("check"), s("--lottery"), kSix, s("--file"), dir.filePath(s("none.ltc")) });
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.startsWith(s("Ошибка ввода-вывода: ")));
    EXPECT_FALSE(QFile::exists(dir.filePath(s("result.tmp"))));
}

TEST_F(CliPlay, ImportReplacesTheBaseAndPrintsTheDrawCount)
{
    dir.writeLines(s("source.txt"),
        { s("1 01.01.2005 A 1 1 2 3 4 5 6 extra"), QString(), s("2;08.01.2005;A;1;7;8;9;10;11;12") });
    const QByteArray sample = dir.readBytes(s("6x45.lot"));
    CliRun r = run({ s("import"), dir.filePath(s("source.txt")), s("--lottery"), kSix });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, s("2\nПрочитано розыгрышей: 2.\n"));
    EXPECT_EQ(dir.readBytes(s("6x45.lot")),
        QByteArray("1,01.01.2005,A,1,1,2,3,4,5,6\r\n2,08.01.2005,A,1,7,8,9,10,11,12\r\n"));
    // The 1,738 draws it replaced are kept beside it.
    EXPECT_EQ(dir.readBytes(s("6x45.lot.bak")), sample);

    // A CSV with a header, a short line and a number out of range: the counts and the
    // skipped lines are printed; only the draw is written.
    dir.writeLines(s("table.csv"),
        { s("Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6"), s("3;15.01.2005;-;-;1;2;3;4;5;6"),
            s("4;22.01.2005;-;-;1;2;3"), s("5;29.01.2005;-;-;1;2;3;4;5;99") });
    r = run({ s("import"), dir.filePath(s("table.csv")), s("--lottery"), kSix });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
        s("1\nПрочитано розыгрышей: 1. Пропущено строк: 3 (на месте номеров не числа: 1, неверное количество "
          "номеров: 1, номера вне диапазона: 1).\nПервые пропущенные строки:\n"
          "строка 1 (на месте номеров не числа): Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6\n"
          "строка 3 (неверное количество номеров): 4;22.01.2005;-;-;1;2;3\n"
          "строка 4 (номера вне диапазона): 5;29.01.2005;-;-;1;2;3;4;5;99\n"));
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), QByteArray("3,15.01.2005,-,-,1,2,3,4,5,6\r\n"));
    r = run({ s("import"), dir.filePath(s("table.csv")), s("--lottery"), kSix, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_EQ(json.value(s("draws")).toInt(), 1);
    EXPECT_EQ(json.value(s("read")).toInt(), 1);
    EXPECT_EQ(json.value(s("skipped")).toInt(), 3);
    EXPECT_EQ(json.value(s("skippedBy")).toObject(),
        (QJsonObject { { s("notNumbers"), 1 }, { s("wrongCount"), 1 }, { s("outOfRange"), 1 },
            { s("repeated"), 0 }, { s("notADate"), 0 }, { s("controlCharacter"), 0 } }));
    const QJsonArray skipped = json.value(s("skippedLines")).toArray();
    ASSERT_EQ(skipped.size(), 3);
    EXPECT_EQ(skipped.at(0).toObject().value(s("line")).toInt(), 1);
    EXPECT_EQ(skipped.at(0).toObject().value(s("reason")).toString(), s("notNumbers"));
    EXPECT_EQ(json.value(s("backup")).toString(), dir.filePath(s("6x45.lot.bak")));

    // A file of another format is refused and the base keeps its bytes.
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    dir.writeLines(s("header.txt"), { s("Номер Дата") });
    r = run({ s("import"), dir.filePath(s("header.txt")), s("--lottery"), kSix, s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(s("Формат файла "))) << r.err.toStdString();
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);

    r = run({ s("import"), s("--lottery"), kSix });
    EXPECT_EQ(r.status, 2);
}

TEST_F(CliPlay, AddAppendsTheDialogsLineOrRefusesWithoutWriting)
{
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    const QStringList draw { s("add"), s("--lottery"), kSix, s("--number"), s("1739"), s("--date"),
        s("01.09.2025"), s("--machine"), s("-"), s("--ballset"), s("-") };

    CliRun r = run(draw + QStringList { s("--main"), s("03,15,46,31,40,44"), s("--json") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, withPlurals(messages("Str63").arg(6).arg(1).arg(45)) + QLatin1Char('\n'));
    // This lottery has no additional numbers.
    r = run(draw + QStringList { s("--main"), s("03,15,22,31,40,44"), s("--additional"), s("7") });
    EXPECT_EQ(r.status, 1);
    // The same number twice, and a date that is no date.
    r = run(draw + QStringList { s("--main"), s("05,11,22,33,44,05") });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, messages("Str98").arg(s("05")) + QLatin1Char('\n'));
    QStringList yesterday = draw;
    yesterday[yesterday.indexOf(s("01.09.2025"))] = s("yesterday");
    r = run(yesterday + QStringList { s("--main"), s("03,15,22,31,40,44") });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, messages("Str100").arg(s("yesterday")) + QLatin1Char('\n'));
    r = run(QStringList { s("add"), s("--lottery"), kSix, s("--main"), s("03,15,22,31,40,44") });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);

    r = run(draw + QStringList { s("--main"), s("03,15,22,31,40,44"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("draws")).toInt(), 1739);
    EXPECT_EQ(
        dir.readBytes(s("6x45.lot")), before + QByteArray("1739,01.09.2025,-,-,03,15,22,31,40,44,\r\n"));

    r = run({ s("add"), s("--lottery"), s("4 из 20"), s("--number"), s("5621"), s("--date"), s("-"),
        s("--machine"), s("-"), s("--ballset"), s("-"), s("--main"), s("1,2,3,4"), s("--additional"),
        s("5,6,7,8") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, s("5621\n"));
    EXPECT_TRUE(dir.readLines(s("4x20.lot")).last().endsWith(s(",1,2,3,4,5,6,7,8")));
}

TEST_F(CliPlay, ExpandTellsTheCountTheCompletenessAndTheCost)
{
    const QStringList expand = { s("expand"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("05,11,17,23,30,38,44"), s("--json") };
    QJsonObject json = run(expand).json();
    EXPECT_EQ(json.value(s("count")).toInt(), 7);
    EXPECT_EQ(json.value(s("uses")).toInt(), 7);
    EXPECT_TRUE(json.value(s("complete")).toBool());
    EXPECT_TRUE(json.value(s("cost")).isNull()); // no ticket price: no cost

    IniFile config(dir.folder().configPath());
    ASSERT_TRUE(config.update([](IniDocument &doc) { doc.writeString(kSix, s("TicketPrice"), s("50")); }));
    json = run(expand).json();
    EXPECT_EQ(json.value(s("cost")).toString(), s("350"));

    // Five marked for a system of seven: incomplete tickets.
    QStringList five = expand;
    five[6] = s("05,11,17,23,30");
    json = run(five).json();
    EXPECT_FALSE(json.value(s("complete")).toBool());

    // The saved file's header line names the cost.
    const QString out = dir.filePath(s("priced.ltc"));
    ASSERT_EQ(run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
                      s("05,11,17,23,30,38,44"), s("--out"), out })
                  .status,
        0);
    EXPECT_EQ(
        dir.readLines(s("priced.ltc")).value(1), s("Выбрано:  7 номеров - 7 комбинаций; стоимость: 350"));
}

TEST_F(CliPlay, ARefusedCheckTakesTheEarlierReportAway)
{
    // A report left by the last check would pass for the refused one's.
    const QString sixFile = dir.filePath(s("six.ltc"));
    const QString fourFile = dir.filePath(s("four.ltc"));
    ASSERT_EQ(run({ s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"), s("1,2,3,4,5,6,7"),
                      s("--out"), sixFile })
                  .status,
        0);
    ASSERT_EQ(run({ s("save"), s("--lottery"), s("4 из 20"), s("--system"), s("4 номера"), s("--marked"),
                      s("1,2,3,4"), s("--out"), fourFile })
                  .status,
        0);
    const QList<QStringList> refused = { { s("--file"), fourFile },
        { s("--file"), sixFile, s("--draw"), s("abc") }, { s("--file"), dir.filePath(s("none.ltc")) } };
    for (const QStringList &arguments : refused) {
        ASSERT_EQ(run({ s("check"), s("--lottery"), kSix, s("--file"), sixFile }).status, 0);
        ASSERT_TRUE(QFile::exists(dir.filePath(s("result.tmp"))));
        EXPECT_EQ(run(QStringList { s("check"), s("--lottery"), kSix } + arguments).status, 1);
        EXPECT_FALSE(QFile::exists(dir.filePath(s("result.tmp"))))
            << arguments.join(QLatin1Char(' ')).toStdString();
    }
}
