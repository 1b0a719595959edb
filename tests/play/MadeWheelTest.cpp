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

TEST(MadeWheel, TheProposedNameIsFreeAndAnEqualSystemIsFound)
{
    test::TempFolder dir;
    const MessageCatalog messages;
    const SevenWheel wheel;
    const QString name = wheel::systemName(wheel.shape, 7, messages);
    const QString section = s("[for 6 numbers]\r\n");
    EXPECT_EQ(wheel::freeSystemName(wheel.shape, 7, IniDocument(section), kSection, messages), name);
    const IniDocument taken(section + name + s("=a.ltt\r\n") + name + s(" (2)=b.ltt\r\n"));
    const QString proposed = wheel::freeSystemName(wheel.shape, 7, taken, kSection, messages);
    EXPECT_EQ(proposed, name + s(" (3)"));
    EXPECT_EQ(wheel::nameProblem(proposed, wheel.shape, taken, kSection, messages), QString());

    // The full system of seven numbers holds the same tickets in another order; one of
    // eight numbers, an unreadable one and one of other tickets do not count.
    dir.writeLines(s("System/full6of7.ltt"),
        { s("; all six of seven"), s("2 3 4 5 6 7"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7"), s("1 2 3 4 6 7"),
            s("1 2 3 5 6 7"), s("1 2 4 5 6 7"), s("1 3 4 5 6 7") });
    dir.writeLines(s("System/short.ltt"), { s("; two of them"), s("1 2 3 4 5 6"), s("1 2 3 4 5 7") });
    const IniDocument ini(section + s("7 номеров: две=short.ltt\r\n7 номеров: нет файла=none.ltt\r\n")
        + s("7 номеров (полная система)=full6of7.ltt\r\n"));
    EXPECT_EQ(wheel::equalSystem(wheel.tickets, 7, ini, kSection, dir.folder(), messages),
        s("7 номеров (полная система)"));
    const std::vector<quint64> other = { wheel.tickets.front() };
    EXPECT_EQ(wheel::equalSystem(other, 7, ini, kSection, dir.folder(), messages), QString());
    EXPECT_EQ(wheel::equalSystem(wheel.tickets, 8, ini, kSection, dir.folder(), messages), QString());
}

TEST(MadeWheel, TheGuaranteeASystemStates)
{
    const auto stated = [](const char *name, const char *file, int numbers) {
        const std::optional<wheel::Guarantee> g = wheel::statedGuarantee(s(name), s(file), numbers);
        return g ? QStringLiteral("%1 if %2 of %3").arg(g->match).arg(g->drawn).arg(g->numbers) : QString();
    };
    EXPECT_EQ(stated("7 номеров: 3 из 4, 4 билета", "mine.ltt", 7), s("3 if 4 of 7"));
    EXPECT_EQ(stated("6 номеров: билеты по 4, 2 из 3, 2 билета", "x.ltt", 6), s("2 if 3 of 6"));
    EXPECT_EQ(stated("12 numbers: 4 of 5, 30 tickets", "x.ltt", 12), s("4 if 5 of 12"));
    // Said by the file's name only.
    EXPECT_EQ(stated("7 номеров, моя", "wheel4_7_3if4.ltt", 7), s("3 if 4 of 7"));
    // Nothing stated, or nothing that fits the system.
    EXPECT_EQ(stated("7 номеров (полная система)", "full6of7.ltt", 7), QString());
    EXPECT_EQ(stated("5 номеров (один билет)", "full5of5.ltt", 5), QString());
    EXPECT_EQ(stated("7 номеров: 5 из 4", "x.ltt", 7), QString());
    EXPECT_EQ(stated("7 номеров: 3 из 9", "x.ltt", 7), QString());
}
