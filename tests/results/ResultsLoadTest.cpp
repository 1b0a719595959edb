#include "results/ResultsLoad.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TextFields.h"
#include "core/TextFile.h"
#include "statistics/NumberList.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>
#include <vector>

using namespace kivora;

namespace {

using kivora::test::s;

LotteryDefinition lottery(int minNumber, int maxNumber, int drawNumber, int additional = 0)
{
    LotteryDefinition d;
    d.name = s("Лото");
    d.minNumber = minNumber;
    d.maxNumber = maxNumber;
    d.drawNumber = drawNumber;
    d.countOfAddBall = additional;
    return d;
}

LoadResult load(const QStringList &lines, const LotteryDefinition &definition, const DrawFilter &filter = {})
{
    return loadDraws(textfile::joinLines(lines), definition, filter);
}

QStringList drawNumbers(const LoadResult &result)
{
    QStringList numbers;
    for (int r = 0; r < result.drawCount(); ++r)
        numbers.append(result.draws.drawNumberText(r));
    return numbers;
}

QStringList resultsRow(const LoadResult &result, int row)
{
    QStringList cells;
    for (int c = 0; c < result.draws.resultsColumnCount(); ++c)
        cells.append(result.draws.resultsCell(row, c));
    return cells;
}

QStringList detailsRow(const LoadResult &result, int row)
{
    QStringList cells;
    for (int c = 0; c < result.draws.detailsColumnCount(); ++c)
        cells.append(result.draws.detailsCell(row, c));
    return cells;
}

DrawFilter lastDraws(const char *count)
{
    DrawFilter filter;
    filter.lastDraws = true;
    filter.lastDrawsText = s(count);
    return filter;
}

// Three draws of 6 of 45 with one additional number, on two machines and two ball sets.
const QStringList kThreeDraws = {
    s("1,01.01.2005,1,1,1,2,3,4,5,6,7"),
    s("2,08.01.2005,2,1,1,7,8,9,10,11,8"),
    s("3,15.01.2005,1,2,2,3,12,13,14,15,9"),
};

} // namespace

// --- Records and counters ------------------------------------------------------------

TEST(ResultsLoad, ThreeDrawsGiveTheCountersAndBothViews)
{
    const LoadResult result = load(kThreeDraws, lottery(1, 45, 6, 1));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.drawCount(), 3);
    EXPECT_EQ(result.totalLines, 3);
    EXPECT_EQ(result.outOfRangeLines, 0);
    const NumberCounts &c = result.counts;
    EXPECT_EQ(c.since[1], 1);
    EXPECT_EQ(c.drawn[1], 2);
    EXPECT_EQ(c.since[2], 0);
    EXPECT_EQ(c.drawn[2], 2);
    EXPECT_EQ(c.since[16], 3);
    EXPECT_EQ(c.drawn[16], 0);
    EXPECT_EQ(c.recordGap, 2); // 12..15 first drawn after two draws; 16's open run does not count
    EXPECT_EQ(c.recordDrawn, 2);

    EXPECT_EQ(
        resultsRow(result, 1), QStringList({ s("2"), s("01"), s("07"), s("08"), s("09"), s("10"), s("11") }));
    EXPECT_EQ(detailsRow(result, 2), QStringList({ s("3"), s("15.01.2005"), s("1"), s("2"), s("9") }));
}

TEST(ResultsLoad, NumberCountersOfThreeSmallDraws)
{
    // {1,2}, {3,4}, {1,3} on 1..5
    const LoadResult result
        = load({ s("1 - - - 1 2"), s("2 - - - 3 4"), s("3 - - - 1 3") }, lottery(1, 5, 2));
    std::vector<int> since;
    std::vector<int> drawn;
    for (int n = 1; n <= 5; ++n) {
        since.push_back(result.counts.since[n]);
        drawn.push_back(result.counts.drawn[n]);
    }
    EXPECT_EQ(since, std::vector<int>({ 0, 2, 0, 1, 3 }));
    EXPECT_EQ(drawn, std::vector<int>({ 2, 1, 2, 1, 0 }));
    EXPECT_EQ(result.counts.recordGap, 1);
    EXPECT_EQ(result.counts.recordDrawn, 2);

    const StatTable table = numberListTable(result);
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.caption(0), s("01"));
    EXPECT_EQ(table.rows[1].since, 2);
    EXPECT_EQ(table.rows[1].drawn, 1);
    EXPECT_EQ(table.recordText, s("1"));
    EXPECT_EQ(table.topText, s("2"));
    EXPECT_EQ(table.record, 1);
    EXPECT_EQ(table.initialSort, 1);
    const std::vector<int> order = sortedOrder(table, table.initialSort);
    EXPECT_EQ(table.caption(order.front()), s("05")); // never drawn: since 3
}

