#include "ui/panes/StatisticsPane.h"

#include "statistics/StatTable.h"
#include "statistics/TensStats.h"
#include "ui/ColumnFit.h"
#include "ui/models/StatTableModel.h"
#include "ui/models/TensGridModel.h"
#include "ui/panes/PaneViews.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kivora {

StatisticsPane::StatisticsPane(QWidget *parent)
    : QGroupBox(QStringLiteral("Статистика"), parent)
{
    setObjectName(QStringLiteral("GroupBox2"));
    createViews();
    createMenu();
    connectViews();
}

void StatisticsPane::createViews()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    m_recordLine = paneviews::recordLine(this, "ListView4");
    m_statModel = new StatTableModel(StatTableModel::Style::CombinationView, this);
    m_tenModel = new StatTableModel(StatTableModel::Style::CombinationView, this);
    m_list = paneviews::reportList(this, "ListView2");
    m_list->setModel(m_statModel);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tensGrid = new QTableView(this);
    m_tensGrid->setObjectName(QStringLiteral("StringGrid4"));
    m_tensGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tensGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tensGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tensGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The groups share the pane's width: none is cut at its right edge.
    m_tensGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tensModel = new TensGridModel(nullptr, this);
    m_tensGrid->setModel(m_tensModel);
    m_tensGrid->hide();
    m_tenCaption = new QLabel(this);
    m_tenCaption->setObjectName(QStringLiteral("TenNumbersCaption"));
    m_tenCaption->setContentsMargins(2, 4, 2, 2);
    m_tenCaption->setWordWrap(true);
    m_tenCaption->setProperty("dynamicText", true); // made for the ten shown, not by a language file
    m_tenCaption->hide();
    m_tenNumberList = paneviews::reportList(this, "ListView5");
    m_tenNumberList->setModel(m_tenModel);
    m_tenNumberList->hide();
    m_tenCaption->setBuddy(m_tenNumberList);
    layout->addWidget(m_recordLine);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_tensGrid, 1);
    layout->addWidget(m_tenCaption);
    layout->addWidget(m_tenNumberList, 1);
}

void StatisticsPane::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("SortMenu"));
    m_numbersFromTenAction = new QAction(QStringLiteral("Показать номера из десятка"), this);
    m_numbersFromTenAction->setObjectName(QStringLiteral("N73"));
    m_numbersFromTenAction->setEnabled(false);
    m_menu->addAction(m_numbersFromTenAction);
    m_menu->addSeparator();
    m_exportAction = new QAction(QStringLiteral("Сохранить в HTML"), this);
    m_exportAction->setObjectName(QStringLiteral("HTML1"));
    m_menu->addAction(m_exportAction);
}

void StatisticsPane::connectViews()
{
    // Columns follow the data a list shows; the record line follows the columns and
    // scrolls sideways with them.
    for (QTableView *list : { m_list, m_tenNumberList })
        connect(list->model(), &QAbstractItemModel::modelReset, this, [this, list] { fitColumns(list); });
    connect(m_list->horizontalScrollBar(), &QAbstractSlider::valueChanged, m_recordLine->header(),
        &QHeaderView::setOffset);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
        [this](int column) { emit sortChosen(column); });
    connect(m_tenNumberList->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_tenModel->sortBy(column);
        paneviews::showSortArrow(m_tenNumberList, column);
        emit tenSortChosen(column);
    });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { alignRecordLine(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int row = selectedRow();
        if (row >= 0)
            emit highlightChosen(row);
        m_tenNumberList->hide();
        m_tenCaption->hide();
    });
    connect(m_list, &QTableView::doubleClicked, this, [this] {
        const int row = selectedRow();
        if (row >= 0)
            emit rowActivated(row);
    });
    // Enter on a row does what a double click does: marks the row's numbers.
    paneviews::onRowKey(m_list, Qt::Key_Return, [this](int row) { emit rowActivated(row); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const int tag = m_statModel->table().modeTag;
        m_numbersFromTenAction->setEnabled(tag >= 1 && tag <= 29 && selectedRow() >= 0);
        m_menu->popup(m_list->viewport()->mapToGlobal(pos));
    });
    connect(m_tensGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) {
            if (current.row() >= 0)
                emit drawSelected(current.row());
        });
}

