// kivora-cli import of operators' files: each found without --columns, merged without
// duplicates, tried dry without writing, and a bad file refused with the base untouched.

#include "support/CliRunner.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::CliRun;
using kivora::test::runCli;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QString sampleImport(const char *name)
{
    return QDir(s(KIVORA_TEST_DATA "/import")).filePath(s(name));
}

struct Lottery
{
    const char *name;
    int maxNumber;
    int drawNumber;
    int additional;
    int addMin;
    int addMax;
};

// One lottery a file of tests/data/import belongs to, each with a base of its own.
const Lottery kLotteries[] = { { "MM", 70, 5, 1, 1, 25 }, { "C4L", 60, 5, 1, 1, 4 }, { "T5", 39, 5, 0, 0, 9 },
    { "EM", 50, 5, 2, 1, 12 }, { "L649", 49, 6, 1, 0, 9 }, { "R420", 20, 4, 4, 1, 20 },
    { "PB", 69, 5, 1, 1, 26 }, { "F5", 39, 5, 0, 0, 9 }, { "A36", 36, 5, 0, 0, 9 },
    { "K10", 80, 10, 0, 0, 9 } };

// A program folder of these lotteries only, each base empty.
class CliImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList lines { s("[LotoType]") };
        for (const Lottery &lottery : kLotteries)
            lines.append(s(lottery.name) + s("=1"));
        for (const Lottery &lottery : kLotteries) {
            const QString name = s(lottery.name);
            lines += { QLatin1Char('[') + name + QLatin1Char(']'), s("MinNumber=1"),
                s("MaxNumber=") + QString::number(lottery.maxNumber),
                s("DrawNumber=") + QString::number(lottery.drawNumber),
                s("CountOfAddBall=") + QString::number(lottery.additional),
                s("MinnumberOfAddBall=") + QString::number(lottery.addMin),
                s("MaxnumberOfAddBall=") + QString::number(lottery.addMax), s("BaseFile=") + base(name) };
            dir.writeBytes(base(name), QByteArray());
        }
        dir.writeLines(s("kivora.INI"), lines);
    }

    static QString base(const QString &lottery) { return lottery.toLower() + s(".lot"); }

    CliRun import(const char *file, const char *lottery, const QStringList &more = {}) const
    {
        return run(
            QStringList { s("import"), sampleImport(file), s("--lottery"), s(lottery), s("--json") } + more);
    }

    QStringList baseLines(const char *lottery) const { return dir.readLines(base(s(lottery))); }

    CliRun run(const QStringList &arguments) const { return runCli(dir.path(), arguments); }

    test::TempFolder dir;
};

struct OperatorFile
{
    const char *file;
    const char *lottery;
    const char *kind;
    int draws;
    int skipped;
    const char *first; // the base's first and last records after the import (null: not checked)
    const char *last;
};

} // namespace

