#include "results/AddDraw.h"

#include "core/MessageCatalog.h"
#include "core/ShortDate.h"
#include "core/TextFile.h"
#include "results/ResultsLoad.h"
#include "support/TempFolder.h"
#include "support/TestLotteries.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;
using kivora::test::sixOf45;

NewDraw typedDraw(const char *main, const char *additional = "")
{
    return { s("126"), s("08.02.2005"), s("2"), s("5"), s(main), s(additional) };
}

} // namespace

TEST(AddDraw, RecordLineJoinsTheSixTexts)
{
    EXPECT_EQ(addDrawLine(s("126"), s("08.02.2005"), s("2"), s("5"), s(" 03,15,22,31,40,44 "), s("  ")),
        s("126,08.02.2005,2,5,03,15,22,31,40,44,"));
    EXPECT_EQ(addDrawLine(s("126"), s("08.02.2005"), s("2"), s("5"), s("03,15,22,31,40,44"), s(" 7")),
        s("126,08.02.2005,2,5,03,15,22,31,40,44,7"));
}

TEST(AddDraw, MainNumbersMustBeCompleteAndInsideTheRange)
{
    const MessageCatalog messages;
    const LotteryDefinition d = sixOf45();
    const NumberGroup ok = checkMainNumbers(s("03,15,22,31,40,44"), d, messages);
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.text, s("03,15,22,31,40,44"));
    // Blanks of the mask around a digit are not part of the number.
    EXPECT_EQ(checkMainNumbers(s(" 3,15,_2,31,40,45"), d, messages).text, s("3,15,2,31,40,45"));

    const QString refusal = s("Неполный или неверный набор номеров: нужно 6 номеров от 1 до 45.");
    for (const char *typed :
        { "03,15,  ,31,40,44", "03,15,22,31,40,46", "00,15,22,31,40,44", "03,15,22,31,40",
            "03,15,22,31,40,44,1", "03,15,2 2,31,40,44", "03,15,-2,31,40,44", "", "  ,  ,  ,  ,  ,  " }) {
        const NumberGroup refused = checkMainNumbers(s(typed), d, messages);
        EXPECT_FALSE(refused.ok) << typed;
        EXPECT_EQ(refused.error, refusal) << typed;
    }
}

TEST(AddDraw, AdditionalNumbersMayBeLeftBlankButNotHalfFilled)
{
    const MessageCatalog messages;
    const LotteryDefinition two = sixOf45(2);
    EXPECT_TRUE(checkAdditionalNumbers(s("  ,  "), two, messages).ok);
    EXPECT_EQ(checkAdditionalNumbers(s("  ,  "), two, messages).text, QString());
    EXPECT_EQ(checkAdditionalNumbers(s("07,12"), two, messages).text, s("07,12"));
    EXPECT_EQ(checkAdditionalNumbers(s("7 ,  "), two, messages).error,
        s("Неполный или неверный набор номеров: нужно 2 номера от 1 до 12."));
    EXPECT_FALSE(checkAdditionalNumbers(s("07,13"), two, messages).ok);

    // A range of one number is the settings dialog's default, not a real range.
    LotteryDefinition unset = sixOf45(1);
    unset.minnumberOfAddBall = 0;
    unset.maxnumberOfAddBall = 0;
    EXPECT_TRUE(checkAdditionalNumbers(s("37"), unset, messages).ok);

    const NumberGroup none = checkAdditionalNumbers(s("7"), sixOf45(0), messages);
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.error, messages("Str60"));
}

TEST(AddDraw, AddedRecordIsReadBackWithItsAdditionalNumber)
{
    test::TempFolder dir;
    const QString base = dir.filePath(s("loto.lot"));
    const MessageCatalog messages;
    const LotteryDefinition d = sixOf45(1);
    EXPECT_EQ(addDraw(base, typedDraw("03,15,22,31,40,44", "7"), d, messages), QString());
    EXPECT_EQ(dir.readBytes(s("loto.lot")), QByteArray("126,08.02.2005,2,5,03,15,22,31,40,44,7\r\n"));

    const LoadResult loaded = loadBase(base, d, {}, messages);
    ASSERT_EQ(loaded.drawCount(), 1);
    EXPECT_EQ(loaded.draws.additional(0, 0), s("7"));
    EXPECT_EQ(loaded.draws.number(0, 5), 44);
}

