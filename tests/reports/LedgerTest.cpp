#include "reports/Ledger.h"

#include "core/MessageCatalog.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <limits>

using namespace kivora;

namespace {

using kivora::test::s;

const QString kToday = s("15.03.2024");

LedgerRow row(const char *date, const char *spent, const char *received)
{
    return LedgerRow { s(date), s(spent), s(received) };
}

Ledger open(const test::TempFolder &dir, const QString &name)
{
    Ledger ledger;
    QString error;
    EXPECT_TRUE(test::taken(openLedger(dir.filePath(name), kToday), &ledger, &error)) << error.toStdString();
    return ledger;
}

} // namespace

TEST(Ledger, TwoEntriesGetARowForTodayAndTotals)
{
    test::TempFolder dir;
    dir.writeLines(s("6x45.bls"), { s("01.02.2005;100;0"), s("08.02.2005;100;340") });
    const Ledger ledger = open(dir, s("6x45.bls"));

    ASSERT_EQ(ledger.rowCount(), 3);
    EXPECT_EQ(ledger.row(0), row("01.02.2005", "100", "0"));
    EXPECT_EQ(ledger.row(1), row("08.02.2005", "100", "340"));
    EXPECT_EQ(ledger.row(2), LedgerRow({ kToday, QString(), QString() }));
    EXPECT_EQ(ledger.cell(0, int(LedgerColumn::Balance)), s("-100"));
    EXPECT_EQ(ledger.cell(1, int(LedgerColumn::Balance)), s("240"));
    EXPECT_EQ(ledger.cell(2, int(LedgerColumn::Balance)), s("0"));

    EXPECT_EQ(balanceTextColour(ledger.balance(0)), 0xFF0000u);
    EXPECT_EQ(balanceTextColour(ledger.balance(1)), 0x008000u);
    EXPECT_EQ(balanceTextColour(ledger.balance(2)), 0x000000u);

    const LedgerTotals totals = ledger.totals();
    EXPECT_EQ(totals.spent, 200);
    EXPECT_EQ(totals.received, 340);
    EXPECT_EQ(totals.balance, 140);
    EXPECT_EQ(totalBalanceBackground(totals.balance), std::optional<quint32>(0xC0DCC0u));
    EXPECT_EQ(totalBalanceBackground(-1), std::optional<quint32>(0xFF0000u));
    EXPECT_EQ(totalBalanceBackground(0), std::nullopt); // the window's button face
}

TEST(Ledger, OneEntryGetsNoExtraRow)
{
    test::TempFolder dir;
    dir.writeLines(s("a.bls"), { s("01.02.2005;50;0") });
    const Ledger ledger = open(dir, s("a.bls"));
    ASSERT_EQ(ledger.rowCount(), 1);
    EXPECT_EQ(ledger.row(0), row("01.02.2005", "50", "0"));
}

TEST(Ledger, MissingFileIsCreatedEmptyAndOpensWithOneEmptyRow)
{
    test::TempFolder dir;
    const Ledger ledger = open(dir, s("new.bls"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(s("new.bls"))));
    EXPECT_TRUE(dir.readBytes(s("new.bls")).isEmpty());
    ASSERT_EQ(ledger.rowCount(), 1);
    EXPECT_EQ(ledger.row(0), LedgerRow());
    EXPECT_EQ(ledger.totals().balance, 0);
}

TEST(Ledger, FieldsArePositional)
{
    EXPECT_EQ(parseLedgerLine(s(";100;")), row("", "100", ""));
    EXPECT_EQ(parseLedgerLine(s(";;500")), row("", "", "500"));
    EXPECT_EQ(parseLedgerLine(s("01.02.2005;10")), row("01.02.2005", "10", ""));
    EXPECT_EQ(parseLedgerLine(s("01.02.2005")), row("01.02.2005", "", ""));
    EXPECT_EQ(parseLedgerLine(s("d;1;2;3;4")), row("d", "1", "2"));
    EXPECT_EQ(parseLedgerLine(QString()), LedgerRow());
}

TEST(Ledger, AmountsThatAreNotWholeNumbersCountZero)
{
    const Ledger ledger({ row("d", "12,50", "30"), row("d", "abc", "1.5"), row("d", " 7 ", "$10") });
    EXPECT_EQ(ledger.balance(0), 30);
    EXPECT_EQ(ledger.balance(1), 0);
    EXPECT_EQ(ledger.balance(2), 9);
    const LedgerTotals totals = ledger.totals();
    EXPECT_EQ(totals.spent, 7);
    EXPECT_EQ(totals.received, 46);
    EXPECT_EQ(totals.balance, 39);
}

