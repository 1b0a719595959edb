// The shape of a listed system (the numbers it needs, the ticket size, its kind) from its
// template's file name or rows, and the filter that narrows a long list by it.

#include "play/SystemShapes.h"
#include "core/IniDocument.h"
#include "core/TextFile.h"
#include "play/Systems.h"

#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

using namespace kivora;
using kivora::test::s;

namespace {

SystemShape shape(int numbers, int ticketSize, SystemKind kind)
{
    return { numbers, ticketSize, kind };
}

} // namespace

TEST(SystemShapes, FileNamesOfTheShippedAndThePlayersOwnSystems)
{
    EXPECT_EQ(systemshapes::fromFileName(s("full5of5.ltt")), shape(5, 5, SystemKind::OneTicket));
    EXPECT_EQ(systemshapes::fromFileName(s("full5of8.ltt")), shape(8, 5, SystemKind::Full));
    EXPECT_EQ(systemshapes::fromFileName(s("full10of13.ltt")), shape(13, 10, SystemKind::Full));
    EXPECT_EQ(systemshapes::fromFileName(s("wheel5_11_2if3.ltt")), shape(11, 5, SystemKind::Wheel));
    // A wheel the player made a second time gets a numbered file.
    EXPECT_EQ(systemshapes::fromFileName(s("wheel6_12_4if4-2.ltt")), shape(12, 6, SystemKind::Wheel));
    // Written by hand on another system: letter case and a sub-folder in either form.
    EXPECT_EQ(systemshapes::fromFileName(s("FULL6OF7.LTT")), shape(7, 6, SystemKind::Full));
    EXPECT_EQ(systemshapes::fromFileName(s("old\\full6of7.ltt")), shape(7, 6, SystemKind::Full));
    EXPECT_EQ(systemshapes::fromFileName(s("old/wheel3_14_2if3.ltt")), shape(14, 3, SystemKind::Wheel));
}

TEST(SystemShapes, FileNamesThatTellNothingOrCannotBe)
{
    for (const char *name : { "default.ltt", "mine.ltt", "full5of8.txt", "full5of8.ltt.bak", "xfull5of8.ltt",
             "full9of5.ltt", "full0of0.ltt", "full11of12.ltt", "wheel7_5_2if3.ltt", "wheel5_11.ltt",
             "wheel5_11_2if3-.ltt", "" })
        EXPECT_EQ(systemshapes::fromFileName(s(name)), std::nullopt) << name;
}

TEST(SystemShapes, TemplateRowsTellTheShapeWhenTheNameDoesNot)
{
    EXPECT_EQ(systemshapes::fromTemplate(SystemTemplate::parse(s("; one\n1 2 3 4 5\n"))),
        shape(5, 5, SystemKind::OneTicket));
    // Every pair of four numbers, in any order.
    EXPECT_EQ(systemshapes::fromTemplate(SystemTemplate::parse(s("1 2\n3 4\n1 3\n2 4\n4 1\n2 3\n"))),
        shape(4, 2, SystemKind::Full));
    // As many rows as the full system, but one repeated: a wheel.
    EXPECT_EQ(systemshapes::fromTemplate(SystemTemplate::parse(s("1 2\n3 4\n1 3\n2 4\n1 4\n1 2\n"))),
        shape(4, 2, SystemKind::Wheel));
    EXPECT_EQ(systemshapes::fromTemplate(SystemTemplate::parse(s("1 2 3\n4 5 6\n1 4 7\n"))),
        shape(7, 3, SystemKind::Wheel));
    // Rows of differing widths, placeholders, a number twice in a ticket, no rows: other.
    EXPECT_EQ(
        systemshapes::fromTemplate(SystemTemplate::parse(s("1 2 3\n4 5\n"))), shape(5, 0, SystemKind::Other));
    EXPECT_EQ(systemshapes::fromTemplate(SystemTemplate::parse(s("1 2 K\n3 4 K\n"))),
        shape(4, 0, SystemKind::Other));
    EXPECT_EQ(
        systemshapes::fromTemplate(SystemTemplate::parse(s("1 1 2\n"))), shape(2, 0, SystemKind::Other));
    EXPECT_EQ(
        systemshapes::fromTemplate(SystemTemplate::parse(s("; nothing\n"))), shape(0, 0, SystemKind::Other));
    const SystemShape tooWide
        = systemshapes::fromTemplate(SystemTemplate::parse(s("1 2 3 4 5 6 7 8 9 10 11\n")));
    EXPECT_EQ(tooWide.kind, SystemKind::Other);
    EXPECT_EQ(tooWide.ticketSize, 0);
}

