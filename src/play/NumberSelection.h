#pragma once

// Choosing numbers for the player. Marks live in the number list's rows; here they
// are a flag per row in the list's order.

#include <random>
#include <vector>

namespace kivora {

struct RandomChoice
{
    // The system already has its numbers (need <= marked): nothing is chosen and the
    // window says so (Str24).
    bool alreadyEnough = false;
    // Rows to mark, in the order they were drawn.
    std::vector<int> rows;
};

// Adds random marks until `need` rows are marked. Each pick is uniform over all rows;
// a row already marked is drawn again. Existing marks are kept. When the list runs
// out of unmarked rows the choice stops with what it has.
RandomChoice chooseRandomRows(const std::vector<bool> &marks, int need, std::mt19937 &rng);

} // namespace kivora
