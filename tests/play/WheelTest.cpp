#include "core/MessageCatalog.h"
#include "play/KnownDesigns.h"
#include "play/SystemTemplate.h"
#include "play/WheelGenerator.h"
#include "play/WheelVerifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>

#include <time.h>

using namespace kivora;
using namespace kivora::wheel;

namespace {

MakeRequest wheelRequest(Guarantee guarantee, int ticketSize, double seconds, quint64 seed = 1)
{
    MakeRequest request;
    request.guarantee = guarantee;
    request.ticketSize = ticketSize;
    request.seconds = seconds;
    request.seed = seed;
    return request;
}

quint64 setOf(std::initializer_list<int> positions)
{
    quint64 set = 0;
    for (int p : positions)
        set |= quint64(1) << (p - 1);
    return set;
}

// Counts the holes by testing every m-set against every ticket.
qint64 bruteHoles(const std::vector<quint64> &tickets, const Guarantee &g, quint64 *firstHole)
{
    qint64 holes = 0;
    *firstHole = 0;
    std::vector<int> pick(static_cast<size_t>(g.drawn));
    for (int i = 0; i < g.drawn; ++i)
        pick[static_cast<size_t>(i)] = i;
    for (;;) {
        quint64 set = 0;
        for (int p : pick)
            set |= quint64(1) << p;
        bool covered = false;
        for (quint64 ticket : tickets)
            covered = covered || sizeOf(ticket & set) >= g.match;
        if (!covered && holes++ == 0)
            *firstHole = set;
        int i = g.drawn - 1;
        while (i >= 0 && pick[static_cast<size_t>(i)] == g.numbers - g.drawn + i)
            --i;
        if (i < 0)
            return holes;
        ++pick[static_cast<size_t>(i)];
        for (int j = i + 1; j < g.drawn; ++j)
            pick[static_cast<size_t>(j)] = pick[static_cast<size_t>(j - 1)] + 1;
    }
}

// Processor time of the calling thread, in seconds.
double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

std::vector<quint64> randomTickets(std::mt19937_64 &rng, int count, int v, int k)
{
    std::vector<quint64> tickets;
    while (static_cast<int>(tickets.size()) < count) {
        quint64 set = 0;
        while (sizeOf(set) < k)
            set |= quint64(1) << (rng() % static_cast<unsigned>(v));
        tickets.push_back(set);
    }
    return tickets;
}

} // namespace

TEST(WheelVerifier, AgreesWithBruteForceOnSmallWheels)
{
    std::mt19937_64 rng(7);
    for (int v = 5; v <= 12; ++v) {
        for (int k = 2; k <= std::min(v, 6); ++k) {
            for (int t = 1; t <= k; ++t) {
                for (int m = t; m <= std::min(v, t + 2); ++m) {
                    const Guarantee g { v, t, m };
                    const auto tickets = randomTickets(rng, 1 + static_cast<int>(rng() % 12), v, k);
                    quint64 first = 0;
                    const qint64 expected = bruteHoles(tickets, g, &first);
                    const CheckResult check = verify(tickets, g, 3);
                    ASSERT_EQ(check.holes, expected) << v << ' ' << k << ' ' << t << ' ' << m;
                    EXPECT_EQ(check.holds, expected == 0);
                    EXPECT_EQ(check.sets, binomial(v, m));
                    EXPECT_EQ(check.firstHoles.size(), static_cast<size_t>(std::min<qint64>(expected, 3)));
                    if (expected > 0) {
                        EXPECT_EQ(check.firstHoles.front(), first);
                    }
                }
            }
        }
    }
}