TEST(ResultsLoad, NoDrawsLeaveEveryCounterAtZero)
{
    const LoadResult result = load({}, lottery(1, 45, 6));
    EXPECT_EQ(result.drawCount(), 0);
    const StatTable table = numberListTable(result);
    ASSERT_EQ(table.rowCount(), 45);
    for (const StatRow &row : table.rows) {
        EXPECT_EQ(row.since, 0);
        EXPECT_EQ(row.drawn, 0);
    }
    EXPECT_EQ(table.recordText, s("0"));
    EXPECT_EQ(table.topText, s("0"));
}

TEST(ResultsLoad, SpaceSeparatedRecordReadsLikeItsCommaForm)
{
    const LoadResult result
        = load({ s("7 01.02.2005 - - 5 12 19 23 31 40"), s(";7,01.02.2005,-;-,5,,12;19 , 23,31,40,;") },
            lottery(1, 45, 6));
    ASSERT_EQ(result.drawCount(), 2);
    EXPECT_EQ(
        resultsRow(result, 0), QStringList({ s("7"), s("05"), s("12"), s("19"), s("23"), s("31"), s("40") }));
    EXPECT_EQ(resultsRow(result, 1), resultsRow(result, 0));
    EXPECT_EQ(detailsRow(result, 1), detailsRow(result, 0));
}

TEST(ResultsLoad, BlankAndShortLinesAreDrawsWithEmptyCells)
{
    const LoadResult result = load(
        { s("1,d,m,b,1,2,3,4,5,6,7"), QString(), s("3,d2,m2"), s("4,d,m,b,1,2,3") }, lottery(1, 45, 6, 2));
    ASSERT_EQ(result.drawCount(), 4);
    EXPECT_EQ(detailsRow(result, 0), QStringList({ s("1"), s("d"), s("m"), s("b"), s("7"), QString() }));
    EXPECT_EQ(resultsRow(result, 1),
        QStringList({ QString(), s("00"), s("00"), s("00"), s("00"), s("00"), s("00") }));
    EXPECT_EQ(
        detailsRow(result, 2), QStringList({ s("3"), s("d2"), s("m2"), QString(), QString(), QString() }));
    EXPECT_EQ(
        resultsRow(result, 3), QStringList({ s("4"), s("01"), s("02"), s("03"), s("00"), s("00"), s("00") }));
    // The three lines with missing numbers read 0, which lies outside 1..45.
    EXPECT_EQ(result.outOfRangeLines, 3);
    EXPECT_EQ(result.counts.drawn[1], 2);
    EXPECT_EQ(result.counts.since[1], 0);
    EXPECT_EQ(result.counts.since[4], 3);
    EXPECT_EQ(result.counts.recordDrawn, 2); // the zeros are not counted anywhere
}

TEST(ResultsLoad, NumbersOutsideTheRangeAreShownButNotCounted)
{
    const LoadResult result = load({ s("1 - - - 150 -3 0"), s("2 - - - 1 2 3"), s("3 - - - 0x2 007 +4"),
                                       s("4 - - - abc 5 99999999999") },
        lottery(1, 45, 3));
    ASSERT_EQ(result.drawCount(), 4);
    EXPECT_EQ(resultsRow(result, 0), QStringList({ s("1"), s("150"), s("-3"), s("00") }));
    EXPECT_EQ(resultsRow(result, 2), QStringList({ s("3"), s("02"), s("07"), s("04") }));
    EXPECT_EQ(resultsRow(result, 3), QStringList({ s("4"), s("00"), s("05"), s("00") }));
    EXPECT_EQ(result.outOfRangeLines, 2);
    EXPECT_EQ(result.counts.drawn[2], 2);
    EXPECT_EQ(result.counts.drawn[7], 1);
    EXPECT_EQ(result.counts.drawn[5], 1);
    EXPECT_EQ(result.counts.recordDrawn, 2);
    EXPECT_EQ(result.counts.recordGap, 3); // 5 after draws 1..3 without it

    // With 0 inside the range a missing number is counted as 0.
    const LoadResult withZero = load({ s("1 - - - 0 1"), QString() }, lottery(0, 5, 2));
    EXPECT_EQ(withZero.outOfRangeLines, 0);
    EXPECT_EQ(withZero.counts.drawn[0], 3);
    EXPECT_EQ(withZero.counts.since[1], 1);
}

