#pragma once

// The results pane: the draws of the loaded lottery as results or as details (one
// view at a time, chosen from its pop-up menu or by a double click), and the strip
// under them with the selected draw's numbers in ascending order.

#include <QGroupBox>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QStackedWidget;
class QTableWidget;

namespace kivora {

struct ColourLegend;
class DrawTableModel;
class FrozenColumnView;
struct LoadResult;

class ResultsPane final : public QGroupBox
{
    Q_OBJECT
public:
    explicit ResultsPane(QWidget *parent);

    // Shows the draws of a load, the newest current; the pane keeps the load.
    void showLoad(std::shared_ptr<const LoadResult> loaded);
    // Marks the rows of the draws to highlight.
    void setHighlight(const std::vector<bool> &rows);
    // Makes a draw current in the details view (and so in the results view).
    void selectDetailsRow(int row);
    // Makes a draw current in both views.
    void selectDraw(int row);

    // The width that shows a whole draw and the strip under it.
    int wantedWidth() const;
    // Row heights, the strip's cells and the column widths from the font.
    void applyMetrics();
    // What the red draw numbers and the coloured additional numbers mean.
    void setColourLegend(const ColourLegend &legend);

private:
    void createMenu();
    void connectViews();
    void showResultsView();
    void showDetailsView();
    void onDetailsCellChanged(int row, int column);
    void fillDrawStrip(int row);
    // The first cell of the strip as wide as the draw's number (or machine) in it.
    void fitDrawNumberCell();
    void keepStripColours(int row, int column);
    void showNewestDraw();
    void fitColumns();

    std::shared_ptr<const LoadResult> m_loaded;
    QStackedWidget *m_stack = nullptr;
    FrozenColumnView *m_resultsView = nullptr;
    FrozenColumnView *m_detailsView = nullptr;
    DrawTableModel *m_resultsModel = nullptr;
    DrawTableModel *m_detailsModel = nullptr;
    QTableWidget *m_drawStrip = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_showResultsAction = nullptr;
    QAction *m_showDetailsAction = nullptr;
};

} // namespace kivora
