// A configuration from someone else may point BaseFile at any file: add and import
// write only to a results base, and leave every other file as it was.

#include "results/BaseWriteGuard.h"

#include "core/MessageCatalog.h"
#include "results/AddDraw.h"
#include "results/ImportResults.h"
#include "results/ResultsLoad.h"
#include "support/TempFolder.h"
#include "support/TestLotteries.h"
#include "support/TestText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;
using kivora::test::sixOf45;

NewDraw typedDraw()
{
    return { s("126"), s("08.02.2005"), s("2"), s("5"), s("03,15,22,31,40,44"), QString() };
}

const QByteArray kShellStartUp("# ~/.bashrc\nexport PATH=$HOME/bin:$PATH\nalias ll='ls -l'\n");

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

TEST(BaseWriteGuard, ALineIsBlankOrADrawOfTheLottery)
{
    const LotteryDefinition d = sixOf45();
    EXPECT_EQ(
        firstForeignLine(s("1,01.01.2005,-,-,1,2,3,4,5,6\r\n\r\n , ;\r\n2 - - - 7 8 9 10 11 12 extra"), d),
        0);
    EXPECT_EQ(firstForeignLine(QString(), d), 0);
    // Numbers outside the range are the load's business; they are still numbers.
    EXPECT_EQ(firstForeignLine(s("1,-,-,-,0,2,3,4,5,99"), d), 0);
    EXPECT_EQ(firstForeignLine(s("1,-,-,-,1,2,3,4,5,6\nexport PATH=$HOME/bin\n"), d), 2);
    EXPECT_EQ(firstForeignLine(s("1,-,-,-,1,2,3,4,5,6\r2,-,-,-,1,2,3,4,5"), d), 2);
    EXPECT_EQ(firstForeignLine(s("Тираж;Дата;Лототрон;Комплект;N1;N2;N3;N4;N5;N6"), d), 1);
    EXPECT_EQ(firstForeignLine(s("1,-,-,-,1,2,3,4,5,+6"), d), 1);
}

TEST(BaseWriteGuard, AddAndImportLeaveAFileThatIsNoBaseByteForByte)
{
    test::TempFolder dir;
    dir.writeBytes(s("home/.bashrc"), kShellStartUp);
    dir.writeLines(s("source.txt"), { s("1 01.01.2005 A 1 1 2 3 4 5 6") });
    const QString victim = dir.filePath(s("home/.bashrc"));
    const MessageCatalog messages;
    const QString refusal = messages("Str440").arg(nativeName(victim));
    EXPECT_TRUE(refusal.contains(s(".bashrc"))) << refusal.toStdString();

    EXPECT_EQ(baseWriteRefusal(victim, sixOf45(), messages), refusal);
    EXPECT_EQ(addDraw(victim, typedDraw(), sixOf45(), messages), refusal);
    const ImportResult imported = importResults(victim, dir.filePath(s("source.txt")), sixOf45(), messages);
    EXPECT_FALSE(imported.ok);
    EXPECT_EQ(imported.error, refusal);

    EXPECT_EQ(dir.readBytes(s("home/.bashrc")), kShellStartUp);
    EXPECT_EQ(QDir(dir.filePath(s("home"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { s(".bashrc") });

    // A base that holds one foreign line is no base either; a file of no text neither.
    dir.writeBytes(s("mixed.lot"), QByteArray("1,-,-,-,1,2,3,4,5,6\r\nrm -rf ~\r\n"));
    EXPECT_EQ(addDraw(dir.filePath(s("mixed.lot")), typedDraw(), sixOf45(), messages),
        messages("Str440").arg(nativeName(dir.filePath(s("mixed.lot")))));
    dir.writeBytes(s("binary.lot"), QByteArray("1\0\2\3", 4));
    EXPECT_EQ(baseWriteRefusal(dir.filePath(s("binary.lot")), sixOf45(), messages),
        messages("Str440").arg(nativeName(dir.filePath(s("binary.lot")))));
}

TEST(BaseWriteGuard, ANewBaseIsAFileNamedLot)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    // A base on another disk, in a folder of its own: created by the first draw.
    const QString fresh = dir.filePath(s("elsewhere/new.LOT"));
    QDir().mkpath(dir.filePath(s("elsewhere")));
    EXPECT_EQ(addDraw(fresh, typedDraw(), sixOf45(), messages), QString());
    EXPECT_EQ(dir.readBytes(s("elsewhere/new.LOT")), QByteArray("126,08.02.2005,2,5,03,15,22,31,40,44,\r\n"));

    // Any other new file is refused before it exists.
    const QString profile = dir.filePath(s("elsewhere/.profile"));
    EXPECT_EQ(addDraw(profile, typedDraw(), sixOf45(), messages),
        messages("Str441").arg(nativeName(profile), s("lot")));
    EXPECT_FALSE(QFileInfo::exists(profile));

    // An empty file says nothing of what it is for: only a base's name makes it one.
    dir.writeBytes(s("elsewhere/empty.lot"), QByteArray());
    dir.writeBytes(s("elsewhere/authorized_keys"), QByteArray());
    EXPECT_EQ(baseWriteRefusal(dir.filePath(s("elsewhere/empty.lot")), sixOf45(), messages), QString());
    EXPECT_FALSE(
        baseWriteRefusal(dir.filePath(s("elsewhere/authorized_keys")), sixOf45(), messages).isEmpty());

    // A link named like a base that points to a missing file would create that file.
    const QString target = dir.filePath(s("elsewhere/.ssh_rc"));
    const QString link = dir.filePath(s("elsewhere/link.lot"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(addDraw(link, typedDraw(), sixOf45(), messages).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(BaseWriteGuard, AnExistingBaseOutsideTheFolderIsAddedToAndImportedInto)
{
    test::TempFolder dir;
    dir.writeLines(s("disk/results.txt"), { s("1,01.01.2005,-,-,1,2,3,4,5,6"), QString() });
    const QString base = dir.filePath(s("disk/results.txt"));
    const MessageCatalog messages;
    EXPECT_EQ(addDraw(base, typedDraw(), sixOf45(), messages), QString());
    EXPECT_EQ(loadBase(base, sixOf45(), {}, messages).drawCount(), 3);

    dir.writeLines(s("source.txt"), { s("7 01.01.2006 A 1 1 2 3 4 5 6") });
    const ImportResult imported = importResults(base, dir.filePath(s("source.txt")), sixOf45(), messages);
    ASSERT_TRUE(imported.ok) << imported.error.toStdString();
    EXPECT_EQ(dir.readBytes(s("disk/results.txt")), QByteArray("7,01.01.2006,A,1,1,2,3,4,5,6\r\n"));
}
