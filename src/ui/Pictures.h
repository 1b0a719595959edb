#pragma once

#include <QIcon>

namespace kivora::pictures {

// The row pictures of the number list and the combination view: small balls in the
// colours of the groups of ten (0 blue, 1 yellow, 3 purple, 4 green), 2 red and 5 a
// grey pair of balls for combinations.
QIcon picture(int index);

// Picture of a number by its group of ten: 1-10 → 3, 11-20 → 1, 21-30 → 4, 31-40 → 0,
// then the cycle again; -1 (none) above 100.
int pictureForNumber(int n);

// Toolbar button images.
QIcon toolIcon(const char *name);

} // namespace kivora::pictures
