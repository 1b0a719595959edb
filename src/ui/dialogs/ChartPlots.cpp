#include "ui/dialogs/ChartPlots.h"

#include "core/MessageCatalog.h"
#include "ui/dialogs/ChartAxes.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace kivora {

namespace {

QLineSeries *horizontalLine(double y, double fromX, double toX, const QString &name, const QColor &colour)
{
    auto *line = new QLineSeries;
    line->setName(name);
    line->append(fromX, y);
    line->append(toX, y);
    QPen pen(colour);
    pen.setWidth(2);
    line->setPen(pen);
    return line;
}

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

QChart *frequencyPlot(const FrequencyChart &data, const MessageCatalog &messages)
{
    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *set = new QBarSet(messages("Str287"));
    set->setColor(QColor(0, 128, 128));
    int top = 0;
    for (const FrequencyBar &bar : data.bars) {
        *set << bar.drawn;
        top = std::max(top, bar.drawn);
    }
    auto *bars = new QBarSeries;
    bars->append(set);
    bars->setBarWidth(0.8);
    // The count a fair draw expects, and its band of two standard deviations.
    const int count = static_cast<int>(data.bars.size());
    const double right = static_cast<double>(count) - 0.5;
    QLineSeries *expected = horizontalLine(data.expected, -0.5, right, messages("Str288"), QColor(200, 0, 0));
    QLineSeries *low = horizontalLine(data.low(), -0.5, right, QString(), QColor(200, 120, 0));
    QLineSeries *high = horizontalLine(data.high(), -0.5, right, messages("Str289"), QColor(200, 120, 0));
    auto *band = new QAreaSeries(high, low);
    // The area series does not own its boundary lines.
    high->setParent(band);
    low->setParent(band);
    band->setName(messages("Str289"));
    band->setColor(QColor(255, 200, 120, 70));
    band->setBorderColor(QColor(200, 120, 0));
    // The band behind the bars, the expected count over them.
    chart->addSeries(band);
    chart->addSeries(bars);
    chart->addSeries(expected);

    // The bars stand on the slots 0 .. count - 1 of a value axis, labelled with their
    // numbers; which of them fit is known once the chart knows its width.
    auto *axisX = new QCategoryAxis;
    axisX->setTitleText(messages("Str292"));
    const int first = data.bars.empty() ? 0 : data.bars.front().number;
    const int last = data.bars.empty() ? 0 : data.bars.back().number;
    labelNumbers(axisX, first, count, 1);
    QObject::connect(chart, &QChart::plotAreaChanged, axisX,
        [axisX, first, last, count, shown = 1](const QRectF &area) mutable {
            if (count <= 0 || area.width() <= 0)
                return;
            // A new set of labels lays the chart out again: only when the step changes.
            const double labelWidth
                = QFontMetricsF(axisX->labelsFont()).horizontalAdvance(QString::number(last));
            const int step = labelStep(area.width() / count, labelWidth);
            if (step != shown) {
                shown = step;
                labelNumbers(axisX, first, count, step);
            }
        });
    auto *axisY = new QValueAxis;
    setWholeTicks(axisY, 0, std::max(static_cast<double>(top), data.high()) * 1.08 + 1);
    axisY->setTitleText(messages("Str287"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries *series : { static_cast<QAbstractSeries *>(band),
             static_cast<QAbstractSeries *>(bars), static_cast<QAbstractSeries *>(expected) }) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return chart;
}

QBarSeries *frequencyBars(const QChart *chart)
{
    for (QAbstractSeries *series : chart->series()) {
        if (auto *bars = qobject_cast<QBarSeries *>(series))
            return bars;
    }
    return nullptr;
}

QString frequencyTip(const FrequencyChart &data, int index, const MessageCatalog &messages)
{
    if (index < 0 || index >= static_cast<int>(data.bars.size()))
        return {};
    const FrequencyBar &bar = data.bars[static_cast<size_t>(index)];
    return messages("Str621").arg(QString::number(bar.number), QString::number(bar.drawn),
        oneDecimal(data.expected), oneDecimal(std::max(0.0, data.low())), oneDecimal(data.high()));
}

QChart *countPlot(const CountLine &line, const MessageCatalog &messages)
{
    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *values = new QLineSeries;
    values->setName(line.valueName);
    int top = 0;
    for (size_t i = 0; i < line.values.size(); ++i) {
        values->append(static_cast<double>(line.firstDraw) + static_cast<double>(i), line.values[i]);
        top = std::max(top, line.values[i]);
    }
    chart->addSeries(values);
    const double from = line.firstDraw;
    const double to = std::max(from + 1, static_cast<double>(line.lastDraw));
    QLineSeries *mean = horizontalLine(line.expected, from, to, messages("Str288"), QColor(200, 0, 0));
    chart->addSeries(mean);
    auto *axisX = new QValueAxis;
    setWholeTicks(axisX, from, to);
    axisX->setTitleText(messages("Str291"));
    auto *axisY = new QValueAxis;
    setWholeTicks(axisY, 0, std::max(static_cast<double>(top), line.expected) * 1.08 + 1);
    axisY->setTitleText(line.valueName);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QLineSeries *series : { values, mean }) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return chart;
}

} // namespace kivora
