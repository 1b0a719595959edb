// kivora-cli as a Unix tool: help and version, one-line usage errors in the folder's
// language, the traps of lottery and system names, --out -, --home, and the rows of
// every listing sorted, limited and written as CSV.

#include "support/CliRunner.h"

#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

using namespace kivora;
using namespace kivora::test;

namespace {

const QString kSix = s("6 из 45");
const QString kSeven = s("7 номеров (полная система)");

class CliUnix : public CliFixture
{
protected:
    void useEnglish() const
    {
        ASSERT_TRUE(
            IniFile(dir.folder().configPath()).writeString(s("Form"), s("LangFile"), s("english.lng")));
    }

    // Runs without --home: for the invocations that name no folder at all.
    static CliRun bare(const QStringList &arguments) { return runCli(arguments); }
};

int lineCount(const QString &text)
{
    return static_cast<int>(text.count(QLatin1Char('\n')));
}

} // namespace

TEST_F(CliUnix, HelpAndVersionGoToStandardOutputWithExitZero)
{
    for (const QStringList &arguments :
        { QStringList { s("--help") }, QStringList { s("-h") }, QStringList { s("help") } }) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.err.isEmpty());
        EXPECT_TRUE(result.out.contains(s("Usage: kivora-cli")));
        EXPECT_TRUE(result.out.contains(s("stat pairs|triples|quads")));
    }
    for (const QStringList &arguments :
        { QStringList { s("stat"), s("--help") }, QStringList { s("help"), s("stat") } }) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(result.out.contains(s("kivora-cli stat positions -p P")));
        EXPECT_FALSE(result.out.contains(s("backtest --method")));
    }
    // Help never seeds or even needs a program folder.
    const CliRun version = bare({ s("--version") });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, s("kivora-cli " KIVORA_TEST_VERSION "\n"));
}

TEST_F(CliUnix, UsageErrorIsOneLineInTheFolderLanguage)
{
    const CliRun missingValue = run({ s("numbers"), s("--lottery") });
    EXPECT_EQ(missingValue.status, 2);
    EXPECT_TRUE(missingValue.out.isEmpty());
    EXPECT_EQ(lineCount(missingValue.err), 1) << missingValue.err.toStdString();
    EXPECT_TRUE(missingValue.err.contains(s("--lottery")));
    EXPECT_TRUE(missingValue.err.contains(s("kivora-cli --help")));
    EXPECT_TRUE(missingValue.err.contains(s("нужно значение")));

    useEnglish();
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        { { s("nosuch") }, "unknown command: nosuch" },
        { {}, "no command given" },
        { { s("help"), s("nosuch") }, "unknown command: nosuch" },
        { { s("numbers"), s("--lottery"), kSix, s("--bogus"), s("1") }, "unknown option --bogus" },
        { { s("stat"), s("tens"), s("--lottery"), kSix, s("-k"), s("9") }, "bad -k value: 9 (2 to 6)" },
        { { s("numbers"), s("--lottery"), kSix, s("--limit"), s("x") }, "bad --limit value: x" },
        { { s("numbers"), s("--lottery"), kSix, s("--format"), s("xml") }, "bad --format value: xml" },
    };
    for (const auto &c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_EQ(lineCount(result.err), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith(s("kivora-cli: ") + QString::fromUtf8(c.message)))
            << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(s("see kivora-cli --help")));
    }
}

TEST_F(CliUnix, LotteryByAnyCaseOrPositionAndUnknownNamesListTheKnownOnes)
{
    const CliRun exact = run({ s("numbers"), s("--lottery"), kSix, s("--json") });
    ASSERT_EQ(exact.status, 0) << exact.err.toStdString();
    const CliRun upper = run({ s("numbers"), s("--lottery"), s("6 ИЗ 45"), s("--json") });
    const CliRun first = run({ s("numbers"), s("--lottery"), s("1"), s("--json") });
    EXPECT_EQ(upper.out, exact.out);
    EXPECT_EQ(first.out, exact.out);

    const CliRun unknown = run({ s("numbers"), s("--lottery"), s("7 из 49") });
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(s("7 из 49")));
    EXPECT_TRUE(unknown.err.contains(kSix));
    EXPECT_TRUE(unknown.err.contains(s("Кено (20 из 80)")));
    EXPECT_EQ(run({ s("numbers"), s("--lottery"), s("99") }).status, 1);
}

