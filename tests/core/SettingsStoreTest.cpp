#include "core/SettingsStore.h"
#include "core/IniFile.h"

#include "core/MessageCatalog.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <random>

using namespace kivora;
using namespace kivora::settings;

namespace {

using kivora::test::s;

QStringList params(std::initializer_list<const char *> numbers)
{
    QStringList values;
    for (const char *n : numbers)
        values.append(s(n));
    while (values.size() < kParamCount)
        values.append(paramDefaults().at(values.size()));
    return values;
}

} // namespace

TEST(SettingsParams, MissingKeysShowTheDialogDefaults)
{
    const IniDocument ini(s("[L]\r\nDrawNumber=5\r\nwww=http://example.org\r\n"));
    const QStringList values = readParams(ini, s("L"));
    EXPECT_EQ(values,
        QStringList({ s("1"), s("45"), s("5"), s("0"), s("0"), s("0"), s("default.lot"), s("-"), s("-"),
            s("http://example.org"), s("") }));
    EXPECT_EQ(readParams(ini, s("no section")), paramDefaults());
}

// Every value the check lets through must also pass validate (and so load), and every
// refusal must name the row of the key that validate complains about.
TEST(SettingsParams, CheckAgreesWithTheLoadLimits)
{
    const MessageCatalog messages;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(-5, 110);
    for (int i = 0; i < 3000; ++i) {
        LotteryDefinition d;
        d.name = s("L");
        d.minNumber = value(random);
        d.maxNumber = value(random);
        d.drawNumber = value(random) / 4;
        d.countOfAddBall = value(random);
        QStringList values = params({});
        values[0] = QString::number(d.minNumber);
        values[1] = QString::number(d.maxNumber);
        values[2] = QString::number(d.drawNumber);
        values[3] = QString::number(d.countOfAddBall);
        const QString refusal = lotteries::validate(d, messages);
        const ParamsCheck check = checkParams(d.name, values, messages);
        ASSERT_EQ(check.ok(), refusal.isEmpty()) << refusal.toStdString();
        if (!check.ok()) {
            EXPECT_TRUE(refusal.contains(paramKeys().at(check.row)));
            EXPECT_TRUE(check.message.contains(paramCaptions().at(check.row).trimmed()));
            EXPECT_TRUE(check.message.contains(refusal));
        }
    }
}

TEST(SettingsParams, RefusalsNameTheRow)
{
    const MessageCatalog messages;
    struct Case
    {
        QStringList values;
        int row;
    };
    const QList<Case> cases {
        { params({ "-1", "45" }), 0 },
        { params({ "1", "101" }), 1 },
        { params({ "50", "45" }), 0 }, // MinNumber above MaxNumber
        { params({ "1", "45", "0" }), 2 },
        { params({ "1", "10", "11" }), 2 }, // more numbers drawn than there are
        { params({ "1", "45", "6", "-1" }), 3 },
        { params({ "1", "45", "6", "101" }), 3 },
        { params({ "1", "45", "six" }), 2 },
        { params({ "1", "" }), 1 },
        { params({ "1", "45", "6", "0", "4.5" }), 4 },
        { params({ "1", "45", "6", "0", "0", "9 9" }), 5 },
    };
    for (const Case &c : cases) {
        const ParamsCheck check = checkParams(s("Лото"), c.values, messages);
        EXPECT_EQ(check.row, c.row) << c.values.join(QLatin1Char(',')).toStdString();
        EXPECT_TRUE(check.message.contains(paramCaptions().at(c.row).trimmed()));
    }
    EXPECT_TRUE(checkParams(s("L"), paramDefaults(), messages).ok());
    EXPECT_TRUE(checkParams(s("L"), params({ "0", "100", "101" }), messages).ok());
    EXPECT_TRUE(checkParams(s("L"), params({ " 1 ", "$2D", "+6", "0", "-3", "x" }), messages).row == 5);
    EXPECT_TRUE(checkParams(s("L"), params({ " 1 ", "$2D", "+6", "0", "-3", "7" }), messages).ok());
}

TEST(SettingsNames, NewLotteriesGetAFreeName)
{
    EXPECT_EQ(newLotteryName({ s("A"), s("B") }), s("NewLoto_3"));
    EXPECT_EQ(newLotteryName({ s("A"), s("B"), s("NewLoto_3") }), s("NewLoto_4"));
    // A row was deleted after NewLoto_3 was added: the count alone would repeat it.
    EXPECT_EQ(newLotteryName({ s("B"), s("newloto_3") }), s("NewLoto_4"));
}

TEST(SettingsNames, NamesThatWouldBreakTheFileAreRefused)
{
    const QStringList others { s("6 из 45"), s("Кено") };
    EXPECT_TRUE(lotteryNameProblem(s("5 из 36"), others, MessageCatalog()).isEmpty());
    for (const char *bad :
        { "", "  ", "[x]", "a]b", "a=b", ";x", "Form", "lototype", "For 6 Numbers", "кено", " 6 из 45 " })
        EXPECT_FALSE(lotteryNameProblem(s(bad), others, MessageCatalog()).isEmpty()) << bad;

    const QStringList systems { s("7 номеров") };
    EXPECT_TRUE(
        systemNameProblem(s(""), systems, MessageCatalog()).isEmpty()); // an unnamed row is not written
    EXPECT_TRUE(systemNameProblem(s("8 [полная]"), systems, MessageCatalog()).isEmpty());
    for (const char *bad : { "7 НОМЕРОВ", "a=b", "[x", ";x" })
        EXPECT_FALSE(systemNameProblem(s(bad), systems, MessageCatalog()).isEmpty()) << bad;
}