void StatisticsPane::clear()
{
    m_statModel->clear();
    m_tenModel->clear();
    m_tensModel->clear();
}

void StatisticsPane::showDraws(const DrawTable *draws)
{
    setTitle(m_emptyTitle);
    m_tensGrid->hide();
    m_tenNumberList->hide();
    m_tenCaption->hide();
    m_list->show();
    m_recordLine->show();
    m_recordLine->headerItem()->setText(1, QString());
    m_recordLine->headerItem()->setText(2, QString());
    m_tensModel->setDraws(draws);
}

void StatisticsPane::showList()
{
    m_tensGrid->hide();
    m_list->show();
    m_recordLine->show();
}

void StatisticsPane::showTable(std::shared_ptr<const StatTable> table, std::vector<int> order, int sort)
{
    showList();
    m_tenNumberList->hide();
    m_tenCaption->hide();
    setTitle(table->title);
    m_recordLine->headerItem()->setText(1, table->recordText);
    m_recordLine->headerItem()->setText(2, table->topText);
    m_statModel->setTable(std::move(table), std::move(order));
    m_list->horizontalHeader()->setSortIndicatorShown(sort >= 0);
    paneviews::showSortArrow(m_list, sort);
    alignRecordLine();
}

void StatisticsPane::showTens(GroupCountsTable table)
{
    m_statModel->clear();
    setTitle(table.title);
    m_recordLine->headerItem()->setText(1, table.recordText);
    m_recordLine->headerItem()->setText(2, table.topText);
    m_tensModel->setTable(std::move(table));
    m_list->hide();
    m_recordLine->hide();
    m_tenNumberList->hide();
    m_tenCaption->hide();
    m_tensGrid->show();
    const int rows = m_tensModel->rowCount();
    if (rows > 0) {
        m_tensGrid->scrollToBottom();
        m_tensGrid->setCurrentIndex(m_tensModel->index(rows - 1, 0));
    }
}

void StatisticsPane::showTenNumbers(StatTable combos, const QString &caption)
{
    m_tenModel->setTable(std::move(combos));
    m_tenCaption->setText(caption);
    m_tenCaption->show();
    // Its rows come in the order of their numbers, and the arrow says so.
    paneviews::showSortArrow(m_tenNumberList, 0);
    m_tenNumberList->setFixedHeight(qRound(height() / 2.0));
    m_tenNumberList->show();
}

void StatisticsPane::showSortColumn(int column)
{
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    paneviews::showSortArrow(m_list, column);
}

int StatisticsPane::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void StatisticsPane::selectRow(int row)
{
    m_list->selectRow(row);
}

void StatisticsPane::alignRecordLine()
{
    QHeaderView *header = m_list->horizontalHeader();
    for (int column = 0; column < 2; ++column) {
        m_recordLine->header()->resizeSection(column, header->sectionSize(column));
        m_tenNumberList->horizontalHeader()->resizeSection(column, header->sectionSize(column));
    }
    m_recordLine->header()->resizeSection(2, header->sectionSize(2));
}

void StatisticsPane::fitColumns(QTableView *list)
{
    const auto *model = qobject_cast<const StatTableModel *>(list->model());
    kivora::fitColumns(list, [model](int column) { return model->widestText(column); });
    alignRecordLine();
}

void StatisticsPane::fitTenNumberList()
{
    // The numbers of a ten take half the pane, whatever its height.
    if (m_tenNumberList->isVisible())
        m_tenNumberList->setFixedHeight(qRound(height() / 2.0));
}

void StatisticsPane::applyMetrics()
{
    for (QTableView *view : { m_list, m_tenNumberList, m_tensGrid })
        paneviews::fitRowHeight(view);
    m_recordLine->setFixedHeight(m_recordLine->header()->sizeHint().height() + 2);
    fitColumns(m_list);
    fitColumns(m_tenNumberList);
}

void StatisticsPane::setColourLegend(const ColourLegend &legend)
{
    m_statModel->setLegend(legend);
    m_tenModel->setLegend(legend);
    m_tensModel->setLegend(legend);
}

} // namespace kivora