TEST_F(CliUnix, UnknownSystemIsRefusedInsteadOfTheDefaultTemplate)
{
    const QStringList marked { s("--marked"), s("1,2,3,4,5,6,7") };
    const CliRun known
        = run(QStringList { s("expand"), s("--lottery"), kSix, s("--system"), kSeven } + marked);
    EXPECT_EQ(known.status, 0) << known.err.toStdString();
    for (const char *command : { "expand", "filter" }) {
        const CliRun unknown
            = run(QStringList { s(command), s("--lottery"), kSix, s("--system"), s("7 номеров (вымысел)") }
                + marked);
        EXPECT_EQ(unknown.status, 1) << command;
        EXPECT_TRUE(unknown.err.contains(s("7 номеров (вымысел)")));
        // One line that says how to list the systems, not the list itself.
        EXPECT_TRUE(unknown.err.contains(s("kivora-cli systems --lottery"))) << unknown.err.toStdString();
        EXPECT_EQ(unknown.err.trimmed().count(QLatin1Char('\n')), 0);
    }
    const CliRun save = run(QStringList { s("save"), s("--lottery"), kSix, s("--system"), s("вымысел"),
                                s("--out"), dir.filePath(s("s.ltc")) }
        + marked);
    EXPECT_EQ(save.status, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(s("s.ltc"))));
}

TEST_F(CliUnix, OutDashPrintsWhatTheFileWouldHold)
{
    const QStringList save { s("save"), s("--lottery"), kSix, s("--system"), kSeven, s("--marked"),
        s("1,2,3,4,5,6,7") };
    const CliRun toFile = run(save + QStringList { s("--out"), dir.filePath(s("s.ltc")) });
    ASSERT_EQ(toFile.status, 0) << toFile.err.toStdString();
    const CliRun toOutput = run(save + QStringList { s("--out"), s("-") });
    ASSERT_EQ(toOutput.status, 0) << toOutput.err.toStdString();
    EXPECT_EQ(toOutput.out, dir.readLines(s("s.ltc")).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(s("-"))));

    const CliRun page = run({ s("export-html"), s("numbers"), s("--lottery"), kSix, s("--out"), s("-") });
    ASSERT_EQ(page.status, 0) << page.err.toStdString();
    EXPECT_TRUE(page.out.contains(s("charset=utf-8")));
    EXPECT_TRUE(page.out.contains(s("</table>")));
}

TEST_F(CliUnix, HomeThatDoesNotExistNeedsInit)
{
    const QString missing = dir.filePath(s("new/folder"));
    const CliRun refused = bare({ s("--home"), missing, s("lotteries") });
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(s("--init")));
    EXPECT_FALSE(QDir(missing).exists());

    const CliRun created = bare({ s("--home"), missing, s("--init"), s("lotteries") });
    EXPECT_EQ(created.status, 0) << created.err.toStdString();
    EXPECT_TRUE(QFile::exists(missing + s("/kivora.INI")));
    EXPECT_EQ(bare({ s("--home"), s(""), s("lotteries") }).status, 2);
}

