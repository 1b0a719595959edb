#include "statistics/Probability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace kivora;

// The incomplete gamma function against the closed forms that exist for whole and
// half-whole a: Q(1, x) = e^-x, Q(2, x) = e^-x (1 + x), Q(3, x) = e^-x (1 + x + x^2/2),
// Q(1/2, x) = erfc(sqrt x). Both the series (x < a + 1) and the fraction are crossed.
TEST(Probability, IncompleteGammaMatchesClosedForms)
{
    for (double x : { 0.01, 0.3, 1.0, 1.9, 2.5, 4.0, 10.0, 35.0, 80.0 }) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(probability::gammaQ(1, x), std::exp(-x), 1e-14);
        EXPECT_NEAR(probability::gammaQ(2, x), std::exp(-x) * (1 + x), 1e-13);
        EXPECT_NEAR(probability::gammaQ(3, x), std::exp(-x) * (1 + x + x * x / 2), 1e-13);
        EXPECT_NEAR(probability::gammaQ(0.5, x), std::erfc(std::sqrt(x)), 1e-13);
        EXPECT_NEAR(probability::gammaP(2.5, x) + probability::gammaQ(2.5, x), 1.0, 1e-14);
    }
    EXPECT_EQ(probability::gammaQ(4, 0), 1.0);
    EXPECT_EQ(probability::gammaP(4, 0), 0.0);
    EXPECT_TRUE(std::isnan(probability::gammaQ(0, 1)));
    EXPECT_TRUE(std::isnan(probability::gammaQ(1, -1)));
}

// Critical values from any chi-square table: 5% at 1, 10 and 79 degrees of freedom.
TEST(Probability, ChiSquareTailAtTableValues)
{
    EXPECT_NEAR(probability::chiSquareUpperTail(3.841459, 1), 0.05, 1e-6);
    EXPECT_NEAR(probability::chiSquareUpperTail(18.307038, 10), 0.05, 1e-6);
    EXPECT_NEAR(probability::chiSquareUpperTail(100.748619, 79), 0.05, 1e-6);
    EXPECT_NEAR(probability::chiSquareUpperTail(2.0, 2), std::exp(-1.0), 1e-14);
    EXPECT_NEAR(probability::normalTwoSided(1.959964), 0.05, 1e-6);
    EXPECT_NEAR(probability::normalUpperTail(0), 0.5, 1e-15);
}

// 6 of 45 with a ticket of 6: the chances of the lottery's own odds table.
TEST(Probability, HypergeometricLawOfSixOfFortyFive)
{
    const std::vector<double> law = probability::hypergeometricPmf(45, 6, 6);
    ASSERT_EQ(law.size(), 7u);
    EXPECT_NEAR(law[6], 1.0 / 8145060, 1e-15);
    EXPECT_NEAR(law[3], 182780.0 / 8145060, 1e-12); // C(6,3) C(39,3) / C(45,6)
    EXPECT_NEAR(std::accumulate(law.begin(), law.end(), 0.0), 1.0, 1e-12);
    double mean = 0;
    double square = 0;
    for (size_t h = 0; h < law.size(); ++h) {
        mean += h * law[h];
        square += h * h * law[h];
    }
    EXPECT_NEAR(probability::hypergeometricMean(45, 6, 6), mean, 1e-12);
    EXPECT_NEAR(probability::hypergeometricVariance(45, 6, 6), square - mean * mean, 1e-12);
    // Keno: a pick of 47 numbers can hit at most the 20 drawn.
    const std::vector<double> keno = probability::hypergeometricPmf(80, 20, 47);
    EXPECT_EQ(keno[21], 0.0);
    EXPECT_GT(keno[20], 0.0);
}

// The long-run chance against every sequence of up to 12 trials written out.
TEST(Probability, LongRunChanceAgainstEverySequence)
{
    for (int trials : { 1, 2, 5, 9, 12 }) {
        for (double p : { 0.2, 0.5, 0.75 }) {
            for (int length = 1; length <= trials + 1; ++length) {
                double chance = 0;
                for (int bits = 0; bits < (1 << trials); ++bits) {
                    int run = 0;
                    int longest = 0;
                    int successes = 0;
                    for (int t = 0; t < trials; ++t) {
                        const bool success = (bits >> t) & 1;
                        successes += success;
                        run = success ? 0 : run + 1;
                        longest = std::max(longest, run);
                    }
                    if (longest >= length)
                        chance += std::pow(p, successes) * std::pow(1 - p, trials - successes);
                }
                EXPECT_NEAR(probability::longRunChance(trials, length, p), chance, 1e-12)
                    << trials << " trials, length " << length << ", p " << p;
            }
        }
    }
}
