#pragma once

// Shared pieces of the fuzz harnesses: the input as the program would read it from a
// file, and small choices taken from its first bytes.

#include "core/LotteryDefinition.h"
#include "core/TextFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace kivora::fuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// The text the program reads from a file of these bytes; false when it refuses them.
inline bool textOf(const uint8_t *data, size_t size, QString *text)
{
    return textfile::decodeText(bytesOf(data, size), text);
}

// One of the lotteries of the sample configuration, chosen by a byte.
inline LotteryDefinition lotteryOf(uint8_t choice)
{
    LotteryDefinition d;
    switch (choice % 4) {
    case 0:
        d.name = QStringLiteral("6 из 45");
        d.minNumber = 1;
        d.maxNumber = 45;
        d.drawNumber = 6;
        break;
    case 1:
        d.name = QStringLiteral("Кено");
        d.minNumber = 1;
        d.maxNumber = 80;
        d.drawNumber = 20;
        break;
    case 2:
        d.name = QStringLiteral("5 из 36");
        d.minNumber = 1;
        d.maxNumber = 36;
        d.drawNumber = 5;
        d.countOfAddBall = 1;
        d.minnumberOfAddBall = 1;
        d.maxnumberOfAddBall = 4;
        break;
    default:
        d.name = QStringLiteral("4 из 20");
        d.minNumber = 1;
        d.maxNumber = 20;
        d.drawNumber = 4;
        d.countOfAddBall = 2;
        break;
    }
    return d;
}

// A failed property of a harness: reported by libFuzzer as a crash with this input.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace kivora::fuzz
