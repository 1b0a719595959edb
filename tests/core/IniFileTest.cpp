#include "core/IniFile.h"

#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kivora;

namespace {
using kivora::test::s;
} // namespace

TEST(IniDocument, NamesCompareWithoutCaseAndValuesAreTrimmed)
{
    const IniDocument ini(
        s("[Form]\r\n  Top = 150 \r\nlangfile=&russian.lng\r\n[Лото]\r\nКлюч=Значение\r\n"));
    EXPECT_EQ(ini.readInteger(s("FORM"), s("top"), 100), 150);
    EXPECT_EQ(ini.readString(s("form"), s("LangFile"), QString()), s("&russian.lng"));
    EXPECT_EQ(ini.readString(s("лото"), s("КЛЮЧ"), QString()), s("Значение"));
    EXPECT_EQ(ini.readString(s("Form"), s("Missing"), s("def")), s("def"));
    EXPECT_EQ(ini.readString(s("Nope"), s("Top"), s("def")), s("def"));
}

TEST(IniDocument, IntegersAndFlagsFallBackToTheDefault)
{
    const IniDocument ini(s("[S]\r\nA=12x\r\nB=\r\nC=$1F\r\nD=0x10\r\nE=0\r\nF=7\r\nG=-3\r\n"));
    EXPECT_EQ(ini.readInteger(s("S"), s("A"), 5), 5);
    EXPECT_EQ(ini.readInteger(s("S"), s("B"), 5), 5);
    EXPECT_EQ(ini.readInteger(s("S"), s("C"), 5), 31);
    EXPECT_EQ(ini.readInteger(s("S"), s("D"), 5), 16);
    EXPECT_EQ(ini.readInteger(s("S"), s("G"), 5), -3);
    EXPECT_FALSE(ini.readBool(s("S"), s("E"), true));
    EXPECT_TRUE(ini.readBool(s("S"), s("F"), false));
    EXPECT_TRUE(ini.readBool(s("S"), s("B"), true)); // empty value: the default
    EXPECT_TRUE(ini.readBool(s("S"), s("A"), true)); // not an integer: the default
}

TEST(IniDocument, KeysAndLinesInFileOrder)
{
    const IniDocument ini(s("[LotoType]\r\nA=1\r\nB=0\r\nC=\r\n; note\r\n\r\n[Other]\r\nX=1\r\n"));
    EXPECT_EQ(ini.keys(s("lototype")), QStringList({ s("A"), s("B"), s("C") }));
    EXPECT_EQ(ini.keyValueLines(s("LotoType")), QStringList({ s("A=1"), s("B=0"), s("C=") }));
    EXPECT_EQ(ini.sectionNames(), QStringList({ s("LotoType"), s("Other") }));
    EXPECT_TRUE(ini.keys(s("Missing")).isEmpty());
}

TEST(IniDocument, RewrittenKeyKeepsItsPlaceNewKeyGoesLast)
{
    IniDocument ini(s("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n"));
    ini.writeString(s("a"), s("X"), s("10"));
    ini.writeString(s("A"), s("w"), s("4"));
    ini.writeString(s("C"), s("k"), s("v"));
    EXPECT_EQ(ini.toText(), s("[A]\r\nx=10\r\ny=2\r\nw=4\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nk=v\r\n"));
    EXPECT_EQ(ini.keys(s("A")), QStringList({ s("x"), s("y"), s("w") }));
}

TEST(IniDocument, DeleteKeyAndEraseSection)
{
    IniDocument ini(s("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n"));
    ini.deleteKey(s("a"), s("X"));
    EXPECT_EQ(ini.keys(s("A")), QStringList({ s("y") }));
    ini.eraseSection(s("A"));
    EXPECT_FALSE(ini.hasSection(s("A")));
    EXPECT_EQ(ini.toText(), s("[B]\r\nz=3\r\n"));
    ini.eraseSection(s("Missing"));
    ini.deleteKey(s("B"), s("missing"));
    EXPECT_FALSE(ini.isModified() && ini.keys(s("B")).isEmpty());
}

