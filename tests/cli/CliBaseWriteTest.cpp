// kivora-cli on a program folder from someone else: its configuration may name any
// file as a lottery's base or define a lottery no command can work with.

#include "support/CliRunner.h"

#include <QDir>
#include <QFileInfo>

using namespace kivora;
using namespace kivora::test;

namespace {

const QByteArray kShellStartUp("# ~/.bashrc\nexport PATH=$HOME/bin:$PATH\nalias ll='ls -l'\n");

// A program folder "prog" beside a folder "outside" of the user's own files.
class CliBaseWrite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.writeBytes(s("outside/victim.txt"), kShellStartUp);
        dir.writeLines(
            s("source.txt"), { s("1 01.01.2005 A 1 1 2 3 4 5 6"), s("2 08.01.2005 A 1 7 8 9 10 11 12") });
    }

    void configure(const QString &baseFile)
    {
        dir.writeLines(s("prog/kivora.INI"),
            { s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]"), s("MaxNumber=45"), s("DrawNumber=6"),
                s("BaseFile=") + baseFile });
    }

    CliRun run(const QStringList &arguments) const { return runCli(dir.filePath(s("prog")), arguments); }

    CliRun add() const
    {
        return run(
            { s("add"), s("--lottery"), s("6 из 45"), s("--number"), s("3"), s("--date"), s("15.01.2005"),
                s("--machine"), s("A"), s("--ballset"), s("1"), s("--main"), s("03,15,22,31,40,44") });
    }

    CliRun import() const
    {
        return run({ s("import"), dir.filePath(s("source.txt")), s("--lottery"), s("6 из 45") });
    }

    QStringList outsideFiles() const
    {
        return QDir(dir.filePath(s("outside")))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TempFolder dir;
    const MessageCatalog messages;
};

} // namespace

TEST_F(CliBaseWrite, ABaseFileThatIsNoBaseIsNeverWritten)
{
    const QString victim
        = QDir::toNativeSeparators(QFileInfo(dir.filePath(s("outside/victim.txt"))).absoluteFilePath());
    const QString refusal = messages("Str440").arg(victim) + QLatin1Char('\n');
    // Reached through the program folder's parent, and named absolutely.
    for (const QString &baseFile : { s("../outside/victim.txt"), dir.filePath(s("outside/victim.txt")) }) {
        configure(baseFile);
        CliRun r = add();
        EXPECT_EQ(r.status, 1) << baseFile.toStdString();
        EXPECT_EQ(r.err, refusal);
        r = import();
        EXPECT_EQ(r.status, 1) << baseFile.toStdString();
        EXPECT_EQ(r.err, refusal);
        EXPECT_EQ(dir.readBytes(s("outside/victim.txt")), kShellStartUp);
        EXPECT_EQ(outsideFiles(), QStringList { s("victim.txt") });
    }
    // Reading it stays allowed: it is a lottery of no draws worth counting.
    EXPECT_EQ(run({ s("numbers"), s("--lottery"), s("6 из 45") }).status, 0);
}

TEST_F(CliBaseWrite, ABaseOutsideTheFolderIsCreatedAndAddedTo)
{
    configure(s("../outside/6x45.lot"));
    CliRun r = add();
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, s("1\n"));
    r = import();
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    r = add();
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(dir.readLines(s("outside/6x45.lot")),
        QStringList({ s("1,01.01.2005,A,1,1,2,3,4,5,6"), s("2,08.01.2005,A,1,7,8,9,10,11,12"),
            s("3,15.01.2005,A,1,03,15,22,31,40,44,") }));

    // A new file of another kind is not made.
    configure(s("../outside/.profile"));
    r = add();
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(s(".profile"))) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(s("outside/.profile"))));
}

TEST_F(CliBaseWrite, ABaseNameTooLongForTheSystemIsNamedNotLoadedEmpty)
{
    configure(QString(300, QLatin1Char('x')) + s(".lot"));
    const CliRun r = run({ s("numbers"), s("--lottery"), s("6 из 45") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(messages("Str447"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

// odds refuses what every other command refuses, with the same message and status.
TEST_F(CliBaseWrite, OddsRefuseALotteryTheOtherCommandsRefuse)
{
    const QStringList definitions[] = { { s("MaxNumber=45abc"), s("DrawNumber=6") },
        { s("MaxNumber=45"), s("DrawNumber=0") }, { s("MaxNumber=150"), s("DrawNumber=6") } };
    for (const QStringList &definition : definitions) {
        const std::string bad = definition.join(QLatin1Char(' ')).toStdString();
        dir.writeLines(s("prog/kivora.INI"),
            QStringList { s("[LotoType]"), s("6 из 45=1"), s("[6 из 45]") } + definition);
        const CliRun numbers = run({ s("numbers"), s("--lottery"), s("6 из 45") });
        const CliRun odds = run({ s("odds"), s("--lottery"), s("6 из 45") });
        EXPECT_EQ(numbers.status, 1) << bad;
        EXPECT_EQ(odds.status, 1) << bad;
        EXPECT_EQ(odds.err, numbers.err) << bad;
        EXPECT_TRUE(odds.out.isEmpty()) << bad;
        EXPECT_TRUE(odds.err.contains(s("MaxNumber")) || odds.err.contains(s("DrawNumber"))) << bad;
    }
}
