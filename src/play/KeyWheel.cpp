#include "play/KeyWheel.h"

namespace kivora::wheel {

std::vector<quint64> withKeys(const std::vector<quint64> &others, quint64 keys, int numbers)
{
    std::vector<quint64> tickets;
    tickets.reserve(others.size());
    for (quint64 set : others) {
        quint64 ticket = keys;
        int position = 0; // among the others
        for (int p = 0; p < numbers && p < 64; ++p) {
            if ((keys >> p) & 1U)
                continue;
            if ((set >> position) & 1U)
                ticket |= quint64(1) << p;
            ++position;
        }
        tickets.push_back(ticket);
    }
    return tickets;
}

std::vector<quint64> withoutKeys(const std::vector<quint64> &tickets, quint64 keys, int numbers)
{
    std::vector<quint64> others;
    others.reserve(tickets.size());
    for (quint64 ticket : tickets) {
        quint64 set = 0;
        int position = 0;
        for (int p = 0; p < numbers && p < 64; ++p) {
            if ((keys >> p) & 1U)
                continue;
            if ((ticket >> p) & 1U)
                set |= quint64(1) << position;
            ++position;
        }
        others.push_back(set);
    }
    return others;
}

} // namespace kivora::wheel
