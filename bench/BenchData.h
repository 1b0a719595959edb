#pragma once

// A generated results base of a million Keno draws, the same for every benchmark.

#include "core/TextFile.h"

#include <QDate>
#include <QString>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace kivora::bench {

// Random sorted draws of 20 of 1..80 with dates, one a day.
inline QString millionDraws()
{
    std::mt19937 rng(1996);
    std::array<int, 80> balls {};
    std::iota(balls.begin(), balls.end(), 1);
    QString text;
    text.reserve(1000000 * 72);
    const QDate start(1990, 1, 1);
    for (int i = 0; i < 1000000; ++i) {
        for (int j = 0; j < 20; ++j)
            std::swap(balls[static_cast<size_t>(j)], balls[static_cast<size_t>(j) + rng() % (80 - j)]);
        std::array<int, 20> draw {};
        std::copy_n(balls.begin(), 20, draw.begin());
        std::sort(draw.begin(), draw.end());
        text += QString::number(i + 1) + QLatin1Char(',')
            + start.addDays(i).toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(",-,-");
        for (int n : draw)
            text += QLatin1Char(',') + QString::number(n);
        text += textfile::crlf();
    }
    return text;
}

} // namespace kivora::bench
