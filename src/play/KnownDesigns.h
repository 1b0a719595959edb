#pragma once

// Coverings known in closed form, where they beat what a search finds in seconds: the
// wheel search starts from them instead of its greedy cover when they are smaller.

#include <QtGlobal>

#include <vector>

namespace kivora::wheel {

// The 77 blocks of the Steiner system S(3, 6, 22) on the numbers 0..21, as bit sets:
// every three of the numbers lie in exactly one block. They are the words of weight 8
// of the extended binary Golay code that hold positions 22 and 23, without those two.
std::vector<quint64> steinerSystem3622();

// Tickets of k numbers out of 0..v-1 that hold every t of them, made from a known
// design, or none when no design is known for v, k and t. S(3, 6, 22) serves k = 6,
// t = 3 and v <= 22: its blocks on the first v numbers, each filled up to 6 with the
// lowest numbers it lacks; a block left with fewer than 3 numbers is dropped. (For
// fewer than 3, or "3 if m" with m > 3, far smaller wheels exist than these.)
std::vector<quint64> knownCovering(int v, int k, int t);

} // namespace kivora::wheel
