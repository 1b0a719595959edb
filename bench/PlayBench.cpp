// Play by system on the largest templates: every 6 of 20 marked numbers is 38,760
// combinations, and the list is expanded again after each mark.

#include "core/IniDocument.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "play/CombinationCheck.h"
#include "play/CombinationFile.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "play/Systems.h"
#include "results/DrawTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>

using namespace kivora;

namespace {

// A program folder with System/full6of20.ltt and a configuration naming it.
struct SixOfTwenty
{
    QTemporaryDir dir;
    IniDocument ini;
    LotteryDefinition lottery;
    QStringList marked;
    QString systemName = QStringLiteral("20 numbers");

    SixOfTwenty()
    {
        QDir(dir.path()).mkpath(QStringLiteral("System"));
        QString text = QStringLiteral("; every 6 of 20\r\n");
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
        (void)textfile::writeText(folder().filePath(QStringLiteral("System/full6of20.ltt")), text);
        ini.writeString(QStringLiteral("for 6 numbers"), systemName, QStringLiteral("full6of20.ltt"));
        lottery.drawNumber = 6;
        for (int n = 20; n >= 1; --n)
            marked.append(twoDigits(n));
    }

    ProgramFolder folder() const { return ProgramFolder(dir.path()); }
};

SixOfTwenty &fixture()
{
    static SixOfTwenty data;
    return data;
}

// The first expansion of a system: the template is read and parsed.
void BM_ExpandParsing(benchmark::State &state)
{
    SixOfTwenty &f = fixture();
    const MessageCatalog messages;
    for (auto _ : state) {
        TemplateCache cache;
        SystemExpansion e
            = expandCurrentSystem(cache, f.ini, f.lottery, f.systemName, f.folder(), f.marked, messages);
        if (e.list.rowCount() != 38760)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_ExpandParsing)->Unit(benchmark::kMillisecond);

// Every later expansion (a mark changed): the cached template is reused.
void BM_ExpandCached(benchmark::State &state)
{
    SixOfTwenty &f = fixture();
    const MessageCatalog messages;
    TemplateCache cache;
    expandCurrentSystem(cache, f.ini, f.lottery, f.systemName, f.folder(), f.marked, messages);
    for (auto _ : state) {
        SystemExpansion e
            = expandCurrentSystem(cache, f.ini, f.lottery, f.systemName, f.folder(), f.marked, messages);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_ExpandCached)->Unit(benchmark::kMicrosecond);

// Saving all 38,760 combinations (every cell's text is made).
void BM_SaveText(benchmark::State &state)
{
    SixOfTwenty &f = fixture();
    const MessageCatalog messages;
    TemplateCache cache;
    const SystemExpansion e
        = expandCurrentSystem(cache, f.ini, f.lottery, f.systemName, f.folder(), f.marked, messages);
    for (auto _ : state) {
        QString text = combinationFileText(e.list, QStringLiteral("6 of 45"), f.systemName, messages);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_SaveText)->Unit(benchmark::kMillisecond);

// Checking the 38,760 saved combinations against one draw.
void BM_CheckSaved(benchmark::State &state)
{
    SixOfTwenty &f = fixture();
    const MessageCatalog messages;
    TemplateCache cache;
    const SystemExpansion e
        = expandCurrentSystem(cache, f.ini, f.lottery, f.systemName, f.folder(), f.marked, messages);
    const QString text = combinationFileText(e.list, QStringLiteral("6 of 45"), f.systemName, messages);
    QStringList lines = textfile::splitLines(text);
    SavedCombinations file { lines.takeFirst(), lines.takeFirst(), lines };

    DrawTable draws(6, 0);
    const int numbers[] = { 3, 8, 11, 15, 17, 20 };
    const QString none = QStringLiteral("-");
    const QString number = QStringLiteral("125");
    const QStringView texts[] = { number, none, none, none };
    draws.appendRow(texts, 4, numbers);
    LotteryDefinition lottery;
    lottery.name = QStringLiteral("6 of 45");
    lottery.maxNumber = 45;
    for (auto _ : state) {
        CheckResult result = checkCombinations(file, draws, 0, lottery, messages);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CheckSaved)->Unit(benchmark::kMillisecond);

} // namespace
