// The load of a results base against the plainest possible reading of the same file
// (read the lines, split every line into fields). The load should cost no more than
// three times that reading.

#include "BenchData.h"
#include "BenchMemory.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFields.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"

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
using kivora::bench::millionDraws;
using kivora::bench::peakMemoryMb;
using kivora::bench::resetPeakMemory;

namespace {

const QString kKeno = QStringLiteral("Кено");
const QString kMillion = QStringLiteral("Миллион");

// A program folder with the two lotteries, made once for every case.
struct BenchFolder
{
    QTemporaryDir dir;

    BenchFolder()
    {
        const QString lottery
            = QStringLiteral("MinNumber=1\r\nMaxNumber=80\r\nDrawNumber=20\r\nCountOfAddBall=0\r\n");
        const QString config = QStringLiteral("[LotoType]\r\n") + kKeno + QStringLiteral("=1\r\n") + kMillion
            + QStringLiteral("=1\r\n[") + kKeno + QStringLiteral("]\r\n") + lottery
            + QStringLiteral("BaseFile=keno20x80.lot\r\n[") + kMillion + QStringLiteral("]\r\n") + lottery
            + QStringLiteral("BaseFile=million.lot\r\n");
        (void)textfile::writeText(folder().configPath(), config);
        QFile::copy(QDir(QStringLiteral(KIVORA_SAMPLE_DATA)).filePath(QStringLiteral("keno20x80.lot")),
            folder().filePath(QStringLiteral("keno20x80.lot")));
        (void)textfile::writeText(folder().filePath(QStringLiteral("million.lot")), millionDraws());
    }

    ProgramFolder folder() const { return ProgramFolder(dir.path()); }
    QString basePath(const QString &name) const
    {
        return folder().filePath(
            name == kKeno ? QStringLiteral("keno20x80.lot") : QStringLiteral("million.lot"));
    }
};

const BenchFolder &benchFolder()
{
    static const BenchFolder folder;
    return folder;
}

void load(benchmark::State &state, const QString &lottery)
{
    const BenchFolder &folder = benchFolder();
    const MessageCatalog messages;
    resetPeakMemory();
    int draws = 0;
    for (auto _ : state) {
        const LoadResult result = loadLottery(folder.folder(), lottery, {}, messages);
        draws = result.drawCount();
        benchmark::DoNotOptimize(result.counts.recordGap);
    }
    state.counters["draws"] = draws;
    state.counters["peak_MB"] = peakMemoryMb();
}

void readAndSplit(benchmark::State &state, const QString &lottery)
{
    const QString path = benchFolder().basePath(lottery);
    resetPeakMemory();
    qsizetype fields = 0;
    for (auto _ : state) {
        const QStringList lines = textfile::readLines(path).value();
        fields = 0;
        for (const QString &line : lines)
            fields += splitFields(line, fieldDelimiters()).size();
        benchmark::DoNotOptimize(fields);
    }
    state.counters["fields"] = static_cast<double>(fields);
    state.counters["peak_MB"] = peakMemoryMb();
}

void BM_LoadKeno(benchmark::State &state)
{
    load(state, kKeno);
}
void BM_ReadAndSplitKeno(benchmark::State &state)
{
    readAndSplit(state, kKeno);
}
void BM_LoadMillion(benchmark::State &state)
{
    load(state, kMillion);
}
void BM_ReadAndSplitMillion(benchmark::State &state)
{
    readAndSplit(state, kMillion);
}

} // namespace

BENCHMARK(BM_LoadKeno)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndSplitKeno)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMillion)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadAndSplitMillion)->Unit(benchmark::kMillisecond)->Iterations(3);
