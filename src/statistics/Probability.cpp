#include "statistics/Probability.h"

#include <cmath>
#include <limits>

namespace kivora::probability {

namespace {

constexpr double kEpsilon = 1e-15;
constexpr double kTiny = 1e-300;
constexpr int kMaxIterations = 100000;

// exp(-x) x^a / Gamma(a), the factor both expansions share.
double gammaFactor(double a, double x)
{
    return std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// P(a, x) by its power series; converges fast for x < a + 1.
double seriesP(double a, double x)
{
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxIterations; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon)
            break;
    }
    return sum * gammaFactor(a, x);
}

// Q(a, x) by its continued fraction (modified Lentz); converges fast for x >= a + 1.
double fractionQ(double a, double x)
{
    double b = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < kMaxIterations; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny)
            d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny)
            c = kTiny;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < kEpsilon)
            break;
    }
    return h * gammaFactor(a, x);
}

double logChoose(int n, int k)
{
    return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0);
}

} // namespace

double gammaP(double a, double x)
{
    if (!(a > 0) || !(x >= 0))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return 0.0;
    if (std::isinf(x))
        return 1.0;
    return x < a + 1 ? seriesP(a, x) : 1.0 - fractionQ(a, x);
}

double gammaQ(double a, double x)
{
    if (!(a > 0) || !(x >= 0))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return 1.0;
    if (std::isinf(x))
        return 0.0;
    return x < a + 1 ? 1.0 - seriesP(a, x) : fractionQ(a, x);
}

double chiSquareUpperTail(double x, int df)
{
    if (df < 1)
        return std::numeric_limits<double>::quiet_NaN();
    return gammaQ(df / 2.0, x < 0 ? 0.0 : x / 2.0);
}

double normalUpperTail(double z)
{
    return 0.5 * std::erfc(z / std::sqrt(2.0));
}

double normalTwoSided(double z)
{
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

std::vector<double> hypergeometricPmf(int population, int drawn, int picked)
{
    std::vector<double> pmf(static_cast<size_t>(picked < 0 ? 0 : picked) + 1, 0.0);
    if (population <= 0 || drawn < 0 || picked < 0 || drawn > population || picked > population)
        return pmf;
    const double total = logChoose(population, picked);
    for (int h = 0; h <= picked; ++h) {
        if (h > drawn || picked - h > population - drawn)
            continue;
        pmf[static_cast<size_t>(h)]
            = std::exp(logChoose(drawn, h) + logChoose(population - drawn, picked - h) - total);
    }
    return pmf;
}

double hypergeometricMean(int population, int drawn, int picked)
{
    return population > 0 ? static_cast<double>(picked) * drawn / population : 0.0;
}

double hypergeometricVariance(int population, int drawn, int picked)
{
    if (population <= 1)
        return 0.0;
    const double n = population;
    const double share = drawn / n;
    return picked * share * (1 - share) * (n - picked) / (n - 1);
}

double longRunChance(int trials, int length, double p)
{
    if (length <= 0)
        return trials >= 0 ? 1.0 : 0.0;
    if (length > trials || p >= 1)
        return 0.0;
    if (p <= 0)
        return 1.0;
    // none[t]: no such run within the first t trials. A run that first completes at
    // trial t is a success at t - length (or the start) followed by `length` misses.
    const double q = 1 - p;
    const double allMiss = std::pow(q, length);
    // none[t] is kept for the last length + 1 values of t only: slot t % (length + 1)
    // holds none[t - length - 1] until none[t] replaces it.
    const size_t slots = static_cast<size_t>(length) + 1;
    std::vector<double> none(slots, 1.0);
    double previous = 1 - allMiss; // none[length]
    none[static_cast<size_t>(length) % slots] = previous;
    for (int t = length + 1; t <= trials; ++t) {
        double &slot = none[static_cast<size_t>(t) % slots];
        slot = previous - p * allMiss * slot;
        previous = slot;
    }
    const double chance = 1 - previous;
    return chance < 0 ? 0.0 : (chance > 1 ? 1.0 : chance);
}

} // namespace kivora::probability
