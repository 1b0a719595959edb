// kivora-cli wheel make and wheel check.

#include "support/CliRunner.h"

#include "core/IniFile.h"

#include <QDir>
#include <QFileInfo>

using namespace kivora;
using namespace kivora::test;

namespace {

class CliWheel : public CliFixture
{
};

} // namespace

TEST_F(CliWheel, MakeWritesAVerifiedTemplateThatCheckAgreesWith)
{
    const QString file = dir.filePath(s("w.ltt"));
    CliRun made = run(
        { s("wheel"), s("make"), s("--numbers"), s("10"), s("--ticket"), s("5"), s("--guarantee"), s("3"),
            s("--if"), s("4"), s("--seconds"), s("1"), s("--seed"), s("7"), s("--out"), file, s("--json") });
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const QJsonObject json = made.json();
    EXPECT_TRUE(json.value(s("verified")).toBool());
    const int count = json.value(s("count")).toInt();
    EXPECT_GE(count, json.value(s("bound")).toInt());
    EXPECT_EQ(json.value(s("tickets")).toArray().size(), count);
    EXPECT_TRUE(json.value(s("name")).toString().startsWith(s("10 номеров: 3 из 4, ")));
    ASSERT_TRUE(QFileInfo::exists(file));

    CliRun holds = run({ s("wheel"), s("check"), s("--file"), file, s("--guarantee"), s("3"), s("--if"),
        s("4"), s("--json") });
    ASSERT_EQ(holds.status, 0) << holds.err.toStdString();
    EXPECT_TRUE(holds.json().value(s("holds")).toBool());
    EXPECT_EQ(holds.json().value(s("numbers")).toInt(), 10);
    EXPECT_EQ(holds.json().value(s("tickets")).toInt(), count);

    // A stronger guarantee than it was made for: the holes, counted and listed.
    CliRun fails = run({ s("wheel"), s("check"), s("--file"), file, s("--guarantee"), s("4"), s("--if"),
        s("4"), s("--holes"), s("2"), s("--json") });
    ASSERT_EQ(fails.status, 0);
    EXPECT_FALSE(fails.json().value(s("holds")).toBool());
    EXPECT_GT(fails.json().value(s("holeCount")).toInt(), 0);
    EXPECT_EQ(fails.json().value(s("holes")).toArray().size(), 2);
    EXPECT_EQ(fails.json().value(s("sets")).toInt(), 210);

    // The same seed repeats the search.
    CliRun again
        = run({ s("wheel"), s("make"), s("--numbers"), s("10"), s("--ticket"), s("5"), s("--guarantee"),
            s("3"), s("--if"), s("4"), s("--seconds"), s("1"), s("--seed"), s("7"), s("--json") });
    EXPECT_EQ(again.json().value(s("tickets")), json.value(s("tickets")));
}

TEST_F(CliWheel, CheckTakesASystemOfTheListAndBadInputIsUsage)
{
    CliRun full = run({ s("wheel"), s("check"), s("--lottery"), s("6 из 45"), s("--system"),
        s("8 номеров (полная система)"), s("--guarantee"), s("6") });
    ASSERT_EQ(full.status, 0) << full.err.toStdString();
    EXPECT_TRUE(full.out.startsWith(s("# Гарантия «6 из 6» на 8 номерах выполняется")))
        << full.out.toStdString();

    const QStringList bad[] = {
        { s("wheel"), s("make"), s("--numbers"), s("10"), s("--ticket"), s("5") },
        { s("wheel"), s("make"), s("--numbers"), s("10"), s("--ticket"), s("11"), s("--guarantee"), s("3") },
        { s("wheel"), s("make"), s("--numbers"), s("10"), s("--ticket"), s("5"), s("--guarantee"), s("4"),
            s("--if"), s("3") },
        { s("wheel"), s("make"), s("--numbers"), s("ten"), s("--ticket"), s("5"), s("--guarantee"), s("3") },
        { s("wheel"), s("check"), s("--guarantee"), s("3") },
        { s("wheel"), s("spin") },
    };
    for (const QStringList &args : bad)
        EXPECT_EQ(run(args).status, 2) << args.join(QLatin1Char(' ')).toStdString();
    CliRun missing
        = run({ s("wheel"), s("check"), s("--file"), dir.filePath(s("none.ltt")), s("--guarantee"), s("3") });
    EXPECT_EQ(missing.status, 1);
}

