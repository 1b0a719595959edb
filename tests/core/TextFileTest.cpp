#include "core/TextFile.h"

#include "core/MessageCatalog.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <gtest/gtest.h>

#include <cerrno>

using namespace kivora;

namespace {
using kivora::test::s;
} // namespace

TEST(TextFile, CyrillicRoundTripsThroughWindows1251)
{
    const QString text = s("Кено (20 из 80) № ё Ё «»");
    const QByteArray bytes = textfile::encode(text);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.size(), text.size()); // one byte a character
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(0)), 0xCA); // К
    EXPECT_EQ(textfile::decode(bytes), text);
}

TEST(TextFile, TextOutside1251IsWrittenAsUtf8WithMark)
{
    const QString text = s("Lotto 日本");
    const QByteArray bytes = textfile::encode(text);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(textfile::decode(bytes), text);
}

TEST(TextFile, Utf8WithoutMarkIsRecognised)
{
    EXPECT_EQ(textfile::decode(s("6 из 45").toUtf8()), s("6 из 45"));
    EXPECT_EQ(textfile::decode(QByteArray("plain ascii")), s("plain ascii"));
}

TEST(TextFile, LinesSplitOnAnyLineEnd)
{
    EXPECT_EQ(textfile::splitLines(s("a\r\nb\nc\rd")), QStringList({ s("a"), s("b"), s("c"), s("d") }));
    EXPECT_EQ(textfile::splitLines(s("a\r\n")), QStringList({ s("a") }));
    EXPECT_EQ(textfile::splitLines(s("a\r\n\r\n")), QStringList({ s("a"), QString() }));
    EXPECT_EQ(textfile::splitLines(QString()), QStringList());
    EXPECT_EQ(textfile::splitLines(s("\n")), QStringList({ QString() }));
}