TEST_F(CliImport, EveryOperatorFileImportsWithoutColumnsOldestFirst)
{
    const OperatorFile files[] = {
        { "ny_megamillions.csv", "MM", "csv", 6, 2, "1,27.10.2017,-,-,8,15,23,43,47,25",
            "6,25.09.2020,-,-,20,36,37,48,67,14" },
        { "ny_cash4life.csv", "C4L", "csv", 3, 0, "1,16.06.2014,-,-,15,21,31,39,56,4",
            "3,23.06.2014,-,-,3,18,25,40,60,1" },
        { "ny_take5.csv", "T5", "csv", 5, 0, "1,31.12.2020,-,-,6,7,21,30,35,",
            "5,15.02.2021,-,-,4,11,19,23,39," },
        { "fdj_euromillions_latin1.csv", "EM", "csv", 3, 0, "2020083,16.10.2020,-,-,30,1,45,22,8,1,12",
            "2020085,23.10.2020,-,-,44,3,28,17,9,11,2" },
        { "fdj_euromillions_bom.csv", "EM", "csv", 3, 0, "2020083,16.10.2020,-,-,30,1,45,22,8,1,12",
            "2020085,23.10.2020,-,-,44,3,28,17,9,11,2" },
        { "lotto_6aus49.json", "L649", "json", 3, 0, "1,10.06.2020,-,-,5,9,26,38,40,49,9",
            "3,17.06.2020,-,-,19,8,15,4,33,41,3" },
        { "ru_4x20.txt", "R420", "csv", 3, 0, "128,23.10.2017,-,-,19,8,15,4,9,3,10,11",
            "130,28.10.2017,-,-,17,15,7,5,14,7,9,4" },
        { "powerball_pipe.txt", "PB", "csv", 3, 0, "1,10.06.2020,-,-,13,15,29,50,69,10",
            "3,16.06.2020,-,-,10,31,41,63,1,18" },
        { "fantasy5_fixed.txt", "F5", "fixed", 3, 0, "8499,13.06.2020,-,-,1,30,12,25,38,",
            "8501,15.06.2020,-,-,16,19,34,27,2," },
        { "skips.csv", "A36", "csv", 3, 5, nullptr, nullptr },
    };
    for (const OperatorFile &f : files) {
        SCOPED_TRACE(f.file);
        const CliRun r = import(f.file, f.lottery);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject json = r.json();
        EXPECT_EQ(json.value(s("format")).toObject().value(s("kind")).toString(), s(f.kind));
        EXPECT_EQ(json.value(s("draws")).toInt(), f.draws);
        EXPECT_EQ(json.value(s("read")).toInt(), f.draws);
        EXPECT_EQ(json.value(s("new")).toInt(), f.draws);
        EXPECT_EQ(json.value(s("skipped")).toInt(), f.skipped);
        const QStringList lines = baseLines(f.lottery);
        ASSERT_EQ(lines.size(), f.draws);
        if (f.first) {
            EXPECT_EQ(lines.front(), s(f.first));
            EXPECT_EQ(lines.back(), s(f.last));
        }
    }
}

