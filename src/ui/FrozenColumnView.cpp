#include "ui/FrozenColumnView.h"

#include <QHeaderView>
#include <QScrollBar>

namespace kivora {

FrozenColumnView::FrozenColumnView(QWidget *parent)
    : QTableView(parent)
{
    m_frozen = new QTableView(this);
    m_frozen->setObjectName(QStringLiteral("frozenColumn"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->horizontalHeader()->hide();
    m_frozen->verticalHeader()->hide();
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setWordWrap(false);
    viewport()->stackUnder(m_frozen);

    // Rows move together; the first column keeps the main view's width and rows their height.
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
        &QAbstractSlider::setValue);
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
        &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0) {
            m_frozen->setColumnWidth(0, size);
            placeFrozenView();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
        [this](int section, int, int size) { m_frozen->setRowHeight(section, size); });
    // Clicks and double-clicks on the frozen column count as the main view's.
    connect(m_frozen, &QTableView::doubleClicked, this, &QTableView::doubleClicked);
    connect(m_frozen, &QTableView::clicked, this, &QTableView::clicked);
}

void FrozenColumnView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &FrozenColumnView::syncColumns);
        connect(model, &QAbstractItemModel::columnsInserted, this, &FrozenColumnView::syncColumns);
    }
    syncColumns();
}

void FrozenColumnView::setSelectionModel(QItemSelectionModel *selectionModel)
{
    QTableView::setSelectionModel(selectionModel);
    // setModel() sets the view's new selection model before the frozen view has the model.
    if (selectionModel && m_frozen->model() == selectionModel->model())
        m_frozen->setSelectionModel(selectionModel);
}

void FrozenColumnView::syncColumns()
{
    const QAbstractItemModel *source = model();
    const int columns = source ? source->columnCount() : 0;
    for (int column = 1; column < columns; ++column)
        m_frozen->setColumnHidden(column, true);
    m_frozen->setColumnHidden(0, false);
    m_frozen->setSelectionBehavior(selectionBehavior());
    m_frozen->setSelectionMode(selectionMode());
    m_frozen->setFont(font());
    m_frozen->setPalette(palette());
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->verticalHeader()->setSectionResizeMode(verticalHeader()->sectionResizeMode(0));
    if (columns > 0)
        m_frozen->setColumnWidth(0, columnWidth(0));
    m_frozen->setVisible(columns > 0);
    placeFrozenView();
}

void FrozenColumnView::placeFrozenView()
{
    const int header = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
    m_frozen->setGeometry(
        verticalHeader()->isVisible() ? verticalHeader()->width() + frameWidth() : frameWidth(),
        frameWidth() + header, columnWidth(0), viewport()->height());
    m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

int FrozenColumnView::contentsWidth() const
{
    int width = 2 * frameWidth();
    if (verticalHeader()->isVisible())
        width += verticalHeader()->width();
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column)
        width += columnWidth(column);
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += verticalScrollBar()->sizeHint().width();
    return width;
}

QSize FrozenColumnView::sizeHint() const
{
    return { contentsWidth(), QTableView::sizeHint().height() };
}

void FrozenColumnView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

void FrozenColumnView::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozenView();
}

QModelIndex FrozenColumnView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Moving left past the frozen column scrolls the others back into view.
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (cursorAction == MoveLeft && current.column() > 0
        && visualRect(current).topLeft().x() < m_frozen->columnWidth(0)) {
        const int shift = visualRect(current).topLeft().x() - m_frozen->columnWidth(0);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shift);
    }
    return current;
}

void FrozenColumnView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The frozen column is always in sight: only the rows scroll for it.
    if (index.column() > 0) {
        QTableView::scrollTo(index, hint);
        return;
    }
    const int value = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(value);
}

} // namespace kivora
