#pragma once

// A wheel read from a text file of any program: one ticket a line, its numbers
// separated by blanks, tabs, commas or semicolons. Lines starting with ";" or "#"
// describe the wheel; blank lines and placeholder fields ("K") are skipped.
//
// Many programs count the numbers of a wheel from 0. A file that uses the number 0 is
// read as counted from 0 (0 is the first number); any other file as its numbers stand.

#include "core/Failure.h"

#include <QString>

#include <vector>

namespace kivora {

class MessageCatalog;

namespace wheel {

struct ReadWheel
{
    std::vector<quint64> tickets; // positions 1..64, one bit each
    int uses = 0; // the largest position a ticket holds
    bool fromZero = false; // the file counts from 0: every number was read as one more
};

// `numbers`: the wheel's range 1..numbers, or 0 for the widest range the verifier
// takes. A field that is no number, or a number outside the range, fails with the line.
Outcome<ReadWheel> readWheel(const QString &text, int numbers, const MessageCatalog &messages);

} // namespace wheel
} // namespace kivora
