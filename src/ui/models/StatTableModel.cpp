#include "ui/models/StatTableModel.h"

#include "ui/Pictures.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

#include <numeric>

namespace kivora {

StatTableModel::StatTableModel(Style style, QObject *parent)
    : QAbstractTableModel(parent)
    , m_style(style)
{
    m_widest[0] = m_widest[1] = m_widest[2] = QStringLiteral("00");
    if (style == Style::NumberList)
        m_headers = { QStringLiteral("№ "), QStringLiteral("Не выпадал"), QStringLiteral("Выпадал") };
    else
        m_headers = { QStringLiteral("№№"), QStringLiteral("Не выпадала"), QStringLiteral("Выпадала") };
}

void StatTableModel::setHeaders(const QStringList &captions)
{
    m_headers = captions;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void StatTableModel::setTable(StatTable table)
{
    std::vector<int> order(table.rows.size());
    std::iota(order.begin(), order.end(), 0);
    setTable(std::make_shared<const StatTable>(std::move(table)), std::move(order));
}

void StatTableModel::setTable(std::shared_ptr<const StatTable> table, std::vector<int> order)
{
    beginResetModel();
    m_table = std::move(table);
    m_order = std::move(order);
    if (m_order.size() != m_table->rows.size()) {
        m_order.resize(m_table->rows.size());
        std::iota(m_order.begin(), m_order.end(), 0);
    }
    m_flags.assign(m_table->rows.size(), 0);
    qint32 since = 0;
    qint32 drawn = 0;
    for (const StatRow &row : m_table->rows) {
        since = std::max(since, row.since);
        drawn = std::max(drawn, row.drawn);
    }
    m_widest[0] = QStringLiteral("00");
    for (int row : { 0, m_table->rowCount() - 1 }) {
        if (row >= 0 && row < m_table->rowCount() && m_table->caption(row).size() > m_widest[0].size())
            m_widest[0] = m_table->caption(row);
    }
    // Digits as wide as the largest value: "0000" stands for any four-digit count.
    m_widest[1] = QString(QString::number(since).size(), QLatin1Char('0'));
    m_widest[2] = QString(QString::number(drawn).size(), QLatin1Char('0'));
    endResetModel();
}

QString StatTableModel::widestText(int column) const
{
    return column >= 0 && column < 3 ? m_widest[column] : QString();
}

void StatTableModel::clear()
{
    setTable(StatTable());
}

void StatTableModel::sortBy(int column)
{
    setOrder(sortedOrder(*m_table, column));
}

void StatTableModel::setOrder(std::vector<int> order)
{
    if (order.size() != m_order.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> tableRows;
    tableRows.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex &index : before)
        tableRows.push_back(tableRow(index.row()));
    m_order = std::move(order);
    std::vector<int> position(m_order.size());
    for (size_t i = 0; i < m_order.size(); ++i)
        position[static_cast<size_t>(m_order[i])] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i)
        after.append(
            index(position[static_cast<size_t>(tableRows[static_cast<size_t>(i)])], before.at(i).column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int StatTableModel::displayRow(int tableRow) const
{
    for (size_t i = 0; i < m_order.size(); ++i) {
        if (m_order[i] == tableRow)
            return static_cast<int>(i);
    }
    return -1;
}

bool StatTableModel::setFlagged(int displayRow, bool on)
{
    quint8 &flag = m_flags[static_cast<size_t>(tableRow(displayRow))];
    if ((flag != 0) == on)
        return false;
    flag = on ? 1 : 0;
    emit dataChanged(index(displayRow, 0), index(displayRow, columnCount() - 1));
    return true;
}

void StatTableModel::clearFlags()
{
    std::fill(m_flags.begin(), m_flags.end(), 0);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int StatTableModel::flaggedCount() const
{
    return static_cast<int>(std::count(m_flags.begin(), m_flags.end(), quint8(1)));
}

QStringList StatTableModel::flaggedCaptions() const
{
    QStringList captions;
    for (int row : m_order) {
        if (m_flags[static_cast<size_t>(row)])
            captions.append(m_table->caption(row));
    }
    return captions;
}

int StatTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int StatTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

int StatTableModel::pictureOf(int row) const
{
    const int tableIndex = tableRow(row);
    if (m_style == Style::NumberList) {
        const QList<int> numbers = m_table->numbers(tableIndex);
        return numbers.isEmpty() ? -1 : pictures::pictureForNumber(numbers.first());
    }
    const int tag = m_table->modeTag;
    if (tag <= 0 || tag >= 30 || m_table->kind != StatTable::Kind::Groups)
        return 5;
    return pictures::pictureForNumber(m_table->groupLow(tableIndex));
}

QVariant StatTableModel::background(int row) const
{
    const int since = m_table->rows[static_cast<size_t>(tableRow(row))].since;
    if (since == 0)
        return QColor(255, 0, 0);
    if (since > greenFactor() * m_table->record)
        return QColor(0, 128, 0);
    return {};
}

void StatTableModel::setLegend(ColourLegend legend)
{
    m_legend = std::move(legend);
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

QString StatTableModel::rowLegend(int row) const
{
    if (isFlagged(row))
        return m_legend.marked;
    const int since = m_table->rows[static_cast<size_t>(tableRow(row))].since;
    if (since == 0)
        return m_legend.lastDraw;
    if (since > greenFactor() * m_table->record)
        return m_legend.longGapLine(m_table->record, greenFactor());
    return {};
}

QString StatTableModel::headerLegend() const
{
    if (m_legend.lastDraw.isEmpty())
        return {};
    QStringList lines = { m_legend.lastDraw, m_legend.longGapLine(m_table->record, greenFactor()) };
    if (m_style == Style::NumberList)
        lines << m_legend.marked << m_legend.ball;
    return lines.join(QLatin1Char('\n'));
}

QVariant StatTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const StatRow &item = m_table->rows[static_cast<size_t>(tableRow(row))];
    const bool flagged = isFlagged(row);
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0)
            return m_table->caption(tableRow(row));
        return QString::number(index.column() == 1 ? item.since : item.drawn);
    case Qt::CheckStateRole:
        if (m_style == Style::NumberList && index.column() == 0)
            return flagged ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole:
        if (index.column() == 0)
            return pictures::picture(pictureOf(row));
        return {};
    case Qt::BackgroundRole:
        return flagged ? QVariant(QColor(Qt::black)) : background(row);
    case Qt::ForegroundRole:
        return flagged ? QVariant(QColor(Qt::white)) : QVariant();
    case Qt::ToolTipRole: {
        const QString legend = rowLegend(row);
        return legend.isEmpty() ? QVariant() : QVariant(legend);
    }
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

bool StatTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || m_style != Style::NumberList || index.column() != 0)
        return false;
    const bool on = value.toInt() == Qt::Checked;
    if (!setFlagged(index.row(), on))
        return false;
    emit flagToggled(index.row());
    return true;
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_headers.at(section);
    if (role == Qt::DecorationRole && section == 0)
        return pictures::picture(m_style == Style::NumberList ? 0 : 5);
    if (role == Qt::ToolTipRole && section == 0) {
        const QString legend = headerLegend();
        return legend.isEmpty() ? QVariant() : QVariant(legend);
    }
    if (role == Qt::TextAlignmentRole)
        return section == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    return {};
}

bool StatTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size()
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_headers[section] = value.toString();
    emit headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

Qt::ItemFlags StatTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_style == Style::NumberList && index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

} // namespace kivora