TEST(ResultsLoad, EveryLineEndCountsOneLine)
{
    const LotteryDefinition d = lottery(1, 5, 1);
    EXPECT_EQ(loadDraws(s("1 - - - 1\r2 - - - 2\n3 - - - 3\r\n"), d, {}).totalLines, 3);
    EXPECT_EQ(loadDraws(s("1 - - - 1\r\n4 - - - 4"), d, {}).totalLines, 2);
    // A blank line before the end is a line and a draw.
    const LoadResult blank = loadDraws(s("1 - - - 1\r\n\r\n"), d, {});
    EXPECT_EQ(blank.totalLines, 2);
    EXPECT_EQ(blank.drawCount(), 2);
    EXPECT_EQ(loadDraws(QString(), d, {}).totalLines, 0);
}

// --- Filters -------------------------------------------------------------------------

TEST(ResultsLoad, MachineAndBallSetFiltersAloneAndTogether)
{
    const LotteryDefinition d = lottery(1, 45, 6, 1);
    DrawFilter filter;
    filter.machine = true;
    filter.machineText = s("1");
    EXPECT_EQ(drawNumbers(load(kThreeDraws, d, filter)), QStringList({ s("1"), s("3") }));
    filter.ballSet = true;
    filter.ballSetText = s("1");
    EXPECT_EQ(drawNumbers(load(kThreeDraws, d, filter)), QStringList({ s("1") }));
    filter.machine = false;
    EXPECT_EQ(drawNumbers(load(kThreeDraws, d, filter)), QStringList({ s("1"), s("2") }));

    // An unticked box ignores its text; a ticked one with an empty choice keeps nothing.
    DrawFilter unticked;
    unticked.machineText = s("9");
    EXPECT_EQ(load(kThreeDraws, d, unticked).drawCount(), 3);
    DrawFilter empty;
    empty.machine = true;
    const LoadResult none = load(kThreeDraws, d, empty);
    EXPECT_EQ(none.drawCount(), 0);
    EXPECT_EQ(none.totalLines, 3);
    EXPECT_EQ(none.counts.since[1], 0);
}

TEST(ResultsLoad, FilterNamesAreCaseSensitive)
{
    const QStringList lines = { s("1 - Альфа x 1"), s("2 - альфа x 2") };
    DrawFilter filter;
    filter.machine = true;
    filter.machineText = s("Альфа");
    EXPECT_EQ(drawNumbers(load(lines, lottery(1, 5, 1), filter)), QStringList({ s("1") }));
}

TEST(ResultsLoad, LastDrawsKeepsTheLastLinesBeforeTheOtherFilters)
{
    const LotteryDefinition d = lottery(1, 45, 6, 1);
    EXPECT_EQ(drawNumbers(load(kThreeDraws, d, lastDraws("2"))), QStringList({ s("2"), s("3") }));
    DrawFilter withMachine = lastDraws("2");
    withMachine.machine = true;
    withMachine.machineText = s("1");
    EXPECT_EQ(drawNumbers(load(kThreeDraws, d, withMachine)), QStringList({ s("3") }));

    EXPECT_EQ(load(kThreeDraws, d, lastDraws("0")).drawCount(), 3);
    EXPECT_EQ(load(kThreeDraws, d, lastDraws("")).drawCount(), 3);
    EXPECT_EQ(load(kThreeDraws, d, lastDraws("x")).drawCount(), 3);
    EXPECT_EQ(load(kThreeDraws, d, lastDraws("3")).drawCount(), 3);
    EXPECT_EQ(load(kThreeDraws, d, lastDraws("1000")).drawCount(), 3);
    EXPECT_EQ(load(kThreeDraws, d, lastDraws("-1")).drawCount(), 0);
    EXPECT_EQ(load(kThreeDraws, d, lastDraws("-2147483648")).drawCount(), 0);

    DrawFilter unticked = lastDraws("1");
    unticked.lastDraws = false;
    EXPECT_EQ(load(kThreeDraws, d, unticked).drawCount(), 3);

    // The counters cover only the kept draws.
    const LoadResult last = load(kThreeDraws, d, lastDraws("1"));
    EXPECT_EQ(last.totalLines, 3);
    EXPECT_EQ(last.counts.drawn[1], 0);
    EXPECT_EQ(last.counts.since[1], 1);
    EXPECT_EQ(last.counts.recordGap, 0);
}

