#pragma once

// Finds a small wheel: tickets of k numbers out of v that guarantee "t if m".
//
// A greedy cover comes first (each new ticket grows from an m-set no ticket covers
// yet, one number at a time, taking the number that covers the most such sets).
// Then simulated annealing works on a fixed number of tickets with the count of
// uncovered m-sets as its cost: a move takes an uncovered m-set, a ticket that holds
// t - 1 of its numbers (looked up by its (t - 1)-subsets), and swaps one of the
// ticket's other numbers for one of the set's.
// Each time the cost reaches zero the ticket that covers the fewest sets alone is
// dropped and the search goes on one ticket smaller, so the result is never larger
// than the greedy cover. For "3 if 3" with six-number tickets on up to 22 numbers the
// second half of the time anneals down from the Steiner system S(3, 6, 22) instead
// (play/KnownDesigns), and the smaller wheel is kept. Every wheel returned has passed
// the verifier.

#include "play/WheelVerifier.h"

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

namespace kivora {
class MessageCatalog;
}

namespace kivora::wheel {

// The m-sets are counted in a table; larger searches are refused.
inline constexpr qint64 kMaxSets = 5'000'000;

struct MakeRequest
{
    Guarantee guarantee;
    int ticketSize = 0; // k
    double seconds = 10; // time limit of the search
    quint64 seed = 1; // the same request and seed give the same search
    // Stop as soon as a wheel of this many tickets is found (0: only at the lower bound).
    int stopAt = 0;
    // The limit counts the searching thread's processor time instead of the clock's
    // (measurements on a machine shared with other work).
    bool processorTime = false;
    // The most numbers a ticket may hold (a system template's row holds at most ten).
    int widestTicket = kMaxNumbers;
};

struct MakeProgress
{
    int size = 0; // tickets of the smallest wheel found so far
    int bound = 0; // the lower bound
    double seconds = 0;
};

struct MakeResult
{
    std::vector<quint64> tickets; // sorted, each ticket ascending as a bit set
    int bound = 0;
    int greedySize = 0;
    bool cancelled = false; // stopped by the caller; tickets is the best wheel so far
    bool optimal = false; // the size equals the lower bound
    double seconds = 0;
    double processorSeconds = 0; // of the searching thread
    CheckResult check; // the verifier's result for tickets
};

// The usage error of a request ("" when it can be searched), in the catalogue's language.
QString requestProblem(const MakeRequest &request, const MessageCatalog &messages);

// A lower bound on the tickets any wheel needs: the Schönheim bound
// ceil(v/k * ceil((v-1)/(k-1) * ... ceil((v-t+1)/(k-t+1)))) for "t if t", and for
// m > t the m-sets divided by the most that one ticket covers.
int lowerBound(const Guarantee &guarantee, int ticketSize);

// Runs the search on the calling thread. `progress` is called from it whenever a
// smaller wheel is found; `cancel` stops the search with the best wheel so far.
MakeResult make(const MakeRequest &request, const std::atomic_bool *cancel = nullptr,
    const std::function<void(const MakeProgress &)> &progress = {});

} // namespace kivora::wheel
