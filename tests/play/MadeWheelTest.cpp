#include "play/MadeWheel.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace kivora;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

const QString kSection = QStringLiteral("for 6 numbers");

// Every six of seven numbers: 6 if 6 of 7.
struct SevenWheel
{
    wheel::WheelShape shape { { 7, 6, 6 }, 6 };
    std::vector<quint64> tickets;
    wheel::CheckResult check;

    SevenWheel()
    {
        for (int left = 0; left < 7; ++left)
            tickets.push_back(quint64(0x7F) & ~(quint64(1) << left));
        check = wheel::verify(tickets, shape.guarantee);
    }
};

} // namespace

TEST(MadeWheel, ANameMustBeNewAKeyAndStartWithTheCountOfNumbers)
{
    const MessageCatalog messages;
    const SevenWheel wheel;
    const IniDocument ini(s("[for 6 numbers]\r\n7 номеров (полная система)=full6of7.ltt\r\n"));
    const auto problem
        = [&](const char *name) { return wheel::nameProblem(s(name), wheel.shape, ini, kSection, messages); };
    EXPECT_EQ(problem("7 номеров: 6 из 6"), QString());
    EXPECT_EQ(problem("7,моя"), QString());
    EXPECT_EQ(problem("7 номеров (полная система)"), messages("Str213").arg(s("7 номеров (полная система)")));
    for (const char *wrong : { "8 номеров", "номеров 7", "", "7 a=b", "[7 номеров", ";7 номеров" })
        EXPECT_EQ(problem(wrong), messages("Str214").arg(7)) << wrong;
    // The section of another draw size does not hold the name.
    EXPECT_EQ(
        wheel::nameProblem(s("7 номеров (полная система)"), wheel.shape, ini, s("for 5 numbers"), messages),
        QString());
}

TEST(MadeWheel, AddedWheelsGetFilesOfTheirOwnAndAreListed)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const SevenWheel wheel;
    const QString system = dir.filePath(QStringLiteral("System"));

    const Outcome<QString> first = wheel::addToSystems(
        dir.folder(), kSection, s("7 номеров: первая"), wheel.shape, wheel.tickets, wheel.check, messages);
    ASSERT_TRUE(first) << first.failure().text.toStdString();
    EXPECT_EQ(*first, QDir(system).filePath(QStringLiteral("wheel6_7_6if6.ltt")));
    const QStringList lines = dir.readLines(QStringLiteral("System/wheel6_7_6if6.ltt"));
    ASSERT_EQ(lines.size(), wheel::templateLines(wheel.shape, wheel.tickets, wheel.check, messages).size());
    EXPECT_TRUE(lines.at(0).startsWith(QLatin1Char(';')));

    const Outcome<QString> second = wheel::addToSystems(
        dir.folder(), kSection, s("7 номеров: вторая"), wheel.shape, wheel.tickets, wheel.check, messages);
    ASSERT_TRUE(second) << second.failure().text.toStdString();
    EXPECT_EQ(QFileInfo(*second).fileName(), QStringLiteral("wheel6_7_6if6-2.ltt"));

    const IniFile config(dir.folder().configPath());
    EXPECT_EQ(config.readString(kSection, s("7 номеров: первая"), {}), s("wheel6_7_6if6.ltt"));
    EXPECT_EQ(config.readString(kSection, s("7 номеров: вторая"), {}), s("wheel6_7_6if6-2.ltt"));
}

TEST(MadeWheel, ANameTakenMeanwhileOrAnUnwritableListLeavesNoTemplateBehind)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const SevenWheel wheel;
    const QString third = dir.filePath(QStringLiteral("System/wheel6_7_6if6.ltt"));

    // Another window listed the name after the player chose it.
    dir.writeLines(QStringLiteral("kivora.INI"), { s("[for 6 numbers]"), s("7 номеров: моя=other.ltt") });
    const Outcome<QString> taken = wheel::addToSystems(
        dir.folder(), kSection, s("7 номеров: моя"), wheel.shape, wheel.tickets, wheel.check, messages);
    ASSERT_FALSE(taken);
    EXPECT_EQ(taken.failure().kind, Failure::Kind::Refused);
    EXPECT_EQ(taken.failure().text, messages("Str213").arg(s("7 номеров: моя")));
    EXPECT_FALSE(QFileInfo::exists(third));
    EXPECT_EQ(
        IniFile(dir.folder().configPath()).readString(kSection, s("7 номеров: моя"), {}), s("other.ltt"));

    // A configuration file that cannot be read is never written over.
    QFile::remove(dir.folder().configPath());
    ASSERT_TRUE(QDir().mkpath(dir.folder().configPath()));
    const Outcome<QString> unlisted = wheel::addToSystems(
        dir.folder(), kSection, s("7 номеров: моя"), wheel.shape, wheel.tickets, wheel.check, messages);
    ASSERT_FALSE(unlisted);
    EXPECT_EQ(unlisted.failure().kind, Failure::Kind::Io);
    EXPECT_FALSE(unlisted.failure().text.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(third));

    // Nowhere to write the template: nothing is listed.
    ASSERT_TRUE(QDir(dir.folder().configPath()).removeRecursively());
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("System"))).removeRecursively());
    dir.writeLines(QStringLiteral("System"), { s("a file, not a folder") });
    const Outcome<QString> unwritten = wheel::addToSystems(
        dir.folder(), kSection, s("7 номеров: моя"), wheel.shape, wheel.tickets, wheel.check, messages);
    ASSERT_FALSE(unwritten);
    EXPECT_EQ(unwritten.failure().kind, Failure::Kind::Io);
    EXPECT_FALSE(IniFile(dir.folder().configPath()).hasSection(kSection));
}