// --- Against a plain reading of the rules ----------------------------------------------

namespace {

struct Reference
{
    QStringList rows; // draw numbers
    std::vector<int> since, drawn;
    int recordGap = 0, recordDrawn = 0, outOfRange = 0;
};

// Every accepted draw adds one to since of every number, then resets the numbers it holds.
Reference referenceLoad(const QStringList &lines, const LotteryDefinition &d, const DrawFilter &f)
{
    const CharSet delims = fieldDelimiters();
    Reference ref;
    ref.since.assign(101, 0);
    ref.drawn.assign(101, 0);
    const int total = static_cast<int>(lines.size());
    int skip = 0;
    const int n = textToInt(f.lastDrawsText);
    if (f.lastDraws && n != 0 && static_cast<qint64>(total) - n > 0)
        skip = static_cast<int>(std::min<qint64>(static_cast<qint64>(total) - n, total));
    for (int i = skip; i < total; ++i) {
        const QString &line = lines[i];
        if (f.machine && extractField(3, line, delims) != f.machineText)
            continue;
        if (f.ballSet && extractField(4, line, delims) != f.ballSetText)
            continue;
        ref.rows.append(extractField(1, line, delims));
        for (int k = d.minNumber; k <= d.maxNumber; ++k)
            ++ref.since[k];
        bool outside = false;
        for (int j = 1; j <= d.drawNumber; ++j) {
            const int k = textToInt(removeSpaces(extractField(4 + j, line, delims)));
            if (k < d.minNumber || k > d.maxNumber) {
                outside = true;
                continue;
            }
            if (ref.since[k] > ref.recordGap)
                ref.recordGap = ref.since[k] - 1;
            ref.since[k] = 0;
            ref.recordDrawn = std::max(ref.recordDrawn, ++ref.drawn[k]);
        }
        ref.outOfRange += outside ? 1 : 0;
    }
    return ref;
}

QString randomLine(std::mt19937 &rng, int drawNumber)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    if (pick(0, 30) == 0)
        return QString();
    const QStringList separators = { s(","), s(" "), s(";"), s(", "), s(",,") };
    QStringList fields
        = { intToText(pick(1, 999)), s("01.01.2000"), pick(0, 1) ? s("A") : s("B"), intToText(pick(1, 3)) };
    const int count = pick(0, 8) == 0 ? pick(0, drawNumber + 1) : drawNumber + pick(0, 2);
    for (int j = 0; j < count; ++j) {
        const int roll = pick(0, 40);
        fields.append(roll == 0 ? s("150")
                : roll == 1     ? s("-3")
                : roll == 2     ? s("x")
                                : intToText(pick(1, 12)));
    }
    QString line = pick(0, 5) == 0 ? s(" ") : QString();
    for (int i = 0; i < fields.size(); ++i)
        line += (i ? separators[pick(0, 4)] : QString()) + fields[i];
    return line;
}

} // namespace

TEST(ResultsLoad, AgreesWithAPlainReadingOnRandomBases)
{
    std::mt19937 rng(20050101);
    const LotteryDefinition d = lottery(1, 12, 4, 1);
    for (int round = 0; round < 300; ++round) {
        QStringList lines;
        const int count = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int i = 0; i < count; ++i)
            lines.append(randomLine(rng, d.drawNumber));
        DrawFilter f;
        f.lastDraws = round % 3 == 0;
        f.lastDrawsText = intToText(std::uniform_int_distribution<int>(-3, 45)(rng));
        f.machine = round % 4 == 1;
        f.machineText = s("A");
        f.ballSet = round % 5 == 2;
        f.ballSetText = s("2");

        const LoadResult result = load(lines, d, f);
        const Reference ref = referenceLoad(lines, d, f);
        ASSERT_EQ(drawNumbers(result), ref.rows) << "round " << round;
        EXPECT_EQ(result.totalLines, count);
        EXPECT_EQ(result.outOfRangeLines, ref.outOfRange);
        EXPECT_EQ(result.counts.recordGap, ref.recordGap);
        EXPECT_EQ(result.counts.recordDrawn, ref.recordDrawn);
        for (int k = d.minNumber; k <= d.maxNumber; ++k) {
            ASSERT_EQ(result.counts.since[k], ref.since[k]) << "round " << round << " number " << k;
            ASSERT_EQ(result.counts.drawn[k], ref.drawn[k]) << "round " << round << " number " << k;
        }
    }
}