TEST(SystemShapes, ListedSystemsOfAProgramFolder)
{
    test::TempFolder dir;
    dir.writeLines(s("System/mine.ltt"), { s("1 2 3"), s("4 5 6") });
    dir.writeLines(s("System/odd.ltt"), { s("1 2"), s("3") });
    dir.writeBytes(s("System/huge.ltt"), QByteArray(systemshapes::kLargestTemplateRead + 1, '\n'));
    const IniDocument ini(s("[for 6 numbers]\n"
                            "7 номеров: билеты по 6 (полная система)=full6of7.ltt\n"
                            "6 номеров: мои=mine.ltt\n"
                            "3 номера: странная=odd.ltt\n"
                            "9 номеров: нет файла=missing.ltt\n"
                            "8 номеров: огромная=huge.ltt\n"));
    const QStringList names = ini.keys(s("for 6 numbers")) << s("5 номеров: не в списке");
    const std::vector<SystemShape> shapes
        = systemshapes::listed(ini, s("for 6 numbers"), names, dir.folder());
    ASSERT_EQ(shapes.size(), 6u);
    EXPECT_EQ(shapes[0], shape(7, 6, SystemKind::Full));
    EXPECT_EQ(shapes[1], shape(6, 3, SystemKind::Wheel));
    EXPECT_EQ(shapes[2], shape(3, 0, SystemKind::Other));
    // Nothing to read: the count the name starts with.
    EXPECT_EQ(shapes[3], shape(9, 0, SystemKind::Other));
    EXPECT_EQ(shapes[4], shape(8, 0, SystemKind::Other));
    EXPECT_EQ(shapes[5], shape(5, 0, SystemKind::Other));
}

TEST(SystemShapes, EveryShippedKenoSystemHasItsShapeAndTheFilterCountsThem)
{
    QString text;
    QString error;
    ASSERT_TRUE(test::taken(textfile::readText(test::sampleFile(s("kivora.INI"))), &text, &error))
        << error.toStdString();
    const IniDocument ini(text);
    const QString section = s("for 20 numbers");
    const QStringList names = ini.keys(section);
    test::TempFolder dir; // the names tell every shape: no template is read
    const std::vector<SystemShape> shapes = systemshapes::listed(ini, section, names, dir.folder());
    ASSERT_EQ(shapes.size(), static_cast<size_t>(names.size()));
    for (size_t i = 0; i < shapes.size(); ++i) {
        EXPECT_NE(shapes[i].kind, SystemKind::Other) << names[static_cast<int>(i)].toStdString();
        EXPECT_EQ(shapes[i].numbers, systems::neededCount(names[static_cast<int>(i)]));
    }
    using systemshapes::Filter;
    EXPECT_EQ(systemshapes::countAccepted(shapes, Filter()), names.size());
    EXPECT_TRUE(Filter().isOpen());
    EXPECT_EQ(systemshapes::countAccepted(shapes, Filter { 0, SystemKind::OneTicket }), 9);
    EXPECT_EQ(systemshapes::countAccepted(shapes, Filter { 5, SystemKind::OneTicket }), 1);
    EXPECT_EQ(systemshapes::countAccepted(shapes, Filter { 5, SystemKind::Full }), 3);
    const int sizeFive = systemshapes::countAccepted(shapes, Filter { 5, std::nullopt });
    const int wheelsOfFive = systemshapes::countAccepted(shapes, Filter { 5, SystemKind::Wheel });
    EXPECT_EQ(sizeFive, wheelsOfFive + 1 + 3);
    EXPECT_GT(wheelsOfFive, 40);
    // "Other" shows only when the kind is open.
    const std::vector<SystemShape> others { shape(7, 0, SystemKind::Other) };
    EXPECT_EQ(systemshapes::countAccepted(others, Filter { 0, std::nullopt }), 1);
    EXPECT_EQ(systemshapes::countAccepted(others, Filter { 0, SystemKind::Wheel }), 0);
    EXPECT_EQ(systemshapes::countAccepted(others, Filter { 7, std::nullopt }), 0);
}
