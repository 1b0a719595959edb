#include "play/WheelRepair.h"
#include "play/WheelGenerator.h"

#include <gtest/gtest.h>

using namespace kivora;
using namespace kivora::wheel;

namespace {

std::vector<quint64> madeWheel(const Guarantee &g, int k)
{
    MakeRequest request;
    request.guarantee = g;
    request.ticketSize = k;
    request.seconds = 1;
    request.seed = 3;
    return make(request).tickets;
}

} // namespace

// A wheel that lost tickets is repaired with no more tickets than it lost, the added
// tickets as wide as asked, and the whole verifies; the wheel's own tickets stay.
TEST(WheelRepair, PlugsTheHolesOfAWheelThatLostTickets)
{
    for (const auto &[g, k] : { std::pair { Guarantee { 10, 3, 4 }, 5 },
             std::pair { Guarantee { 12, 3, 3 }, 6 }, std::pair { Guarantee { 9, 2, 3 }, 4 } }) {
        std::vector<quint64> tickets = madeWheel(g, k);
        ASSERT_GT(tickets.size(), 3U);
        tickets.erase(tickets.begin(), tickets.begin() + 2);
        RepairRequest request { tickets, g, k, 0.3, 1 };
        const RepairResult repaired = repair(request);
        EXPECT_GT(repaired.holesBefore, 0);
        EXPECT_TRUE(repaired.check.holds);
        EXPECT_GE(repaired.added.size(), 1U);
        EXPECT_LE(repaired.added.size(), 2U);
        std::vector<quint64> whole = tickets;
        for (quint64 ticket : repaired.added) {
            EXPECT_EQ(__builtin_popcountll(ticket), k);
            whole.push_back(ticket);
        }
        EXPECT_TRUE(verify(whole, g).holds);
    }
}

// A wheel that holds needs nothing; one with no tickets at all is made from nothing.
TEST(WheelRepair, AWholeWheelGetsNothingAndAnEmptyOneAWholeCover)
{
    const Guarantee g { 8, 3, 3 };
    const std::vector<quint64> tickets = madeWheel(g, 5);
    const RepairResult whole = repair({ tickets, g, 5, 0.2, 1 });
    EXPECT_EQ(whole.holesBefore, 0);
    EXPECT_TRUE(whole.added.empty());
    EXPECT_TRUE(whole.check.holds);

    const RepairResult empty = repair({ {}, g, 5, 0.2, 1 });
    EXPECT_EQ(empty.holesBefore, 56);
    EXPECT_TRUE(empty.check.holds);
    EXPECT_TRUE(verify(empty.added, g).holds);
}
