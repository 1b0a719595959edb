#pragma once

// The charts the charts window shows, built from the figures of the draws: the bars of
// the numbers' frequencies and the lines of whole counts over the draws, each beside
// what a fair draw expects. Axes count in whole numbers.

#include "statistics/ChartData.h"

#include <QString>

#include <vector>

class QBarSeries;
class QChart;

namespace kivora {

class MessageCatalog;

// One bar a number, labelled with the numbers (every n-th one when the bars are too
// narrow for all), the count a fair draw expects and its band of two sigmas.
QChart *frequencyPlot(const FrequencyChart &data, const MessageCatalog &messages);
// The bar series of a frequency plot; nullptr for another chart.
QBarSeries *frequencyBars(const QChart *chart);
// "Номер 7 — выпадал: 168; ожидается: 169.4, ±2 сигмы: 145.1–193.7".
QString frequencyTip(const FrequencyChart &data, int index, const MessageCatalog &messages);

// A whole count after each draw from firstDraw on (draws counted from 1), and the mean
// a fair draw expects of it.
struct CountLine
{
    QString valueName;
    int firstDraw = 1;
    int lastDraw = 1;
    std::vector<int> values;
    double expected = 0;
};
QChart *countPlot(const CountLine &line, const MessageCatalog &messages);

} // namespace kivora
