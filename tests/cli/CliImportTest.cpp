// kivora-cli import of operators' files: each found without --columns, merged without
// duplicates, tried dry without writing, and a bad file refused with the base untouched.

#include "support/CliRunner.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::CliFixture;
using kivora::test::CliRun;

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
    { "PB", 69, 5, 1, 1, 26 }, { "F5", 39, 5, 0, 0, 9 }, { "A36", 36, 5, 0, 0, 9 } };

class CliImport : public CliFixture
{
protected:
    void SetUp() override
    {
        CliFixture::SetUp();
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
