#pragma once

// The distributions the randomness report and the back-test compare with. Written
// out here rather than taken from a library: a few dozen lines of well-known series.

#include <vector>

namespace kivora::probability {

// The regularized incomplete gamma functions P(a, x) and Q(a, x) = 1 - P(a, x) for
// a > 0, x >= 0; NaN outside. Q(1, x) = exp(-x), Q(2, x) = exp(-x) * (1 + x).
double gammaP(double a, double x);
double gammaQ(double a, double x);

// The chance that a chi-square variable with df degrees of freedom reaches x or more:
// Q(df / 2, x / 2). With 2 degrees of freedom that is exp(-x / 2).
double chiSquareUpperTail(double x, int df);

// The chance that a standard normal variable reaches z or more.
double normalUpperTail(double z);
// The chance that |Z| reaches |z| or more.
double normalTwoSided(double z);

// Hits of a pick of `picked` numbers in a draw of `drawn` numbers out of `population`:
// the hypergeometric law. pmf[h] for h = 0 .. picked (zero where h is impossible).
std::vector<double> hypergeometricPmf(int population, int drawn, int picked);
double hypergeometricMean(int population, int drawn, int picked);
double hypergeometricVariance(int population, int drawn, int picked);

// The chance that a run of at least `length` trials without a success occurs
// somewhere in `trials` independent trials, each a success with chance p.
double longRunChance(int trials, int length, double p);

} // namespace kivora::probability
