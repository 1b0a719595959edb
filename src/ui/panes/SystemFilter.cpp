#include "ui/panes/SystemFilter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStandardItemModel>

namespace kivora {

namespace {

constexpr int kSmallestTicket = 2;

// The kinds in the order of the kind box, after "all".
constexpr SystemKind kKinds[] = { SystemKind::OneTicket, SystemKind::Full, SystemKind::Wheel };

} // namespace

SystemFilter::SystemFilter(QComboBox *systemBox, QWidget *parent)
    : QWidget(parent)
    , m_systemBox(systemBox)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    m_sizeLabel = new QLabel(QStringLiteral("&Билеты по"), this);
    m_sizeLabel->setObjectName(QStringLiteral("SystemSizeLabel"));
    m_sizeBox = new QComboBox(this);
    m_sizeBox->setObjectName(QStringLiteral("SystemSizeBox"));
    // The numbers stay as they are in every language; the file may still change them.
    m_sizeBox->setProperty("translatableItems", true);
    m_sizeBox->addItem(QStringLiteral("все"));
    for (int size = kSmallestTicket; size <= SystemTemplate::kColumns; ++size)
        m_sizeBox->addItem(QString::number(size));
    m_sizeBox->setToolTip(
        QStringLiteral("Показать в списке систем только системы с билетами по столько номеров"));
    m_sizeBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_sizeLabel->setBuddy(m_sizeBox);

    m_kindLabel = new QLabel(QStringLiteral("В&ид"), this);
    m_kindLabel->setObjectName(QStringLiteral("SystemKindLabel"));
    m_kindBox = new QComboBox(this);
    m_kindBox->setObjectName(QStringLiteral("SystemKindBox"));
    m_kindBox->setProperty("translatableItems", true);
    m_kindBox->addItems({ QStringLiteral("все"), QStringLiteral("один билет"),
        QStringLiteral("полные системы"), QStringLiteral("сокращённые системы") });
    m_kindBox->setToolTip(QStringLiteral("Показать в списке систем только системы этого вида"));
    // The closed box stays narrow on a crowded tool bar; its list shows every kind whole.
    m_kindBox->setMinimumContentsLength(10);
    m_kindBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_kindBox->view()->setMinimumWidth(m_kindBox->view()->sizeHintForColumn(0) + 24);
    m_kindLabel->setBuddy(m_kindBox);

    row->addWidget(m_sizeLabel);
    row->addWidget(m_sizeBox);
    row->addSpacing(4);
    row->addWidget(m_kindLabel);
    row->addWidget(m_kindBox);

    connect(m_sizeBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &SystemFilter::applyToAll);
    connect(m_kindBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &SystemFilter::applyToAll);

    // The window fills the box item by item and adds the player's new systems: each new
    // row is sorted out as it comes. A list cleared for another lottery starts unfiltered.
    QAbstractItemModel *model = m_systemBox->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        applyToRows(first, last);
        showWhenLong();
    });
    auto emptied = [this] {
        if (m_systemBox->count() == 0) {
            const QSignalBlocker blockSize(m_sizeBox);
            const QSignalBlocker blockKind(m_kindBox);
            m_sizeBox->setCurrentIndex(0);
            m_kindBox->setCurrentIndex(0);
        }
        showWhenLong();
    };
    connect(model, &QAbstractItemModel::rowsRemoved, this, emptied);
    connect(model, &QAbstractItemModel::modelReset, this, emptied);
    setVisible(false);
}

QVariant SystemFilter::itemData(const SystemShape &shape)
{
    return QVariant::fromValue(shape);
}

SystemShape SystemFilter::shapeAt(const QComboBox *box, int index)
{
    const QVariant data = box->itemData(index);
    return data.canConvert<SystemShape>() ? data.value<SystemShape>() : SystemShape();
}

systemshapes::Filter SystemFilter::filter() const
{
    systemshapes::Filter filter;
    if (const int size = m_sizeBox->currentIndex(); size > 0)
        filter.ticketSize = size - 1 + kSmallestTicket;
    if (const int kind = m_kindBox->currentIndex(); kind > 0 && kind <= static_cast<int>(std::size(kKinds)))
        filter.kind = kKinds[kind - 1];
    return filter;
}

void SystemFilter::applyToRows(int first, int last)
{
    auto *view = qobject_cast<QListView *>(m_systemBox->view());
    auto *items = qobject_cast<QStandardItemModel *>(m_systemBox->model());
    const systemshapes::Filter shown = filter();
    for (int row = first; row <= last; ++row) {
        const bool accepted = shown.accepts(shapeAt(m_systemBox, row));
        if (view && view->isRowHidden(row) == accepted)
            view->setRowHidden(row, !accepted);
        // The arrow keys and the wheel on the closed box step through the shown ones.
        if (QStandardItem *item = items ? items->item(row) : nullptr; item && item->isEnabled() != accepted)
            item->setEnabled(accepted);
    }
}

void SystemFilter::applyToAll()
{
    applyToRows(0, m_systemBox->count() - 1);
}

void SystemFilter::showWhenLong()
{
    setVisible(m_systemBox->count() > kLongList);
}

} // namespace kivora
