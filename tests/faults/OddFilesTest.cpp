// Reads and writes of files that are not what the program expects: special files,
// UTF-16, unreadable configurations, fields with line breaks, 1251 text that looks
// like UTF-8, a base held by another writer, pathological sizes.

#include "SmallDisk.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "play/CombinationCheck.h"
#include "results/AddDraw.h"
#include "results/ImportResults.h"
#include "results/ResultsLoad.h"
#include "support/CliRunner.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestLotteries.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTextStream>

#include <atomic>
#include <thread>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kivora;
using kivora::test::CliRun;
using kivora::test::runCli;

namespace {

using kivora::test::s;
using kivora::test::sixOf45;

// Qt's own warnings while a block runs.
QStringList *g_warnings = nullptr;

void collectWarning(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (g_warnings)
        g_warnings->append(text);
}

class SeededFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    }

    test::TempFolder dir;
    const MessageCatalog messages;
};

using OddFiles = SeededFolder;

} // namespace

TEST(SpecialFiles, AreNeitherReadNorReplaced)
{
    test::TempFolder dir;
    const QString fifo = dir.filePath(s("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(test::taken(textfile::writeText(fifo, s("text")), &error));
    EXPECT_TRUE(error.contains(s("pipe")));
    EXPECT_FALSE(test::taken(textfile::appendText(fifo, s("text")), &error));
    QString text;
    EXPECT_FALSE(test::taken(textfile::readText(fifo), &text, &error)); // returns at once, no writer needed
    EXPECT_FALSE(test::taken(textfile::readText(s("/dev/zero")), &text, &error));
    EXPECT_TRUE(error.contains(s("/dev/zero")));
    EXPECT_FALSE(test::taken(textfile::writeText(dir.path(), s("text")), &error));
    struct stat info
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // A symbolic link to a regular file is followed, and stays a link.
    dir.writeBytes(s("target.txt"), "old\r\n");
    ASSERT_TRUE(QFile::link(dir.filePath(s("target.txt")), dir.filePath(s("link.txt"))));
    ASSERT_TRUE(test::taken(textfile::writeText(dir.filePath(s("link.txt")), s("new\r\n")), &error))
        << error.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(s("link.txt"))).isSymLink());
    EXPECT_EQ(dir.readBytes(s("target.txt")), QByteArray("new\r\n"));

    // No file name at all says so, without a warning of Qt's own.
    QStringList warnings;
    g_warnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    EXPECT_FALSE(test::taken(textfile::readText(QString()), &text, &error));
    EXPECT_FALSE(test::taken(textfile::writeText(QString(), s("x")), &error));
    qInstallMessageHandler(previous);
    g_warnings = nullptr;
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(s("\n")).toStdString();
}

TEST_F(OddFiles, Utf16IsReadWithItsMarkAndRefusedWithout)
{
    const QString base = dir.filePath(s("6x45.lot"));
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    const QString records = s("1,01.01.2005,-,-,01,02,03,04,05,06\r\n2,08.01.2005,-,-,07,08,09,10,11,12\r\n");
    QByteArray marked("\xFF\xFE");
    marked.append(reinterpret_cast<const char *>(records.utf16()), records.size() * 2);
    dir.writeBytes(s("marked.txt"), marked);
    dir.writeBytes(s("unmarked.txt"), marked.mid(2));

    ImportResult result = importResults(base, dir.filePath(s("unmarked.txt")), sixOf45(), messages);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, messages("Str72").arg(QDir::toNativeSeparators(dir.filePath(s("unmarked.txt")))));
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);

    result = importResults(base, dir.filePath(s("marked.txt")), sixOf45(), messages);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.records, 2);
    LoadResult load = loadBase(base, sixOf45(), {}, messages);
    EXPECT_EQ(load.drawCount(), 2);
    EXPECT_EQ(load.draws.number(1, 5), 12);

    // A UTF-16 base loads as its draws, not twice as many draws of zeros.
    dir.writeBytes(s("6x45.lot"), marked);
    load = loadBase(base, sixOf45(), {}, messages);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.drawCount(), 2);
    EXPECT_EQ(load.draws.number(0, 0), 1);
    dir.writeBytes(s("6x45.lot"), marked.mid(2));
    load = loadBase(base, sixOf45(), {}, messages);
    EXPECT_FALSE(load.ok);
}