// Every sentence wheel make and wheel check print is in the folder's language: the
// refusals, the summary line and the wrong words.
TEST_F(CliWheel, MessagesAreInTheFolderLanguage)
{
    const QStringList tooWide = { s("wheel"), s("make"), s("--numbers"), s("20"), s("--ticket"), s("12"),
        s("--guarantee"), s("3") };
    const QStringList tooMany = { s("wheel"), s("make"), s("--numbers"), s("49"), s("--ticket"), s("6"),
        s("--guarantee"), s("3"), s("--if"), s("7") };
    const QStringList made = { s("wheel"), s("make"), s("--numbers"), s("8"), s("--ticket"), s("5"),
        s("--guarantee"), s("3"), s("--seconds"), s("1") };
    const QStringList neither = { s("wheel"), s("check"), s("--guarantee"), s("3") };
    const QStringList negative = { s("wheel"), s("check"), s("--file"), s("x.ltt"), s("--guarantee"), s("3"),
        s("--holes"), s("-1") };

    EXPECT_TRUE(run(tooWide).err.contains(s("в билете должно быть от 3 до 10 номеров, а не 12")));
    EXPECT_TRUE(run(tooMany).err.contains(s("слишком много для поиска")));
    EXPECT_TRUE(run(made).out.contains(s("; нижняя граница ")));
    EXPECT_TRUE(run(neither).err.contains(s("укажите либо --system")));
    EXPECT_TRUE(run(negative).err.contains(s("неверное значение --holes: -1")));
    EXPECT_TRUE(run({ s("wheel") }).err.contains(s("после wheel нужно одно из: make, check")));
    EXPECT_TRUE(run({ s("wheel"), s("spin") }).err.contains(s("неизвестная команда: wheel spin")));

    ASSERT_TRUE(IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), s("english.lng")));
    EXPECT_TRUE(run(tooWide).err.contains(s("the ticket size must be 3 to 10, not 12")));
    EXPECT_TRUE(run(tooMany).err.contains(s("too many to search")));
    EXPECT_TRUE(run(made).out.contains(s("; lower bound ")));
    EXPECT_TRUE(run(neither).err.contains(s("give either --system")));
    EXPECT_TRUE(run({ s("wheel") }).err.contains(s("wheel needs one of make, check")));
}

// A template that cannot be written fails like every other write: the I/O prefix, the
// file and the reason.
TEST_F(CliWheel, MakeOutFailureNamesTheFileAfterTheInputOutputPrefix)
{
    const QString file = dir.filePath(s("no-such-folder/w.ltt"));
    const CliRun made = run({ s("wheel"), s("make"), s("--numbers"), s("8"), s("--ticket"), s("5"),
        s("--guarantee"), s("3"), s("--seconds"), s("1"), s("--out"), file });
    EXPECT_EQ(made.status, 1);
    EXPECT_TRUE(made.out.isEmpty());
    EXPECT_TRUE(made.err.startsWith(s("Ошибка ввода-вывода: "))) << made.err.toStdString();
    EXPECT_TRUE(made.err.contains(file) || made.err.contains(QDir::toNativeSeparators(file)))
        << made.err.toStdString();
}

// An unknown system is refused in one short line that says how to list the systems, and
// that listing names every system with the numbers it needs.
TEST_F(CliWheel, UnknownSystemPointsToTheListOfSystems)
{
    const QString keno = s("Кено (20 из 80)");
    const CliRun unknown = run({ s("wheel"), s("check"), s("--lottery"), keno, s("--system"), s("Нет такой"),
        s("--guarantee"), s("3") });
    EXPECT_EQ(unknown.status, 1);
    const QString line = unknown.err.trimmed();
    EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    EXPECT_LT(line.size(), 200) << line.toStdString();
    EXPECT_TRUE(line.contains(s("«Нет такой»"))) << line.toStdString();
    EXPECT_TRUE(line.contains(s("kivora-cli systems --lottery \"") + keno + s("\""))) << line.toStdString();

    const CliRun listed = run({ s("systems"), s("--lottery"), s("6 из 45"), s("--json") });
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    const QJsonArray rows = listed.json().value(s("systems")).toArray();
    bool full = false;
    for (const QJsonValue &row : rows) {
        const QJsonObject system = row.toObject();
        if (system.value(s("name")).toString() == s("8 номеров (полная система)"))
            full = system.value(s("needed")).toInt() == 8;
    }
    EXPECT_TRUE(full);
    const CliRun text = run({ s("systems"), s("--lottery"), s("6 из 45") });
    EXPECT_TRUE(text.out.contains(s("8 номеров (полная система)")));
    EXPECT_EQ(run({ s("systems"), s("--lottery"), s("Нет такой лотереи") }).status, 1);
}

