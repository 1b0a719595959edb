#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "play/Systems.h"

#include "support/TempFolder.h"

#include "support/Taken.h"
#include "support/TestText.h"
#include <QFile>

#include <QDir>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

QStringList captions(std::initializer_list<const char *> items)
{
    return test::texts(items);
}

// Rows of a list as lines of cells joined by "|", e.g. "05|11||K|||||||".
QStringList rowsOf(const CombinationList &list)
{
    QStringList rows;
    for (int r = 0; r < list.rowCount(); ++r)
        rows.append(list.row(r).join(QLatin1Char('|')));
    return rows;
}

const QStringList kSevenMarked = captions({ "05", "11", "17", "23", "30", "38", "44" });

} // namespace

// Templates ---------------------------------------------------------------------------

TEST(SystemTemplate, SevenNumbersAllPairsExpandsToTwoRows)
{
    const SystemTemplate tmpl
        = SystemTemplate::parse(s(";7 numbers, all pairs\r\n1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n"));
    const MessageCatalog messages;
    const CombinationList list = expandSystem(tmpl, kSevenMarked);
    EXPECT_EQ(rowsOf(list), QStringList({ s("05|11|17|23|30|38||||"), s("05|11|17|23|30|44||||") }));
    EXPECT_EQ(expansionStatus(tmpl, 7, messages), s("Выбрано 7 номеров"));
    EXPECT_EQ(tmpl.description(), QStringList({ s("7 numbers, all pairs") }));

    // Five marks: the sixth and seventh positions have no number, their cells stay empty.
    const CombinationList five = expandSystem(tmpl, captions({ "05", "11", "17", "23", "30" }));
    EXPECT_EQ(rowsOf(five), QStringList({ s("05|11|17|23|30|||||"), s("05|11|17|23|30|||||") }));
    EXPECT_EQ(expansionStatus(tmpl, 5, messages), s("Выбрано 5 номеров"));

    // The number list re-sorted: the same positions take the numbers in the new order.
    const CombinationList resorted
        = expandSystem(tmpl, captions({ "44", "38", "30", "23", "17", "11", "05" }));
    EXPECT_EQ(resorted.row(1).mid(0, 6), captions({ "44", "38", "30", "23", "17", "05" }));
}

TEST(SystemTemplate, FieldsDelimitersPlaceholdersAndLimits)
{
    const SystemTemplate tmpl = SystemTemplate::parse(s("1,2;3 4,0,6\n"
                                                        "\n"
                                                        "   \n"
                                                        "1 2 3 4 5 6 7 8 9 10 11 12\n"
                                                        "K -1 8 200 +2 $3 0x04 x 12a\n"
                                                        "  ; kept as it is\n"
                                                        ";;; leading marks go\n"
                                                        "7"));
    const QStringList twelve
        = captions({ "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12" });
    const CombinationList list = expandSystem(tmpl, twelve.mid(0, 7));
    EXPECT_EQ(rowsOf(list),
        QStringList({
            s("01|02|03|04|K|06||||"), // 0 is the placeholder
            s("|||||||||"), // a blank line is an empty row
            s("|||||||||"), // so is a line of blanks
            s("01|02|03|04|05|06|07|||"), // 8..10 beyond the seven marks
            s("K||||02|03|04|K|K|"), // -1, 8, 200 empty; non-numbers K
            s("07|||||||||"), // last line without a line end
        }));
    // A row of twelve positions does not fit the list: the template says so.
    EXPECT_EQ(tmpl.widestRow(), 12);
    EXPECT_FALSE(tmpl.fitsList());
    EXPECT_EQ(tmpl.uses(), 10); // the largest position kept
    EXPECT_EQ(tmpl.description(), QStringList({ s("  ; kept as it is"), s(" leading marks go") }));
    EXPECT_TRUE(tmpl.hasFields());
    EXPECT_TRUE(SystemTemplate::parse(s("1 2 3 4 5 6 7 8 9 10\n3 5")).fitsList());
    EXPECT_EQ(SystemTemplate::parse(s("1 2 3 4 5 6\n1 2 3 4 5 7")).uses(), 7);
}

