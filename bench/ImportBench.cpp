// Importing an operator's file of a million rows into an empty base, against loading
// the base it makes (target: at most three times the time and the peak memory), and
// the preview of a 5 MB file (target: under 300 ms).

#include "BenchMemory.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"
#include "results/import/ImportFile.h"
#include "results/import/ImportMerge.h"
#include "results/import/ImportPlan.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

using namespace kivora;
using kivora::bench::peakMemoryMb;
using kivora::bench::resetPeakMemory;

namespace {

LotteryDefinition megaMillions()
{
    LotteryDefinition d;
    d.name = QStringLiteral("Mega Millions");
    d.minNumber = 1;
    d.maxNumber = 70;
    d.drawNumber = 5;
    d.countOfAddBall = 1;
    d.minnumberOfAddBall = 1;
    d.maxnumberOfAddBall = 25;
    return d;
}

// A New York style file: "Draw Date,Winning Numbers,Mega Ball,Multiplier", newest
// first, rows draws.
QByteArray operatorCsv(int draws)
{
    std::mt19937 rng(2020);
    std::array<int, 70> balls {};
    std::iota(balls.begin(), balls.end(), 1);
    QByteArray text("Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n");
    text.reserve(static_cast<qsizetype>(draws) * 40);
    const QDate start(1900, 1, 1);
    for (int i = draws - 1; i >= 0; --i) {
        for (int j = 0; j < 5; ++j)
            std::swap(balls[static_cast<size_t>(j)], balls[static_cast<size_t>(j) + rng() % (70 - j)]);
        text += start.addDays(i).toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ',';
        for (int j = 0; j < 5; ++j) {
            if (j > 0)
                text += ' ';
            text += QByteArray::number(balls[static_cast<size_t>(j)]).rightJustified(2, '0');
        }
        text += ',' + QByteArray::number(1 + static_cast<int>(rng() % 25)).rightJustified(2, '0') + ','
            + QByteArray::number(2 + static_cast<int>(rng() % 4)) + "\r\n";
    }
    return text;
}

struct BenchFiles
{
    QTemporaryDir dir;

    BenchFiles()
    {
        (void)textfile::writeBytes(csvPath(), operatorCsv(1000000));
        // About 5 MB: the size of a long operator's archive.
        (void)textfile::writeBytes(previewPath(), operatorCsv(165000));
        importInto(basePath());
    }

    QString csvPath() const { return dir.filePath(QStringLiteral("megamillions.csv")); }
    QString previewPath() const { return dir.filePath(QStringLiteral("preview.csv")); }
    QString basePath() const { return dir.filePath(QStringLiteral("imported.lot")); }
    QString scratchPath() const { return dir.filePath(QStringLiteral("scratch.lot")); }

    // The whole import into an empty base: read, detect, read the rows, plan, write.
    int importInto(const QString &base) const
    {
        QFile::remove(base);
        const MessageCatalog messages;
        const ImportFileRead read = readImportFile(csvPath(), megaMillions(), {}, messages);
        const MergePlan plan = planMerge(DrawTable(5, 1), read.read.draws);
        writeMerge(base, plan, read.read.draws, megaMillions(), messages);
        return plan.fresh;
    }
};

const BenchFiles &benchFiles()
{
    static const BenchFiles files;
    return files;
}

void BM_ImportMillionIntoEmptyBase(benchmark::State &state)
{
    const BenchFiles &files = benchFiles();
    resetPeakMemory();
    int draws = 0;
    for (auto _ : state)
        draws = files.importInto(files.scratchPath());
    state.counters["draws"] = draws;
    state.counters["peak_MB"] = peakMemoryMb();
}

void BM_LoadImportedMillion(benchmark::State &state)
{
    const BenchFiles &files = benchFiles();
    const MessageCatalog messages;
    resetPeakMemory();
    int draws = 0;
    for (auto _ : state) {
        const LoadResult result = loadBase(files.basePath(), megaMillions(), {}, messages);
        draws = result.drawCount();
        benchmark::DoNotOptimize(result.counts.recordGap);
    }
    state.counters["draws"] = draws;
    state.counters["peak_MB"] = peakMemoryMb();
}

// What the window shows first: the file read, its layout and mapping found, the
// first rows cut.
void BM_Preview5MB(benchmark::State &state)
{
    const BenchFiles &files = benchFiles();
    const MessageCatalog messages;
    int rows = 0;
    for (auto _ : state) {
        const ImportSource source = readImportSource(files.previewPath(), messages);
        const DetectResult detected = detectImportFormat(source, megaMillions(), {}, messages);
        rows = static_cast<int>(detected.sample.size());
        benchmark::DoNotOptimize(detected.format.columns.date);
    }
    state.counters["rows"] = rows;
    state.counters["MB"] = static_cast<double>(QFile(files.previewPath()).size()) / (1024 * 1024);
}

// What the preview dialog does before it is shown: the file read once, every row
// read and the merge into a base of a thousand draws planned.
void BM_PreviewPlan5MB(benchmark::State &state)
{
    const BenchFiles &files = benchFiles();
    const MessageCatalog messages;
    // The first thousand draws of the imported base.
    QFile imported(files.basePath());
    (void)imported.open(QIODevice::ReadOnly);
    QByteArray head;
    for (int row = 0; row < 1000 && !imported.atEnd(); ++row)
        head += imported.readLine();
    const QString thousandPath = files.dir.filePath(QStringLiteral("thousand.lot"));
    (void)textfile::writeBytes(thousandPath, head);
    const LoadResult base = loadBase(thousandPath, megaMillions(), {}, messages);
    const DrawTable &thousand = base.draws;
    int fresh = 0;
    for (auto _ : state) {
        Outcome<QByteArray> bytes = textfile::readBytes(files.previewPath());
        const PlannedImport planned = planImportBytes(std::move(bytes).value(), files.previewPath(),
            megaMillions(), {}, { thousand, thousand.rowCount(), true }, messages);
        fresh = planned.plan.fresh;
        benchmark::DoNotOptimize(planned.plan.baseAfter);
    }
    state.counters["new"] = fresh;
}

} // namespace

BENCHMARK(BM_ImportMillionIntoEmptyBase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadImportedMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Preview5MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPlan5MB)->Unit(benchmark::kMillisecond);
