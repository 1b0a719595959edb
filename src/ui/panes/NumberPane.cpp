#include "ui/panes/NumberPane.h"

#include "ui/ColumnFit.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/PaneViews.h"

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kivora {

NumberPane::NumberPane(QWidget *parent)
    : QGroupBox(QStringLiteral("Номера"), parent)
{
    setObjectName(QStringLiteral("GroupBox3"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    m_recordLine = paneviews::recordLine(this, "ListView3");
    m_model = new StatTableModel(StatTableModel::Style::NumberList, this);
    m_stack = new QStackedWidget(this);
    m_list = paneviews::reportList(m_stack, "ListView1");
    m_list->setModel(m_model);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_icons = new QListView(m_stack);
    m_icons->setObjectName(QStringLiteral("ListView1Icons"));
    m_icons->setModel(m_model);
    m_icons->setSelectionModel(m_list->selectionModel());
    m_icons->setContextMenuPolicy(Qt::CustomContextMenu);
    m_icons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_icons->setResizeMode(QListView::Adjust);
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_icons);
    layout->addWidget(m_recordLine);
    layout->addWidget(m_stack, 1);
    createMenu();

    // Columns follow the data; the record line follows the columns and scrolls with them.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { fitColumns(); });
    connect(m_list->horizontalScrollBar(), &QAbstractSlider::valueChanged, m_recordLine->header(),
        &QHeaderView::setOffset);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        sortBy(column);
        emit sortChosen(column);
    });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { alignRecordLine(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { onSelectionChanged(); });
    connect(m_model, &StatTableModel::flagToggled, this, [this] { emit marksChanged(); });
    // Space marks or unmarks the current number from any column, as a click on its box.
    paneviews::onRowKey(m_list, Qt::Key_Space, [this](int row) {
        const QModelIndex box = m_model->index(row, 0);
        m_model->setData(box, m_model->isFlagged(row) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    });
    connect(m_list, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { m_menu->popup(m_list->viewport()->mapToGlobal(pos)); });
    connect(m_icons, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { m_menu->popup(m_icons->viewport()->mapToGlobal(pos)); });
}

void NumberPane::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    auto *styles = new QActionGroup(this);
    const char *styleNames[4] = { "N40", "N41", "N42", "N43" };
    const QString styleCaptions[4] = { QStringLiteral("Значки"), QStringLiteral("Список"),
        QStringLiteral("Маленькие значки"), QStringLiteral("Таблица") };
    auto command = [this](const char *name, const QString &caption) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        m_menu->addAction(action);
        return action;
    };
    for (int i = 0; i < 4; ++i) {
        QAction *action = command(styleNames[i], styleCaptions[i]);
        connect(action, &QAction::triggered, this, [this, i] { setViewStyle(i); });
        action->setCheckable(true);
        action->setChecked(i == 3);
        styles->addAction(action);
        m_styleActions.push_back(action);
    }
    m_menu->addSeparator();
    m_chartAction = command("N40Chart", QStringLiteral("График номера..."));
    m_exportAction = command("HTML2", QStringLiteral("Сохранить в HTML"));
}

void NumberPane::showTable(StatTable numbers, int sortColumn)
{
    m_recordLine->headerItem()->setText(1, numbers.recordText);
    m_recordLine->headerItem()->setText(2, numbers.topText);
    setViewStyle(3);
    m_model->setTable(std::move(numbers));
    m_model->sortBy(sortColumn);
    paneviews::showSortArrow(m_list, sortColumn);
    alignRecordLine();
}

void NumberPane::sortBy(int column)
{
    m_model->sortBy(column);
    paneviews::showSortArrow(m_list, column);
}

void NumberPane::onSelectionChanged()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return; // the row unselected last keeps its highlight
    const QList<int> numbers = m_model->table().numbers(m_model->tableRow(selected.first().row()));
    if (!numbers.isEmpty())
        emit numberSelected(numbers.first());
}

int NumberPane::selectedNumber(int otherwise) const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? otherwise
                              : m_model->table().numbers(m_model->tableRow(selected.first().row())).value(0);
}

void NumberPane::alignRecordLine()
{
    QHeaderView *header = m_list->horizontalHeader();
    m_recordLine->header()->resizeSection(0, header->sectionSize(0));
    m_recordLine->header()->resizeSection(1, header->sectionSize(1));
    m_recordLine->header()->resizeSection(2, header->sectionSize(2));
}

void NumberPane::setViewStyle(int style)
{
    if (style < 0 || style > 3)
        return;
    m_styleActions[static_cast<size_t>(style)]->setChecked(true);
    if (style == 3) {
        m_stack->setCurrentWidget(m_list);
        return;
    }
    m_icons->setViewMode(style == 0 ? QListView::IconMode : QListView::ListMode);
    m_icons->setFlow(style == 1 ? QListView::TopToBottom : QListView::LeftToRight);
    m_icons->setWrapping(true);
    m_icons->setIconSize(style == 0 ? QSize(32, 32) : QSize(16, 16));
    m_icons->setGridSize(style == 0 ? QSize(56, 56) : QSize());
    m_icons->setSpacing(style == 0 ? 0 : 2);
    m_stack->setCurrentWidget(m_icons);
}

void NumberPane::fitColumns()
{
    kivora::fitColumns(m_list, [this](int column) { return m_model->widestText(column); });
    alignRecordLine();
}

void NumberPane::applyMetrics()
{
    paneviews::fitRowHeight(m_list);
    m_recordLine->setFixedHeight(m_recordLine->header()->sizeHint().height() + 2);
    fitColumns();
}

} // namespace kivora