TEST(SystemTemplate, TemplateWithoutRowsOrFieldsGivesOneEmptyRowAndZeroCount)
{
    const MessageCatalog messages;
    for (const QString &text : { QString(), s("; only a description\r\n"), s("\r\n  \r\n") }) {
        const SystemTemplate tmpl = SystemTemplate::parse(text);
        EXPECT_FALSE(tmpl.hasFields());
        const CombinationList list = expandSystem(tmpl, kSevenMarked);
        EXPECT_GE(list.rowCount(), 1);
        EXPECT_EQ(list.cell(0, 0), QString());
        EXPECT_EQ(expansionStatus(tmpl, 7, messages), s("Выбрано 0 номеров"));
    }
    EXPECT_EQ(expandSystem(SystemTemplate::parse(QString()), kSevenMarked).rowCount(), 1);
}

TEST(CombinationList, DeletingMovesRowsUpAndKeepsTheLastRow)
{
    const SystemTemplate tmpl = SystemTemplate::parse(s("1\n2\n3\n"));
    CombinationList list = expandSystem(tmpl, captions({ "07", "08", "09" }));
    EXPECT_FALSE(list.removeRow(3));
    EXPECT_TRUE(list.removeRow(1));
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(1, 0), s("09"));
    EXPECT_TRUE(list.removeRow(0));
    EXPECT_FALSE(list.removeRow(0)); // never fewer than one row
    EXPECT_EQ(rowsOf(list), QStringList({ s("09|||||||||") }));
    EXPECT_EQ(list.cell(5, 0), QString());
    EXPECT_EQ(list.cell(0, 10), QString());

    // The next expansion brings every row back; the template itself was not touched.
    EXPECT_EQ(expandSystem(tmpl, captions({ "07", "08", "09" })).rowCount(), 3);
    EXPECT_EQ(CombinationList().rowCount(), 1);
}

// Systems in the configuration and the program folder ---------------------------------

TEST(Systems, NamesNeededCountAndHeaderWord)
{
    const IniDocument ini(
        s("[for 6 numbers]\r\n7 номеров=a.ltt\r\n6 номеров=b.ltt\r\n[for 5 numbers]\r\nX=c.ltt\r\n"));
    LotteryDefinition lottery;
    lottery.drawNumber = 6;
    EXPECT_EQ(systems::names(ini, lottery), QStringList({ s("7 номеров"), s("6 номеров") }));
    lottery.drawNumber = 4;
    EXPECT_TRUE(systems::names(ini, lottery).isEmpty());

    EXPECT_EQ(systems::neededCount(s("7 номеров")), 7);
    EXPECT_EQ(systems::neededCount(s("7,номеров")), 7);
    EXPECT_EQ(systems::neededCount(s(" 10:номеров")), 10);
    EXPECT_EQ(systems::neededCount(s("Полная")), 0);
    EXPECT_EQ(systems::neededCount(QString()), 0);
    EXPECT_EQ(systems::headerWord(s("7,номеров (полная)")), s("7,номеров"));
    EXPECT_EQ(systems::headerWord(s(" 7 номеров")), s("7"));
}

