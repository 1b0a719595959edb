#pragma once

// The kinds of view the panes are built from, and the sizes they take from the font.

#include <Qt>

#include <functional>

class QHBoxLayout;
class QTableView;
class QTreeWidget;
class QWidget;

namespace kivora::paneviews {

// The row a bar above the views lays its controls in: names the bar and gives it a
// horizontal layout with the side margins and no top or bottom margin.
QHBoxLayout *barRow(QWidget *bar, const char *name, int sideMargin);
// A grid of small cells: no headers, whole-row selection, centred text.
void setUpCellGrid(QTableView *grid, const char *name);
// A report-style list: header, grid lines, whole-row selection kept visible without
// the focus, no editing in place.
QTableView *reportList(QWidget *parent, const char *name);
// The one-line record list above a list: three maroon headers and no rows.
QTreeWidget *recordLine(QWidget *parent, const char *name);
// Shows the sort arrow of a list's column: captions sort up, values down. A negative
// column leaves the arrow as it is.
void showSortArrow(QTableView *list, int column);

// Runs handler with the current row when the view has the focus and the key is
// pressed, whatever the current column; the view does nothing else with the key.
void onRowKey(QTableView *view, Qt::Key key, std::function<void(int row)> handler);
// Tab and Shift+Tab leave the view for the next control instead of walking its cells,
// and a frame in the highlight colour shows which view has the focus.
void leaveByTab(QTableView *view);

// The height of a row of cells in the widget's font.
int rowHeightFor(const QWidget *widget);
// Sets the row height of the view's cells from its font.
void fitRowHeight(QTableView *view);
int scrollBarExtent(const QWidget *widget);
// The width of a list that shows all its columns and its vertical scroll bar.
int listWidth(const QTableView *list);

} // namespace kivora::paneviews
