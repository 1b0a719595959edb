// Several kivora-cli processes changing the configuration at the same moment, each its
// own keys: every one that says it succeeded has its change in the file afterwards.

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "play/TicketFilterSettings.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace kivora;

namespace {

using kivora::test::s;

struct Writer
{
    QString lottery;
    std::unique_ptr<QProcess> process;
};

} // namespace

TEST(ConcurrentWriters, EveryFilterChangeThatSucceededIsKept)
{
    test::TempFolder dir;
    QString error;
    ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    const QString config = dir.folder().configPath();
    const QList<LotteryEntry> list = lotteries::readList(IniFile(config).load());
    ASSERT_GE(list.size(), 5);

    constexpr int kRounds = 4;
    int kept = 0;
    for (int round = 1; round <= kRounds; ++round) {
        // Five processes at once, each setting the filters of its own lottery.
        std::vector<Writer> writers;
        for (int i = 0; i < 5; ++i) {
            Writer writer { list.at(i).name, std::make_unique<QProcess>() };
            writer.process->setProgram(s(KIVORA_CLI));
            writer.process->setArguments({ s("--home"), dir.path(), s("filters"), s("set"), s("--lottery"),
                writer.lottery, s("--ten"), QString::number(round) });
            writers.push_back(std::move(writer));
        }
        for (Writer &writer : writers)
            writer.process->start();
        for (Writer &writer : writers)
            ASSERT_TRUE(writer.process->waitForFinished(120000)) << writer.lottery.toStdString();

        const IniDocument after = IniFile(config).load();
        for (Writer &writer : writers) {
            const QString err = QString::fromUtf8(writer.process->readAllStandardError());
            EXPECT_EQ(writer.process->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(writer.process->exitCode(), 0) << err.toStdString();
            if (writer.process->exitCode() != 0)
                continue;
            const TicketFilters filters = readTicketFilters(after, writer.lottery);
            EXPECT_TRUE(filters.tenOn && filters.tenMost == round)
                << "round " << round << ": the filter of " << writer.lottery.toStdString() << " was lost";
            kept += filters.tenMost == round ? 1 : 0;
        }
    }
    EXPECT_EQ(kept, 5 * kRounds);
}