TEST(Systems, ExpansionFindsTheTemplateAndEmptiesTheListWhenItIsMissing)
{
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("System/default.ltt"), { s("; default"), s("1 2") });
    dir.writeLines(QStringLiteral("System/old/seven.ltt"),
        { s(";7 numbers, all pairs"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7") });
    const IniDocument ini(s("[for 6 numbers]\r\n7 номеров=old\\seven.ltt\r\nMissing=none.ltt\r\nEmpty=\r\n"));
    LotteryDefinition lottery;
    lottery.drawNumber = 6;
    const MessageCatalog messages;
    TemplateCache cache;

    SystemExpansion seven
        = expandCurrentSystem(cache, ini, lottery, s("7 номеров"), dir.folder(), kSevenMarked, messages);
    ASSERT_TRUE(seven.applied);
    EXPECT_EQ(seven.list.rowCount(), 2);
    EXPECT_EQ(seven.list.cell(1, 5), s("44"));
    EXPECT_EQ(seven.status, s("Выбрано 7 номеров"));

    // A name that is not a key takes default.ltt.
    SystemExpansion unknown
        = expandCurrentSystem(cache, ini, lottery, s("Нет такой"), dir.folder(), kSevenMarked, messages);
    ASSERT_TRUE(unknown.applied);
    EXPECT_EQ(unknown.list.row(0).mid(0, 3), captions({ "05", "11", "" }));

    // No file (an empty value names the folder, not a file): the empty list, the marks
    // counted, and a message naming the file, never the list of the previous system.
    for (const char *name : { "Missing", "Empty" }) {
        SystemExpansion missing
            = expandCurrentSystem(cache, ini, lottery, s(name), dir.folder(), kSevenMarked, messages);
        EXPECT_FALSE(missing.applied) << name;
        EXPECT_TRUE(missing.error.isEmpty()) << name;
        EXPECT_EQ(missing.list.rowCount(), 1) << name;
        EXPECT_TRUE(missing.list.isEmpty()) << name;
        EXPECT_EQ(missing.status, s("Выбрано 7 номеров")) << name;
        EXPECT_EQ(missing.message,
            s("Не найден файл шаблона системы ") + QDir::toNativeSeparators(missing.templatePath)
                + s(". Список комбинаций пуст."))
            << name;
    }
    EXPECT_TRUE(expandCurrentSystem(cache, ini, lottery, s("Missing"), dir.folder(), {}, messages)
                    .message.contains(s("none.ltt")));
    EXPECT_EQ(expandCurrentSystem(cache, ini, lottery, s("Missing"), dir.folder(), {}, messages).status,
        s("Выбрано 0 номеров"));
    EXPECT_TRUE(seven.message.isEmpty());

    EXPECT_EQ(*systems::description(ini, lottery.systemSection(), s("7 номеров"), dir.folder()),
        QStringList({ s("7 numbers, all pairs") }));
    // The dialog has no default template: an unknown name shows nothing.
    EXPECT_TRUE(systems::description(ini, lottery.systemSection(), s("Нет такой"), dir.folder())->isEmpty());
    EXPECT_TRUE(systems::description(ini, lottery.systemSection(), s("Missing"), dir.folder())->isEmpty());
}

TEST(Systems, ShippedFullSystemExpandsFromTheSeededFolder)
{
    test::TempFolder dir;
    QString error;
    ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    const IniDocument ini = IniFile(dir.folder().configPath()).load();
    const LotteryDefinition lottery = lotteries::readDefinition(ini, s("6 из 45"));
    const QStringList names = systems::names(ini, lottery);
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(systems::neededCount(names.at(1)), 7);

    TemplateCache cache;
    const SystemExpansion expansion
        = expandCurrentSystem(cache, ini, lottery, names.at(1), dir.folder(), kSevenMarked, MessageCatalog());
    ASSERT_TRUE(expansion.applied);
    EXPECT_EQ(expansion.list.rowCount(), 7); // every 6 of 7
    for (int r = 0; r < expansion.list.rowCount(); ++r) {
        const QStringList row = expansion.list.row(r);
        EXPECT_EQ(row.mid(6), QStringList(4, QString()));
        EXPECT_EQ(row.count(QString()), 4);
    }
    EXPECT_FALSE(systems::description(ini, lottery.systemSection(), names.at(1), dir.folder())->isEmpty());
}

TEST(TemplateCache, RereadsOnlyAChangedFile)
{
    test::TempFolder dir;
    const QString path = dir.filePath(QStringLiteral("t.ltt"));
    dir.writeLines(QStringLiteral("t.ltt"), { s("1 2 3") });
    TemplateCache cache;
    const auto first = *cache.load(path);
    ASSERT_TRUE(first);
    EXPECT_EQ(*cache.load(path), first); // the same parsed template, not re-read

    dir.writeLines(QStringLiteral("t.ltt"), { s("1 2 3"), s("4 5 6") });
    const auto second = *cache.load(path);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->rowCount(), 2);
    // A list expanded before the change keeps its rows.
    EXPECT_EQ(first->rowCount(), 1);

    QFile::remove(path);
    const auto gone = cache.load(path);
    ASSERT_TRUE(gone); // no file is no failure
    EXPECT_FALSE(*gone);
}