TEST(AddDraw, RefusedDrawWritesNothing)
{
    test::TempFolder dir;
    const QByteArray before("1,01.01.2005,1,1,1,2,3,4,5,6\r\n");
    dir.writeBytes(s("loto.lot"), before);
    const QString base = dir.filePath(s("loto.lot"));
    const MessageCatalog messages;
    const LotteryDefinition d = sixOf45();

    EXPECT_FALSE(addDraw(base, typedDraw("03,15,  ,31,40,44"), d, messages).isEmpty());
    NewDraw spaced = typedDraw("03,15,22,31,40,44");
    spaced.machine = s("Лототрон 2"); // the space would shift every later field
    EXPECT_EQ(addDraw(base, spaced, d, messages), messages("Str73"));
    NewDraw empty = typedDraw("03,15,22,31,40,44");
    empty.ballSet.clear();
    EXPECT_EQ(addDraw(base, empty, d, messages), messages("Str73"));
    EXPECT_EQ(dir.readBytes(s("loto.lot")), before);
}

TEST(AddDraw, AppendNeverJoinsTheLastLineOfAnEditedBase)
{
    test::TempFolder dir;
    dir.writeBytes(s("loto.lot"), QByteArray("1,01.01.2005,1,1,1,2,3,4,5,6"));
    ASSERT_TRUE(appendDrawLine(dir.filePath(s("loto.lot")), s("2,08.01.2005,1,1,7,8,9,10,11,12,")));
    EXPECT_EQ(dir.readBytes(s("loto.lot")),
        QByteArray("1,01.01.2005,1,1,1,2,3,4,5,6\r\n2,08.01.2005,1,1,7,8,9,10,11,12,\r\n"));

    // A new base gets just the line.
    ASSERT_TRUE(appendDrawLine(dir.filePath(s("new.lot")), s("1")));
    EXPECT_EQ(dir.readBytes(s("new.lot")), QByteArray("1\r\n"));
}

TEST(AddDraw, UnwritableBaseReportsTheReason)
{
    test::TempFolder dir;
    const QString base = dir.filePath(s("missing/loto.lot"));
    const QString message = addDraw(base, typedDraw("03,15,22,31,40,44"), sixOf45(), MessageCatalog());
    EXPECT_TRUE(message.startsWith(s("Ошибка ввода-вывода: "))) << message.toStdString();
}

TEST(AddDraw, TheSameNumberTwiceIsRefusedInEachGroup)
{
    test::TempFolder dir;
    const QByteArray before("1,01.01.2005,1,1,1,2,3,4,5,6,7\r\n");
    dir.writeBytes(s("loto.lot"), before);
    const QString base = dir.filePath(s("loto.lot"));
    const MessageCatalog messages;
    const LotteryDefinition d = sixOf45(2);

    EXPECT_EQ(addDraw(base, typedDraw("05,11,22,33,44,05"), d, messages),
        s("Номер 05 указан дважды: номера одного розыгрыша не повторяются."));
    // "5" and "05" are the same number.
    EXPECT_EQ(checkMainNumbers(s(" 5,11,22,33,44,05"), d, messages).error,
        s("Номер 05 указан дважды: номера одного розыгрыша не повторяются."));
    EXPECT_EQ(addDraw(base, typedDraw("05,11,22,33,44,45", "07,7"), d, messages),
        s("Дополнительный номер 7 указан дважды: номера одного розыгрыша не повторяются."));
    EXPECT_EQ(dir.readBytes(s("loto.lot")), before);

    // An additional number may equal a main number: the groups are drawn apart.
    EXPECT_EQ(addDraw(base, typedDraw("05,11,22,33,44,07", "07,05"), d, messages), QString());
}

