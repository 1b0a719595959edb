#include "core/ProgramFolder.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"

#include "support/Taken.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kivora;

TEST(ProgramFolder, ResolutionOrder)
{
    test::TempFolder exe;
    EXPECT_EQ(ProgramFolder::resolve(QStringLiteral("/env/home"), exe.path(), QStringLiteral("/user")),
        QStringLiteral("/env/home"));
    EXPECT_EQ(
        ProgramFolder::resolve(QString(), exe.path(), QStringLiteral("/user")), QStringLiteral("/user"));
    exe.writeLines(QStringLiteral("kivora.INI"), {});
    EXPECT_EQ(ProgramFolder::resolve(QString(), exe.path(), QStringLiteral("/user")), exe.path());
}

TEST(ProgramFolder, SeedingCreatesAReadyFolder)
{
    test::TempFolder dir;
    const ProgramFolder folder(dir.filePath(QStringLiteral("home")));
    QString error;
    ASSERT_TRUE(test::taken(folder.seed(), &error)) << error.toStdString();
    ASSERT_TRUE(folder.hasConfig());
    const IniDocument ini = IniFile(folder.configPath()).load();
    const QStringList shown = lotteries::shownNames(ini);
    EXPECT_EQ(shown.size(), 5);
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Кено (20 из 80)")));
    for (const QString &name : shown) {
        const LotteryDefinition d = lotteries::readDefinition(ini, name);
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(d.baseFile))) << d.baseFile.toStdString();
        for (const QString &line : ini.keyValueLines(d.systemSection())) {
            const QString file = line.section(QLatin1Char('='), 1);
            EXPECT_TRUE(QFileInfo::exists(QDir(folder.systemFolder()).filePath(file))) << file.toStdString();
        }
        EXPECT_FALSE(ini.keys(d.systemSection()).isEmpty());
    }
    EXPECT_TRUE(QFileInfo::exists(QDir(folder.systemFolder()).filePath(QStringLiteral("default.ltt"))));
    // Seeded files can be changed by the user.
    EXPECT_TRUE(QFileInfo(folder.configPath()).isWritable());
}

TEST(ProgramFolder, SeedingNeverOverwritesTheUsersFiles)
{
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("kivora.INI"), { QStringLiteral("[Form]"), QStringLiteral("Top=5") });
    dir.writeLines(QStringLiteral("6x45.lot"), { QStringLiteral("1,-,-,-,1,2,3,4,5,6") });
    const ProgramFolder folder(dir.path());
    QString error;
    ASSERT_TRUE(test::taken(folder.seed(), &error));
    EXPECT_EQ(dir.readLines(QStringLiteral("kivora.INI")),
        QStringList({ QStringLiteral("[Form]"), QStringLiteral("Top=5") }));
    EXPECT_EQ(dir.readLines(QStringLiteral("6x45.lot")).size(), 1);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("keno20x80.lot"))));
}

TEST(ProgramFolder, PathsInTheConfigurationsOwnForm)
{
    const ProgramFolder folder(QStringLiteral("/home/u/kivora"));
    EXPECT_EQ(folder.filePath(QStringLiteral("System\\default.ltt")),
        QStringLiteral("/home/u/kivora/System/default.ltt"));
    EXPECT_EQ(folder.filePath(QStringLiteral("default.lot")), QStringLiteral("/home/u/kivora/default.lot"));
}

TEST(ProgramFolder, TheHelpPageIsWrittenAloneWhenMissing)
{
    // A user's folder: the configuration, one base, a sample base deleted, no templates,
    // no language files, no help page.
    test::TempFolder dir;
    dir.writeLines(QStringLiteral("kivora.INI"), { QStringLiteral("[Form]"), QStringLiteral("Top=5") });
    dir.writeLines(QStringLiteral("6x45.lot"), { QStringLiteral("1,-,-,-,1,2,3,4,5,6") });
    const ProgramFolder folder(dir.path());
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QString error;
    ASSERT_TRUE(test::taken(folder.writeHelpPageIfMissing(), &error)) << error.toStdString();
    EXPECT_EQ(folder.helpPagePath(), dir.filePath(QStringLiteral("kivora.html")));
    QFile shipped(test::sampleFile(QStringLiteral("kivora.html")));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kivora.html")), shipped.readAll());
    // Nothing but the help page was added.
    QStringList expected = before;
    expected.append(QStringLiteral("kivora.html"));
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), expected);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("keno20x80.lot"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("System"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("lng"))));

    // A help page that is there (perhaps the user's own) stays as it is.
    dir.writeBytes(QStringLiteral("kivora.html"), QByteArray("<p>mine</p>"));
    ASSERT_TRUE(test::taken(folder.writeHelpPageIfMissing(), &error));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kivora.html")), QByteArray("<p>mine</p>"));

    // A folder that cannot be written: false with the reason.
    const ProgramFolder nowhere(dir.filePath(QStringLiteral("6x45.lot/sub")));
    EXPECT_FALSE(test::taken(nowhere.writeHelpPageIfMissing(), &error));
    EXPECT_FALSE(error.isEmpty());
}
