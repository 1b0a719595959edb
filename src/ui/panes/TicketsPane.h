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
    // Removes the combination under the cursor, if any.
    void removeCurrent();

    // The width of ten cells and the scroll bar.
    int wantedWidth() const { return m_wantedWidth; }
    // Row heights and cell widths from the font.
    void applyMetrics();

    // The pop-up menu's commands the window carries out.
    QAction *deleteAction() const { return m_deleteAction; }
    QAction *saveAction() const { return m_saveAction; }
    QAction *exportAction() const { return m_exportAction; }
    QAction *printAction() const { return m_printAction; }

signals:
    // The user double-clicked the list.
    void activated();

private:
    void createMenu();
    void fitCells();

    QTableView *m_list = nullptr;
    CombinationListModel *m_model = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_printAction = nullptr;
    int m_wantedWidth = 250;
};

} // namespace kivora