// A wheel written from 0 by another program checks as valid on all its numbers, and its
// holes are listed in its own numbering.
TEST_F(CliWheel, CheckReadsAWheelCountedFromZero)
{
    // Every three of 0..6: "3 if 3" on 7 numbers.
    QStringList lines { s("# all triples of seven numbers") };
    for (int a = 0; a < 7; ++a) {
        for (int b = a + 1; b < 7; ++b) {
            for (int c = b + 1; c < 7; ++c)
                lines.append(QStringLiteral("%1,%2\t%3").arg(a).arg(b).arg(c));
        }
    }
    dir.writeLines(s("zero.txt"), lines);
    const QString file = dir.filePath(s("zero.txt"));
    const CliRun holds
        = run({ s("wheel"), s("check"), s("--file"), file, s("--guarantee"), s("3"), s("--json") });
    ASSERT_EQ(holds.status, 0) << holds.err.toStdString();
    EXPECT_TRUE(holds.json().value(s("holds")).toBool());
    EXPECT_TRUE(holds.json().value(s("fromZero")).toBool());
    EXPECT_EQ(holds.json().value(s("numbers")).toInt(), 7);
    EXPECT_EQ(holds.json().value(s("tickets")).toInt(), 35);

    const CliRun text = run({ s("wheel"), s("check"), s("--file"), file, s("--guarantee"), s("3"),
        s("--numbers"), s("8"), s("--holes"), s("100") });
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith(s("# номера файла начинаются с 0"))) << text.out.toStdString();
    // The holes are the triples with the eighth number, 7 in the file's numbering.
    int holes = 0;
    for (const QString &line : text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        ++holes;
        EXPECT_TRUE(line.endsWith(s("\t7"))) << line.toStdString();
    }
    EXPECT_EQ(holes, 21);

    const CliRun outside = run(
        { s("wheel"), s("check"), s("--file"), file, s("--guarantee"), s("3"), s("--numbers"), s("6") });
    EXPECT_EQ(outside.status, 1);
    EXPECT_TRUE(outside.err.contains(s("строка 6: номер 6 вне диапазона 0–5"))) << outside.err.toStdString();
}

// A wheel with holes, counted from 0, gets exactly the tickets that plug them; the
// written template holds and checks valid.
TEST_F(CliWheel, RepairAddsTheMissingTicketsAndWritesAWheelThatHolds)
{
    QStringList lines;
    for (int a = 0; a < 7; ++a) {
        for (int b = a + 1; b < 7; ++b) {
            for (int c = b + 1; c < 7; ++c) {
                if (c != 6 || a > 1) // the nine triples of 6 with 0 or 1 are left out
                    lines.append(QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c));
            }
        }
    }
    ASSERT_EQ(lines.size(), 35 - 9);
    dir.writeLines(s("holes.txt"), lines);
    const QString out = dir.filePath(s("repaired.ltt"));
    const CliRun repaired = run({ s("wheel"), s("repair"), s("--file"), dir.filePath(s("holes.txt")),
        s("--guarantee"), s("3"), s("--seconds"), s("1"), s("--out"), out, s("--json") });
    ASSERT_EQ(repaired.status, 0) << repaired.err.toStdString();
    const QJsonObject json = repaired.json();
    EXPECT_TRUE(json.value(s("verified")).toBool());
    EXPECT_EQ(json.value(s("holesBefore")).toInt(), 9);
    EXPECT_EQ(json.value(s("added")).toArray().size(), 9);
    EXPECT_EQ(json.value(s("count")).toInt(), 35);
    // The added tickets in the file's own numbering: each holds 6.
    for (const QJsonValue &ticket : json.value(s("added")).toArray())
        EXPECT_TRUE(ticket.toArray().contains(QJsonValue(6)));

    const CliRun holds
        = run({ s("wheel"), s("check"), s("--file"), out, s("--guarantee"), s("3"), s("--json") });
    ASSERT_EQ(holds.status, 0) << holds.err.toStdString();
    EXPECT_TRUE(holds.json().value(s("holds")).toBool());
    EXPECT_EQ(holds.json().value(s("tickets")).toInt(), 35);
    EXPECT_EQ(holds.json().value(s("numbers")).toInt(), 7);

    EXPECT_EQ(run({ s("wheel"), s("repair"), s("--guarantee"), s("3") }).status, 2);
}

