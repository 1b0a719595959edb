// kivora-cli update against a server on the loopback address: a lottery of the catalogue
// fills its base from its results file, and every way a download can go wrong leaves the
// base byte for byte as it was, with a message.

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "net/ResultsUpdate.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "support/CliRunner.h"
#include "support/LocalHttpServer.h"

#include <QFile>
#include <QJsonObject>

using namespace kivora;
using namespace kivora::test;

namespace {

// Mega Millions as New York's open data publishes it: newest first, month first, the
// main numbers in one field. The 2020 draw is of the old matrix (Mega Ball 25 once
// possible) and older than the current one: it is left out.
QByteArray megaMillionsFile()
{
    return "Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n"
           "06/10/2025,07 19 33 41 70,24,\r\n"
           "06/06/2025,02 11 28 45 61,05,\r\n"
           "06/03/2025,13 22 30 54 66,17,\r\n"
           "09/25/2020,20 36 37 48 67,25,02\r\n";
}

class CliUpdate : public CliFixture
{
protected:
    void SetUp() override
    {
        CliFixture::SetUp();
        const CliRun added = run({ s("catalogue"), s("add"), s("Mega Millions") });
        ASSERT_EQ(added.status, 0) << added.err.toStdString();
        server.answer(s("/megamillions.csv"), { 200, "OK", "text/csv", megaMillionsFile(), {}, -1, true });
        // The shipped address is the operator's; the tests never leave the machine.
        ASSERT_TRUE(IniFile(dir.folder().configPath())
                        .writeString(
                            s("Mega Millions"), catalogue::kResultsUrlKey, server.url(s("/megamillions.csv")))
                        .ok());
    }

    QByteArray base() const { return dir.readBytes(s("megamillions-2025.lot")); }
    CliRun update(const QStringList &more = {}) const
    {
        return run(QStringList { s("update"), s("--lottery"), s("Mega Millions"), s("--json") } + more);
    }

    LocalHttpServer server;
};

} // namespace

TEST_F(CliUpdate, MergesTheFileOnceAndAddsNothingTheSecondTime)
{
    const CliRun first = update();
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const QJsonObject json = first.json();
    EXPECT_EQ(json.value(s("new")).toInt(), 3);
    EXPECT_EQ(json.value(s("duplicates")).toInt(), 0);
    EXPECT_EQ(json.value(s("conflicts")).toInt(), 0);
    EXPECT_EQ(json.value(s("draws")).toInt(), 3);
    EXPECT_EQ(json.value(s("url")).toString(), server.url(s("/megamillions.csv")));
    EXPECT_EQ(json.value(s("bytes")).toInt(), megaMillionsFile().size());
    const LoadResult loaded = load(s("Mega Millions"));
    ASSERT_EQ(loaded.drawCount(), 3);
    EXPECT_EQ(loaded.draws.date(0), s("03.06.2025"));
    EXPECT_EQ(loaded.draws.date(2), s("10.06.2025"));

    const QByteArray after = base();
    const CliRun second = update();
    ASSERT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_EQ(second.json().value(s("new")).toInt(), 0);
    EXPECT_EQ(second.json().value(s("duplicates")).toInt(), 3);
    EXPECT_EQ(base(), after);
    EXPECT_EQ(server.hits(s("/megamillions.csv")), 2);

    // Without --json: the count and what was downloaded, for reading.
    const CliRun text = run({ s("update"), s("--lottery"), s("mega millions") });
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith(s("3\n"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(server.url(s("/megamillions.csv"))));
}

TEST_F(CliUpdate, DryRunAndAGivenAddressWriteNothing)
{
    server.answer(s("/other.csv"), { 200, "OK", "text/csv", megaMillionsFile(), {}, -1, true });
    const QByteArray before = base();
    const CliRun dry = update({ s("--url"), server.url(s("/other.csv")), s("--dry-run") });
    ASSERT_EQ(dry.status, 0) << dry.err.toStdString();
    EXPECT_EQ(dry.json().value(s("new")).toInt(), 3);
    EXPECT_TRUE(dry.json().value(s("dryRun")).toBool());
    EXPECT_EQ(server.hits(s("/other.csv")), 1);
    EXPECT_EQ(server.hits(s("/megamillions.csv")), 0);
    EXPECT_EQ(base(), before);

    // Only http and https; a wrong address is wrong usage, before anything is loaded.
    const CliRun ftp = update({ s("--url"), s("ftp://127.0.0.1/results.csv") });
    EXPECT_EQ(ftp.status, 2);
    EXPECT_TRUE(ftp.err.contains(s("ftp://127.0.0.1/results.csv")));
}

TEST_F(CliUpdate, EveryFailedDownloadLeavesTheBaseAsItWas)
{
    ASSERT_EQ(update().status, 0);
    const QByteArray before = base();
    ASSERT_FALSE(before.isEmpty());

    server.answer(s("/loop"), { 302, "Found", "text/plain", {}, "/loop", -1, true });
    server.answer(s("/page"),
        { 200, "OK", "text/plain", "<!DOCTYPE html><html><body>Winning numbers</body></html>", {}, -1,
            true });
    server.answer(s("/hello"), { 301, "Moved", "text/plain", {}, "/page", -1, true });
    // Powerball's numbers: no row fits 5 of 70 + 1 of 24.
    server.answer(s("/fiveandsix"),
        { 200, "OK", "text/csv",
            "Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n06/20/2025,01 02 03 04 75,26,\r\n", {}, -1,
            true });
    server.answer(s("/conflict"),
        { 200, "OK", "text/csv",
            "Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n06/20/2025,01 02 03 04 05,06,\r\n"
            "06/10/2025,08 19 33 41 70,24,\r\n",
            {}, -1, true });
    struct Case
    {
        QString url;
        QString says;
    };
    const QList<Case> cases {
        { server.url(s("/missing.csv")), s("404") },
        { server.url(s("/loop")), messages("Str743").arg(server.url(s("/loop"))).arg(5) },
        { server.url(s("/page")), messages("Str744").arg(server.url(s("/page"))) },
        { server.url(s("/hello")), messages("Str744").arg(server.url(s("/hello"))) },
        { LocalHttpServer::refusingUrl(), s("127.0.0.1") },
        { server.url(s("/fiveandsix")),
            messages("Str750").arg(server.url(s("/fiveandsix")), s("Mega Millions")) },
        { server.url(s("/conflict")), messages("Str751").arg(server.url(s("/conflict"))).arg(1).chopped(2) },
    };
    for (const Case &c : cases) {
        const CliRun r = update({ s("--url"), c.url });
        EXPECT_EQ(r.status, 1) << c.url.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.url.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << c.url.toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(base(), before) << c.url.toStdString();
    }
}

TEST_F(CliUpdate, ALotteryWithoutAnAddressOffersTheFileImport)
{
    const QString lottery = lotteries::shownNames(IniFile(dir.folder().configPath()).load()).value(0);
    ASSERT_FALSE(lottery.isEmpty());
    const CliRun r = run({ s("update"), s("--lottery"), lottery });
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(messages("Str748").arg(lottery))) << r.err.toStdString();
}