TEST(SettingsFile, RenameKeepsTheSectionWhenOnlyTheCaseChanges)
{
    test::TempFolder dir;
    dir.writeLines(s("kivora.INI"),
        { s("[LotoType]"), s("loto=0"), s("B=1"), s(""), s("[loto]"), s("MaxNumber=36"), s("Extra=x") });
    IniFile ini(dir.folder().configPath());
    QStringList values = params({ "1", "36", "5" });
    ASSERT_TRUE(renameLottery(ini, s("loto"), s("Loto"), values));
    const IniDocument doc = ini.load();
    EXPECT_EQ(doc.keys(s("LotoType")), QStringList({ s("B"), s("Loto") }));
    EXPECT_EQ(doc.readString(s("LotoType"), s("Loto"), {}), s("1"));
    EXPECT_EQ(doc.readString(s("loto"), s("DrawNumber"), {}), s("5"));
    EXPECT_EQ(doc.readString(s("loto"), s("Extra"), {}), s("x"));
}

TEST(SettingsFile, SystemListsAreRewrittenInRowOrder)
{
    test::TempFolder dir;
    dir.writeLines(s("kivora.INI"),
        { s("[L]"), s("DrawNumber=x"), s(""), s("[for 6 numbers]"), s("A=a.ltt"), s("B=b.ltt"), s(""),
            s("[Form]"), s("Top=1") });
    IniFile ini(dir.folder().configPath());
    // A DrawNumber that is no integer is read as 6, as the main window reads it.
    const QString section = systemSection(ini.load(), s("L"));
    ASSERT_EQ(section, s("for 6 numbers"));
    ASSERT_EQ(readSystems(ini.load(), section).size(), 2);

    ASSERT_TRUE(writeSystems(
        ini, section, { { s("C"), s("c=1.ltt") }, { s(""), s("lost.ltt") }, { s("A"), s("a.ltt") } }));
    const IniDocument doc = ini.load();
    const QList<SystemRow> rows = readSystems(doc, section);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].name, s("C"));
    EXPECT_EQ(rows[0].file, s("c=1.ltt"));
    EXPECT_EQ(rows[1].name, s("A"));
    EXPECT_EQ(doc.readString(s("Form"), s("Top"), {}), s("1"));

    ASSERT_TRUE(writeSystems(ini, section, {}));
    EXPECT_FALSE(ini.hasSection(section));
}

TEST(SettingsParams, TicketPriceIsOptionalCheckedAndRemovedWhenEmptied)
{
    test::TempFolder dir;
    const QString path = dir.filePath(s("kivora.INI"));
    dir.writeLines(s("kivora.INI"), { s("[L]"), s("DrawNumber=5"), s("Extra=kept") });
    IniFile ini(path);
    const MessageCatalog messages;
    const int priceRow = static_cast<int>(paramKeys().indexOf(s("TicketPrice")));
    ASSERT_GE(priceRow, 0);

    QStringList values = readParams(ini.load(), s("L"));
    EXPECT_TRUE(values.at(priceRow).isEmpty());
    values[priceRow] = s("25,50");
    EXPECT_TRUE(checkParams(s("L"), values, messages).ok());
    ASSERT_TRUE(writeParams(ini, s("L"), values));
    EXPECT_EQ(ini.load().readString(s("L"), s("TicketPrice"), QString()), s("25,50"));

    values[priceRow] = s("двадцать");
    const ParamsCheck refused = checkParams(s("L"), values, messages);
    EXPECT_EQ(refused.row, priceRow);
    EXPECT_FALSE(refused.ok());

    values[priceRow] = QString();
    ASSERT_TRUE(writeParams(ini, s("L"), values));
    EXPECT_FALSE(ini.load().value(s("L"), s("TicketPrice")).has_value());
    EXPECT_EQ(ini.load().readString(s("L"), s("Extra"), QString()), s("kept"));
}

// A pasted escape sequence or line break would be written into the configuration file:
// a line break ends the key there and makes the rest a line of its own.
TEST(SettingsParams, ControlCharactersInAnyFieldAreRefused)
{
    const MessageCatalog messages;
    const QStringList controls { s("\n"), s("\r"), s("\t"), s("\x1b[2J"), s("\x7f"), QString(QChar(0x85)),
        QString(QChar(0x2028)), QString(QChar(0x2029)), QString(QChar(0)) };
    for (int row = 0; row < kParamCount; ++row) {
        for (const QString &control : controls) {
            QStringList values = paramDefaults();
            values[row] = s("4") + control + s("5");
            const ParamsCheck check = checkParams(s("Лото"), values, messages);
            EXPECT_EQ(check.row, row) << row;
            EXPECT_TRUE(check.message.contains(messages("Str420"))) << check.message.toStdString();
            EXPECT_TRUE(check.message.contains(paramCaptions().at(row).trimmed()));
        }
    }
    // Blanks are no control characters.
    QStringList values = paramDefaults();
    values[7] = s(" M1, M2 ");
    EXPECT_TRUE(checkParams(s("Лото"), values, messages).ok());

    for (const QString &control : controls) {
        EXPECT_EQ(lotteryNameProblem(s("Ло") + control + s("то"), {}, messages), messages("Str420"));
        EXPECT_EQ(systemNameProblem(s("7") + control + s("номеров"), {}, messages), messages("Str420"));
    }
}