TEST(Ledger, LargeAmountsDoNotWrapAround)
{
    const Ledger ledger({ row("d", "-2147483648", "2147483647"), row("d", "0", "2147483647") });
    EXPECT_EQ(ledger.balance(0), Q_INT64_C(4294967295));
    EXPECT_EQ(ledger.cell(0, int(LedgerColumn::Balance)), s("4294967295"));
    EXPECT_EQ(ledger.totals().received, Q_INT64_C(4294967294));
    EXPECT_EQ(balanceTextColour(ledger.balance(0)), kLedgerGain);
}

TEST(Ledger, AmountsAreRead64BitAndSumsStopAtTheLimits)
{
    test::TempFolder dir;
    dir.writeLines(
        s("big.bls"), { s("01.02.2005;2147483648;3000000000"), s("08.02.2005;0;9223372036854775807") });
    const Ledger ledger = open(dir, s("big.bls"));
    EXPECT_EQ(ledgerAmount(s("3000000000")), Q_INT64_C(3000000000));
    EXPECT_EQ(ledger.balance(0), Q_INT64_C(852516352));
    EXPECT_EQ(ledger.balance(1), std::numeric_limits<qint64>::max());
    // The sum would pass the largest 64-bit number: it stops there instead of turning negative.
    EXPECT_EQ(ledger.totals().received, std::numeric_limits<qint64>::max());
    EXPECT_EQ(ledger.totals().spent, Q_INT64_C(2147483648));
    EXPECT_GT(ledger.totals().balance, 0);
    EXPECT_EQ(ledgerBalance(row("d", "-9223372036854775808", "9223372036854775807")),
        std::numeric_limits<qint64>::max());
    EXPECT_EQ(ledgerBalance(row("d", "9223372036854775807", "-9223372036854775808")),
        std::numeric_limits<qint64>::min());
}

TEST(Ledger, ATypedAmountMustBeAWholeNumberWithin64Bits)
{
    const MessageCatalog messages;
    for (const char *typed :
        { "", "  ", "150", " 150 ", "-20", "+5", "0", "9223372036854775807", "-9223372036854775808" })
        EXPECT_EQ(checkLedgerAmount(s(typed), messages), QString()) << typed;
    for (const char *typed : { "12,50", "12.50", "abc", "1e3", "$10", "1 000", "--5", "+" }) {
        EXPECT_EQ(checkLedgerAmount(s(typed), messages),
            s("Сумма «") + s(typed) + s("» не подходит: нужно целое число без копеек, например 150."))
            << typed;
    }
    EXPECT_EQ(checkLedgerAmount(s("9223372036854775808"), messages),
        s("Сумма «9223372036854775808» слишком велика: сумма может быть от -9223372036854775808 до "
          "9223372036854775807."));
    EXPECT_FALSE(checkLedgerAmount(s("-99999999999999999999"), messages).isEmpty());
}

TEST(Ledger, SavingDropsRowsWithoutAmountsAndReadsBackTheSameColumns)
{
    test::TempFolder dir;
    const QString path = dir.filePath(s("a.bls"));
    Ledger ledger({ row("01.02.2005", "100", ""), row("08.02.2005", "", ""), row("", "", "500"),
        row("15.02.2005", " ", ""), row("22.02.2005", "", "340") });
    QString error;
    ASSERT_TRUE(test::taken(writeLedgerFile(path, ledger), &error)) << error.toStdString();
    EXPECT_EQ(dir.readBytes(s("a.bls")), QByteArray("01.02.2005;100;\r\n;;500\r\n22.02.2005;;340\r\n"));

    Ledger reread;
    ASSERT_TRUE(test::taken(openLedger(path, kToday), &reread, &error));
    ASSERT_EQ(reread.rowCount(), 4);
    EXPECT_EQ(reread.row(0), row("01.02.2005", "100", ""));
    EXPECT_EQ(reread.row(1), row("", "", "500"));
    EXPECT_EQ(reread.row(2), row("22.02.2005", "", "340"));
    EXPECT_EQ(reread.balance(1), 500);
    EXPECT_EQ(reread.row(3), LedgerRow({ kToday, QString(), QString() }));

    // Saving the opened ledger unchanged gives the same file: the added row is dropped.
    ASSERT_TRUE(test::taken(writeLedgerFile(path, reread), &error));
    EXPECT_EQ(dir.readBytes(s("a.bls")), QByteArray("01.02.2005;100;\r\n;;500\r\n22.02.2005;;340\r\n"));
}

TEST(Ledger, EmptyLineGivesAnEmptyRowThatSavingDrops)
{
    test::TempFolder dir;
    dir.writeBytes(s("a.bls"), QByteArray("01.02.2005;100;0\r\n\r\n08.02.2005;100;340\r\n"));
    const Ledger ledger = open(dir, s("a.bls"));
    ASSERT_EQ(ledger.rowCount(), 4);
    EXPECT_EQ(ledger.row(1), LedgerRow());
    EXPECT_EQ(ledger.balance(1), 0);
    EXPECT_EQ(ledgerFileLines(ledger), QStringList({ s("01.02.2005;100;0"), s("08.02.2005;100;340") }));
}

