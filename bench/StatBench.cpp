// Pair, triple and quadruple statistics of the Keno base (10,114 draws of 20 from
// 1..80) on one thread and on two, and the plain "every candidate against every draw"
// scan for comparison; the long-base statistics of a million draws.

#include "BenchData.h"
#include "core/CharSet.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TextFields.h"
#include "results/DrawTable.h"
#include "results/ResultsLoad.h"
#include "statistics/CombinationStats.h"
#include "statistics/PositionStats.h"
#include "statistics/TensStats.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

using namespace kivora;

namespace {

constexpr int kKenoDraw = 20;

// Just enough of a results base reader for the benchmark: fields split at spaces,
// commas and semicolons, fields 5..24 are the numbers.
DrawTable readKeno(int maxDraws = -1)
{
    DrawTable table(kKenoDraw, 0);
    QFile file(QStringLiteral(KIVORA_SAMPLE_DATA "/keno20x80.lot"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    std::vector<int> numbers(kKenoDraw);
    for (const QString &raw : lines) {
        if (maxDraws >= 0 && table.rowCount() >= maxDraws)
            break;
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = splitFields(line, fieldDelimiters());
        std::vector<QStringView> texts;
        for (int i = 0; i < 4; ++i)
            texts.push_back(i < fields.size() ? QStringView(fields[i]) : QStringView());
        for (int j = 0; j < kKenoDraw; ++j)
            numbers[static_cast<size_t>(j)] = 4 + j < fields.size() ? textToInt(fields[4 + j]) : 0;
        table.appendRow(texts.data(), static_cast<int>(texts.size()), numbers.data());
    }
    return table;
}

const DrawTable &keno()
{
    static const DrawTable table = readKeno();
    return table;
}

LotteryDefinition kenoLottery()
{
    LotteryDefinition definition;
    definition.minNumber = 1;
    definition.maxNumber = 80;
    definition.drawNumber = kKenoDraw;
    return definition;
}

// All k-number combinations on one thread, then on two: real time, since the work of
// the second thread is not in the calling thread's CPU time.
void BM_KenoAll(benchmark::State &state)
{
    const int k = static_cast<int>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    const DrawTable &draws = keno();
    const LotteryDefinition definition = kenoLottery();
    const MessageCatalog messages;
    size_t rows = 0;
    for (auto _ : state) {
        const StatTable table = combinationStats(draws, definition, k, Family::All, messages, {}, threads);
        rows = table.rows.size();
        benchmark::DoNotOptimize(table.rows.data());
    }
    state.counters["draws"] = draws.rowCount();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_KenoAll)
    ->ArgsProduct({ { 2, 3, 4 }, { 1, 2 } })
    ->ArgNames({ "k", "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_KenoRelated(benchmark::State &state)
{
    const int k = static_cast<int>(state.range(0));
    const DrawTable &draws = keno();
    const LotteryDefinition definition = kenoLottery();
    const MessageCatalog messages;
    for (auto _ : state) {
        const StatTable table = combinationStats(draws, definition, k, Family::Related, messages);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(BM_KenoRelated)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// The reference: the straightforward scan, every combination tested against every
// draw cell by cell, on one thread. All of the base would take minutes, so it runs over
// the first `draws` draws, and "whole_base_s" scales its time linearly (the scan's cost
// grows with the draws; the listing of the rows, a small fixed part, is scaled too,
// which flatters the reference a little). Cases of 200 and 400 draws show the scale.
void BM_KenoReferenceScan(benchmark::State &state)
{
    const int k = static_cast<int>(state.range(0));
    const int drawCount = static_cast<int>(state.range(1));
    const DrawTable draws = readKeno(drawCount);
    const int wholeBase = keno().rowCount();
    std::vector<std::vector<int>> cells(static_cast<size_t>(draws.rowCount()));
    for (int r = 0; r < draws.rowCount(); ++r)
        cells[static_cast<size_t>(r)].assign(draws.numbers(r), draws.numbers(r) + kKenoDraw);

    auto holds = [&](int r, const int *combination) {
        const std::vector<int> &row = cells[static_cast<size_t>(r)];
        for (int i = 0; i < k; ++i) {
            bool found = false;
            for (int c = 0; c < kKenoDraw && !found; ++c)
                found = row[static_cast<size_t>(c)] == combination[i];
            if (!found)
                return false;
        }
        return true;
    };
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::vector<StatRow> rows;
        int record = 0;
        int top = 0;
        int combination[4] = { 1, 2, 3, 4 };
        // every k-set of 1..80 in ascending order
        for (;;) {
            int since = 0;
            int drawn = 0;
            for (int r = 0; r < draws.rowCount(); ++r) {
                if (holds(r, combination)) {
                    ++drawn;
                    since = 0;
                    top = std::max(top, drawn);
                } else {
                    ++since;
                    record = std::max(record, since);
                }
            }
            rows.push_back({ StatTable::numbersKey(combination, k), since, drawn });
            int i = k - 1;
            while (i >= 0 && combination[i] == 80 - (k - 1 - i))
                --i;
            if (i < 0)
                break;
            ++combination[i];
            for (int j = i + 1; j < k; ++j)
                combination[j] = combination[j - 1] + 1;
        }
        benchmark::DoNotOptimize(rows.data());
        benchmark::DoNotOptimize(record + top);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["draws"] = draws.rowCount();
    state.counters["whole_base_s"]
        = seconds / static_cast<double>(state.iterations()) * wholeBase / draws.rowCount();
}
BENCHMARK(BM_KenoReferenceScan)
    ->Args({ 2, 200 })
    ->Args({ 3, 200 })
    ->Args({ 4, 200 })
    ->Args({ 4, 400 })
    ->ArgNames({ "k", "draws" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

namespace {

// The view's first sort of all quadruples: since, descending, ties in row order.
void BM_KenoQuadruplesSort(benchmark::State &state)
{
    const MessageCatalog messages;
    const StatTable table = combinationStats(keno(), kenoLottery(), 4, Family::All, messages);
    for (auto _ : state) {
        const std::vector<int> order = sortedOrder(table, table.initialSort);
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(BM_KenoQuadruplesSort)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// A million draws of 20 of 1..80 (the generated base of the load benchmarks).
const DrawTable &million()
{
    static const DrawTable table = loadDraws(bench::millionDraws(), kenoLottery(), DrawFilter()).draws;
    return table;
}

// Positions, groups of ten and related quadruples of a million draws, on one thread
// and on two.
void BM_MillionPosition(benchmark::State &state)
{
    const int threads = static_cast<int>(state.range(0));
    const DrawTable &draws = million();
    for (auto _ : state) {
        const StatTable table
            = positionStats(draws, kenoLottery(), 10, PositionOrder::Ascending, QString(), {}, threads);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(BM_MillionPosition)
    ->Arg(1)
    ->Arg(2)
    ->ArgNames({ "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_MillionTens(benchmark::State &state)
{
    const int threads = static_cast<int>(state.range(0));
    const DrawTable &draws = million();
    for (auto _ : state) {
        const StatTable table = tensStats(draws, kenoLottery(), 4, QString(), {}, threads);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(BM_MillionTens)
    ->Arg(1)
    ->Arg(2)
    ->ArgNames({ "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_MillionRelated(benchmark::State &state)
{
    const int threads = static_cast<int>(state.range(0));
    const DrawTable &draws = million();
    const MessageCatalog messages;
    for (auto _ : state) {
        const StatTable table
            = combinationStats(draws, kenoLottery(), 4, Family::Related, messages, {}, threads);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(BM_MillionRelated)
    ->Arg(1)
    ->Arg(2)
    ->ArgNames({ "threads" })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
