#pragma once

// Chances of winning in a k-of-n lottery. When D of the numbers MinNumber..MaxNumber
// (N of them) are drawn and the player has marked s numbers, the chance that exactly
// k of the drawn numbers are among the marked ones is
//     C(s, k) · C(N − s, D − k) / C(N, D).
// For 6 of 45: C(45, 6) = 8 145 060 draws, 234 of which give five hits with one
// combination, a chance of 1 : 34 807,95.
// Counts are exact for every lottery the program holds (N up to 101): C(100, 50) has
// 30 digits, so they are kept in 128-bit integers, never in floating point.

#include "core/LotteryDefinition.h"

#include <QString>

namespace kivora {

namespace odds {

// The largest N the counts handle: the numbers 0..100.
inline constexpr int kMaxNumberCount = kLargestNumber + 1;

// C(n, k) in decimal digits ("8145060"); "0" when k < 0 or k > n. Empty when n is
// outside 0..kMaxNumberCount.
QString binomialText(int n, int k);

// The chance above as a probability; 0 when the outcome is impossible or the
// arguments are out of range (N outside 1..kMaxNumberCount, D outside 1..N, s outside
// 0..N).
long double hitProbability(int numberCount, int drawn, int marked, int hits);

// The same chance as "1 : x", x rounded exactly to two decimals, with a decimal comma
// and digit groups split by a no-break space: "1 : 34 807,95". "—" when impossible.
QString chanceText(int numberCount, int drawn, int marked, int hits);

// The same chance in percent, to three significant digits (at least two decimals):
// "0,00287", "41,30". "0" when impossible.
QString percentText(int numberCount, int drawn, int marked, int hits);

} // namespace odds

// The name under which the window stores the odds page in the program folder.
inline const QString kOddsPageFileName = QStringLiteral("shans.htm");

// The odds page of a lottery, in Russian, ready for writeHtmlDocument (its meta line
// names the charset it will be stored in): the chances of every number of hits for
// one combination of D numbers and for 7, 8, 9 and 10 marked numbers (those the range
// allows). Only the main numbers are counted. A definition outside the limits above
// gives a page that says so instead of the tables.
QString oddsPage(const LotteryDefinition &lottery);

} // namespace kivora
