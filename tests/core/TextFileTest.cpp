#include "core/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {
QString s(const char *text)
{
    return QString::fromUtf8(text);
}
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
    ASSERT_TRUE(textfile::writeLines(path, { s("Первая") }, &error));
    EXPECT_EQ(dir.readBytes(QStringLiteral("a.txt")), textfile::encode(s("Первая\r\n")));
    ASSERT_TRUE(textfile::appendText(path, s("Вторая\r\n"), &error));
    EXPECT_EQ(dir.readLines(QStringLiteral("a.txt")), QStringList({ s("Первая"), s("Вторая") }));

    // A line that 1251 cannot hold turns the whole file into UTF-8, losing nothing.
    ASSERT_TRUE(textfile::appendText(path, s("日本\r\n"), &error));
    EXPECT_TRUE(dir.readBytes(QStringLiteral("a.txt")).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(dir.readLines(QStringLiteral("a.txt")), QStringList({ s("Первая"), s("Вторая"), s("日本") }));
    ASSERT_TRUE(textfile::appendText(path, s("Ещё\r\n"), &error));
    EXPECT_EQ(dir.readLines(QStringLiteral("a.txt")).last(), s("Ещё"));
}

TEST(TextFile, FailuresNameTheFileAndKeepTheOldContent)
{
    test::TempFolder dir;
    QString text;
    QString error;
    EXPECT_FALSE(textfile::readText(dir.filePath(QStringLiteral("missing.txt")), &text, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.txt")));

    error.clear();
    EXPECT_FALSE(textfile::writeText(dir.filePath(QStringLiteral("no/such/folder/a.txt")), s("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}
