// The analyses over the shipped bases: ticket filters over a system of 38,760 tickets,
// the walk-forward back-test and the randomness report over the Keno sample.

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "forecast/Backtest.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "play/TicketFilters.h"
#include "results/ResultsLoad.h"
#include "statistics/ChartData.h"
#include "statistics/RandomnessTests.h"

#include <QDir>
#include <benchmark/benchmark.h>

#include <array>

using namespace kivora;

namespace {

// A shipped lottery with its sample base, loaded once.
struct Sample
{
    LotteryDefinition definition;
    DrawTable draws;

    explicit Sample(const QString &lottery)
    {
        const QDir data(QStringLiteral(KIVORA_SAMPLE_DATA));
        const IniDocument ini = IniFile(data.filePath(QStringLiteral("kivora.INI"))).load();
        definition = lotteries::readDefinition(ini, lottery);
        const LoadResult load
            = loadBase(data.filePath(definition.baseFile), definition, DrawFilter(), MessageCatalog());
        draws = load.draws;
    }
};

const Sample &keno()
{
    static const Sample sample(QString::fromUtf8("Кено (20 из 80)"));
    return sample;
}

const Sample &sixOf45()
{
    static const Sample sample(QString::fromUtf8("6 из 45"));
    return sample;
}

// Every 6 of 20 marked numbers of 6 of 45: 38,760 tickets.
const CombinationList &sixOfTwenty()
{
    static const CombinationList list = [] {
        QString text;
        std::array<int, 6> c = { 1, 2, 3, 4, 5, 6 };
        for (;;) {
            for (int i = 0; i < 6; ++i)
                text += QString::number(c[static_cast<size_t>(i)])
                    + (i < 5 ? QStringLiteral(" ") : QStringLiteral("\r\n"));
            int i = 5;
            while (i >= 0 && c[static_cast<size_t>(i)] == 20 - 5 + i)
                --i;
            if (i < 0)
                break;
            ++c[static_cast<size_t>(i)];
            for (int j = i + 1; j < 6; ++j)
                c[static_cast<size_t>(j)] = c[static_cast<size_t>(j - 1)] + 1;
        }
        QStringList marked;
        for (int n : { 2, 4, 7, 9, 11, 12, 15, 18, 21, 23, 24, 27, 30, 31, 33, 36, 38, 40, 43, 45 })
            marked.append(twoDigits(n));
        return expandSystem(SystemTemplate::parse(text), marked);
    }();
    return list;
}

// Every filter on, over the list, the past draws of the 6 of 45 sample included.
void BM_FilterTickets(benchmark::State &state)
{
    const CombinationList &full = sixOfTwenty();
    const Sample &six = sixOf45();
    TicketFilters filters;
    filters.sum = { true, 100, 180 };
    filters.odd = { true, 2, 4 };
    filters.low = { true, 2, 4 };
    filters.run = { true, 1, 2 };
    filters.tenOn = true;
    filters.tenMost = 3;
    filters.notPastDraw = true;
    int kept = 0;
    for (auto _ : state) {
        CombinationList list = full;
        const PastDraws past(six.draws);
        const FilterOutcome outcome = filterCombinations(&list, filters, six.definition, past);
        kept = outcome.after;
        benchmark::DoNotOptimize(list);
    }
    if (full.rowCount() != 38760)
        state.SkipWithError("wrong ticket count");
    state.counters["tickets"] = full.rowCount();
    state.counters["kept"] = kept;
}
BENCHMARK(BM_FilterTickets)->Unit(benchmark::kMillisecond);

// One pick per Keno draw, each from the draws before it.
void BM_BacktestKeno(benchmark::State &state)
{
    const Sample &sample = keno();
    backtest::Options options;
    options.method = static_cast<backtest::Method>(state.range(0));
    int picks = 0;
    for (auto _ : state) {
        const backtest::Result result = backtest::run(sample.draws, sample.definition, options);
        picks = result.tally.picks;
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(backtest::methodKey(options.method).toStdString());
    state.counters["draws"] = sample.draws.rowCount();
    state.counters["picks"] = picks;
}
BENCHMARK(BM_BacktestKeno)
    ->Arg(static_cast<int>(backtest::Method::ForecastNumbers))
    ->Arg(static_cast<int>(backtest::Method::ForecastPairs))
    ->Arg(static_cast<int>(backtest::Method::Frequent))
    ->Arg(static_cast<int>(backtest::Method::Absent))
    ->Arg(static_cast<int>(backtest::Method::Random))
    ->Unit(benchmark::kMillisecond);

void BM_RandomnessKeno(benchmark::State &state)
{
    const Sample &sample = keno();
    for (auto _ : state) {
        const RandomnessReport report = testRandomness(sample.draws, sample.definition);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_RandomnessKeno)->Unit(benchmark::kMillisecond);

// The three chart series of one number over the Keno sample.
void BM_ChartDataKeno(benchmark::State &state)
{
    const Sample &sample = keno();
    for (auto _ : state) {
        benchmark::DoNotOptimize(frequencyChart(sample.draws, sample.definition));
        benchmark::DoNotOptimize(gapHistory(sample.draws, sample.definition, 7));
        benchmark::DoNotOptimize(movingHits(sample.draws, sample.definition, HitTarget::pair(7, 8), 100));
    }
}
BENCHMARK(BM_ChartDataKeno)->Unit(benchmark::kMillisecond);

} // namespace
