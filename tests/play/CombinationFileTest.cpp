#include "play/CombinationFile.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"

#include "support/TempFolder.h"

#include "support/Taken.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

QStringList captions(std::initializer_list<const char *> items)
{
    return test::texts(items);
}

} // namespace

TEST(CombinationFile, SavedFileMatchesByteForByte)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const CombinationList list = expandSystem(SystemTemplate::parse(s("1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n")),
        captions({ "05", "11", "17", "23", "30", "38", "44" }));
    const QString path = dir.filePath(QStringLiteral("saved.ltc"));
    QString error;
    ASSERT_TRUE(
        test::taken(writeCombinationFile(path, list, s("6 из 45"), s("7 номеров"), messages), &error));

    // Six numbers, each with three blanks after it, then four empty cells of three blanks.
    const QString empty4(12, QLatin1Char(' '));
    const QString row1 = s("05   11   17   23   30   38   ") + empty4;
    const QString row2 = s("05   11   17   23   30   44   ") + empty4;
    ASSERT_EQ(row1.size(), 42);
    const QByteArray expected
        = textfile::encode(s("6 из 45\r\nВыбрано:  7 номеров - 2 комбинации\r\n") + row1 + s("\r\n") + row2);
    EXPECT_EQ(dir.readBytes(QStringLiteral("saved.ltc")), expected);
    EXPECT_FALSE(dir.readBytes(QStringLiteral("saved.ltc")).endsWith("\r\n"));
    // Written in Windows-1251: one byte per character, no byte-order mark.
    EXPECT_EQ(static_cast<unsigned char>(expected.at(2)), 0xE8); // "и"
}

TEST(CombinationFile, EmptyListAndNamesKeptAsTheyAre)
{
    const MessageCatalog messages;
    // One empty row: R = 1 and ten empty cells of three blanks each.
    EXPECT_EQ(combinationFileText(CombinationList(), s("Кено (20 из 80)"), s("7,номеров (полная)"), messages),
        s("Кено (20 из 80)\r\nВыбрано:  7,номеров номеров - 1 комбинация\r\n")
            + QString(30, QLatin1Char(' ')));
    EXPECT_EQ(combinationFileHeader(QString(), 0, messages), s("Выбрано:   номеров - 0 комбинаций"));
}

TEST(CombinationFile, DeletedRowsAreNotSaved)
{
    const MessageCatalog messages;
    CombinationList list = expandSystem(SystemTemplate::parse(s("1\n2\nK\n")), captions({ "07", "08" }));
    ASSERT_TRUE(list.removeRow(0));
    EXPECT_EQ(combinationFileText(list, s("L"), s("2"), messages),
        s("L\r\nВыбрано:  2 номера - 2 комбинации\r\n08") + QString(30, QLatin1Char(' ')) + s("\r\nK")
            + QString(30, QLatin1Char(' ')));
}

TEST(CombinationFile, FailedWriteKeepsTheOldFile)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    QString error;
    const CombinationList list = expandSystem(SystemTemplate::parse(s("1 2\n")), captions({ "07", "08" }));
    EXPECT_FALSE(test::taken(writeCombinationFile(dir.filePath(QStringLiteral("no/such/dir/a.ltc")), list,
                                 s("L"), s("7"), messages),
        &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no/such/dir/a.ltc"))) << error.toStdString();
}

TEST(CombinationFile, AListWithoutACombinationIsNotWritten)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const QString path = dir.filePath(QStringLiteral("a.ltc"));
    dir.writeBytes(QStringLiteral("a.ltc"), QByteArray("kept"));
    // The list of a missing template, and a template expanded with nothing marked.
    for (const CombinationList &empty :
        { CombinationList(), expandSystem(SystemTemplate::parse(s("1 2 3\n4 5 6\n")), QStringList()) }) {
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_EQ(combinationSaveRefusal(empty, messages),
            s("В списке нет ни одной комбинации: сохранять нечего. Отметьте номера и выберите систему."));
        QString error;
        EXPECT_FALSE(test::taken(writeCombinationFile(path, empty, s("L"), s("7"), messages), &error));
        EXPECT_EQ(error, combinationSaveRefusal(empty, messages));
        EXPECT_EQ(dir.readBytes(QStringLiteral("a.ltc")), QByteArray("kept"));
    }
    // One number, or a placeholder to fill in by hand, is a combination.
    const CombinationList one = expandSystem(SystemTemplate::parse(s("\n4 5 1\n")), captions({ "07" }));
    EXPECT_FALSE(one.isEmpty());
    EXPECT_TRUE(combinationSaveRefusal(one, messages).isEmpty());
    EXPECT_FALSE(expandSystem(SystemTemplate::parse(s("K\n")), QStringList()).isEmpty());
    QString error;
    EXPECT_TRUE(test::taken(writeCombinationFile(path, one, s("L"), s("7"), messages), &error))
        << error.toStdString();
}

TEST(CombinationFile, ALargeListIsWrittenInPiecesWithTheSameBytes)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    QStringList saved;
    for (int i = 0; i < 60000; ++i)
        saved.append(
            QStringLiteral("%1   02   03   04   05   06   ").arg(i % 45 + 1, 2, 10, QLatin1Char('0')));
    CombinationList list;
    int wide = 0;
    ASSERT_TRUE(CombinationList::fromSavedLines(saved, &list, &wide));
    QString error;
    // A plain head, a Cyrillic one, and one whose 1251 bytes would read back as UTF-8.
    for (const char *lottery : { "Loto", "6 из 45", "Рѕ" }) {
        const QString path = dir.filePath(QStringLiteral("big.ltc"));
        ASSERT_TRUE(test::taken(writeCombinationFile(path, list, s(lottery), s("6"), messages), &error))
            << error.toStdString();
        const QByteArray expected = textfile::encode(combinationFileText(list, s(lottery), s("6"), messages));
        EXPECT_EQ(dir.readBytes(QStringLiteral("big.ltc")), expected) << lottery;
        QString text;
        ASSERT_TRUE(test::taken(textfile::readText(path), &text, &error));
        EXPECT_TRUE(text.startsWith(s(lottery) + s("\r\n"))) << lottery;
    }
}