TEST_F(CliImport, MergingTwiceAddsNothingAndAConflictIsReportedNotWritten)
{
    CliRun r = import("ny_cash4life.csv", "C4L", { s("--merge") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("new")).toInt(), 3);
    const QByteArray merged = dir.readBytes(base(s("c4l")));

    r = import("ny_cash4life.csv", "C4L", { s("--merge") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject json = r.json();
    EXPECT_EQ(json.value(s("new")).toInt(), 0);
    EXPECT_EQ(json.value(s("duplicates")).toInt(), 3);
    EXPECT_EQ(json.value(s("baseBefore")).toInt(), 3);
    EXPECT_EQ(json.value(s("baseAfter")).toInt(), 3);
    EXPECT_EQ(json.value(s("draws")).toInt(), 3);
    EXPECT_EQ(dir.readBytes(base(s("c4l"))), merged);

    // A base holding the first draw and another on the second's date with other
    // numbers: the third is added, the second is a conflict and never written.
    dir.writeLines(
        base(s("c4l")), { s("1,16.06.2014,-,-,15,21,31,39,56,4"), s("2,19.06.2014,-,-,1,2,3,4,5,1") });
    r = import("ny_cash4life.csv", "C4L", { s("--merge") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    json = r.json();
    EXPECT_EQ(json.value(s("new")).toInt(), 1);
    EXPECT_EQ(json.value(s("duplicates")).toInt(), 1);
    EXPECT_EQ(json.value(s("conflicts")).toInt(), 1);
    EXPECT_EQ(json.value(s("firstDate")).toString(), s("16.06.2014"));
    EXPECT_EQ(json.value(s("lastDate")).toString(), s("23.06.2014"));
    EXPECT_EQ(baseLines("C4L"),
        QStringList({ s("1,16.06.2014,-,-,15,21,31,39,56,4"), s("2,19.06.2014,-,-,1,2,3,4,5,1"),
            s("3,23.06.2014,-,-,3,18,25,40,60,1") }));

    // The text form names the conflict.
    dir.writeLines(base(s("c4l")), { s("1,19.06.2014,-,-,1,2,3,4,5,1") });
    r = run({ s("import"), sampleImport("ny_cash4life.csv"), s("--lottery"), s("C4L"), s("--merge"),
        s("--dry-run") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(s("19.06.2014"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(s("конфликтов: 1"))) << r.out.toStdString();
}

TEST_F(CliImport, DryRunPrintsTheSameReportAndWritesNothing)
{
    dir.writeLines(base(s("mm")), { s("1,01.01.2017,-,-,1,2,3,4,5,1") });
    const QByteArray before = dir.readBytes(base(s("mm")));
    const QByteArray config = dir.readBytes(s("kivora.INI"));
    for (const QStringList &mode : { QStringList {}, QStringList { s("--merge") } }) {
        SCOPED_TRACE(mode.join(QLatin1Char(' ')).toStdString());
        const CliRun dry
            = import("ny_megamillions.csv", "MM", mode + QStringList { s("--dry-run"), s("--save-profile") });
        ASSERT_EQ(dry.status, 0) << dry.err.toStdString();
        EXPECT_EQ(dir.readBytes(base(s("mm"))), before);
        EXPECT_FALSE(QFile::exists(dir.filePath(base(s("mm")) + s(".bak"))));
        EXPECT_EQ(dir.readBytes(s("kivora.INI")), config);
        QJsonObject dryJson = dry.json();
        EXPECT_TRUE(dryJson.value(s("dryRun")).toBool());

        const CliRun real = import("ny_megamillions.csv", "MM", mode);
        ASSERT_EQ(real.status, 0) << real.err.toStdString();
        QJsonObject realJson = real.json();
        EXPECT_FALSE(realJson.value(s("dryRun")).toBool());
        EXPECT_EQ(dryJson.value(s("draws")).toInt(), realJson.value(s("draws")).toInt());
        for (const char *key : { "backup", "dryRun" }) {
            dryJson.remove(s(key));
            realJson.remove(s(key));
        }
        EXPECT_EQ(dryJson, realJson);
        dir.writeBytes(base(s("mm")), before);
        QFile::remove(dir.filePath(base(s("mm")) + s(".bak")));
    }
}

TEST_F(CliImport, ABadFileIsRefusedNamingItAndTheReasonAndTheBaseIsUntouched)
{
    dir.writeLines(base(s("t5")), { s("1,31.12.2020,-,-,6,7,21,30,35,") });
    const QByteArray before = dir.readBytes(base(s("t5")));
    dir.writeBytes(s("empty.csv"), QByteArray("\r\n  \r\n"));
    dir.writeBytes(s("binary.csv"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20));
    dir.writeLines(s("letter.txt"), { s("Dear reader,"), s("we are glad to tell you about our new game.") });
    const struct
    {
        QString path;
        const char *reason;
    } cases[] = {
        { dir.filePath(s("empty.csv")), "пуст" },
        { dir.filePath(s("binary.csv")), "двоичный" },
        { dir.filePath(s("letter.txt")), "T5" },
        // Mega Millions' five of seventy are no draws of five of thirty-nine.
        { sampleImport("ny_megamillions.csv"), "T5" },
    };
    for (const auto &c : cases) {
        for (const QStringList &mode : { QStringList {}, QStringList { s("--merge") } }) {
            SCOPED_TRACE(QString(c.path + QLatin1Char(' ') + mode.join(QLatin1Char(' '))).toStdString());
            const CliRun r = run(QStringList { s("import"), c.path, s("--lottery"), s("T5") } + mode);
            EXPECT_EQ(r.status, 1);
            EXPECT_TRUE(r.out.isEmpty());
            EXPECT_TRUE(r.err.contains(c.path)) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(s(c.reason))) << r.err.toStdString();
            EXPECT_EQ(dir.readBytes(base(s("t5"))), before);
            EXPECT_FALSE(QFile::exists(dir.filePath(base(s("t5")) + s(".bak"))));
        }
    }
}

TEST_F(CliImport, ColumnsNamedInQuotesAreTakenAsGiven)
{
    // The additional number taken from the multiplier column instead of the Mega Ball:
    // an empty multiplier and one above 25 make their rows be skipped.
    const CliRun r = import("ny_megamillions.csv", "MM",
        { s("--columns"), s("date=\"Draw Date\",main=\"Winning Numbers\",additional=\"Multiplier\"") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_EQ(
        json.value(s("format")).toObject().value(s("columns")).toObject().value(s("additional")).toString(),
        s("\"Multiplier\""));
    EXPECT_EQ(baseLines("MM").back().section(QLatin1Char(','), -1), s("2"));

    const CliRun unknown
        = import("ny_megamillions.csv", "MM", { s("--columns"), s("main=\"Lucky Numbers\"") });
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(s("Lucky Numbers"))) << unknown.err.toStdString();
}

TEST_F(CliImport, UndecidedDatesNeedTheDateFormatAndTheSavedProfileIsUsedNextTime)
{
    CliRun r = import("ambiguous_dates.csv", "A36");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(s("--date-format"))) << r.err.toStdString();
    EXPECT_EQ(dir.readBytes(base(s("a36"))), QByteArray());

    r = import("ambiguous_dates.csv", "A36", { s("--date-format"), s("mm/dd/yyyy"), s("--save-profile") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("format")).toObject().value(s("dateFormat")).toString(), s("mm/dd/yyyy"));
    const QStringList monthFirst = baseLines("A36");

    // The profile gives the date format now; the option still overrides it.
    r = import("ambiguous_dates.csv", "A36", { s("--merge") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("duplicates")).toInt(), monthFirst.size());
    r = import("ambiguous_dates.csv", "A36", { s("--date-format"), s("dd/mm/yyyy") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_NE(baseLines("A36"), monthFirst);
}

TEST_F(CliImport, ColumnsGuessedFromValuesAloneAreRefusedUntilGiven)
{
    // Two fields of five numbers a row and no header: either could be the draw.
    dir.writeLines(s("bare.txt"),
        { s("01.06.2020;12 5 34 23 36;9 2 30 4 6"), s("02.06.2020;3 1 2 5 4;11 8 33 10 7"),
            s("03.06.2020;31 7 9 11 30;1 20 5 16 3") });
    CliRun r = run({ s("import"), dir.filePath(s("bare.txt")), s("--lottery"), s("A36"), s("--merge") });
    EXPECT_EQ(r.status, 2) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(s("--columns"))) << r.err.toStdString();
    EXPECT_EQ(dir.readBytes(base(s("a36"))), QByteArray());

    r = run({ s("import"), dir.filePath(s("bare.txt")), s("--lottery"), s("A36"), s("--merge"),
        s("--columns"), s("date=1,main=3"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("new")).toInt(), 3);
    EXPECT_EQ(baseLines("A36").front(), s("1,01.06.2020,-,-,9,2,30,4,6,"));
}

TEST_F(CliImport, NumberedJsonKeysAreTakenAndListedInTheirNaturalOrder)
{
    // Keys "n1" to "n10": a parser sorts them as text, n10 before n2.
    QStringList rows;
    for (int draw = 0; draw < 3; ++draw) {
        QStringList fields { s("\"date\": \"2020-06-0%1\"").arg(draw + 1) };
        for (int n = 1; n <= 10; ++n)
            fields.append(s("\"n%1\": %2").arg(n).arg(n * 7 + draw));
        rows.append(QLatin1Char('{') + fields.join(s(", ")) + QLatin1Char('}'));
    }
    dir.writeLines(s("keno.json"), { s("{\"draws\": ["), rows.join(s(",\n")), s("]}") });
    const CliRun r
        = run({ s("import"), dir.filePath(s("keno.json")), s("--lottery"), s("K10"), s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json().value(s("new")).toInt(), 3);
    EXPECT_EQ(baseLines("K10").front(), s("1,01.06.2020,-,-,7,14,21,28,35,42,49,56,63,70,"));
    const QJsonObject columns = r.json().value(s("format")).toObject().value(s("columns")).toObject();
    EXPECT_EQ(columns.value(s("main")).toString(), s("\"n1\"..\"n10\""));
    EXPECT_EQ(columns.value(s("date")).toString(), s("\"date\""));
}
