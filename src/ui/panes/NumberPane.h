#pragma once

// The number list pane: every number of the lottery with its statistics and its mark,
// as a report or as icons, with the record line above it and its pop-up menu.

#include <QGroupBox>

#include <vector>

class QAction;
class QListView;
class QMenu;
class QStackedWidget;
class QTableView;
class QTreeWidget;

namespace kivora {

class StatTable;
class StatTableModel;

class NumberPane final : public QGroupBox
{
    Q_OBJECT
public:
    explicit NumberPane(QWidget *parent);

    StatTableModel *model() const { return m_model; }
    QTableView *list() const { return m_list; }

    // Shows a lottery's numbers as a report, every row unmarked, sorted by the column.
    void showTable(StatTable numbers, int sortColumn);
    // 0 icons, 1 list, 2 small icons, 3 report.
    void setViewStyle(int style);
    // The number of the row selected in the list, or `otherwise` when none is.
    int selectedNumber(int otherwise) const;
    // Row heights and column widths from the font.
    void applyMetrics();

    // The pop-up menu's commands the window carries out.
    QAction *chartAction() const { return m_chartAction; }
    QAction *exportAction() const { return m_exportAction; }

signals:
    // The user sorted the list by a column.
    void sortChosen(int column);
    // A number was marked or unmarked.
    void marksChanged();
    // The user selected a number.
    void numberSelected(int number);

private:
    void createMenu();
    void sortBy(int column);
    void onSelectionChanged();
    void alignRecordLine();
    void fitColumns();

    QTreeWidget *m_recordLine = nullptr;
    StatTableModel *m_model = nullptr;
    QStackedWidget *m_stack = nullptr;
    QTableView *m_list = nullptr;
    QListView *m_icons = nullptr;
    QMenu *m_menu = nullptr;
    std::vector<QAction *> m_styleActions;
    QAction *m_chartAction = nullptr;
    QAction *m_exportAction = nullptr;
};

} // namespace kivora
