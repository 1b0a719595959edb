// Every system shipped for Keno makes real Keno tickets: 2 to 10 distinct numbers a
// ticket, every ticket as wide as the system's tickets, and a check of them is priced
// by the Keno prize table.

#include "support/CliRunner.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "play/CombinationCheck.h"
#include "play/Systems.h"
#include "support/Taken.h"

#include <QSet>

#include <set>

using namespace kivora;
using namespace kivora::test;

namespace {

const QString kKeno = s("Кено (20 из 80)");

class CliKenoSystems : public CliFixture
{
};

} // namespace

TEST_F(CliKenoSystems, EverySystemMakesTicketsOfTwoToTenDistinctNumbersThatThePrizeTablePrices)
{
    const IniDocument ini = IniFile(dir.folder().configPath()).load();
    const QStringList names = systems::names(ini, lotteries::readDefinition(ini, kKeno));
    ASSERT_GE(names.size(), 9 + 9); // one ticket of 2..10 numbers and full systems at least
    const LoadResult keno = load(kKeno);
    const int newest = keno.draws.rowCount() - 1;

    // The one-ticket and full systems, and the first wheel of every ticket size: the
    // rest of the library is verified template by template in the shipped-systems test.
    QStringList played;
    QSet<QString> wheelSizes;
    for (const QString &name : names) {
        const bool wheel = !name.contains(s("полная")) && !name.contains(s("один билет"));
        const QString size = name.section(s("по "), 1).section(QLatin1Char(','), 0, 0);
        if (!wheel || !wheelSizes.contains(size))
            played.append(name);
        if (wheel)
            wheelSizes.insert(size);
    }
    for (const QString &name : played) {
        SCOPED_TRACE(name.toStdString());
        const int needed = systems::neededCount(name);
        ASSERT_GE(needed, 2);
        ASSERT_LE(needed, 80);
        QStringList marked;
        for (int n = 1; n <= needed; ++n)
            marked.append(QString::number(n));
        const CliRun expanded = run({ s("expand"), s("--lottery"), kKeno, s("--system"), name, s("--marked"),
            marked.join(QLatin1Char(',')), s("--json") });
        ASSERT_EQ(expanded.status, 0) << expanded.err.toStdString();
        const QJsonObject json = expanded.json();
        EXPECT_TRUE(json.value(s("complete")).toBool());
        const QJsonArray rows = json.value(s("rows")).toArray();
        ASSERT_FALSE(rows.isEmpty());

        int width = -1;
        for (const QJsonValue &row : rows) {
            std::set<QString> numbers;
            int filled = 0;
            for (const QJsonValue &cell : row.toArray()) {
                if (cell.toString().isEmpty())
                    continue;
                ++filled;
                numbers.insert(cell.toString());
            }
            EXPECT_EQ(static_cast<int>(numbers.size()), filled) << "a number twice in one ticket";
            if (width < 0)
                width = filled;
            EXPECT_EQ(filled, width) << "tickets of one system differ in width";
        }
        EXPECT_GE(width, 2);
        EXPECT_LE(width, 10);

        const QString file = dir.filePath(s("keno.ltc"));
        const CliRun saved = run({ s("save"), s("--lottery"), kKeno, s("--system"), name, s("--marked"),
            marked.join(QLatin1Char(',')), s("--out"), file });
        ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
        SavedCombinations combinations;
        QString error;
        ASSERT_TRUE(test::taken(readSavedCombinations(file), &combinations, &error)) << error.toStdString();
        const CheckResult result
            = checkCombinations(combinations, keno.draws, newest, keno.definition, messages);
        EXPECT_TRUE(result.keno);
        EXPECT_EQ(result.played, width);
        ASSERT_EQ(result.prizes.size(), result.counts.size());
        // Every combination with all its numbers guessed would win: the table has the row.
        EXPECT_GT(check::kenoPrize(result.played, result.played), 0);
        qint64 total = 0;
        for (size_t k = 0; k < result.counts.size(); ++k)
            total += static_cast<qint64>(check::kenoPrize(result.played, static_cast<int>(k)))
                * result.counts[k];
        EXPECT_EQ(result.total, total);
    }
}
