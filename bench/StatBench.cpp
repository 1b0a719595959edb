// Pair, triple and quadruple statistics of the Keno base (10,114 draws of 20 from
// 1..80), and the plain "every candidate against every draw" scan for comparison.

#include "core/CharSet.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TextFields.h"
#include "results/DrawTable.h"
#include "statistics/CombinationStats.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

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

// The plain scan over the first 200 draws; its cost grows with the draws, so the
// "whole_base_s" counter scales it to the whole base.
void BM_KenoPlainScan200(benchmark::State &state)
{
    const int k = static_cast<int>(state.range(0));
    static const DrawTable draws = readKeno(200);
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
    for (auto _ : state) {
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
    }
    // one iteration: its time times wholeBase / 200
    state.counters["whole_base_s"] = benchmark::Counter(static_cast<double>(draws.rowCount()) / wholeBase,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_KenoPlainScan200)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

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
