#pragma once

// The statistics pane: the statistic on show as a sortable list under its record line,
// the tens of every draw as a grid, and the combinations of one ten below the list.

#include <QGroupBox>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTableView;
class QTreeWidget;

namespace kivora {

struct ColourLegend;
class DrawTable;
class StatTable;
class StatTableModel;
class TensGridModel;
struct GroupCountsTable;

class StatisticsPane final : public QGroupBox
{
    Q_OBJECT
public:
    explicit StatisticsPane(QWidget *parent);

    StatTableModel *model() const { return m_statModel; }
    QTableView *list() const { return m_list; }

    // Nothing of a statistic stays on show.
    void clear();
    // An empty list under the pane's own title, for the draws of a new load.
    void showDraws(const DrawTable *draws);
    // The title of the pane with no statistic on show.
    QString emptyTitle() const { return m_emptyTitle; }
    void setEmptyTitle(const QString &title) { m_emptyTitle = title; }
    // Shows a statistic in the given order; a sort column of -1 hides the sort arrow.
    void showTable(std::shared_ptr<const StatTable> table, std::vector<int> order, int sort);
    // Shows the tens of every draw, the newest current.
    void showTens(GroupCountsTable table);
    // Shows the combinations of one ten under the list.
    void showTenNumbers(StatTable combos, const QString &caption);
    // Shows the arrow of a sort the window carries out.
    void showSortColumn(int column);
    // The display row selected in the list, or -1.
    int selectedRow() const;
    void selectRow(int row);
    // Keeps the ten's list at half the pane's height.
    void fitTenNumberList();
    // Row heights and column widths from the font.
    void applyMetrics();
    // What the colours of its lists and of the tens grid mean.
    void setColourLegend(const ColourLegend &legend);

    // The pop-up menu's commands the window carries out.
    QAction *numbersFromTenAction() const { return m_numbersFromTenAction; }
    QAction *exportAction() const { return m_exportAction; }

signals:
    // The user clicked a column of the statistic's list.
    void sortChosen(int column);
    // The user sorted the ten's list by a column.
    void tenSortChosen(int column);
    // The rows of the draws the selected row of the list is about.
    void highlightChosen(int displayRow);
    // The user double-clicked a row of the list.
    void rowActivated(int displayRow);
    // A draw was selected in the tens grid.
    void drawSelected(int row);

private:
    void createViews();
    void createMenu();
    void connectViews();
    void showList();
    void alignRecordLine();
    void fitColumns(QTableView *list);

    QString m_emptyTitle = QStringLiteral("Статистика");
    QTreeWidget *m_recordLine = nullptr;
    StatTableModel *m_statModel = nullptr;
    StatTableModel *m_tenModel = nullptr;
    TensGridModel *m_tensModel = nullptr;
    QTableView *m_list = nullptr;
    QTableView *m_tensGrid = nullptr;
    QLabel *m_tenCaption = nullptr; // what the ten's list holds
    QTableView *m_tenNumberList = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_numbersFromTenAction = nullptr;
    QAction *m_exportAction = nullptr;
};

} // namespace kivora
