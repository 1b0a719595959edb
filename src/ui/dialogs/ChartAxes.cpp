#include "ui/dialogs/ChartAxes.h"

#include <QCategoryAxis>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kivora {

int roundStep(double least)
{
    int step = 1;
    for (int decade = 1; decade <= 100000000; decade *= 10) {
        for (int factor : { 1, 2, 5 }) {
            step = factor * decade;
            if (step >= least)
                return step;
        }
    }
    return step;
}

void setWholeTicks(QValueAxis *axis, double low, double high, int ticks)
{
    if (!(high > low))
        high = low + 1;
    const int step = roundStep((high - low) / std::max(1, ticks));
    axis->setRange(low, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setMinorTickCount(0);
    axis->setLabelFormat(QStringLiteral("%d"));
}

int labelStep(double slotWidth, double labelWidth)
{
    return slotWidth > 0 ? roundStep(2 * labelWidth / slotWidth) : 1;
}

void labelNumbers(QCategoryAxis *axis, int first, int count, int step)
{
    step = std::max(1, step);
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    axis->setStartValue(-0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int slot = 0; slot < count; ++slot) {
        const int number = first + slot;
        if (slot == 0 || (number % step == 0 && slot > step / 2))
            axis->append(QString::number(number), slot);
    }
    axis->setRange(-0.5, count - 0.5);
}

} // namespace kivora
