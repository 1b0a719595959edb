#include "play/KnownDesigns.h"

#include <QtAlgorithms>

#include <algorithm>

namespace kivora::wheel {

std::vector<quint64> steinerSystem3622()
{
    // The cyclic Golay code of length 23: the multiples of
    // g(x) = x^11 + x^9 + x^7 + x^6 + x^5 + x + 1, with a parity bit as position 23.
    constexpr quint64 generator = (1u << 11) | (1u << 9) | (1u << 7) | (1u << 6) | (1u << 5) | (1u << 1) | 1u;
    constexpr quint64 both = (quint64(1) << 22) | (quint64(1) << 23);
    std::vector<quint64> blocks;
    for (quint64 message = 0; message < (1u << 12); ++message) {
        quint64 word = 0;
        for (int i = 0; i < 12; ++i) {
            if ((message >> i) & 1u)
                word ^= generator << i;
        }
        if (qPopulationCount(word) % 2 != 0)
            word |= quint64(1) << 23;
        if (qPopulationCount(word) == 8 && (word & both) == both)
            blocks.push_back(word & ~both);
    }
    return blocks;
}

std::vector<quint64> knownCovering(int v, int k, int t)
{
    if (k != 6 || t != 3 || v < k || v > 22)
        return {};
    const quint64 all = (quint64(1) << v) - 1;
    std::vector<quint64> tickets;
    for (quint64 block : steinerSystem3622()) {
        quint64 ticket = block & all;
        if (static_cast<int>(qPopulationCount(ticket)) < t)
            continue;
        for (int number = 0; static_cast<int>(qPopulationCount(ticket)) < k; ++number)
            ticket |= quint64(1) << number;
        tickets.push_back(ticket);
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

} // namespace kivora::wheel
