#include "play/SavedCheck.h"

#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "results/DrawTable.h"

#include "support/Taken.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kivora;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

DrawTable oneDraw()
{
    DrawTable table(6, 0);
    const QString number = QStringLiteral("125");
    const QString date = QStringLiteral("01.02.2005");
    const QString none = QStringLiteral("-");
    const QStringView texts[] = { number, date, none, none };
    const int drawn[] = { 44, 3, 31, 15, 40, 22 };
    table.appendRow(texts, 4, drawn);
    return table;
}

} // namespace

TEST(SavedCheck, AFileFitToCheckIsCheckedAndItsReportWritten)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    LotteryDefinition sixOf45;
    sixOf45.name = s("6 из 45");
    sixOf45.drawNumber = 6;
    sixOf45.maxNumber = 45;
    const DrawTable draws = oneDraw();
    dir.writeLines(QStringLiteral("saved.ltc"),
        { sixOf45.name, s("Выбрано:  7 номеров - 2 комбинации"), s("03 15 22 07 08 09"), s("1,2,4,5,6,10") });

    const Outcome<SavedCombinations> file
        = readFileToCheck(dir.filePath(QStringLiteral("saved.ltc")), sixOf45.name, draws, messages);
    ASSERT_TRUE(file) << file.failure().text.toStdString();
    EXPECT_EQ(file->lines.size(), 2);

    const QString reportPath = dir.filePath(QStringLiteral("result.tmp"));
    const Outcome<CheckResult> checked = checkAndReport(*file, draws, 0, sixOf45, reportPath, messages);
    ASSERT_TRUE(checked) << checked.failure().text.toStdString();
    EXPECT_EQ(checked->targetNumber, s("125"));
    EXPECT_EQ(checked->counts.at(3), 1);
    EXPECT_EQ(checked->counts.at(0), 1);
    QString written;
    QString error;
    ASSERT_TRUE(test::taken(textfile::readText(reportPath), &written, &error)) << error.toStdString();
    EXPECT_EQ(written, checked->report);

    // A report that cannot be written is an I/O failure, in the wrapper the window and
    // kivora-cli show.
    const Outcome<CheckResult> unwritten = checkAndReport(
        *file, draws, 0, sixOf45, dir.filePath(QStringLiteral("no/such/folder/result.tmp")), messages);
    ASSERT_FALSE(unwritten);
    EXPECT_EQ(unwritten.failure().kind, Failure::Kind::Io);
    EXPECT_TRUE(failureMessage(unwritten.failure(), messages).startsWith(s("Ошибка ввода-вывода: ")));
}

TEST(SavedCheck, AMissingFileOrOneUnfitToCheckIsRefusedWithItsReason)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const DrawTable draws = oneDraw();
    dir.writeLines(QStringLiteral("other.ltc"), { s("5 из 36"), s("Выбрано:"), s("1 2 3 4 5") });
    dir.writeLines(QStringLiteral("empty.ltc"), { s("6 из 45"), s("Выбрано:"), QString() });

    const Outcome<SavedCombinations> missing
        = readFileToCheck(dir.filePath(QStringLiteral("missing.ltc")), s("6 из 45"), draws, messages);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().kind, Failure::Kind::Io);
    EXPECT_FALSE(missing.failure().text.isEmpty());

    const Outcome<SavedCombinations> other
        = readFileToCheck(dir.filePath(QStringLiteral("other.ltc")), s("6 из 45"), draws, messages);
    ASSERT_FALSE(other);
    EXPECT_EQ(other.failure().kind, Failure::Kind::Refused);
    EXPECT_TRUE(other.failure().text.contains(s("6 из 45")));

    const Outcome<SavedCombinations> empty
        = readFileToCheck(dir.filePath(QStringLiteral("empty.ltc")), s("6 из 45"), draws, messages);
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.failure().kind, Failure::Kind::Refused);

    // No draw loaded: nothing to check against.
    dir.writeLines(QStringLiteral("good.ltc"), { s("6 из 45"), s("Выбрано:"), s("1 2 3 4 5 6") });
    const Outcome<SavedCombinations> noDraws
        = readFileToCheck(dir.filePath(QStringLiteral("good.ltc")), s("6 из 45"), DrawTable(6, 0), messages);
    ASSERT_FALSE(noDraws);
    EXPECT_EQ(noDraws.failure().kind, Failure::Kind::Refused);
    EXPECT_FALSE(noDraws.failure().text.isEmpty());
}
