#include "ui/panes/PaneViews.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTableView>
#include <QTreeWidget>

namespace kivora::paneviews {

namespace {

class RowKeyFilter final : public QObject
{
public:
    RowKeyFilter(QTableView *view, Qt::Key key, std::function<void(int row)> handler)
        : QObject(view)
        , m_view(view)
        , m_key(key)
        , m_handler(std::move(handler))
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_view || event->type() != QEvent::KeyPress)
            return false;
        const auto *press = static_cast<QKeyEvent *>(event);
        const bool enter = m_key == Qt::Key_Return && press->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers others = press->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier);
        if ((press->key() != m_key && !enter) || others != Qt::NoModifier)
            return false;
        const int row = m_view->currentIndex().row();
        if (row >= 0)
            m_handler(row);
        return true;
    }

private:
    QTableView *m_view;
    Qt::Key m_key;
    std::function<void(int row)> m_handler;
};

} // namespace

void onRowKey(QTableView *view, Qt::Key key, std::function<void(int row)> handler)
{
    view->installEventFilter(new RowKeyFilter(view, key, std::move(handler)));
}

void leaveByTab(QTableView *view)
{
    view->setTabKeyNavigation(false);
    view->setStyleSheet(QStringLiteral("QTableView:focus { border: 2px solid palette(highlight); }"));
}

QHBoxLayout *barRow(QWidget *bar, const char *name, int sideMargin)
{
    bar->setObjectName(QLatin1String(name));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(sideMargin, 0, sideMargin, 0);
    return row;
}

void setUpCellGrid(QTableView *grid, const char *name)
{
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(12);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    leaveByTab(grid);
}

QTableView *reportList(QWidget *parent, const char *name)
{
    auto *list = new QTableView(parent);
    list->setObjectName(QLatin1String(name));
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(true);
    // The arrow shows the sort column; the lists sort their value columns descending.
    list->horizontalHeader()->setSortIndicatorShown(true);
    list->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
    list->horizontalHeader()->setStretchLastSection(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    leaveByTab(list);
    list->setIconSize(QSize(16, 16));
    list->setMinimumWidth(60);
    list->horizontalHeader()->setMinimumSectionSize(24);
    QPalette palette = list->palette();
    palette.setColor(
        QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
        palette.color(QPalette::Active, QPalette::HighlightedText));
    list->setPalette(palette);
    return list;
}

QTreeWidget *recordLine(QWidget *parent, const char *name)
{
    auto *line = new QTreeWidget(parent);
    line->setObjectName(QLatin1String(name));
    line->setColumnCount(3);
    line->setHeaderLabels({ QStringLiteral("Рекорд"), QStringLiteral("0"), QStringLiteral("0") });
    line->setRootIsDecorated(false);
    line->header()->setSectionsClickable(false);
    // Each value stands under its column of the list: the panes size all three.
    line->header()->setStretchLastSection(false);
    line->header()->setDefaultAlignment(Qt::AlignCenter);
    line->setStyleSheet(QStringLiteral("QHeaderView::section { color: rgb(128, 0, 0); font-weight: bold; }"));
    line->setFixedHeight(line->header()->sizeHint().height() + 2);
    line->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setFocusPolicy(Qt::NoFocus);
    line->setMinimumWidth(60);
    line->setProperty("captionColumns", 1); // the other two show values
    line->header()->setMinimumSectionSize(20);
    return line;
}

void showSortArrow(QTableView *list, int column)
{
    if (column >= 0)
        list->horizontalHeader()->setSortIndicator(
            column, column == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int rowHeightFor(const QWidget *widget)
{
    return QFontMetrics(widget->font()).height() + 6;
}

void fitRowHeight(QTableView *view)
{
    view->verticalHeader()->setMinimumSectionSize(rowHeightFor(view));
    view->verticalHeader()->setDefaultSectionSize(rowHeightFor(view));
}

int scrollBarExtent(const QWidget *widget)
{
    return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget);
}

int listWidth(const QTableView *list)
{
    int width = 2 * list->frameWidth() + scrollBarExtent(list);
    for (int column = 0; list->model() && column < list->model()->columnCount(); ++column)
        width += list->columnWidth(column);
    return width;
}

} // namespace kivora::paneviews