TEST(WheelVerifier, FindsTheHoleOfAWheelWithOneTicketRemoved)
{
    // The full system of 7 numbers in tickets of 6 holds "6 if 6"; without the ticket
    // missing 7, the set 1..6 is the one hole. The Fano plane covers every pair.
    std::vector<quint64> full;
    for (int missing = 1; missing <= 7; ++missing)
        full.push_back(setOf({ 1, 2, 3, 4, 5, 6, 7 }) & ~setOf({ missing }));
    EXPECT_TRUE(verify(full, { 7, 6, 6 }).holds);
    std::vector<quint64> short6(full.begin(), full.end() - 1);
    const CheckResult check = verify(short6, { 7, 6, 6 });
    EXPECT_FALSE(check.holds);
    EXPECT_EQ(check.holes, 1);
    ASSERT_EQ(check.firstHoles.size(), 1U);
    EXPECT_EQ(positionsText(check.firstHoles.front()), QStringLiteral("1 2 3 4 5 6"));

    std::vector<quint64> fano = { setOf({ 1, 2, 3 }), setOf({ 1, 4, 5 }), setOf({ 1, 6, 7 }),
        setOf({ 2, 4, 6 }), setOf({ 2, 5, 7 }), setOf({ 3, 4, 7 }), setOf({ 3, 5, 6 }) };
    EXPECT_TRUE(verify(fano, { 7, 2, 2 }).holds);
    fano.erase(fano.begin() + 3);
    const CheckResult pairs = verify(fano, { 7, 2, 2 });
    EXPECT_EQ(pairs.holes, 3);
    EXPECT_EQ(positionsText(pairs.firstHoles.front()), QStringLiteral("2 4"));
    // Any 3 of the 7 still hold a pair of one line.
    EXPECT_FALSE(verify(fano, { 7, 2, 3 }).holds);
}

// "2 if 32" on 64 numbers with one ticket of ten: the holes are beyond counting one
// by one. The check tells how far it got and stops on Cancel; a wheel with no ticket
// on its numbers has every set as a hole, counted at once.
TEST(WheelVerifier, ALongCheckReportsProgressAndStopsOnCancel)
{
    const std::vector<quint64> one = { setOf({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }) };
    std::atomic_bool cancel { false };
    std::vector<int> reported;
    // Cancel as soon as the check first says how far it got.
    const CheckResult stopped = verify(one, { 64, 2, 32 }, 10, &cancel, [&](int min, int max, int position) {
        EXPECT_EQ(min, 0);
        EXPECT_EQ(max, 1000);
        reported.push_back(position);
        cancel = true;
    });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.holds);
    EXPECT_EQ(stopped.sets, 1832624140942590534LL); // C(64, 32)
    // Every subtree under two numbers of the ticket is decided at once: a share is
    // reported, but not the end.
    ASSERT_EQ(reported.size(), 1U);
    EXPECT_GE(reported.front(), 0);
    EXPECT_LT(reported.front(), 1000);

    // A check that ends reports its end; the shares in between only grow.
    reported.clear();
    const std::vector<quint64> halves = { setOf({ 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }),
        setOf({ 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22 }) };
    const CheckResult done = verify(
        halves, { 22, 2, 5 }, 10, nullptr, [&](int, int, int position) { reported.push_back(position); });
    EXPECT_TRUE(done.holds); // five of two halves put two in one
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 1000);
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));

    const CheckResult none = verify({ setOf({ 64 }) }, { 32, 2, 16 }, 2);
    EXPECT_EQ(none.holes, 601080390); // C(32, 16): every set
    EXPECT_EQ(none.holes, none.sets);
    ASSERT_EQ(none.firstHoles.size(), 2U);
    EXPECT_EQ(positionsText(none.firstHoles.at(1)), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 17"));
}

TEST(WheelVerifier, ReadsTemplatesAndRefusesBadGuarantees)
{
    const SystemTemplate system
        = SystemTemplate::parse(QStringLiteral("; three\r\n1 2 K\r\n2,3;0\r\n\r\n1 3\r\n"));
    const MessageCatalog messages;
    const Outcome<std::vector<quint64>> read = ticketsOf(system, messages);
    ASSERT_TRUE(read);
    const std::vector<quint64> &tickets = *read;
    EXPECT_EQ(tickets, (std::vector<quint64> { setOf({ 1, 2 }), setOf({ 2, 3 }), setOf({ 1, 3 }) }));
    EXPECT_TRUE(verify(tickets, { 3, 2, 2 }).holds);
    const Outcome<std::vector<quint64>> wide
        = ticketsOf(SystemTemplate::parse(QStringLiteral("1 65")), messages);
    ASSERT_FALSE(wide);
    EXPECT_EQ(wide.failure().text, messages("Str463").arg(1).arg(65).arg(64));
    EXPECT_FALSE(guaranteeProblem({ 6, 4, 3 }, messages).isEmpty());
    EXPECT_FALSE(guaranteeProblem({ 6, 3, 7 }, messages).isEmpty());
    EXPECT_FALSE(guaranteeProblem({ 65, 3, 3 }, messages).isEmpty());
    EXPECT_TRUE(guaranteeProblem({ 49, 3, 6 }, messages).isEmpty());
    EXPECT_FALSE(isSound({ 6, 4, 3 }));
    EXPECT_TRUE(isSound({ 49, 3, 6 }));
}

