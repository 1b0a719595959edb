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
#include "core/MessageCatalog.h"
#include "core/Plural.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

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

// One prize category: how many main (and additional) numbers are matched, the exact
// count of draw outcomes that give it, the chance "1 : x" and in percent.
struct OddsRow
{
    int mainHits = 0;
    int additionalHits = -1; // -1: the table counts main numbers only
    QString outcomes;
    QString chance;
    QString percent;
};

struct OddsTable
{
    int marked = 0; // main numbers on the ticket
    QString heading;
    QString note;
    QList<OddsRow> rows; // best category first
};

// The tables of a lottery, in the language of the catalogue:
//  - one combination of D numbers, with the additional numbers when the lottery has
//    them (a ticket marks as many additional numbers as are drawn, from their own range;
//    each category is m main + a additional matches);
//  - systems of 7 to 10 numbers (main numbers only);
//  - for Keno-like draws of more than ten numbers, tickets of 1 to 10 numbers instead.
// An empty list with problem set for a definition outside the program's limits.
struct OddsReport
{
    QString title; // the lottery's name
    QString problem;
    QStringList notes; // the paragraphs before the tables
    QList<OddsTable> tables;
};
OddsReport oddsReport(const LotteryDefinition &lottery, const MessageCatalog &messages);

// The report as an HTML page ready for writeHtmlDocument (its meta line names the
// charset it will be stored in); languageCode is the page's lang attribute and the
// language its figures are written in.
// moreHtml is written as it is after the tables (a link to another page).
// The figures of a report written with the separators of a locale: "1 : 34 807,95"
// stays so in Russian and reads "1 : 34,807.95" in English.
void writeFiguresAs(OddsReport &report, const QLocale &locale);

QString oddsPage(const LotteryDefinition &lottery, const MessageCatalog &messages,
    const QString &languageCode = QStringLiteral("ru"), const QString &moreHtml = QString());

} // namespace kivora