// Key numbers stand on every ticket; the guarantee stated for the others holds on them,
// checked again from the written template; bad keys are usage errors.
TEST_F(CliWheel, KeyNumbersStandOnEveryTicketAndTheOthersKeepTheGuarantee)
{
    const QString file = dir.filePath(s("keys.ltt"));
    const CliRun made
        = run({ s("wheel"), s("make"), s("--numbers"), s("14"), s("--ticket"), s("6"), s("--guarantee"),
            s("3"), s("--keys"), s("3,9"), s("--seconds"), s("1"), s("--out"), file, s("--json") });
    ASSERT_EQ(made.status, 0) << made.err.toStdString();
    const QJsonObject json = made.json();
    EXPECT_TRUE(json.value(s("verified")).toBool());
    EXPECT_TRUE(json.value(s("name")).toString().contains(
        s("«3 из 3» из 12 остальных номеров, с 2 ключевыми номерами в каждом билете")))
        << json.value(s("name")).toString().toStdString();
    const QJsonArray tickets = json.value(s("tickets")).toArray();
    ASSERT_FALSE(tickets.isEmpty());
    for (const QJsonValue &ticket : tickets) {
        const QJsonArray numbers = ticket.toArray();
        EXPECT_EQ(numbers.size(), 6);
        EXPECT_TRUE(numbers.contains(QJsonValue(3)) && numbers.contains(QJsonValue(9)));
    }
    // Every three of the others stands on a ticket, counted here one by one.
    std::vector<quint64> sets;
    for (const QJsonValue &ticket : tickets) {
        quint64 set = 0;
        for (const QJsonValue &number : ticket.toArray())
            set |= quint64(1) << number.toInt();
        sets.push_back(set);
    }
    int uncovered = 0;
    for (int a = 1; a <= 14; ++a) {
        for (int b = a + 1; b <= 14; ++b) {
            for (int c = b + 1; c <= 14; ++c) {
                const quint64 triple = (quint64(1) << a) | (quint64(1) << b) | (quint64(1) << c);
                if (a == 3 || a == 9 || b == 3 || b == 9 || c == 3 || c == 9)
                    continue;
                bool met = false;
                for (quint64 set : sets)
                    met = met || (set & triple) == triple;
                uncovered += met ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(uncovered, 0);
    const CliRun read
        = run({ s("wheel"), s("check"), s("--file"), file, s("--guarantee"), s("3"), s("--json") });
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(read.json().value(s("tickets")).toInt(), tickets.size());

    for (const char *keys : { "0", "15", "3,3", "1,2,3,4,5,6", "x" }) {
        EXPECT_EQ(run({ s("wheel"), s("make"), s("--numbers"), s("14"), s("--ticket"), s("6"),
                          s("--guarantee"), s("3"), s("--keys"), s(keys) })
                      .status,
            2)
            << keys;
    }
}

// filter on a wheel says how many of its sets still meet a ticket, as counted here one
// by one from the tickets it kept, and the saved header says the same.
TEST_F(CliWheel, FilterStatesTheGuaranteeLeftOfAWheel)
{
    const QString out = dir.filePath(s("kept.ltc"));
    const CliRun r
        = run({ s("filter"), s("--lottery"), s("6 из 45"), s("--system"), s("8 номеров: 3 из 3, 4 билета"),
            s("--marked"), s("1,2,3,4,5,6,7,8"), s("--sum"), s("0-26"), s("--out"), out, s("--json") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    ASSERT_LT(json.value(s("after")).toInt(), json.value(s("before")).toInt());
    std::vector<quint64> kept;
    for (const QJsonValue &row : json.value(s("rows")).toArray()) {
        quint64 set = 0;
        for (const QJsonValue &cell : row.toArray()) {
            if (!cell.toString().isEmpty())
                set |= quint64(1) << cell.toString().toInt();
        }
        kept.push_back(set);
    }
    int covered = 0;
    for (int a = 1; a <= 8; ++a) {
        for (int b = a + 1; b <= 8; ++b) {
            for (int c = b + 1; c <= 8; ++c) {
                const quint64 triple = (quint64(1) << a) | (quint64(1) << b) | (quint64(1) << c);
                bool met = false;
                for (quint64 set : kept)
                    met = met || (set & triple) == triple;
                covered += met ? 1 : 0;
            }
        }
    }
    const QString left = json.value(s("guarantee")).toString();
    EXPECT_TRUE(left.startsWith(s("«3 из 3» держится для %1 из 56 ").arg(covered))) << left.toStdString();
    const QStringList lines = dir.readLines(s("kept.ltc"));
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines.at(1).endsWith(s("; ") + left)) << lines.at(1).toStdString();
}