// The wheel's refusals are sentences of the program's language: they come from the
// catalogue a language file fills.
TEST(WheelGenerator, RefusalsComeFromTheMessageCatalogue)
{
    MessageCatalog english;
    for (const char *key : { "Str460", "Str461", "Str462", "Str464", "Str465", "Str466", "Str467" })
        english.setText(QLatin1String(key), QLatin1String(key) + QStringLiteral(": %1 %2 %3 %4"));
    auto problemOf = [&](Guarantee g, int k, double seconds, int widest = kMaxNumbers) {
        MakeRequest request = wheelRequest(g, k, seconds);
        request.widestTicket = widest;
        return requestProblem(request, english);
    };
    EXPECT_TRUE(problemOf({ 65, 3, 3 }, 6, 1).startsWith(QStringLiteral("Str460: 64 65")));
    EXPECT_TRUE(problemOf({ 10, 4, 3 }, 6, 1).startsWith(QStringLiteral("Str461: 3 4")));
    EXPECT_TRUE(problemOf({ 10, 3, 11 }, 6, 1).startsWith(QStringLiteral("Str462: 10 11")));
    EXPECT_TRUE(problemOf({ 20, 3, 3 }, 12, 1, 10).startsWith(QStringLiteral("Str464: 3 10 12")));
    EXPECT_TRUE(problemOf({ 40, 3, 17 }, 6, 1).startsWith(QStringLiteral("Str465: 16")));
    EXPECT_TRUE(problemOf({ 49, 3, 7 }, 6, 1).startsWith(QStringLiteral("Str466: 49 7 85900584 5000000")));
    EXPECT_TRUE(problemOf({ 10, 3, 3 }, 6, 0).startsWith(QStringLiteral("Str467")));
    EXPECT_TRUE(problemOf({ 10, 3, 3 }, 6, 1).isEmpty());
}

TEST(WheelGenerator, LowerBoundIsTheSchoenheimBound)
{
    EXPECT_EQ(lowerBound({ 7, 5, 5 }, 6), 6);
    EXPECT_EQ(lowerBound({ 22, 3, 3 }, 6), 77);
    EXPECT_EQ(lowerBound({ 12, 5, 5 }, 6), 132);
    EXPECT_EQ(lowerBound({ 7, 2, 2 }, 3), 7);
    // "3 if 4" on 10: a ticket of 6 meets 4*20 + 15 = 95 of the 210 four-sets in 3 or more.
    EXPECT_EQ(lowerBound({ 10, 3, 4 }, 6), 3);
}

TEST(WheelGenerator, FindsVerifiedWheelsAndRepeatsWithTheSameSeed)
{
    MakeRequest request = wheelRequest({ 7, 2, 2 }, 3, 20);
    const MakeResult fano = make(request);
    EXPECT_EQ(fano.tickets.size(), 7U);
    EXPECT_TRUE(fano.optimal);
    EXPECT_TRUE(fano.check.holds);

    request = wheelRequest({ 12, 3, 4 }, 6, 1, 42);
    const MakeResult first = make(request);
    ASSERT_FALSE(first.tickets.empty());
    EXPECT_TRUE(verify(first.tickets, request.guarantee).holds);
    EXPECT_LE(first.tickets.size(), static_cast<size_t>(first.greedySize));
    for (quint64 ticket : first.tickets)
        EXPECT_EQ(sizeOf(ticket), 6);

    request.stopAt = static_cast<int>(first.tickets.size()) + 2;
    request.seconds = 30;
    const MakeResult a = make(request);
    const MakeResult b = make(request);
    EXPECT_EQ(a.tickets, b.tickets);
}