TEST(TextFile, WriteReplacesAndAppendKeepsEncoding)
{
    test::TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QString error;
    ASSERT_TRUE(test::taken(textfile::writeLines(path, { s("Первая") }), &error));
    EXPECT_EQ(dir.readBytes(QStringLiteral("a.txt")), textfile::encode(s("Первая\r\n")));
    ASSERT_TRUE(test::taken(textfile::appendText(path, s("Вторая\r\n")), &error));
    EXPECT_EQ(dir.readLines(QStringLiteral("a.txt")), QStringList({ s("Первая"), s("Вторая") }));

    // A line that 1251 cannot hold turns the whole file into UTF-8, losing nothing.
    ASSERT_TRUE(test::taken(textfile::appendText(path, s("日本\r\n")), &error));
    EXPECT_TRUE(dir.readBytes(QStringLiteral("a.txt")).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(dir.readLines(QStringLiteral("a.txt")), QStringList({ s("Первая"), s("Вторая"), s("日本") }));
    ASSERT_TRUE(test::taken(textfile::appendText(path, s("Ещё\r\n")), &error));
    EXPECT_EQ(dir.readLines(QStringLiteral("a.txt")).last(), s("Ещё"));
}

TEST(TextFile, FailuresNameTheFileAndKeepTheOldContent)
{
    test::TempFolder dir;
    QString text;
    QString error;
    EXPECT_FALSE(test::taken(textfile::readText(dir.filePath(QStringLiteral("missing.txt"))), &text, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.txt")));

    error.clear();
    EXPECT_FALSE(test::taken(
        textfile::writeText(dir.filePath(QStringLiteral("no/such/folder/a.txt")), s("x")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, ReasonsAreInTheProgramsLanguage)
{
    test::TempFolder dir;
    const MessageCatalog builtIn;
    textfile::useMessages(builtIn);
    QString text;
    QString error;
    EXPECT_FALSE(test::taken(textfile::readText(dir.filePath(QStringLiteral("missing.txt"))), &text, &error));
    EXPECT_TRUE(error.endsWith(builtIn("Str402"))) << error.toStdString();
    EXPECT_FALSE(error.contains(qt_error_string(ENOENT)));
    EXPECT_FALSE(test::taken(textfile::readText(dir.path()), &text, &error));
    EXPECT_TRUE(error.endsWith(builtIn("Str406"))) << error.toStdString();
    dir.writeBytes(QStringLiteral("nul.bin"), QByteArray("a\0b", 3));
    EXPECT_FALSE(test::taken(textfile::readText(dir.filePath(QStringLiteral("nul.bin"))), &text, &error));
    EXPECT_TRUE(error.endsWith(builtIn("Str409"))) << error.toStdString();
    EXPECT_FALSE(
        test::taken(textfile::writeText(dir.filePath(QStringLiteral("nul.bin/a.txt")), s("x")), &error));
    EXPECT_TRUE(error.endsWith(builtIn("Str413"))) << error.toStdString();

    // The catalogue of the language file in use; the system's text for rare causes.
    MessageCatalog other;
    other.setText(QStringLiteral("Str402"), s("no such file"));
    textfile::useMessages(other);
    EXPECT_FALSE(test::taken(textfile::readText(dir.filePath(QStringLiteral("missing.txt"))), &text, &error));
    textfile::useMessages(builtIn);
    EXPECT_TRUE(error.endsWith(s(": no such file"))) << error.toStdString();
    EXPECT_EQ(textfile::systemReason(EBADF), qt_error_string(EBADF));
    EXPECT_EQ(textfile::systemReason(EROFS), builtIn("Str404"));
}

TEST(TextFile, AFileThatSaysItIsEmptyIsReadOnlyUpToTheLimit)
{
    // The files of /proc give their size as 0; pagemap holds gigabytes.
    QByteArray bytes;
    QString error;
    textfile::ReadFailure failure = textfile::ReadFailure::None;
    const qint64 limit = qint64(1) << 20;
    ASSERT_EQ(QFileInfo(QStringLiteral("/proc/self/pagemap")).size(), 0);
    EXPECT_FALSE(test::taken(
        textfile::readBytes(QStringLiteral("/proc/self/pagemap"), &failure, limit), &bytes, &error));
    EXPECT_EQ(failure, textfile::ReadFailure::TooLarge);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(error,
        textfile::describeError(QStringLiteral("/proc/self/pagemap"), MessageCatalog()("Str408").arg(1)));

    // One that fits is read whole.
    QString text;
    ASSERT_TRUE(
        test::taken(textfile::readText(QStringLiteral("/proc/self/maps"), &failure, limit), &text, &error))
        << error.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[stack]")));
    // A file just over a limit, of a known size.
    test::TempFolder dir;
    dir.writeBytes(QStringLiteral("big.txt"), QByteArray(1025, 'x'));
    EXPECT_FALSE(test::taken(
        textfile::readBytes(dir.filePath(QStringLiteral("big.txt")), &failure, 1024), &bytes, &error));
    EXPECT_EQ(failure, textfile::ReadFailure::TooLarge);
    EXPECT_TRUE(test::taken(
        textfile::readBytes(dir.filePath(QStringLiteral("big.txt")), &failure, 1025), &bytes, &error));
    EXPECT_EQ(bytes.size(), 1025);
}

namespace {

// A lock file as another program left it, written some seconds ago.
void leaveLock(const QString &path, const QByteArray &bytes, int secondsAgo = 0)
{
    QFile file(path + QStringLiteral(".lock"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush(); // a write after the time is set would set it again
    ASSERT_TRUE(file.setFileTime(
        QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

} // namespace

TEST(FileLock, LocksThatNoLiveProcessHoldsAreTakenOverAtOnce)
{
    test::TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("kivora.INI"));
    const QByteArray foreign("4242\nkivora\nanother-computer\n0123456789abcdef\nboot\n");
    const struct
    {
        const char *what;
        QByteArray bytes;
        int secondsAgo;
    } stale[] = {
        { "empty", QByteArray(), 0 },
        { "not a lock", QByteArray("\x01\x02garbage\n"), 0 },
        { "cut short", QByteArray("4242\n"), 0 },
        { "another computer's, old", foreign, textfile::kForeignLockSeconds + 60 },
    };
    for (const auto &lock : stale) {
        leaveLock(path, lock.bytes, lock.secondsAgo);
        textfile::FileLock taken(path);
        QString error;
        EXPECT_TRUE(test::taken(taken.lock(0), &error)) << lock.what << ": " << error.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".lock")));

    // Another computer's lock of a minute ago may be a write going on there.
    leaveLock(path, foreign, 60);
    textfile::FileLock waiting(path);
    QString error;
    EXPECT_FALSE(test::taken(waiting.lock(100), &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path + QStringLiteral(".lock"))))
        << error.toStdString();
}

TEST(FileLock, ALockOfALiveProcessBlocksAndTheMessageNamesTheLockFile)
{
    test::TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("kivora.INI"));
    QLockFile other(path + QStringLiteral(".lock"));
    ASSERT_TRUE(other.tryLock(0));
    textfile::FileLock waiting(path);
    QString error;
    EXPECT_FALSE(test::taken(waiting.lock(200), &error));
    const QString lockFile = QDir::toNativeSeparators(path + QStringLiteral(".lock"));
    EXPECT_EQ(error, textfile::describeError(path, MessageCatalog()("Str411").arg(lockFile)));
    EXPECT_TRUE(QFileInfo::exists(path + QStringLiteral(".lock")));
}