// A folder that holds other files and no configuration (a home folder, say) is not
// filled with the sample data behind the user's back, not even by a read-only command.
TEST_F(CliUnix, HomeWithOtherFilesIsSeededOnlyOnInit)
{
    const QString home = dir.filePath(s("home"));
    ASSERT_TRUE(QDir().mkpath(home + s("/Documents")));
    {
        QFile note(home + s("/.profile"));
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    }
    const auto entries
        = [&] { return QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(); };
    const CliRun refused = bare({ s("--home"), home, s("lotteries") });
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(s("kivora.INI"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(s("--init"))) << refused.err.toStdString();
    EXPECT_EQ(lineCount(refused.err), 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(entries(), 2);

    // An empty folder is a new program folder, as before.
    const QString empty = dir.filePath(s("empty"));
    ASSERT_TRUE(QDir().mkpath(empty));
    EXPECT_EQ(bare({ s("--home"), empty, s("lotteries") }).status, 0);
    EXPECT_TRUE(QFile::exists(empty + s("/kivora.INI")));

    const CliRun created = bare({ s("--home"), home, s("--init"), s("lotteries") });
    EXPECT_EQ(created.status, 0) << created.err.toStdString();
    EXPECT_TRUE(QFile::exists(home + s("/kivora.INI")));
    EXPECT_TRUE(QFile::exists(home + s("/.profile")));
    // Now a program folder: no --init needed.
    EXPECT_EQ(bare({ s("--home"), home, s("lotteries") }).status, 0);
}

TEST_F(CliUnix, LastTakesWhatTheCountFieldTakes)
{
    const CliRun none = run({ s("numbers"), s("--lottery"), kSix, s("--last"), s("-3"), s("--json") });
    ASSERT_EQ(none.status, 0) << none.err.toStdString();
    EXPECT_EQ(none.json().value(s("draws")).toInt(), 0);
    const CliRun three = run({ s("numbers"), s("--lottery"), kSix, s("--last"), s("3"), s("--json") });
    EXPECT_EQ(three.json().value(s("draws")).toInt(), 3);
}

TEST_F(CliUnix, AdditionalRangeAboveTheLimitIsRefusedLikeTheMainRange)
{
    IniFile config(dir.folder().configPath());
    ASSERT_TRUE(config.writeString(s("4 из 20"), s("MaxnumberOfAddBall"), s("101")));
    const CliRun additional = run({ s("numbers"), s("--lottery"), s("4 из 20") });
    ASSERT_TRUE(config.writeString(s("4 из 20"), s("MaxnumberOfAddBall"), s("20")));
    ASSERT_TRUE(config.writeString(s("4 из 20"), s("MaxNumber"), s("101")));
    const CliRun main = run({ s("numbers"), s("--lottery"), s("4 из 20") });
    EXPECT_EQ(additional.status, 1);
    EXPECT_EQ(main.status, 1);
    EXPECT_TRUE(additional.err.contains(s("MaxnumberOfAddBall")));
    EXPECT_EQ(QString(additional.err).replace(s("MaxnumberOfAddBall"), s("MaxNumber")), main.err);
}

TEST_F(CliUnix, SortLimitAndFormatReshapeTheFullRows)
{
    const QStringList pairs { s("stat"), s("pairs"), s("--lottery"), kSix };
    const QJsonArray all = run(pairs + QStringList { s("--json") }).json().value(s("rows")).toArray();
    ASSERT_EQ(all.size(), 990);
    std::vector<QJsonValue> expected(all.begin(), all.end());
    std::stable_sort(expected.begin(), expected.end(), [](const QJsonValue &a, const QJsonValue &b) {
        return a.toArray().at(2).toInt() > b.toArray().at(2).toInt();
    });
    expected.resize(7);

    const CliRun json = run(
        pairs + QStringList { s("--format"), s("json"), s("--sort"), s("-drawn"), s("--limit"), s("7") });
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    const QJsonArray rows = json.json().value(s("rows")).toArray();
    ASSERT_EQ(rows.size(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rows.at(i), expected[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(
        json.json().value(s("title")), run(pairs + QStringList { s("--json") }).json().value(s("title")));

    const CliRun text = run(pairs + QStringList { s("--sort"), s("3"), s("--limit"), s("2") });
    QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << text.out.toStdString();
    EXPECT_TRUE(lines.at(0).startsWith(s("# ")));
    EXPECT_EQ(lines.at(1), s("caption\tsince\tdrawn"));
    EXPECT_LE(
        lines.at(2).section(QLatin1Char('\t'), 2).toInt(), lines.at(3).section(QLatin1Char('\t'), 2).toInt());

    const CliRun csv = run(pairs + QStringList { s("--format"), s("csv"), s("--limit"), s("1") });
    EXPECT_EQ(csv.out,
        s("caption,since,drawn\n") + all.at(0).toArray().at(0).toString() + s(",")
            + QString::number(all.at(0).toArray().at(1).toInt()) + s(",")
            + QString::number(all.at(0).toArray().at(2).toInt()) + s("\n"));

    const CliRun lotteries
        = run({ s("lotteries"), s("--json"), s("--sort"), s("name"), s("--limit"), s("2") });
    ASSERT_EQ(lotteries.status, 0) << lotteries.err.toStdString();
    EXPECT_EQ(lotteries.json().value(s("lotteries")).toArray().size(), 2);
    EXPECT_EQ(run(pairs + QStringList { s("--sort"), s("nosuch") }).status, 2);
}

// Output that cannot be written (a full disk; /dev/full refuses every byte) is a
// failure with the reason on standard error, not a success that printed nothing.
TEST_F(CliUnix, OutputThatCannotBeWrittenFails)
{
    QFile full(s("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "no /dev/full";
    QString errors;
    QTextStream out(&full);
    QTextStream err(&errors);
    for (const QStringList &arguments : { QStringList { s("--home"), dir.path(), s("lotteries") },
             QStringList { s("--home"), dir.path(), s("--help") } }) {
        errors.clear();
        out.resetStatus();
        EXPECT_EQ(cli::run(arguments, out, err), 1) << arguments.join(QLatin1Char(' ')).toStdString();
        err.flush();
        EXPECT_TRUE(errors.startsWith(s("Ошибка ввода-вывода: стандартный вывод: "))) << errors.toStdString();
    }

#ifdef KIVORA_CLI_BINARY
    // The program itself, its standard output on /dev/full.
    QProcess cli;
    cli.setStandardOutputFile(s("/dev/full"));
    cli.start(s(KIVORA_CLI_BINARY), { s("--home"), dir.path(), s("numbers"), s("--lottery"), kSix });
    ASSERT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 1);
    const QString message = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_TRUE(message.startsWith(s("Ошибка ввода-вывода: стандартный вывод: "))) << message.toStdString();
    // The reason in the program's language, not the system's English.
    EXPECT_TRUE(message.contains(s("на диске нет места"))) << message.toStdString();
#endif
}
