#include "ui/panes/ResultsPane.h"

#include "core/StringFn.h"
#include "results/ResultsLoad.h"
#include "ui/ColumnFit.h"
#include "ui/FrozenColumnView.h"
#include "ui/models/DrawTableModel.h"
#include "ui/panes/PaneViews.h"

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace kivora {

namespace {

FrozenColumnView *drawGrid(QWidget *parent, const char *name)
{
    auto *grid = new FrozenColumnView(parent);
    paneviews::setUpCellGrid(grid, name);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    return grid;
}

struct StripColours
{
    QColor background;
    QColor text;
};

bool stripColours(int value, StripColours *colours)
{
    if (value <= 0)
        return false;
    static const StripColours table[4] = {
        { QColor(128, 0, 128), Qt::white }, // 1-10, 41-50, above 80
        { QColor(255, 255, 0), Qt::black }, // 11-20, 51-60
        { QColor(0, 128, 0), Qt::white }, // 21-30, 61-70
        { QColor(0, 0, 255), Qt::white }, // 31-40, 71-80
    };
    *colours = value > 80 ? table[0] : table[((value - 1) / 10) % 4];
    return true;
}

} // namespace

ResultsPane::ResultsPane(QWidget *parent)
    : QGroupBox(QStringLiteral("Результаты розыгрышей"), parent)
    , m_loaded(std::make_shared<const LoadResult>())
{
    setObjectName(QStringLiteral("GroupBox4"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);

    m_stack = new QStackedWidget(this);
    m_resultsView = drawGrid(m_stack, "StringGrid2");
    m_detailsView = drawGrid(m_stack, "DateGrid");
    m_detailsView->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Dates, machines and ball sets are told apart by their captions.
    m_detailsView->horizontalHeader()->show();
    m_resultsModel = new DrawTableModel(DrawTableModel::View::Results, this);
    m_detailsModel = new DrawTableModel(DrawTableModel::View::Details, this);
    m_resultsView->setModel(m_resultsModel);
    m_detailsView->setModel(m_detailsModel);
    m_stack->addWidget(m_resultsView);
    m_stack->addWidget(m_detailsView);
    layout->addWidget(m_stack, 1);

    m_drawStrip = new QTableWidget(1, 7, this);
    m_drawStrip->setObjectName(QStringLiteral("StringGrid3"));
    m_drawStrip->horizontalHeader()->hide();
    m_drawStrip->verticalHeader()->hide();
    m_drawStrip->setEditTriggers(QAbstractItemView::NoEditTriggers);
    paneviews::leaveByTab(m_drawStrip);
    m_drawStrip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_drawStrip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = m_drawStrip->font();
    bold.setBold(true);
    m_drawStrip->setFont(bold);
    layout->addWidget(m_drawStrip);
    createMenu();
    connectViews();
}

void ResultsPane::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu2"));
    auto *views = new QActionGroup(this);
    m_showResultsAction = new QAction(QStringLiteral("Показывать результаты"), this);
    m_showResultsAction->setObjectName(QStringLiteral("N86"));
    m_showDetailsAction = new QAction(QStringLiteral("Не показывать результаты"), this);
    m_showDetailsAction->setObjectName(QStringLiteral("N87"));
    for (QAction *action : { m_showResultsAction, m_showDetailsAction }) {
        m_menu->addAction(action);
        action->setCheckable(true);
        views->addAction(action);
    }
    // The results grid is the one shown first.
    m_showResultsAction->setChecked(true);
    connect(m_showResultsAction, &QAction::triggered, this, [this] { showResultsView(); });
    connect(m_showDetailsAction, &QAction::triggered, this, [this] { showDetailsView(); });
}

void ResultsPane::connectViews()
{
    connect(m_resultsView, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { m_menu->popup(m_resultsView->viewport()->mapToGlobal(pos)); });
    connect(m_detailsView, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { m_menu->popup(m_detailsView->viewport()->mapToGlobal(pos)); });
    connect(m_resultsView, &QTableView::doubleClicked, this, [this] { showDetailsView(); });
    connect(m_detailsView, &QTableView::doubleClicked, this, [this] { showResultsView(); });
    connect(m_resultsView->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { fillDrawStrip(current.row()); });
    connect(m_detailsView->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { onDetailsCellChanged(current.row(), current.column()); });
    connect(m_drawStrip, &QTableWidget::currentCellChanged, this,
        [this](int row, int column) { keepStripColours(row, column); });
}

void ResultsPane::showLoad(std::shared_ptr<const LoadResult> loaded)
{
    m_loaded = std::move(loaded);
    m_resultsModel->setDraws(&m_loaded->draws);
    m_detailsModel->setDraws(&m_loaded->draws);
    fitColumns();
    const int rows = m_loaded->draws.rowCount();
    if (rows > 0) {
        // The newest draw becomes current.
        m_resultsView->setCurrentIndex(m_resultsModel->index(rows - 1, m_resultsModel->columnCount() - 1));
        m_detailsView->setCurrentIndex(m_detailsModel->index(rows - 1, m_detailsModel->columnCount() - 1));
        showNewestDraw();
    } else {
        m_drawStrip->clearContents();
    }
}

void ResultsPane::showNewestDraw()
{
    // The newest draw whole, from its first column: once now and once more after the
    // layout settles, when a horizontal scroll bar may have taken the bottom row.
    auto scroll = [this] {
        for (QTableView *view :
            { static_cast<QTableView *>(m_resultsView), static_cast<QTableView *>(m_detailsView) }) {
            view->scrollToBottom();
            view->horizontalScrollBar()->setValue(0);
        }
    };
    scroll();
    QTimer::singleShot(0, this, scroll);
}

void ResultsPane::showDetailsView()
{
    // Hide the results, show the details on the same draw.
    m_showDetailsAction->setChecked(true);
    const int row = m_resultsView->currentIndex().row();
    m_stack->setCurrentWidget(m_detailsView);
    m_detailsView->setFocus();
    if (row >= 0)
        m_detailsView->setCurrentIndex(
            m_detailsModel->index(row, std::max(0, m_detailsView->currentIndex().column())));
}

void ResultsPane::showResultsView()
{
    m_showResultsAction->setChecked(true);
    m_stack->setCurrentWidget(m_resultsView);
    m_resultsView->setFocus();
}

void ResultsPane::onDetailsCellChanged(int row, int column)
{
    if (row < 0)
        return;
    const int resultsColumn
        = column < m_resultsModel->columnCount() ? column : m_resultsView->currentIndex().column();
    m_resultsView->setCurrentIndex(m_resultsModel->index(row, std::max(0, resultsColumn)));
}

void ResultsPane::selectDetailsRow(int row)
{
    m_detailsView->setCurrentIndex(
        m_detailsModel->index(row, std::max(0, m_detailsView->currentIndex().column())));
}

void ResultsPane::selectDraw(int row)
{
    selectDetailsRow(row);
    m_resultsView->setCurrentIndex(
        m_resultsModel->index(row, std::max(0, m_resultsView->currentIndex().column())));
}

void ResultsPane::setHighlight(const std::vector<bool> &rows)
{
    m_resultsModel->setHighlight(rows);
    m_detailsModel->setHighlight(rows);
}

void ResultsPane::fillDrawStrip(int row)
{
    m_drawStrip->clearContents();
    const DrawTable &draws = m_loaded->draws;
    if (row < 0 || row >= draws.rowCount())
        return;
    const int c = draws.resultsColumnCount();
    const bool twoRows = c > 11;
    // C / 2 rounded to the nearest integer (a half to the even one), plus 1.
    const int columns = twoRows ? static_cast<int>(std::nearbyint(c / 2.0)) + 1 : c;
    m_drawStrip->setRowCount(twoRows ? 2 : 1);
    m_drawStrip->setColumnCount(columns);
    m_drawStrip->setFixedHeight(
        m_drawStrip->rowCount() * m_drawStrip->verticalHeader()->defaultSectionSize() + 4);

    auto put = [this](int r, int col, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        m_drawStrip->setItem(r, col, item);
    };
    put(0, 0, draws.drawNumberText(row));
    if (twoRows)
        put(1, 0, draws.machine(row) + draws.ballSet(row));
    fitDrawNumberCell();

    // The draw's numbers in ascending order of value, wrapping into the second row.
    int filledRow = 0;
    int filledColumn = 1;
    const LotteryDefinition &d = m_loaded->definition;
    for (int value : sortedDrawNumbers(draws, row, d.minNumber, d.maxNumber)) {
        if (filledColumn >= columns) {
            if (!twoRows || filledRow == 1)
                break;
            filledRow = 1;
            filledColumn = 1;
        }
        put(filledRow, filledColumn++, twoDigits(value));
    }
    for (int r = 0; r < m_drawStrip->rowCount(); ++r) {
        for (int col = 1; col < columns; ++col) {
            QTableWidgetItem *item = m_drawStrip->item(r, col);
            StripColours colours;
            if (item && stripColours(textToInt(item->text()), &colours)) {
                item->setBackground(colours.background);
                item->setForeground(colours.text);
            }
        }
    }
    m_drawStrip->setCurrentCell(0, 0);
}

void ResultsPane::keepStripColours(int row, int column)
{
    // The selected cell keeps its own colours.
    const QTableWidgetItem *item = m_drawStrip->item(row, column);
    QPalette palette = m_drawStrip->palette();
    const QColor background = item && item->background().style() != Qt::NoBrush
        ? item->background().color()
        : palette.color(QPalette::Base);
    const QColor text = item && item->foreground().style() != Qt::NoBrush ? item->foreground().color()
                                                                          : palette.color(QPalette::Text);
    for (auto group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Highlight, background);
        palette.setColor(group, QPalette::HighlightedText, text);
    }
    m_drawStrip->setPalette(palette);
}

