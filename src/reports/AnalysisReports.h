#pragma once

// The randomness report and the back-test in words: the verdicts in the program's
// language, and the HTML documents written like the other exports (one table under a
// heading, the product's footer), titled with the lottery and the report's name.

#include "forecast/Backtest.h"
#include "statistics/RandomnessTests.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kivora {

class MessageCatalog;

// "0.2548", "0.0000012" for very small chances; "1" for certainty.
QString formatProbability(double p);
// A statistic or a mean with two decimals: "85.31".
QString formatFigure(double value);

// "согласуется с честным розыгрышем на уровне 5%", its negation, or "слишком мало
// розыгрышей для вывода" when the test is not valid.
QString randomnessVerdict(const ChiSquareTest &test, const MessageCatalog &messages);
QString absenceVerdict(const LongestAbsence &absence, const MessageCatalog &messages);

// The rows of the report table: test, chi-square, degrees of freedom, p, verdict.
QStringList randomnessColumns(const MessageCatalog &messages);
QList<QStringList> randomnessRows(const RandomnessReport &report, const MessageCatalog &messages);
// The sentences under the title: draws tested, the correction, the positions, the
// longest absence.
QStringList randomnessNotes(const RandomnessReport &report, const MessageCatalog &messages);
QString randomnessHtml(
    const RandomnessReport &report, const QString &lotteryName, const MessageCatalog &messages);

// "прогноз номеров", ..., "случайный выбор".
QString methodName(backtest::Method method, const MessageCatalog &messages);
// Better, worse or no different from a random pick at the 5% level (two-sided z).
QString backtestVerdict(const backtest::Tally &tally, const MessageCatalog &messages);
// What the verdict column says of the control, the random pick every method is
// compared with: it is the reference, never better or worse than itself.
QString controlVerdict(const MessageCatalog &messages);

// Method, picks, numbers per pick, mean hits, expected, z, p, verdict: the method's
// row and, when it has one, the control's, marked as the reference.
QStringList backtestColumns(const MessageCatalog &messages);
QList<QStringList> backtestRows(const backtest::Result &result, const MessageCatalog &messages);
// The hit distribution: hits, picks observed and expected, for the method and the
// control.
QStringList distributionColumns(const backtest::Result &result, const MessageCatalog &messages);
QList<QStringList> distributionRows(const backtest::Result &result);
// firstDraw and lastDraw are the draw numbers of the walk's ends, as the base has them.
QString backtestHtml(const backtest::Result &result, const QString &lotteryName, const QString &firstDraw,
    const QString &lastDraw, const MessageCatalog &messages);

} // namespace kivora