TEST(Ledger, SemicolonOrLineBreakInACellCannotShiftColumns)
{
    const LedgerRow typed = row("01.02.2005", "12;50", "3\r\n4");
    EXPECT_EQ(ledgerLine(typed), s("01.02.2005;12,50;3 4"));
    const LedgerRow back = parseLedgerLine(ledgerLine(typed));
    EXPECT_EQ(back, row("01.02.2005", "12,50", "3 4"));
    EXPECT_EQ(ledgerBalance(back), ledgerBalance(typed)); // both 0
}

TEST(Ledger, EditingRows)
{
    Ledger ledger({ row("a", "1", "2"), row("b", "3", "4") });
    EXPECT_EQ(ledger.insertBelow(0, kToday), 1); // a, today, b
    EXPECT_EQ(ledger.row(1), LedgerRow({ kToday, QString(), QString() }));
    EXPECT_EQ(ledger.row(2).date, s("b"));
    EXPECT_EQ(ledger.insertBelow(-1, s("first")), 0); // first, a, today, b
    EXPECT_EQ(ledger.insertBelow(99, s("last")), 4); // first, a, today, b, last
    EXPECT_EQ(ledger.rowCount(), 5);

    EXPECT_TRUE(ledger.setCell(2, int(LedgerColumn::Spent), s("70")));
    EXPECT_TRUE(ledger.setCell(2, int(LedgerColumn::Received), s("20")));
    EXPECT_EQ(ledger.cell(2, int(LedgerColumn::Balance)), s("-50"));
    EXPECT_FALSE(ledger.setCell(2, int(LedgerColumn::Balance), s("999")));
    EXPECT_FALSE(ledger.setCell(7, int(LedgerColumn::Date), s("x")));
    EXPECT_FALSE(ledger.setCell(2, 4, s("x")));
    EXPECT_EQ(ledger.cell(2, int(LedgerColumn::Balance)), s("-50"));
    EXPECT_EQ(ledger.cell(7, 0), QString());

    ledger.removeRow(1); // a
    ledger.removeRow(42);
    EXPECT_EQ(ledger.rowCount(), 4);
    EXPECT_EQ(ledger.row(1).date, kToday);
    EXPECT_EQ(ledger.totals().balance, -49);
    EXPECT_EQ(ledger.totals().spent, 73);
}

TEST(Ledger, PathBesideTheResultsBase)
{
    EXPECT_EQ(ledgerPath(s("/home/u/kivora/default.lot")), s("/home/u/kivora/default.bls"));
    EXPECT_EQ(ledgerPath(s("/home/u/kivora/keno.20x80.lot")), s("/home/u/kivora/keno.20x80.bls"));
    EXPECT_EQ(ledgerPath(s("/home/u/my.data/base")), s("/home/u/my.data/base.bls"));
    EXPECT_EQ(ledgerPath(s("base.")), s("base.bls"));
    EXPECT_EQ(ledgerPath(s("6x45.LOT")), s("6x45.bls"));
    EXPECT_EQ(ledgerPath(s("/home/u/.lot")), s("/home/u/.lot.bls"));
}

TEST(Ledger, FilesThatCannotBeCreatedOrWrittenAreReported)
{
    test::TempFolder dir;
    QString error;
    Ledger ledger;
    const QString inMissingFolder = dir.filePath(s("no/such/folder/a.bls"));
    EXPECT_FALSE(test::taken(openLedger(inMissingFolder, kToday), &ledger, &error));
    EXPECT_FALSE(error.isEmpty());

    error.clear();
    EXPECT_FALSE(test::taken(writeLedgerFile(inMissingFolder, Ledger({ row("d", "1", "2") })), &error));
    EXPECT_FALSE(error.isEmpty());
}

// The ledger lies beside a results base a configuration may place anywhere: only a
// ledger, or no file yet, is written there.
TEST(Ledger, OnlyALedgerOrNoFileAtAllIsWritten)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    EXPECT_FALSE(ledgerWriteRefusal(dir.filePath(QStringLiteral("new.bls")), messages));
    dir.writeLines(QStringLiteral("kept.bls"),
        { QStringLiteral("01.02.2005;100;0"), QString(), QStringLiteral(";;500"),
            QStringLiteral("08.02.2005;12,50;$1F") });
    EXPECT_FALSE(ledgerWriteRefusal(dir.filePath(QStringLiteral("kept.bls")), messages));
    for (const char *foreign :
        { "remember the keys", "shopping;milk;bread", "01.02.2005;100", "x;1;2\x1b[0m" }) {
        dir.writeLines(
            QStringLiteral("notes.bls"), { QStringLiteral("01.02.2005;100;0"), QString::fromUtf8(foreign) });
        EXPECT_EQ(
            ledgerWriteRefusal(dir.filePath(QStringLiteral("notes.bls")), messages).value_or(Failure()).text,
            messages("Str448").arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("notes.bls")))))
            << foreign;
    }
}
