// kivora-cli's one renderer: --sort, --limit and --format work on the rows a command
// returns, so the JSON object keeps its keys, their order and its spacing whatever is
// asked of its rows; commands that print no rows refuse them; the help and the usage
// checks follow the one table of commands.

#include "support/CliRunner.h"
#include "support/TestText.h"

#include "cli/CliCommandTable.h"

using namespace kivora;
using namespace kivora::test;

namespace {

const QString kSix = s("6 из 45");
const QString kSeven = s("7 номеров (полная система)");

class CliRender : public CliFixture
{
};

} // namespace

TEST_F(CliRender, JsonRowsCutOrSortedKeepTheObjectAsPrinted)
{
    const QStringList numbers { s("numbers"), s("--lottery"), s("1"), s("--json") };
    const CliRun plain = run(numbers);
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    // A limit above the row count changes nothing, byte for byte.
    const CliRun limited = run(numbers + QStringList { s("--limit"), s("1000") });
    ASSERT_EQ(limited.status, 0) << limited.err.toStdString();
    EXPECT_EQ(limited.out, plain.out);
    EXPECT_EQ(run(numbers + QStringList { s("--sort"), s("caption"), s("--limit"), s("1000") }).out.size(),
        plain.out.size());

    // Two rows: everything before and after the rows exactly as without the limit.
    const CliRun two = run(numbers + QStringList { s("--limit"), s("2") });
    ASSERT_EQ(two.status, 0) << two.err.toStdString();
    const qsizetype rowsAt = plain.out.indexOf(s("\"rows\": ["));
    ASSERT_GT(rowsAt, 0);
    EXPECT_EQ(two.out.left(rowsAt), plain.out.left(rowsAt));
    EXPECT_TRUE(two.out.startsWith(s("{\"title\": ")));
    const QJsonArray all = plain.json().value(s("rows")).toArray();
    EXPECT_EQ(two.json().value(s("rows")).toArray(), (QJsonArray { all.at(0), all.at(1) }));

    // Rows that are objects keep their keys in order, and the keys after the rows stay.
    const QStringList expand { s("expand"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("1,2,3,4,5,6,7"), s("--json") };
    const CliRun tickets = run(expand + QStringList { s("--sort"), s("-6"), s("--limit"), s("1") });
    ASSERT_EQ(tickets.status, 0) << tickets.err.toStdString();
    EXPECT_EQ(tickets.json().keys(), run(expand).json().keys());
    EXPECT_TRUE(tickets.out.contains(s("\"rows\": [[\"01\", \"02\", \"03\", \"04\", \"05\", \"07\", \"\"")))
        << tickets.out.toStdString();
    const CliRun lotteries
        = run({ s("lotteries"), s("--json"), s("--sort"), s("-name"), s("--limit"), s("1") });
    EXPECT_EQ(lotteries.out, s("{\"lotteries\": [{\"name\": \"Кено (20 из 80)\", \"shown\": true}]}\n"));
}

TEST_F(CliRender, TextAndCsvRowsFollowTheSameOrder)
{
    const QStringList lotteries { s("lotteries"), s("--sort"), s("name"), s("--limit"), s("2") };
    EXPECT_EQ(run(lotteries).out, s("name\tshown\n4 из 20\t1\n5 из 50 + 2 из 12\t1\n"));
    EXPECT_EQ(run(lotteries + QStringList { s("--format"), s("csv") }).out,
        s("name,shown\n4 из 20,1\n5 из 50 + 2 из 12,1\n"));

    // The filters' table as text, as CSV and as the JSON's "filters", cut alike.
    const QStringList filter { s("filter"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("1,2,3,4,5,6,7"), s("--sum"), s("10-30"), s("--odd"), s("1-3"), s("--limit"), s("1") };
    const CliRun text = run(filter);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(s("filter\trule\tremoved\trejected\nsum\t")));
    EXPECT_FALSE(text.out.contains(s("\nodd\t")));
    const CliRun csv = run(filter + QStringList { s("--format"), s("csv") });
    EXPECT_TRUE(csv.out.startsWith(s("filter,rule,removed,rejected\nsum,"))) << csv.out.toStdString();
    EXPECT_EQ(csv.out.count(QLatin1Char('\n')), 2);
    const QJsonArray filters = run(filter + QStringList { s("--json") }).json().value(s("filters")).toArray();
    ASSERT_EQ(filters.size(), 1);
    EXPECT_EQ(filters.at(0).toObject().value(s("filter")).toString(), s("sum"));
}

TEST_F(CliRender, CommandsWithoutRowsRefuseSortLimitAndCsv)
{
    for (const QStringList &options :
        { QStringList { s("--limit"), s("1") }, QStringList { s("--sort"), s("1") },
            QStringList { s("--format"), s("csv") }, QStringList { s("--json"), s("--limit"), s("1") } }) {
        const CliRun forecast
            = run(QStringList { s("forecast"), s("numbers"), s("--lottery"), kSix } + options);
        EXPECT_EQ(forecast.status, 2) << options.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(forecast.out.isEmpty());
        EXPECT_TRUE(forecast.err.contains(s("forecast"))) << forecast.err.toStdString();
    }
    // The randomness report has a table as text, none in its JSON.
    EXPECT_EQ(run({ s("randomness"), s("--lottery"), kSix, s("--limit"), s("1") }).status, 0);
    EXPECT_EQ(run({ s("randomness"), s("--lottery"), kSix, s("--json"), s("--limit"), s("1") }).status, 2);
}

TEST_F(CliRender, HelpAndUsageFollowTheTableOfCommands)
{
    const CliRun usage = run({ s("--help") });
    for (const cli::CommandEntry &command : cli::commandTable()) {
        const std::string name = command.name.toStdString();
        EXPECT_TRUE(usage.out.contains(s("\n  ") + command.name)) << name;
        const CliRun help = run({ command.name, s("--help") });
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_TRUE(help.out.contains(s("kivora-cli ") + command.name)) << name;
        EXPECT_TRUE(help.out.contains(command.details)) << name;

        // A misspelt option is refused before anything is read or loaded.
        const CliRun wrong = run({ command.name, s("--lotery"), kSix });
        EXPECT_EQ(wrong.status, 2) << name;
        EXPECT_TRUE(wrong.err.contains(s("--lotery"))) << name << ' ' << wrong.err.toStdString();
        // Every command that needs a lottery asks for it first.
        if (command.needs != cli::CommandEntry::Needs::Nothing) {
            const CliRun bare = run({ command.name });
            EXPECT_EQ(bare.status, 2) << name;
            EXPECT_TRUE(bare.err.contains(s("--lottery"))) << name << ' ' << bare.err.toStdString();
        }
    }
}
