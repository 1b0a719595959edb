// The HTML export of all quadruples of the Keno sample (1,581,580 rows, about 220 MB),
// written as the window writes it: each row's cells go straight into the output
// buffer, which is written a large piece at a time. Reports the output rate
// (bytes_per_second), the file's size and the peak memory of the export. Target: at
// least 200 MB/s, under 150 MB.

#include "BenchMemory.h"
#include "core/MessageCatalog.h"
#include "reports/HtmlExport.h"
#include "results/ResultsLoad.h"
#include "statistics/CombinationStats.h"
#include "statistics/StatTable.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

using namespace kivora;
using kivora::bench::peakMemoryMb;
using kivora::bench::resetPeakMemory;

namespace {

std::shared_ptr<const StatTable> kenoQuadruples()
{
    static const std::shared_ptr<const StatTable> table = [] {
        LotteryDefinition keno;
        keno.name = QStringLiteral("Кено");
        keno.minNumber = 1;
        keno.maxNumber = 80;
        keno.drawNumber = 20;
        const MessageCatalog messages;
        const LoadResult load
            = loadBase(QDir(QStringLiteral(KIVORA_SAMPLE_DATA)).filePath(QStringLiteral("keno20x80.lot")),
                keno, {}, messages);
        auto stats
            = std::make_shared<StatTable>(combinationStats(load.draws, keno, 4, Family::All, messages));
        return std::shared_ptr<const StatTable>(std::move(stats));
    }();
    return table;
}

void BM_HtmlExportKenoQuadruples(benchmark::State &state)
{
    const auto table = kenoQuadruples();
    const int rows = table->rowCount();
    const QStringList captions { QStringLiteral("Номера"), QStringLiteral("Не выпадали"),
        QStringLiteral("Выпадали") };
    const QString heading = htmlHeading(QStringLiteral("Кено"), QStringLiteral("Четвёрки номеров"),
        QStringLiteral("Проанализировано 10114 розыгрышей"));
    // Where the benchmark runs, or KIVORA_BENCH_DIR (a disk rather than a tmpfs).
    QTemporaryDir dir(qEnvironmentVariableIsEmpty("KIVORA_BENCH_DIR")
            ? QDir::tempPath() + QStringLiteral("/kivora-export-XXXXXX")
            : qEnvironmentVariable("KIVORA_BENCH_DIR") + QStringLiteral("/kivora-export-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("quadruples.htm"));
    resetPeakMemory();
    qint64 bytes = 0;
    for (auto _ : state) {
        const Done written = writeHtmlTable(
            path, captions, rows,
            [&table](int row, HtmlRowCells &cells) { statRowCells(*table, row, cells); }, heading,
            htmlFooter());
        if (!written) {
            state.SkipWithError(written.failure().text.toUtf8().constData());
            return;
        }
        bytes = QFileInfo(path).size();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rows"] = rows;
    state.counters["file_MB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["peak_MB"] = peakMemoryMb();
}
// CPU time of the whole process (both threads of the export); the rate is per CPU
// second, Time is the wall time (which on a shared machine also counts waiting).
BENCHMARK(BM_HtmlExportKenoQuadruples)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
// The same with the rate per wall-clock second.
BENCHMARK(BM_HtmlExportKenoQuadruples)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
