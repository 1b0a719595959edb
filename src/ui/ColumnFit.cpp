#include "ui/ColumnFit.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QIcon>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace kivora {

int cellWidthFor(const QTableView *view, int column, const QString &text)
{
    const QFontMetrics metrics(view->font());
    const QAbstractItemModel *model = view->model();
    // What a cell adds to its text (margins, check box, picture) is what the delegate
    // adds to the text of the first row.
    int extra = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 4;
    if (model && model->rowCount() > 0) {
        const QModelIndex first = model->index(0, column);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.font = view->font();
        option.fontMetrics = metrics;
        option.decorationSize = view->iconSize();
        option.showDecorationSelected = true;
        const int hint = view->itemDelegate()->sizeHint(option, first).width();
        extra = std::max(extra, hint - metrics.horizontalAdvance(first.data(Qt::DisplayRole).toString()) + 2);
    }
    return metrics.horizontalAdvance(text) + extra;
}

int headerWidthFor(const QHeaderView *header, int section)
{
    if (header->isHidden() || !header->model())
        return 0;
    const QAbstractItemModel *model = header->model();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = section;
    option.text = model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    option.icon = qvariant_cast<QIcon>(model->headerData(section, Qt::Horizontal, Qt::DecorationRole));
    option.iconAlignment = Qt::AlignVCenter;
    option.fontMetrics = header->fontMetrics();
    if (header->isSortIndicatorShown())
        option.sortIndicator = QStyleOptionHeader::SortDown;
    QSize size = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
    return size.width() + 4;
}

void fitColumns(QTableView *view, const std::function<QString(int column)> &widest)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    QHeaderView *header = view->horizontalHeader();
    for (int column = 0; column < model->columnCount(); ++column) {
        const int width
            = std::max(cellWidthFor(view, column, widest(column)), headerWidthFor(header, column));
        header->resizeSection(column, width);
    }
}

} // namespace kivora