TEST(WheelGenerator, CancelledSearchKeepsTheBestWheelSoFar)
{
    MakeRequest request = wheelRequest({ 16, 4, 4 }, 6, 60);
    std::atomic_bool cancel { false };
    int reports = 0;
    const MakeResult result = make(request, &cancel, [&](const MakeProgress &p) {
        EXPECT_GE(p.size, p.bound);
        if (++reports == 2)
            cancel = true;
    });
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.check.holds);
    EXPECT_LT(result.seconds, 30);

    const MessageCatalog messages;
    request.guarantee = { 49, 3, 7 };
    EXPECT_FALSE(requestProblem(request, messages).isEmpty());
    request.guarantee = { 10, 3, 3 };
    request.ticketSize = 11;
    EXPECT_FALSE(requestProblem(request, messages).isEmpty());
}

// "4 if 4" on 36 numbers in tickets of six: the greedy cover holds about six thousand
// tickets, and the drop loop weighs every one of them before it drops one. The search
// still looks at its limit and at Cancel between any two steps, so it ends soon after
// either. The check of the wheel that make runs last is no part of the search and is
// left out of the reckoning; the bounds leave ample room for a slow machine.
TEST(WheelGenerator, TheDropLoopHeedsTheTimeLimitAndCancel)
{
    const Guarantee g { 36, 4, 4 };
    MakeRequest request = wheelRequest(g, 6, 4);
    request.processorTime = true;
    const MakeResult timed = make(request);
    ASSERT_FALSE(timed.tickets.empty());
    double checking = threadSeconds();
    EXPECT_TRUE(verify(timed.tickets, g).holds);
    checking = threadSeconds() - checking;
    EXPECT_LT(timed.processorSeconds - checking, request.seconds + 3);

    // Cancelled as soon as the greedy cover is there.
    request.seconds = 3600;
    std::atomic_bool cancel { false };
    double cancelledAt = 0;
    const double start = threadSeconds();
    const MakeResult cancelled = make(request, &cancel, [&](const MakeProgress &) {
        if (!cancel) {
            cancel = true;
            cancelledAt = threadSeconds();
        }
    });
    EXPECT_TRUE(cancelled.cancelled);
    ASSERT_FALSE(cancelled.tickets.empty());
    checking = threadSeconds();
    EXPECT_TRUE(verify(cancelled.tickets, g).holds);
    checking = threadSeconds() - checking;
    EXPECT_LT(start + cancelled.processorSeconds - cancelledAt - checking, 3);
}

// S(3, 6, 22) holds every three of its 22 numbers exactly once, and its blocks on fewer
// numbers still hold every three; the search starts from it and keeps to it where the
// greedy cover is larger (C(22, 6, 3) = 77 at once, where a greedy cover takes 129).
TEST(WheelGenerator, StartsFromTheSteinerSystemOnTwentyTwoNumbers)
{
    const std::vector<quint64> steiner = steinerSystem3622();
    ASSERT_EQ(steiner.size(), 77U);
    for (quint64 block : steiner)
        EXPECT_EQ(sizeOf(block), 6);
    // 77 blocks of 20 triples each are the 1,540 triples of 22 numbers: all held once.
    EXPECT_TRUE(verify(steiner, { 22, 3, 3 }).holds);
    for (int v = 6; v <= 22; ++v) {
        const std::vector<quint64> tickets = knownCovering(v, 6, 3);
        ASSERT_FALSE(tickets.empty());
        EXPECT_LE(tickets.size(), 77U);
        EXPECT_TRUE(verify(tickets, { v, 3, 3 }).holds) << v;
        EXPECT_TRUE(verify(tickets, { v, 3, 5 }).holds) << v;
        for (quint64 ticket : tickets)
            EXPECT_EQ(sizeOf(ticket), 6);
    }
    EXPECT_TRUE(knownCovering(23, 6, 3).empty());
    EXPECT_TRUE(knownCovering(20, 6, 4).empty());
    EXPECT_TRUE(knownCovering(20, 6, 2).empty());
    EXPECT_TRUE(knownCovering(20, 5, 3).empty());

    const MakeResult result = make(wheelRequest({ 22, 3, 3 }, 6, 10));
    EXPECT_EQ(result.tickets.size(), 77U);
    EXPECT_TRUE(result.optimal);
    EXPECT_TRUE(result.check.holds);
}
