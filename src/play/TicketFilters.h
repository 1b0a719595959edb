#pragma once

// Filters that keep only some of the tickets a system made. A ticket is the numbers of
// one combination-list row (the placeholder and empty cells are no numbers; a number
// listed twice counts once). Each filter is off unless ticked:
//
//   sum        the sum of the numbers lies in min..max
//   odd        the count of odd numbers lies in min..max
//   low        the count of low numbers (the lower half of the lottery's range, 1..22
//              for 1..45) lies in min..max
//   run        the longest run of consecutive numbers (05 06 07: 3) lies in min..max
//   ten        no group of ten (01-10, 11-20, ...) holds more than N of the numbers
//   past draw  the ticket is not the set of main numbers of a loaded draw

#include "core/LotteryDefinition.h"
#include "results/DrawTable.h"
#include "statistics/NumberSet.h"

#include <QString>

#include <array>
#include <unordered_set>
#include <vector>

namespace kivora {

class CombinationList;
class MessageCatalog;

struct CountRange
{
    bool on = false;
    int min = 0;
    int max = 0;
    bool accepts(int value) const { return !on || (value >= min && value <= max); }
};

struct TicketFilters
{
    CountRange sum;
    CountRange odd;
    CountRange low;
    CountRange run;
    bool tenOn = false;
    int tenMost = 0; // at most this many numbers from one group of ten
    bool notPastDraw = false;

    bool anyOn() const { return sum.on || odd.on || low.on || run.on || tenOn || notPastDraw; }
};

// The filters in the order they are applied and reported.
enum class TicketFilter { Sum, Odd, Low, Run, Ten, PastDraw };
inline constexpr int kTicketFilterCount = 6;

// The largest low number: the first half of MinNumber..MaxNumber, rounded down
// (22 for 1..45, 40 for 1..80, 10 for 1..20).
int lowNumbersEnd(const LotteryDefinition &definition);

// What the filters look at in one ticket.
struct TicketFacts
{
    int count = 0; // distinct numbers
    int sum = 0;
    int odd = 0;
    int low = 0;
    int longestRun = 0;
    int mostInOneTen = 0;
    NumberSet numbers;
};

// numbers may hold a number twice; only 0..127 can be held.
TicketFacts ticketFacts(const int *numbers, int count, int lowEnd);

// The sets of main numbers of the loaded draws (each draw as written, numbers out of
// range included, so that only a ticket equal to the whole draw matches it; a draw
// holding a number twice matches no ticket).
class PastDraws final
{
public:
    PastDraws() = default;
    explicit PastDraws(const DrawTable &draws);
    bool contains(const NumberSet &numbers) const;

private:
    struct Hash
    {
        size_t operator()(const NumberSet &set) const
        {
            return std::hash<quint64>()(set.low * 0x9E3779B97F4A7C15ull ^ set.high);
        }
    };
    struct Equal
    {
        bool operator()(const NumberSet &a, const NumberSet &b) const
        {
            return a.low == b.low && a.high == b.high;
        }
    };
    std::unordered_set<NumberSet, Hash, Equal> m_sets;
};

// Whether a ticket passes filter f.
bool passes(const TicketFilters &filters, TicketFilter f, const TicketFacts &facts, const PastDraws &past);

struct FilterOutcome
{
    int before = 0; // tickets before filtering
    int after = 0; // tickets kept
    // removed[f]: tickets filter f removed after the ones before it let them through;
    // the removed counts add up to before - after.
    std::array<int, kTicketFilterCount> removed {};
    // rejected[f]: tickets filter f fails, whatever the others say.
    std::array<int, kTicketFilterCount> rejected {};
    int removedTotal() const { return before - after; }
};

// Filters the list in place and tells what each filter removed. A list whose every
// ticket is removed is left with one empty row. An empty list (nothing marked) is left
// as it is. past is only read when notPastDraw is on.
FilterOutcome filterCombinations(CombinationList *list, const TicketFilters &filters,
    const LotteryDefinition &definition, const PastDraws &past);

// What the filters let through: "Фильтры: сумма 100-150, нечётных 2-4, ..."; the empty
// text when none is on. One line, for the header of a saved combination file.
QString filterDescription(
    const TicketFilters &filters, const LotteryDefinition &definition, const MessageCatalog &messages);
// The name of one filter and its rule, as the description writes it.
QString filterRule(const TicketFilters &filters, TicketFilter f, const LotteryDefinition &definition,
    const MessageCatalog &messages);
bool filterOn(const TicketFilters &filters, TicketFilter f);

} // namespace kivora
