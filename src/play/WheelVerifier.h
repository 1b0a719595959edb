#pragma once

// A wheel on v numbers guarantees "t if m" when, for every m of its v numbers that are
// among the drawn ones, at least one ticket holds t of them. A ticket is a bit set of
// the template's positions: bit p-1 stands for position p, the p-th marked number.
//
// The check walks the m-sets once in lexicographic order, keeping for every ticket how
// many numbers of the current prefix it holds: a prefix that some ticket already meets
// in t numbers is covered with its whole subtree, and on the last level the numbers
// that complete a covering are the union of the tickets one short of t.

#include "core/Binomial.h"
#include "core/Failure.h"
#include "core/Progress.h"

#include <QString>
#include <QtAlgorithms>
#include <QtGlobal>

#include <atomic>
#include <vector>

namespace kivora {

class MessageCatalog;
class SystemTemplate;

namespace wheel {

// Positions run 1..kMaxNumbers: a ticket is one 64-bit set.
inline constexpr int kMaxNumbers = 64;

struct Guarantee
{
    int numbers = 0; // v
    int match = 0; // t
    int drawn = 0; // m
};

// Whether 1 <= t <= m <= v <= 64; guaranteeProblem says what is wrong ("" when sound).
bool isSound(const Guarantee &guarantee);
QString guaranteeProblem(const Guarantee &guarantee, const MessageCatalog &messages);

struct CheckResult
{
    bool holds = false;
    bool cancelled = false;
    qint64 sets = 0; // C(v, m): how many m-sets there are
    qint64 holes = 0; // m-sets no ticket meets in t numbers
    std::vector<quint64> firstHoles; // the first holes in lexicographic order
};

// Checks the guarantee exactly. Tickets may hold numbers above v: only their part
// within 1..v counts. `cancel`, when given, stops the check within milliseconds
// (cancelled is set). `progress` hears of the share of the m-sets decided, in per mille
// (0..1000), every few milliseconds: a check can take long when m is large and the
// wheel leaves many holes.
CheckResult verify(const std::vector<quint64> &tickets, const Guarantee &guarantee, int holeLimit = 10,
    const std::atomic_bool *cancel = nullptr, const Progress &progress = {});

// The rows of a template as tickets. Placeholders and empty cells are left out.
// Fails (a format failure) when a position is above 64.
Outcome<std::vector<quint64>> ticketsOf(const SystemTemplate &system, const MessageCatalog &messages);

// The largest ticket size (numbers in one row).
int widestTicket(const std::vector<quint64> &tickets);

// "3 7 12": the positions of a set, ascending, separated by blanks.
QString positionsText(quint64 set);

// How many positions a set holds.
inline int sizeOf(quint64 set)
{
    return static_cast<int>(qPopulationCount(set));
}

using kivora::binomial;

} // namespace wheel
} // namespace kivora