TEST(AddDraw, TheDateIsARealDateOrTheUnknownDash)
{
    test::TempFolder dir;
    const QString base = dir.filePath(s("loto.lot"));
    const MessageCatalog messages;
    const LotteryDefinition d = sixOf45();
    for (const char *date : { "yesterday", "31.02.2025", "1.2.25", "2025-02-01", "08.02.05", "--" }) {
        NewDraw draw = typedDraw("03,15,22,31,40,44");
        draw.date = s(date);
        EXPECT_EQ(addDraw(base, draw, d, messages),
            s("Дата розыгрыша «") + s(date)
                + s("» не подходит: нужна дата вида 08.02.2005 или «-», если дата неизвестна."))
            << date;
    }
    EXPECT_EQ(dir.readBytes(s("loto.lot")), QByteArray());

    NewDraw unknown = typedDraw("03,15,22,31,40,44");
    unknown.date = s("-");
    EXPECT_EQ(addDraw(base, unknown, d, messages), QString());
    EXPECT_EQ(addDraw(base, typedDraw("03,15,22,31,40,44"), d, messages), QString());
    // The dialog writes the system's short form of the date it shows.
    NewDraw shown = typedDraw("03,15,22,31,40,44");
    shown.date = shortDate(QDate(2025, 9, 1));
    EXPECT_EQ(addDraw(base, shown, d, messages), QString());
    EXPECT_EQ(dir.readLines(s("loto.lot")).size(), 3);
}

// A base saved by Windows Notepad as "Unicode" (UTF-16LE with its mark) ends its
// lines with two bytes: whether it ends its last line is seen in its text.
TEST(AddDraw, AUtf16BaseGetsTheDrawOnALineOfItsOwnAndNoEmptyLine)
{
    const MessageCatalog messages;
    const LotteryDefinition d = sixOf45();
    const QString first = s("1,01.01.2005,-,-,1,2,3,4,5,6");
    for (const QString &ending : { s("\r\n"), QString() }) {
        test::TempFolder dir;
        const QString text = first + ending;
        QByteArray bytes("\xFF\xFE");
        bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        dir.writeBytes(s("loto.lot"), bytes);
        const QString base = dir.filePath(s("loto.lot"));

        EXPECT_EQ(addDraw(base, typedDraw("03,15,22,31,40,44"), d, messages), QString());
        EXPECT_EQ(textfile::decode(dir.readBytes(s("loto.lot"))),
            first + s("\r\n126,08.02.2005,2,5,03,15,22,31,40,44,\r\n"));
        const LoadResult loaded = loadBase(base, d, {}, messages);
        ASSERT_EQ(loaded.drawCount(), 2) << ending.size();
        EXPECT_EQ(loaded.draws.number(1, 0), 3);
    }
}

// A base of the largest size takes no further draw: a base no command could load is
// never written, and the old one stays as it was.
TEST(AddDraw, ABaseAtTheLineLimitTakesNoMoreDraws)
{
    test::TempFolder dir;
    // Blank lines count: the load counts every line of a base.
    const QByteArray full("1,01.01.2005,-,-,1,2,3,4,5,6\r\n\r\n2,08.01.2005,-,-,7,8,9,10,11,12");
    dir.writeBytes(s("loto.lot"), full);
    const QString base = dir.filePath(s("loto.lot"));
    const MessageCatalog messages;
    const QString refusal
        = addDraw(base, typedDraw("03,15,22,31,40,44"), sixOf45(), messages, /*lineLimit=*/3);
    EXPECT_EQ(refusal, messages("Str442").arg(textfile::describeError(base, messages("Str160").arg(3))));
    EXPECT_EQ(dir.readBytes(s("loto.lot")), full);

    EXPECT_EQ(addDraw(base, typedDraw("03,15,22,31,40,44"), sixOf45(), messages, /*lineLimit=*/4), QString());
    EXPECT_EQ(loadBase(base, sixOf45(), {}, messages).drawCount(), 4);
}