// A server that stops sending, and one that sends too much: the limits are the caller's,
// small here so that the test is quick.
TEST_F(CliUpdate, SilenceAndSizeStopTheDownload)
{
    ASSERT_EQ(update().status, 0);
    const QByteArray before = base();
    const LoadResult loaded = load(s("Mega Millions"));
    ResultsUpdateRequest request;
    request.basePath = loaded.basePath;
    request.definition = loaded.definition;
    request.limits.idleTimeoutMs = 300;
    request.limits.maxBytes = 100;

    server.answer(s("/stall"), { 200, "OK", "text/csv", megaMillionsFile().left(90), {}, 30, true });
    request.url = server.url(s("/stall"));
    Outcome<ResultsUpdate> stalled = updateResults(request, messages);
    ASSERT_FALSE(stalled.ok());
    EXPECT_EQ(stalled.failure().text, messages("Str745").arg(request.url).arg(0.3));

    server.answer(s("/big"), { 200, "OK", "text/csv", megaMillionsFile(), {}, -1, true });
    request.url = server.url(s("/big"));
    Outcome<ResultsUpdate> big = updateResults(request, messages);
    ASSERT_FALSE(big.ok());
    EXPECT_EQ(big.failure().text, messages("Str746").arg(request.url, s("9.54e-05")));

    // Without a length announced the bytes themselves are counted.
    server.answer(s("/big"), { 200, "OK", "text/csv", megaMillionsFile(), {}, -1, false });
    Outcome<ResultsUpdate> counted = updateResults(request, messages);
    ASSERT_FALSE(counted.ok());
    EXPECT_TRUE(counted.failure().text.startsWith(messages("Str746").left(10)));

    // The caller stops it.
    request.url = server.url(s("/stall"));
    request.limits.idleTimeoutMs = 30000;
    Outcome<ResultsUpdate> stopped = updateResults(request, messages, [](qint64, qint64) { return false; });
    ASSERT_FALSE(stopped.ok());
    EXPECT_EQ(stopped.failure().kind, Failure::Kind::Cancelled);
    EXPECT_EQ(base(), before);
}
