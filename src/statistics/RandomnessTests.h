#pragma once

// Does the base look like a fair draw? Four tests over the loaded draws:
//
// - frequencies: the chi-square of every number's count against the uniform
//   expectation R k / n. The k numbers of one draw are distinct, so a count varies
//   less than it would if every ball went back into the drum: the plain statistic has
//   mean n - k instead of n - 1. It is multiplied by (n - 1) / (n - k) before it is
//   compared with the chi-square law of n - 1 degrees of freedom.
// - positions, when the base keeps the drawing order: the number at each place of the
//   record against the uniform 1 / n (one number per draw and place: no factor).
// - gaps: the draws missed between two appearances of a number follow the geometric
//   law P(gap = j) = p (1 - p)^j with p = k / n; the pooled gaps of all numbers are
//   counted in classes 0, 1, ..., m - 1 and "m or more".
// - the longest absence: the longest run of draws without some number, against the
//   longest run chance gives any of the n numbers in R draws.
//
// Only draws holding k distinct numbers within the range are tested; the others (a
// number twice, an empty cell, a number out of range) are counted as skipped.

#include "core/LotteryDefinition.h"
#include "core/Progress.h"
#include "results/DrawTable.h"

#include <vector>

namespace kivora {

// A chi-square test. valid is false when the draws are too few for the law to apply
// (an expected count below 5) or the lottery draws every number each time; the
// figures are still filled as far as they can be.
struct ChiSquareTest
{
    bool valid = false;
    double statistic = 0; // compared with the chi-square law
    double plain = 0; // the frequency test's statistic before the factor
    int df = 0;
    double p = 1; // chance of a statistic this large or larger in a fair draw
    double smallestExpected = 0;
};

struct LongestAbsence
{
    bool valid = false;
    int number = -1; // the number with the longest absence (the smallest of equals)
    int length = 0; // draws in a row without it; the runs at either end count
    double expected = 0; // mean longest absence of any number in a fair draw
    double p = 1; // chance that some number stays away this long or longer
};

struct RandomnessReport
{
    int draws = 0; // draws tested
    int skipped = 0; // loaded draws left out
    int rangeSize = 0; // n
    int drawSize = 0; // k
    double correction = 1; // (n - 1) / (n - k)
    ChiSquareTest frequency;
    // The positions are tested when the records keep the drawing order: fewer of them
    // are in ascending order than halfway between chance (1 / k!) and all.
    bool drawingOrder = false;
    std::vector<ChiSquareTest> positions; // position 1 .. k, when drawingOrder
    ChiSquareTest gaps;
    int gapClasses = 0; // m: classes 0 .. m - 1 and "m or more"
    LongestAbsence absence;
};

inline constexpr double kSignificanceLevel = 0.05;
inline constexpr double kSmallestExpectedCount = 5.0;

RandomnessReport testRandomness(
    const DrawTable &draws, const LotteryDefinition &definition, const Progress &progress = {});

} // namespace kivora
