#pragma once

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace kivora {

// C(n, k): 0 when k is out of range; saturates at the qint64 maximum instead of
// overflowing (C(64, 32) does not fit).
inline qint64 binomial(int n, int k)
{
    if (n < 0 || k < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    // value * (n - k + i) is a multiple of i: exact until it would overflow.
    qint64 value = 1;
    for (int i = 1; i <= k; ++i) {
        qint64 product = 0;
        if (__builtin_mul_overflow(value, static_cast<qint64>(n - k + i), &product))
            return std::numeric_limits<qint64>::max();
        value = product / i;
    }
    return value;
}

} // namespace kivora
