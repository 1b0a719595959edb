#pragma once

// Lottery definitions the tests build without a configuration file.

#include "core/LotteryDefinition.h"

#include <QString>

namespace kivora::test {

// "6 из 45": six numbers of 1 to 45, with `additional` bonus numbers of 1 to 12.
inline LotteryDefinition sixOf45(int additional = 0)
{
    LotteryDefinition d;
    d.name = QString::fromUtf8("6 из 45");
    d.minNumber = 1;
    d.maxNumber = 45;
    d.drawNumber = 6;
    d.countOfAddBall = additional;
    d.minnumberOfAddBall = 1;
    d.maxnumberOfAddBall = 12;
    return d;
}

} // namespace kivora::test
