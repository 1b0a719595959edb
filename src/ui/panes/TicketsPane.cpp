#include "ui/panes/TicketsPane.h"

#include "ui/ColumnFit.h"
#include "ui/models/CombinationListModel.h"
#include "ui/panes/PaneViews.h"

#include <QAction>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

namespace kivora {

TicketsPane::TicketsPane(QWidget *parent)
    : QGroupBox(QStringLiteral("Выбранные комбинации"), parent)
{
    setObjectName(QStringLiteral("GroupBox1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    m_list = new QTableView(this);
    paneviews::setUpCellGrid(m_list, "StringGrid1");
    m_model = new CombinationListModel(this);
    m_list->setModel(m_model);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_list);
    createMenu();
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        fitCells();
        updateDeleteAction();
    });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] { updateDeleteAction(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this] { updateDeleteAction(); });
    connect(m_list, &QWidget::customContextMenuRequested, this, &TicketsPane::showMenu);
    connect(m_list, &QTableView::doubleClicked, this, [this] { emit activated(); });
}

void TicketsPane::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("CombMenu"));
    auto command = [this](const char *name, const QString &caption) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        m_menu->addAction(action);
        return action;
    };
    m_deleteAction = command("N46", QStringLiteral("Удалить комбинацию под курсором"));
    m_undoAction = command("N46Undo", QStringLiteral("Вернуть удалённые комбинации"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setShortcutContext(Qt::WindowShortcut);
    m_undoAction->setEnabled(false);
    // The shortcut works wherever the focus is in the window, not only in the menu.
    addAction(m_undoAction);
    m_menu->addSeparator();
    m_saveAction = command("N47", QStringLiteral("Сохранить выбранные комбинации"));
    m_exportAction = command("HTML3", QStringLiteral("Сохранить в HTML"));
    m_printAction = command("N47Print", QStringLiteral("Печать..."));
}

void TicketsPane::showMenu(const QPoint &pos)
{
    // The combination under the cursor becomes the current one; a click beside the
    // rows leaves none, so nothing can be deleted by mistake.
    const QModelIndex under = m_list->indexAt(pos);
    m_list->setCurrentIndex(under);
    updateDeleteAction();
    m_menu->popup(m_list->viewport()->mapToGlobal(pos));
}

int TicketsPane::currentRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TicketsPane::updateDeleteAction()
{
    // The last row stays (a list keeps one), and an empty list has nothing to delete.
    const int row = currentRow();
    m_deleteAction->setEnabled(
        row >= 0 && row < m_model->rowCount() && m_model->rowCount() > 1 && !m_model->list().isEmpty());
}

void TicketsPane::fitCells()
{
    // Ten cells and the vertical scroll bar fit without scrolling sideways.
    const int cell = cellWidthFor(m_list, 0, QStringLiteral("00"));
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_list->horizontalHeader()->resizeSection(column, cell);
    m_wantedWidth = cell * 10 + paneviews::scrollBarExtent(m_list) + 2 * m_list->frameWidth() + 12;
}

void TicketsPane::applyMetrics()
{
    paneviews::fitRowHeight(m_list);
    fitCells();
}

} // namespace kivora