// --- Files, definitions and messages ---------------------------------------------------

namespace {

void writeConfig(const test::TempFolder &dir, const char *text)
{
    dir.writeBytes(ProgramFolder::configFileName(), textfile::encode(QString::fromUtf8(text)));
}

} // namespace

TEST(ResultsLoad, LotteryIsLoadedWithItsDefinitionAndSystems)
{
    test::TempFolder dir;
    writeConfig(dir,
        "[Лото]\r\nMaxNumber=45\r\nDrawNumber=6\r\nCountOfAddBall=1\r\nBaseFile=bases\\loto.lot\r\n"
        "[for 6 numbers]\r\nzeta=1\r\nalpha=1\r\n");
    dir.writeLines(s("bases/loto.lot"), kThreeDraws);
    const MessageCatalog messages;
    const LoadResult result = loadLottery(dir.folder(), s("Лото"), {}, messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.drawCount(), 3);
    EXPECT_EQ(result.definition.maxNumber, 45);
    EXPECT_EQ(result.systems, QStringList({ s("zeta"), s("alpha") }));
    EXPECT_EQ(result.basePath, QDir::cleanPath(dir.filePath(s("bases/loto.lot"))));
    EXPECT_EQ(loadStatusText(result, messages), s("Проанализировано 3 розыгрыша"));
}

TEST(ResultsLoad, MissingBaseLoadsEmptyAndIsNotCreated)
{
    test::TempFolder dir;
    writeConfig(dir, "[LotoType]\r\nЛото=1\r\n");
    const LoadResult result = loadLottery(dir.folder(), s("Лото"), {}, MessageCatalog());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.drawCount(), 0);
    EXPECT_EQ(result.totalLines, 0);
    EXPECT_EQ(result.definition.drawNumber, 6); // defaults: 6 of 1..80
    EXPECT_EQ(result.draws.resultsColumnCount(), 7);
    // A load creates nothing: the first draw added creates the base.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("default.lot"))));
    EXPECT_EQ(numberListTable(result).rowCount(), 80);

    // Nor outside the program folder, wherever BaseFile points.
    QDir(dir.path()).mkpath(s("home/inner"));
    const ProgramFolder inner(dir.filePath(s("home/inner")));
    writeConfig(dir, "[LotoType]\r\nЛото=1\r\n[Лото]\r\nBaseFile=..\\..\\outside.lot\r\n");
    QFile::copy(dir.filePath(s("kivora.INI")), inner.configPath());
    const LoadResult outside = loadLottery(inner, s("Лото"), {}, MessageCatalog());
    EXPECT_TRUE(outside.ok);
    EXPECT_EQ(outside.basePath, dir.filePath(s("outside.lot")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("outside.lot"))));
}

TEST(ResultsLoad, UnreadableBaseIsAnInputOutputError)
{
    test::TempFolder dir;
    writeConfig(dir, "[Лото]\r\nBaseFile=loto.lot\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir(s("loto.lot")));
    const LoadResult result = loadLottery(dir.folder(), s("Лото"), {}, MessageCatalog());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(s("Ошибка ввода-вывода: "))) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(s("loto.lot")));
    EXPECT_EQ(result.drawCount(), 0);

    // A base in a folder that does not exist could never be written: an error.
    writeConfig(dir, "[Лото]\r\nBaseFile=missing/loto.lot\r\n");
    const LoadResult uncreated = loadLottery(dir.folder(), s("Лото"), {}, MessageCatalog());
    EXPECT_FALSE(uncreated.ok);
    EXPECT_TRUE(uncreated.error.contains(s("missing")));

    // A device or a FIFO is no base: refused at once, by name, instead of read forever.
    writeConfig(dir, "[Лото]\r\nBaseFile=/dev/zero\r\n");
    const LoadResult device = loadLottery(dir.folder(), s("Лото"), {}, MessageCatalog());
    EXPECT_FALSE(device.ok);
    EXPECT_TRUE(device.error.contains(s("/dev/zero"))) << device.error.toStdString();
    const QString fifo = dir.filePath(s("fifo.lot"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    writeConfig(dir, "[Лото]\r\nBaseFile=fifo.lot\r\n");
    const LoadResult pipe = loadLottery(dir.folder(), s("Лото"), {}, MessageCatalog());
    EXPECT_FALSE(pipe.ok);
    EXPECT_TRUE(pipe.error.contains(s("fifo.lot")));
}

TEST(ResultsLoad, DefinitionOutsideTheLimitsIsRefusedAndNothingIsTouched)
{
    test::TempFolder dir;
    writeConfig(dir, "[Лото]\r\nMaxNumber=150\r\nBaseFile=loto.lot\r\n[for 6 numbers]\r\nx=1\r\n");
    const MessageCatalog messages;
    const LoadResult result = loadLottery(dir.folder(), s("Лото"), {}, messages);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, lotteries::validate(result.definition, messages));
    EXPECT_TRUE(result.error.contains(s("MaxNumber")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("loto.lot"))));
    EXPECT_TRUE(result.systems.isEmpty());
    EXPECT_EQ(numberListTable(result).rowCount(), 0);
}

