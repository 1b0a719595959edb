#pragma once

// Plugs the holes of a wheel: adds the fewest tickets it can find that make the
// guarantee hold, leaving the wheel's own tickets as they are.
//
// The holes are the m-sets no ticket meets in t numbers. A greedy pass grows each new
// ticket from t numbers of a hole, one number at a time, taking the number that covers
// the most holes left; tickets it made that cover no hole alone are dropped. Passes
// with other random choices run while time is left, and the fewest added tickets win.

#include "play/WheelVerifier.h"

#include <atomic>
#include <vector>

namespace kivora::wheel {

struct RepairRequest
{
    std::vector<quint64> tickets; // the wheel as it is
    Guarantee guarantee;
    int ticketSize = 0; // of the added tickets
    double seconds = 10; // for the passes after the first, which always runs to its end
    quint64 seed = 1;
};

struct RepairResult
{
    qint64 holesBefore = 0;
    std::vector<quint64> added; // sorted
    CheckResult check; // the verifier's result for the wheel with the added tickets
};

// Repairs a wheel of a request that requestProblem() accepts (as a search of
// guarantee and ticketSize). The result holds whenever check.holds.
RepairResult repair(const RepairRequest &request, const std::atomic_bool *cancel = nullptr);

} // namespace kivora::wheel
