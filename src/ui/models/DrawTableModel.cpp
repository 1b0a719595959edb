#include "ui/models/DrawTableModel.h"

#include "core/StringFn.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace kivora {

DrawTableModel::DrawTableModel(View view, QObject *parent)
    : QAbstractTableModel(parent)
    , m_view(view)
    , m_headers({ QStringLiteral("№"), QStringLiteral("Дата"), QStringLiteral("Лототрон"),
          QStringLiteral("Комплект") })
{ }

void DrawTableModel::setDraws(const DrawTable *draws)
{
    beginResetModel();
    m_draws = draws;
    m_highlight.assign(draws ? static_cast<size_t>(draws->rowCount()) : 0, false);
    const QString widest = draws ? draws->widestDrawNumberText() : QString();
    m_widestDrawNumber = widest.size() > 4 ? widest : QStringLiteral("0000");
    endResetModel();
}

void DrawTableModel::setHighlight(const std::vector<bool> &rows)
{
    m_highlight = rows;
    m_highlight.resize(static_cast<size_t>(rowCount()), false);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::BackgroundRole, Qt::ForegroundRole });
}

bool DrawTableModel::isHighlighted(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < m_highlight.size() && m_highlight[static_cast<size_t>(row)];
}

int DrawTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_draws ? 0 : m_draws->rowCount();
}

int DrawTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_draws)
        return 0;
    return m_view == View::Results ? m_draws->resultsColumnCount() + m_draws->additionalCount()
                                   : m_draws->detailsColumnCount();
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || m_view != View::Details || section < 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return section < kDetailsCaptions ? m_headers.value(section)
                                          : QStringLiteral("+%1").arg(section - kDetailsCaptions + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    return {};
}

bool DrawTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || m_view != View::Details || section < 0 || section >= kDetailsCaptions
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_headers[section] = value.toString();
    if (const int columns = columnCount(); columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
    return true;
}

int DrawTableModel::firstAdditionalColumn() const
{
    return m_draws && m_view == View::Results ? m_draws->resultsColumnCount() : -1;
}

QString DrawTableModel::widestText(int column) const
{
    return column == 0 ? m_widestDrawNumber : QStringLiteral("00");
}

QVariant DrawTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_draws)
        return {};
    const bool additional = m_view == View::Results && index.column() >= firstAdditionalColumn();
    switch (role) {
    case Qt::DisplayRole:
        if (additional) {
            const QString text = m_draws->additional(index.row(), index.column() - firstAdditionalColumn());
            int value = 0;
            return tryTextToInt(text, &value) ? twoDigits(value) : text;
        }
        return m_view == View::Results ? m_draws->resultsCell(index.row(), index.column())
                                       : m_draws->detailsCell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return Qt::AlignCenter;
    case Qt::BackgroundRole:
        if (additional)
            return QColor(222, 235, 255); // set apart from the main numbers
        if (index.column() != 0)
            return {};
        return isHighlighted(index.row()) ? QColor(255, 0, 0)
                                          : QApplication::palette().color(QPalette::Button);
    case Qt::ForegroundRole:
        if (additional)
            return QColor(0, 0, 160);
        if (index.column() != 0)
            return {};
        return isHighlighted(index.row()) ? QColor(Qt::white) : QColor(Qt::black);
    case Qt::ToolTipRole:
        if (additional)
            return m_legend.additional;
        if (index.column() == 0 && isHighlighted(index.row()))
            return m_legend.chosenDraw;
        return {};
    default:
        return {};
    }
}

} // namespace kivora
