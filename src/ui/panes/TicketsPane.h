#pragma once

// The tickets pane: the combinations the chosen system made of the marked numbers, ten
// cells a row, with its pop-up menu.

#include <QGroupBox>

class QAction;
class QMenu;
class QTableView;

namespace kivora {

class CombinationListModel;

class TicketsPane final : public QGroupBox
{
    Q_OBJECT
public:
    explicit TicketsPane(QWidget *parent);

    CombinationListModel *model() const { return m_model; }
    // The row of the combination under the cursor (the one the pop-up menu was opened
    // on, else the current one), -1 when there is none.
    int currentRow() const;

    // The width of ten cells and the scroll bar.
    int wantedWidth() const { return m_wantedWidth; }
    // Row heights and cell widths from the font.
    void applyMetrics();

    // The pop-up menu's commands the window carries out.
    QAction *deleteAction() const { return m_deleteAction; }
    // Brings back what the last deletion took (Ctrl+Z); enabled by the play commands.
    QAction *undoAction() const { return m_undoAction; }
    QAction *saveAction() const { return m_saveAction; }
    QAction *exportAction() const { return m_exportAction; }
    QAction *printAction() const { return m_printAction; }

signals:
    // The user double-clicked the list.
    void activated();

private:
    void createMenu();
    void fitCells();
    void showMenu(const QPoint &pos);
    // Delete is offered only with a combination under the cursor.
    void updateDeleteAction();

    QTableView *m_list = nullptr;
    CombinationListModel *m_model = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_printAction = nullptr;
    int m_wantedWidth = 250;
};

} // namespace kivora
