#pragma once

// A wheel with key numbers: numbers the player is sure of stand on every ticket, and
// the other numbers are wheeled. The wheel of the others uses positions 1..v' (v' the
// count of the others, in ascending order of their numbers).

#include <QtGlobal>

#include <vector>

namespace kivora::wheel {

// The tickets of the others' wheel on the whole range 1..numbers, each with the keys.
std::vector<quint64> withKeys(const std::vector<quint64> &others, quint64 keys, int numbers);

// The tickets without the keys, their other numbers as positions 1..v' again.
std::vector<quint64> withoutKeys(const std::vector<quint64> &tickets, quint64 keys, int numbers);

} // namespace kivora::wheel