TEST_F(OddFiles, ALineBreakInAFieldWritesNothing)
{
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    for (const char *date : { "01.01.2030\n1740", "01.01.2030\r1740", "01.01.2030\r\n" }) {
        NewDraw draw { s("1740"), s(date), s("-"), s("-"), s("03,15,22,31,40,44"), QString() };
        EXPECT_EQ(addDraw(dir.filePath(s("6x45.lot")), draw, sixOf45(), messages), messages("Str161"));
        const CliRun r = runCli(dir.path(),
            { s("add"), s("--lottery"), s("6 из 45"), s("--number"), s("1740"), s("--date"), s(date),
                s("--machine"), s("-"), s("--ballset"), s("-"), s("--main"), s("03,15,22,31,40,44") });
        EXPECT_EQ(r.status, 1);
    }
    NewDraw machine { s("1740"), s("01.01.2030"), s("A\tB"), s("-"), s("03,15,22,31,40,44"), QString() };
    EXPECT_EQ(addDraw(dir.filePath(s("6x45.lot")), machine, sixOf45(), messages), messages("Str161"));
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);
}

TEST_F(OddFiles, Windows1251TextThatLooksLikeUtf8ReadsBackAsWritten)
{
    // "Рѕ" in Windows-1251 is D0 BE, the UTF-8 of "о".
    const CliRun r = runCli(dir.path(),
        { s("add"), s("--lottery"), s("6 из 45"), s("--number"), s("1740"), s("--date"), s("01.01.2030"),
            s("--machine"), s("Рѕ"), s("--ballset"), s("-"), s("--main"), s("03,15,22,31,40,44") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const LoadResult load = loadBase(dir.filePath(s("6x45.lot")), sixOf45(), {}, messages);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.draws.machine(load.drawCount() - 1), s("Рѕ"));

    QString error;
    ASSERT_TRUE(test::taken(textfile::writeText(dir.filePath(s("t.txt")), s("Рѕ")), &error));
    QString text;
    ASSERT_TRUE(test::taken(textfile::readText(dir.filePath(s("t.txt"))), &text, &error));
    EXPECT_EQ(text, s("Рѕ"));
    // Plain Cyrillic stays in Windows-1251.
    EXPECT_EQ(textfile::encode(s("Кено")), QByteArray("\xCA\xE5\xED\xEE"));
}

TEST_F(OddFiles, AnUnreadableConfigurationIsAnErrorAndIsNeverWrittenOver)
{
    // Bytes that are no text (a configuration saved as UTF-16 without its mark).
    QByteArray broken("[\0L\0o\0t\0o\0T\0y\0p\0e\0]\0", 20);
    broken.append(QByteArray(2500, '\0'));
    dir.writeBytes(ProgramFolder::configFileName(), broken);

    IniFile ini(dir.folder().configPath());
    EXPECT_FALSE(ini.read());
    EXPECT_FALSE(ini.writeString(s("Form"), s("Left"), s("10")));
    const Done updated = ini.update([](IniDocument &doc) { doc.writeString(s("Form"), s("Left"), s("10")); });
    ASSERT_FALSE(updated);
    EXPECT_FALSE(updated.failure().text.isEmpty());
    EXPECT_EQ(dir.readBytes(ProgramFolder::configFileName()), broken);

    const CliRun r = runCli(dir.path(), { s("lotteries") });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(messages("Str162").arg(QString()).left(10))) << r.err.toStdString();
    EXPECT_EQ(dir.readBytes(ProgramFolder::configFileName()), broken);

    // Without permission to read (only without root's rights to override it).
    if (::geteuid() != 0) {
        dir.writeBytes(ProgramFolder::configFileName(), "[LotoType]\r\nA=1\r\n");
        ASSERT_TRUE(QFile::setPermissions(dir.folder().configPath(), QFileDevice::WriteOwner));
        EXPECT_FALSE(ini.writeString(s("Form"), s("Left"), s("10")));
        EXPECT_EQ(runCli(dir.path(), { s("lotteries") }).status, 1);
        QFile::setPermissions(dir.folder().configPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(dir.readBytes(ProgramFolder::configFileName()), QByteArray("[LotoType]\r\nA=1\r\n"));
    }
}

TEST_F(OddFiles, AWriterWaitsForTheLockOfAnotherOne)
{
    // Another process holds the base's lock while it rewrites the base.
    const QString base = dir.filePath(s("6x45.lot"));
    QLockFile other(base + s(".lock"));
    ASSERT_TRUE(other.tryLock(0));

    std::atomic<bool> done { false };
    QString error;
    bool appended = false;
    std::thread writer([&] {
        // A text 1251 cannot hold: the whole base is rewritten.
        appended = test::taken(textfile::appendText(base, s("1740,01.01.2030,€,-,1,2,3,4,5,6\r\n")), &error);
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(done);
    // The other writer appends its line, then lets go.
    QFile file(base);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("1739,01.01.2030,-,-,1,2,3,4,5,6\r\n");
    file.close();
    other.unlock();
    writer.join();
    EXPECT_TRUE(appended) << error.toStdString();
    QString text;
    ASSERT_TRUE(test::taken(textfile::readText(base), &text, &error));
    EXPECT_TRUE(text.contains(s("1739,01.01.2030")));
    EXPECT_TRUE(text.contains(s("1740,01.01.2030,€")));
    EXPECT_FALSE(QFileInfo::exists(base + s(".lock")));
}

TEST_F(OddFiles, PathologicalFilesAreRefusedByTheirFirstLineOrTheirSize)
{
    const QByteArray before = dir.readBytes(s("6x45.lot"));
    dir.writeBytes(s("feeds.txt"), QByteArray(1 << 20, '\n'));
    const ImportResult result
        = importResults(dir.filePath(s("6x45.lot")), dir.filePath(s("feeds.txt")), sixOf45(), messages);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, messages("Str72").arg(QDir::toNativeSeparators(dir.filePath(s("feeds.txt")))));
    EXPECT_EQ(dir.readBytes(s("6x45.lot")), before);

    // More lines than the program handles: refused by name, at once.
    dir.writeBytes(s("huge.lot"), QByteArray(kLargestDrawCount + 1, '\n'));
    const LoadResult load = loadBase(dir.filePath(s("huge.lot")), sixOf45(), {}, messages);
    EXPECT_FALSE(load.ok);
    EXPECT_TRUE(load.error.contains(s("huge.lot")));
    EXPECT_TRUE(load.error.contains(messages("Str160").arg(kLargestDrawCount))) << load.error.toStdString();
    EXPECT_EQ(load.drawCount(), 0);
}

TEST_F(OddFiles, CommandLineMessagesSayWhatFailedWhereAndWhy)
{
    QStringList warnings;
    g_warnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    CliRun r = runCli({ s("--home"), QString(), s("lotteries") });
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(s("--home"))) << r.err.toStdString();
    r = runCli(dir.path(), { s("check"), s("--lottery"), s("6 из 45"), s("--file"), QString() });
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.contains(s("QFSFileEngine")));
    qInstallMessageHandler(previous);
    g_warnings = nullptr;
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(s("\n")).toStdString();

    // A draw number past what 32 bits hold is past the newest draw, like 99999.
    const LoadResult load = loadBase(dir.filePath(s("6x45.lot")), sixOf45(), {}, messages);
    ASSERT_TRUE(load.ok);
    const DrawChoice choice = chooseDraw(load.draws, s("99999999999"), messages);
    EXPECT_TRUE(choice.ok()) << choice.message.toStdString();
    EXPECT_EQ(choice.row, load.drawCount() - 1);
    EXPECT_FALSE(chooseDraw(load.draws, s("-99999999999"), messages).ok());
}

class ReadOnlyDisk : public test::SmallDisk
{
};

TEST_F(ReadOnlyDisk, SeedingNamesTheReasonAsEveryOtherWriteFailure)
{
    ASSERT_EQ(
        ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const MessageCatalog messages;
    QString error;
    EXPECT_FALSE(test::taken(ProgramFolder(filePath(s("home"))).seed(), &error));
    EXPECT_EQ(error, textfile::describeError(filePath(s("home")), messages("Str404")));
    EXPECT_FALSE(error.contains(qt_error_string(EROFS)));
    const CliRun r = runCli({ s("--home"), filePath(s("home")), s("--init"), s("lotteries") });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, messages("Str56").arg(error) + s("\n"));
    ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_REMOUNT, nullptr);
}
