#pragma once

// Axes of the charts that count things: ticks on whole numbers only (draws and hits
// come in whole numbers), and the numbers of the frequency chart under their bars, every
// n-th one when the bars are too narrow for all of them.

class QCategoryAxis;
class QValueAxis;

namespace kivora {

// 1, 2, 5, 10, 20, 50, ...: the smallest of them at least `least`.
int roundStep(double least);

// The axis spans low .. high with ticks and labels at whole multiples of a round step,
// about `ticks` of them.
void setWholeTicks(QValueAxis *axis, double low, double high, int ticks = 6);

// How many bars apart the labels of a bar chart stand (1, 2, 5, 10, ...) when a bar is
// slotWidth pixels wide and a label labelWidth: a label needs its own width and as
// much again to be read apart from the next.
int labelStep(double slotWidth, double labelWidth);
// Labels the slots 0 .. count - 1 of a bar chart with the numbers first .. first +
// count - 1: the first one, then the multiples of step not too near it.
void labelNumbers(QCategoryAxis *axis, int first, int count, int step);

} // namespace kivora
