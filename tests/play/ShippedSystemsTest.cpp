// The systems the program ships: every list entry has its template, every template fits
// the list, and every abbreviated system (wheel) holds the guarantee its file name and
// description state. An older program folder gets the new systems without losing its own.

#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "play/SystemListUpgrade.h"
#include "play/SystemTemplate.h"
#include "play/Systems.h"
#include "play/WheelVerifier.h"

#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kivora;

namespace {

using kivora::test::s;

IniDocument shippedConfig()
{
    QString text;
    QString error;
    EXPECT_TRUE(test::taken(textfile::readText(test::sampleFile(s("kivora.INI"))), &text, &error))
        << error.toStdString();
    return IniDocument(text);
}

SystemTemplate shippedTemplate(const QString &name)
{
    QString text;
    QString error;
    EXPECT_TRUE(test::taken(textfile::readText(test::sampleFile(s("System/") + name)), &text, &error))
        << error.toStdString();
    return SystemTemplate::parse(text);
}

} // namespace

TEST(ShippedSystems, EveryWheelHoldsItsGuaranteeAndEverySystemFitsItsList)
{
    const IniDocument ini = shippedConfig();
    const QRegularExpression wheelFile(s("^wheel(\\d+)_(\\d+)_(\\d+)if(\\d+)\\.ltt$"));
    int wheels = 0;
    for (const int drawn : { 4, 5, 6, 20 }) {
        const QString section = s("for %1 numbers").arg(drawn);
        const QStringList names = ini.keys(section);
        ASSERT_FALSE(names.isEmpty()) << section.toStdString();
        int wheelsHere = 0;
        for (const QString &name : names) {
            const QString file = ini.readString(section, name, QString());
            SCOPED_TRACE(QString(name + s(" = ") + file).toStdString());
            const SystemTemplate system = shippedTemplate(file);
            EXPECT_TRUE(system.fitsList());
            EXPECT_TRUE(system.hasFields());
            // The first word of the name is how many numbers the system needs.
            EXPECT_EQ(systems::neededCount(name), system.uses());
            const Outcome<std::vector<quint64>> read = wheel::ticketsOf(system, MessageCatalog());
            ASSERT_TRUE(read);
            const std::vector<quint64> &tickets = *read;
            EXPECT_LE(wheel::widestTicket(tickets), std::min(drawn, SystemTemplate::kColumns));
            const QRegularExpressionMatch match = wheelFile.match(file);
            if (!match.hasMatch())
                continue;
            ++wheelsHere;
            const int k = match.captured(1).toInt();
            const wheel::Guarantee g { match.captured(2).toInt(), match.captured(3).toInt(),
                match.captured(4).toInt() };
            EXPECT_EQ(system.uses(), g.numbers);
            EXPECT_EQ(wheel::widestTicket(tickets), k);
            EXPECT_LE(system.rowCount(), 1000);
            EXPECT_TRUE(name.contains(s("%1 из %2,").arg(g.match).arg(g.drawn)));
            EXPECT_TRUE(name.contains(s(", %1 ").arg(tickets.size())));
            EXPECT_TRUE(system.description().join(QLatin1Char(' ')).contains(s("Проверено")));
            EXPECT_TRUE(wheel::verify(tickets, g, 1).holds);
        }
        EXPECT_GT(wheelsHere, 10) << section.toStdString();
        wheels += wheelsHere;
    }
    EXPECT_GT(wheels, 200);
    // The Keno list offers a one-ticket system for each of 2 to 10 spots.
    for (int spots = 2; spots <= 10; ++spots) {
        bool found = false;
        for (const QString &name : ini.keys(s("for 20 numbers")))
            found = found || (name.endsWith(s("(один билет)")) && systems::neededCount(name) == spots);
        EXPECT_TRUE(found) << spots;
    }
}

TEST(ShippedSystems, OlderFolderGetsTheNewSystemsOnceAndKeepsItsOwn)
{
    test::TempFolder dir;
    QString error;
    ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    // The folder as an older version left it: no wheels, no upgrade mark, a system of the
    // player's own and a shipped template the player changed.
    IniFile config(dir.filePath(s("kivora.INI")));
    int removed = 0;
    ASSERT_TRUE(config.update([&](IniDocument &old) {
        old.deleteKey(s("Form"), systemlists::kRevisionKey);
        for (const QString &key : old.keys(s("for 6 numbers"))) {
            if (old.readString(s("for 6 numbers"), key, QString()).startsWith(s("wheel"))) {
                old.deleteKey(s("for 6 numbers"), key);
                ++removed;
            }
        }
        old.writeString(s("for 6 numbers"), s("8 номеров (моя)"), s("mine.ltt"));
        old.writeString(s("for 6 numbers"), s("12 номеров (моё имя)"), s("wheel6_12_4if4.ltt"));
    }));
    ASSERT_GT(removed, 10);
    dir.writeLines(s("System/mine.ltt"), { s("1 2 3 4 5 6") });
    dir.writeLines(s("System/wheel6_10_3if3.ltt"), { s("; changed by the player"), s("1 2 3 4 5 6") });
    QFile::remove(dir.filePath(s("System/wheel6_9_3if3.ltt")));

    const Done upgraded = systemlists::addMissingShippedSystems(dir.folder());
    ASSERT_TRUE(upgraded) << upgraded.failure().text.toStdString();
    const IniDocument now = config.load();
    const IniDocument shipped = shippedConfig();
    EXPECT_EQ(now.readString(s("for 6 numbers"), s("8 номеров (моя)"), QString()), s("mine.ltt"));
    EXPECT_EQ(now.readInteger(s("Form"), systemlists::kRevisionKey, 0), systemlists::kRevision);
    int added = 0;
    for (const QString &key : shipped.keys(s("for 6 numbers"))) {
        const QString file = shipped.readString(s("for 6 numbers"), key, QString());
        if (file == s("wheel6_12_4if4.ltt")) {
            // Listed already under the player's own name.
            EXPECT_FALSE(now.value(s("for 6 numbers"), key)) << key.toStdString();
            continue;
        }
        EXPECT_EQ(now.readString(s("for 6 numbers"), key, QString()), file) << key.toStdString();
        added += file.startsWith(s("wheel")) ? 1 : 0;
    }
    EXPECT_EQ(added, removed - 1);
    EXPECT_EQ(dir.readLines(s("System/wheel6_10_3if3.ltt")).value(0), s("; changed by the player"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(s("System/wheel6_9_3if3.ltt"))));

    // Once done, a system the player removes stays removed.
    const QString dropped = config.load().keys(s("for 6 numbers")).constLast();
    ASSERT_TRUE(config.deleteKey(s("for 6 numbers"), dropped));
    ASSERT_TRUE(systemlists::addMissingShippedSystems(dir.folder()));
    EXPECT_FALSE(config.load().value(s("for 6 numbers"), dropped));
}