TEST(IniDocument, BlanksAtTheEdgesOfAValueSurviveThroughQuotes)
{
    IniDocument ini;
    ini.writeString(s("MainForm"), s("Str2"), s("Выбрано: "));
    EXPECT_EQ(ini.toText(), s("[MainForm]\r\nStr2=\"Выбрано: \"\r\n"));
    EXPECT_EQ(IniDocument(ini.toText()).readString(s("MainForm"), s("Str2"), QString()), s("Выбрано: "));
}

TEST(IniFile, MissingFileReadsEmptyAndFirstWriteCreatesIt)
{
    test::TempFolder dir;
    IniFile ini(dir.filePath(QStringLiteral("kivora.INI")));
    EXPECT_EQ(ini.readInteger(s("Form"), s("Top"), 100), 100);
    EXPECT_TRUE(ini.keys(s("LotoType")).isEmpty());
    ASSERT_TRUE(ini.writeInteger(s("Form"), s("Top"), 120));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kivora.INI")), QByteArray("[Form]\r\nTop=120\r\n"));
    EXPECT_EQ(IniFile(ini.path()).readInteger(s("form"), s("top"), 0), 120);
}

TEST(IniFile, WritesInWindows1251AndReadsItBack)
{
    test::TempFolder dir;
    IniFile ini(dir.filePath(QStringLiteral("kivora.INI")));
    ASSERT_TRUE(ini.writeBool(s("LotoType"), s("6 из 45"), true));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kivora.INI")), QByteArray("[LotoType]\r\n6 \xE8\xE7 45=1\r\n"));
    EXPECT_EQ(ini.keys(s("LotoType")), QStringList({ s("6 из 45") }));
}

TEST(IniFile, UnwritableFileReportsAndChangesNothing)
{
    test::TempFolder dir;
    IniFile ini(dir.filePath(QStringLiteral("missing-folder/kivora.INI")));
    const Done written = ini.writeString(s("A"), s("b"), s("c"));
    ASSERT_FALSE(written);
    EXPECT_FALSE(written.failure().text.isEmpty());
}

TEST(IniFile, AnUpdateChangesTheFileAsItIsNowNotAsItWasRead)
{
    test::TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("kivora.INI"));
    IniFile mine(path);
    ASSERT_TRUE(mine.writeString(s("A"), s("x"), s("1")));
    const IniDocument seen = mine.load();
    // Another writer (another process) changes a key between that read and the update.
    ASSERT_TRUE(IniFile(path).writeString(s("B"), s("y"), s("2")));

    ASSERT_TRUE(mine.update([&](IniDocument &document) {
        EXPECT_EQ(document.readString(s("B"), s("y"), QString()), s("2"));
        document.writeString(s("A"), s("x"), seen.readString(s("A"), s("x"), QString()) + s("0"));
    }));
    const IniDocument after = IniFile(path).load();
    EXPECT_EQ(after.readString(s("A"), s("x"), QString()), s("10"));
    EXPECT_EQ(after.readString(s("B"), s("y"), QString()), s("2"));

    // An edit that declines leaves the file as it was; one that changes nothing
    // does not write it.
    const QByteArray bytes = dir.readBytes(QStringLiteral("kivora.INI"));
    const Done declined = mine.update([](IniDocument &document) {
        document.writeString(s("A"), s("x"), s("99"));
        return false;
    });
    ASSERT_FALSE(declined);
    EXPECT_EQ(declined.failure().kind, Failure::Kind::Cancelled);
    EXPECT_TRUE(declined.failure().text.isEmpty());
    EXPECT_EQ(dir.readBytes(QStringLiteral("kivora.INI")), bytes);
    QFile::remove(path);
    EXPECT_TRUE(mine.update([](IniDocument &document) { document.readString(s("A"), s("x"), QString()); }));
    EXPECT_FALSE(QFile::exists(path));
}
