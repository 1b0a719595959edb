// The main window on the largest tables, offscreen: opening a base of a million draws,
// and all quadruples of the Keno base shown and sorted. Reports wall time, the peak
// resident memory of the process and the longest time the event loop did not run
// (what the user would feel as a freeze).

#include "../BenchData.h"
#include "../BenchMemory.h"
#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "ui/MainWindow.h"
#include "ui/PlatformServices.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
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

class NullServices final : public PlatformServices
{
public:
    void openUrl(const QString &) override { }
    bool startProgram(const QString &, const QStringList &, bool) override { return true; }
    void editTextFile(QWidget *, const QString &, bool) override { }
    QString openFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    QString saveFileName(QWidget *, const FileDialogRequest &) override { return savePath; }
    bool askText(QWidget *, const QString &, const QString &, QString *) override { return false; }
    void showMessage(QWidget *, const QString &, MessageKind) override { }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    SaveChoice askToSave(QWidget *, const QString &) override { return SaveChoice::Discard; }
    void printDocument(QWidget *, const QString &, const QString &) override { }
    QDate today() override { return QDate(2026, 1, 1); }
    quint32 randomSeed() override { return 1; }

    QString savePath;
};

// Measures the longest gap between two runs of the event loop while it is alive.
class FreezeMeter final : public QObject
{
public:
    FreezeMeter()
    {
        m_clock.start();
        m_timer.setInterval(5);
        QObject::connect(
            &m_timer, &QTimer::timeout, this, [this] { m_longest = std::max(m_longest, m_clock.restart()); });
        m_timer.start();
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

void BM_WindowAllQuadruplesOfKeno(benchmark::State &state)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    (void)folder.seed();
    NullServices services;
    MainWindow window(folder, services);
    window.start();
    window.waitUntilIdle();
    window.findChild<QTabBar *>(QStringLiteral("TabControl1"))->setCurrentIndex(2); // Кено (20 из 80)
    window.waitUntilIdle();
    auto *list = window.findChild<QTableView *>(QStringLiteral("ListView2"));
    resetPeakMemory();
    qint64 freeze = 0;
    for (auto _ : state) {
        FreezeMeter meter;
        window.findChild<QAction *>(QStringLiteral("Menu_4_1"))->trigger();
        window.waitUntilIdle();
        emit list->horizontalHeader()->sectionClicked(0);
        window.waitUntilIdle();
        emit list->horizontalHeader()->sectionClicked(2);
        window.waitUntilIdle();
        list->scrollToBottom();
        QApplication::processEvents();
        freeze = meter.longestMs();
    }
    state.counters["rows"] = list->model()->rowCount();
    state.counters["peak_MB"] = peakMemoryMb();
    state.counters["longest_freeze_ms"] = static_cast<double>(freeze);
}
BENCHMARK(BM_WindowAllQuadruplesOfKeno)->Unit(benchmark::kMillisecond)->Iterations(1);

// Mark all on the Keno lottery with a system of every 6 of 20 positions (38,760 rows):
// one expansion, one rebuild of the combination list.
void BM_WindowMarkAllKenoBigSystem(benchmark::State &state)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    (void)folder.seed();
    QStringList rows;
    for (int a = 1; a <= 15; ++a)
        for (int b = a + 1; b <= 16; ++b)
            for (int c = b + 1; c <= 17; ++c)
                for (int d = c + 1; d <= 18; ++d)
                    for (int e = d + 1; e <= 19; ++e)
                        for (int f = e + 1; f <= 20; ++f)
                            rows.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                                            .arg(a)
                                            .arg(b)
                                            .arg(c)
                                            .arg(d)
                                            .arg(e)
                                            .arg(f));
    (void)textfile::writeLines(folder.filePath(QStringLiteral("System/six-of-twenty.ltt")), rows);
    IniFile ini(folder.configPath());
    ini.update([](IniDocument &doc) {
        doc.eraseSection(QStringLiteral("for 20 numbers"));
        doc.writeString(QStringLiteral("for 20 numbers"), QStringLiteral("20 номеров, 6 из 20"),
            QStringLiteral("six-of-twenty.ltt"));
    });

    NullServices services;
    MainWindow window(folder, services);
    window.start();
    window.waitUntilIdle();
    window.findChild<QTabBar *>(QStringLiteral("TabControl1"))->setCurrentIndex(2);
    window.waitUntilIdle();
    auto *combinations = window.findChild<QTableView *>(QStringLiteral("StringGrid1"))->model();
    int rebuilds = 0;
    QObject::connect(combinations, &QAbstractItemModel::modelReset, [&rebuilds] { ++rebuilds; });
    for (auto _ : state) {
        state.PauseTiming();
        window.findChild<QAction *>(QStringLiteral("N23"))->trigger(); // clear all marks
        rebuilds = 0;
        state.ResumeTiming();
        window.findChild<QAction *>(QStringLiteral("N22"))->trigger(); // mark all
        QApplication::processEvents();
    }
    state.counters["rows"] = combinations->rowCount();
    state.counters["rebuilds"] = rebuilds;
}
BENCHMARK(BM_WindowMarkAllKenoBigSystem)->Unit(benchmark::kMillisecond);

// All quadruples of the Keno base saved as HTML from the window.
void BM_WindowExportAllQuadruples(benchmark::State &state)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    (void)folder.seed();
    NullServices services;
    services.savePath = folder.filePath(QStringLiteral("quads.htm"));
    MainWindow window(folder, services);
    window.start();
    window.waitUntilIdle();
    window.findChild<QTabBar *>(QStringLiteral("TabControl1"))->setCurrentIndex(2);
    window.waitUntilIdle();
    window.findChild<QAction *>(QStringLiteral("Menu_4_1"))->trigger();
    window.waitUntilIdle();
    resetPeakMemory();
    qint64 freeze = 0;
    QElapsedTimer clock;
    qint64 elapsed = 0;
    for (auto _ : state) {
        FreezeMeter meter;
        clock.start();
        window.findChild<QAction *>(QStringLiteral("HTML1"))->trigger();
        window.waitUntilIdle();
        elapsed = clock.elapsed();
        freeze = meter.longestMs();
    }
    const double megabytes = QFileInfo(services.savePath).size() / 1048576.0;
    state.counters["file_MB"] = megabytes;
    state.counters["MB_per_s"] = elapsed > 0 ? megabytes * 1000.0 / static_cast<double>(elapsed) : 0.0;
    state.counters["peak_MB"] = peakMemoryMb();
    state.counters["longest_freeze_ms"] = static_cast<double>(freeze);
}
BENCHMARK(BM_WindowExportAllQuadruples)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_WindowOpenMillionDraws(benchmark::State &state)
{
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    (void)textfile::writeText(folder.configPath(),
        QStringLiteral("[LotoType]\r\nMillion=1\r\n[Million]\r\nMinNumber=1\r\nMaxNumber=80\r\n"
                       "DrawNumber=20\r\nBaseFile=million.lot\r\n"));
    (void)textfile::writeText(folder.filePath(QStringLiteral("million.lot")), millionDraws());
    NullServices services;
    resetPeakMemory();
    qint64 freeze = 0;
    int draws = 0;
    for (auto _ : state) {
        FreezeMeter meter;
        MainWindow window(folder, services);
        window.start();
        window.waitUntilIdle();
        freeze = meter.longestMs();
        draws = window.loaded().drawCount();
    }
    state.counters["draws"] = draws;
    state.counters["peak_MB"] = peakMemoryMb();
    state.counters["longest_freeze_ms"] = static_cast<double>(freeze);
}
BENCHMARK(BM_WindowOpenMillionDraws)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
