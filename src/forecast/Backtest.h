#pragma once

// Would a way of picking numbers have beaten chance on this base? Walk forward through
// the loaded draws: for every draw from a starting one on, make the pick from the draws
// before it only, count how many of the picked numbers it drew, and compare the total
// with the hypergeometric law of a pick of that size made blindly.
//
// Every method but the random one is checked against a control: at every draw a
// random pick of the same size (seeded, so a run can be repeated).

#include "core/LotteryDefinition.h"
#include "core/Progress.h"
#include "results/DrawTable.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace kivora::backtest {

enum class Method {
    ForecastNumbers, // the numbers the numbers forecast marks
    ForecastPairs, // the numbers of the pairs the pairs forecast chooses
    Frequent, // the N numbers drawn most often
    Absent, // the N numbers absent longest
    Random, // N numbers at random
};

// "forecast-numbers", "forecast-pairs", "frequent", "absent", "random".
QString methodKey(Method method);
bool methodFromKey(const QString &key, Method *method);
// Whether the pick size is the player's to choose (frequent, absent, random).
bool takesSize(Method method);
// The pick size when none is given: a ticket of the lottery's draw size, at most 10.
int defaultSize(const LotteryDefinition &definition);

struct Options
{
    Method method = Method::ForecastNumbers;
    int size = 0; // frequent, absent, random; 0 = defaultSize
    int fromRow = 1; // the first draw to pick for (a row of the draw table)
    quint32 seed = 20240601; // of the random picks
};

// The tally of one method over the walk.
struct Tally
{
    int picks = 0; // draws the method picked numbers for
    int empty = 0; // draws it picked nothing for (not counted in picks)
    qint64 numbersPicked = 0;
    qint64 hits = 0;
    double expectedHits = 0; // the sum of the hypergeometric means of the picks
    double variance = 0; // the sum of their variances
    std::vector<qint64> observed; // observed[h]: picks with h hits
    std::vector<double> expected; // expected[h]: picks with h hits a blind pick expects

    double meanHits() const { return picks > 0 ? static_cast<double>(hits) / picks : 0.0; }
    double expectedMean() const { return picks > 0 ? expectedHits / picks : 0.0; }
    double meanSize() const { return picks > 0 ? static_cast<double>(numbersPicked) / picks : 0.0; }
    // (hits - expected) / standard deviation; 0 without spread.
    double z() const;
    // The two-sided chance of a z this far from 0 by luck (normal law).
    double p() const;
};

struct Result
{
    Method method = Method::ForecastNumbers;
    int size = 0; // the fixed pick size, 0 for the forecasts
    int fromRow = 0;
    int walked = 0; // draws from fromRow to the newest
    Tally tally;
    bool hasControl = false;
    Tally control; // random picks of the same sizes
};

// The walk. fromRow is brought into 0 .. rowCount; a size outside 1 .. n is brought
// into it. Progress: (0, draws to walk, walked so far) now and then, and the end.
Result run(const DrawTable &draws, const LotteryDefinition &definition, const Options &options,
    const Progress &progress = {});

} // namespace kivora::backtest
