#include "play/KnownDesigns.h"
#include "play/SystemTemplate.h"
#include "play/WheelGenerator.h"
#include "play/WheelVerifier.h"

#include <gtest/gtest.h>

#include <random>

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

TEST(WheelVerifier, ReadsTemplatesAndRefusesBadGuarantees)
{
    const SystemTemplate system
        = SystemTemplate::parse(QStringLiteral("; three\r\n1 2 K\r\n2,3;0\r\n\r\n1 3\r\n"));
    std::vector<quint64> tickets;
    QString problem;
    ASSERT_TRUE(ticketsOf(system, &tickets, &problem));
    EXPECT_EQ(tickets, (std::vector<quint64> { setOf({ 1, 2 }), setOf({ 2, 3 }), setOf({ 1, 3 }) }));
    EXPECT_TRUE(verify(tickets, { 3, 2, 2 }).holds);
    EXPECT_FALSE(ticketsOf(SystemTemplate::parse(QStringLiteral("1 65")), &tickets, &problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(guaranteeProblem({ 6, 4, 3 }).isEmpty());
    EXPECT_FALSE(guaranteeProblem({ 6, 3, 7 }).isEmpty());
    EXPECT_FALSE(guaranteeProblem({ 65, 3, 3 }).isEmpty());
    EXPECT_TRUE(guaranteeProblem({ 49, 3, 6 }).isEmpty());
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

    request.guarantee = { 49, 3, 7 };
    EXPECT_FALSE(requestProblem(request).isEmpty());
    request.guarantee = { 10, 3, 3 };
    request.ticketSize = 11;
    EXPECT_FALSE(requestProblem(request).isEmpty());
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