TEST(ResultsLoad, StatusTextNamesLinesWithNumbersOutsideTheRange)
{
    const MessageCatalog messages;
    const LoadResult result
        = load({ s("1 - - - 1 2"), s("2 - - - 1 99"), s("3 - - - 0 1") }, lottery(1, 5, 2));
    EXPECT_EQ(loadStatusText(result, messages),
        s("Проанализировано 3 розыгрыша; строк с номерами вне диапазона: 2"));
}

TEST(ResultsLoad, ProgressCoversTheTextThenTheNumbers)
{
    QStringList lines;
    for (int i = 0; i < 40000; ++i)
        lines.append(intToText(i) + s(",-,-,-,") + intToText(1 + i % 45));
    for (const DrawFilter &filter : { DrawFilter(), lastDraws("20000") }) {
        std::vector<std::array<int, 3>> calls;
        const Progress progress = [&](int lo, int hi, int position) {
            calls.push_back({ lo, hi, position });
        };
        const LoadResult result = loadDraws(textfile::joinLines(lines), lottery(1, 45, 1), filter, progress);
        EXPECT_EQ(result.totalLines, 40000);

        // Reading: thousandths of the text, rising, ending full; then one call a number.
        std::vector<std::array<int, 3>> reading(calls.begin(), calls.end() - 45);
        std::vector<std::array<int, 3>> numbers(calls.end() - 45, calls.end());
        ASSERT_GE(reading.size(), 3u);
        for (size_t i = 0; i < reading.size(); ++i) {
            EXPECT_EQ(reading[i][1], 1000);
            if (i > 0) {
                EXPECT_LT(reading[i - 1][2], reading[i][2]);
            }
        }
        EXPECT_EQ(reading.back()[2], 1000); // the indicator is emptied
        EXPECT_EQ(numbers.front(), (std::array<int, 3> { 0, 45, 1 }));
        EXPECT_EQ(numbers.back(), (std::array<int, 3> { 0, 45, 45 }));
    }
}

TEST(ResultsLoad, SampleKenoBase)
{
    const LoadResult result
        = loadBase(test::sampleFile(s("keno20x80.lot")), lottery(1, 80, 20), {}, MessageCatalog());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.drawCount(), 10114);
    EXPECT_EQ(result.totalLines, 10114);
    EXPECT_EQ(result.outOfRangeLines, 0);
    int sum = 0;
    for (int n = 1; n <= 80; ++n) {
        sum += result.counts.drawn[n];
        EXPECT_LT(result.counts.since[n], 100);
    }
    EXPECT_EQ(sum, 20 * 10114);
}

// The widest draw number is known from the rows as they were read: the first of the
// longest, none without rows.
TEST(ResultsLoad, TheWidestDrawNumberIsTheFirstOfTheLongest)
{
    DrawTable draws(2, 0);
    EXPECT_EQ(draws.widestDrawNumberText(), QString());
    const int numbers[2] = { 1, 2 };
    for (const char *text : { "7", "123", "", "99999", "12345", "8" }) {
        const QString number = QString::fromLatin1(text);
        const QStringView fields[1] = { number };
        draws.appendRow(fields, 1, numbers);
    }
    EXPECT_EQ(draws.widestDrawNumberText(), QStringLiteral("99999"));
    draws.appendRow(nullptr, 0, numbers);
    EXPECT_EQ(draws.widestDrawNumberText(), QStringLiteral("99999"));
}
