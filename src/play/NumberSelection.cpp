#include "play/NumberSelection.h"

#include <algorithm>

namespace kivora {

RandomChoice chooseRandomRows(const std::vector<bool> &marks, int need, std::mt19937 &rng)
{
    RandomChoice choice;
    const int rowCount = static_cast<int>(marks.size());
    const int marked = static_cast<int>(std::count(marks.begin(), marks.end(), true));
    if (need <= marked) {
        choice.alreadyEnough = true;
        return choice;
    }

    std::vector<bool> taken = marks;
    int unmarked = rowCount - marked;
    std::uniform_int_distribution<int> anyRow(0, std::max(rowCount - 1, 0));
    for (int i = marked; i < need && unmarked > 0; ++i) {
        int row = anyRow(rng);
        while (taken[static_cast<size_t>(row)])
            row = anyRow(rng);
        taken[static_cast<size_t>(row)] = true;
        --unmarked;
        choice.rows.push_back(row);
    }
    return choice;
}

} // namespace kivora