int ResultsPane::wantedWidth() const
{
    // The strip of the selected draw is in bold: it needs more room than the view's
    // cells for the same numbers.
    int strip = 4;
    for (int column = 0; column < m_drawStrip->columnCount(); ++column)
        strip += m_drawStrip->horizontalHeader()->sectionSize(column);
    return std::max(m_resultsView->contentsWidth(), strip);
}

void ResultsPane::fitColumns()
{
    kivora::fitColumns(m_resultsView, [this](int column) { return m_resultsModel->widestText(column); });
    m_detailsView->resizeColumnsToContents();
    m_detailsView->horizontalHeader()->resizeSection(0, m_resultsView->columnWidth(0));
}

void ResultsPane::applyMetrics()
{
    paneviews::fitRowHeight(m_resultsView);
    paneviews::fitRowHeight(m_detailsView);
    m_drawStrip->verticalHeader()->setDefaultSectionSize(paneviews::rowHeightFor(m_drawStrip));
    m_drawStrip->horizontalHeader()->setDefaultSectionSize(
        QFontMetrics(m_drawStrip->font()).horizontalAdvance(QStringLiteral("00")) + 12);
    m_drawStrip->setFixedHeight(m_drawStrip->rowCount() * paneviews::rowHeightFor(m_drawStrip) + 4);
    fitDrawNumberCell(); // the new default width would cut the draw's number
    fitColumns();
}

void ResultsPane::fitDrawNumberCell()
{
    int widest = m_drawStrip->horizontalHeader()->defaultSectionSize();
    for (int row = 0; row < m_drawStrip->rowCount(); ++row) {
        if (const QTableWidgetItem *item = m_drawStrip->item(row, 0))
            widest = std::max(widest, m_drawStrip->fontMetrics().horizontalAdvance(item->text()) + 16);
    }
    m_drawStrip->horizontalHeader()->resizeSection(0, widest);
}

void ResultsPane::setColourLegend(const ColourLegend &legend)
{
    m_resultsModel->setLegend(legend);
    m_detailsModel->setLegend(legend);
}

} // namespace kivora
