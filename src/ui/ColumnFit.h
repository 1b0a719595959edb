#pragma once

// Column widths from the font and the data: a column is as wide as its widest text
// (with the cell's check box, picture and margins) and as its header caption with the
// sort arrow, whatever the font size or screen scale.

#include <QString>

#include <functional>

class QHeaderView;
class QTableView;

namespace kivora {

// The width the view's cells of a column need for a text, margins included.
int cellWidthFor(const QTableView *view, int column, const QString &text);
// The width a header section needs for its caption; 0 when the header is hidden.
int headerWidthFor(const QHeaderView *header, int section);

// Sets every column of the view to the larger of its widest text (widest(column)) and
// its header caption.
void fitColumns(QTableView *view, const std::function<QString(int column)> &widest);

} // namespace kivora
