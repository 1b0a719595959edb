#include "ui/dialogs/balansUnit.h"

#include "core/MessageCatalog.h"
#include "ui/PlatformServices.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kivora {

namespace {

// Dates are typed through the mask 99.99.9999.
class DateDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor && index.column() == static_cast<int>(LedgerColumn::Date))
            editor->setInputMask(QStringLiteral("00.00.0000;_"));
        return editor;
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        // An untouched mask reads "..": no date.
        if (line && index.column() == static_cast<int>(LedgerColumn::Date)
            && line->text() == QLatin1String("..")) {
            model->setData(index, QString());
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

QColor rgb(quint32 value)
{
    return QColor::fromRgb(value);
}

} // namespace

TBalansForm::TBalansForm(const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("BalansForm"));
    setWindowTitle(QStringLiteral("Баланс"));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    BalansGrid = new QTableWidget(1, kLedgerColumnCount, GroupBox1);
    BalansGrid->setObjectName(QStringLiteral("BalansGrid"));
    BalansGrid->setProperty("dynamicText", true); // headers come from the message catalogue
    BalansGrid->verticalHeader()->hide();
    BalansGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    BalansGrid->setItemDelegate(new DateDelegate(BalansGrid));
    BalansGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    BalansGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ItogGrid = new QTableWidget(1, kLedgerColumnCount, GroupBox1);
    ItogGrid->setObjectName(QStringLiteral("ItogGrid"));
    ItogGrid->horizontalHeader()->hide();
    ItogGrid->verticalHeader()->hide();
    ItogGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ItogGrid->setSelectionMode(QAbstractItemView::NoSelection);
    ItogGrid->setFocusPolicy(Qt::NoFocus);
    ItogGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ItogGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ItogGrid->setFixedHeight(ItogGrid->verticalHeader()->defaultSectionSize() + 4);
    QFont bold = ItogGrid->font();
    bold.setBold(true);
    ItogGrid->setFont(bold);
    auto *grids = new QVBoxLayout(GroupBox1);
    grids->addWidget(BalansGrid, 1);
    grids->addWidget(ItogGrid);

    AddButton = new QPushButton(QStringLiteral("Добавить"), this);
    AddButton->setObjectName(QStringLiteral("BitBtn1"));
    DeleteButton = new QPushButton(QStringLiteral("Удалить"), this);
    DeleteButton->setObjectName(QStringLiteral("BitBtn2"));
    HintLabel = new QLabel(this);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setWordWrap(true);
    HintLabel->setAlignment(Qt::AlignCenter);
    HintLabel->setMinimumWidth(150);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->setOrientation(Qt::Vertical);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *add = PopupMenu1->addAction(AddButton->text());
    add->setObjectName(QStringLiteral("N1"));
    QAction *remove = PopupMenu1->addAction(DeleteButton->text());
    remove->setObjectName(QStringLiteral("N2"));

    auto *side = new QVBoxLayout;
    side->addWidget(AddButton);
    side->addWidget(DeleteButton);
    side->addWidget(HintLabel, 1);
    side->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(side);
    resize(640, 420);
    const int columnWidth = qRound(BalansGrid->width() / 4.0 - 7);
    BalansGrid->horizontalHeader()->setDefaultSectionSize(std::max(columnWidth, 90));
    ItogGrid->horizontalHeader()->setDefaultSectionSize(std::max(columnWidth, 90));
    BalansGrid->horizontalHeader()->setStretchLastSection(true);
    ItogGrid->horizontalHeader()->setStretchLastSection(true);

    connect(AddButton, &QPushButton::clicked, this, &TBalansForm::AddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TBalansForm::DeleteClick);
    connect(add, &QAction::triggered, this, &TBalansForm::AddClick);
    connect(remove, &QAction::triggered, this, &TBalansForm::DeleteClick);
    connect(ok, &QPushButton::clicked, this, &TBalansForm::OKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BalansGrid, &QTableWidget::cellChanged, this, &TBalansForm::cellEdited);
    connect(
        BalansGrid, &QTableWidget::currentCellChanged, this, [this](int, int column) { showHint(column); });
    connect(BalansGrid, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { PopupMenu1->popup(BalansGrid->viewport()->mapToGlobal(pos)); });
}

bool TBalansForm::openFor(const QString &lotteryName, const QString &resultsBasePath)
{
    m_path = ledgerPath(resultsBasePath);
    GroupBox1->setTitle(lotteryName);
    BalansGrid->setHorizontalHeaderLabels(
        { m_messages("Str37"), m_messages("Str38"), m_messages("Str39"), m_messages("Str40") });
    QString error;
    if (!openLedger(m_path, ledgerDateText(m_services.today()), &m_ledger, &error)) {
        m_services.showMessage(
            parentWidget(), m_messages("Str56").arg(error), PlatformServices::MessageKind::Error);
        return false;
    }
    fillGrid();
    BalansGrid->setCurrentCell(BalansGrid->rowCount() - 1, 0);
    showHint(0);
    return true;
}

void TBalansForm::fillGrid()
{
    m_filling = true;
    BalansGrid->setRowCount(m_ledger.rowCount());
    for (int row = 0; row < m_ledger.rowCount(); ++row)
        showRow(row);
    m_filling = false;
    recompute();
}

void TBalansForm::showRow(int row)
{
    const bool filling = m_filling;
    m_filling = true;
    for (int column = 0; column < kLedgerColumnCount; ++column) {
        auto *item = new QTableWidgetItem(m_ledger.cell(row, column));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (column == static_cast<int>(LedgerColumn::Balance)) {
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setForeground(rgb(balanceTextColour(m_ledger.balance(row))));
        }
        BalansGrid->setItem(row, column, item);
    }
    m_filling = filling;
}

void TBalansForm::recompute()
{
    const bool filling = m_filling;
    m_filling = true;
    for (int row = 0; row < m_ledger.rowCount(); ++row) {
        QTableWidgetItem *balance = BalansGrid->item(row, static_cast<int>(LedgerColumn::Balance));
        if (!balance)
            continue;
        balance->setText(m_ledger.cell(row, static_cast<int>(LedgerColumn::Balance)));
        balance->setForeground(rgb(balanceTextColour(m_ledger.balance(row))));
    }
    const LedgerTotals totals = m_ledger.totals();
    const QString texts[kLedgerColumnCount] = { m_messages("Str41"), QString::number(totals.spent),
        QString::number(totals.received), QString::number(totals.balance) };
    for (int column = 0; column < kLedgerColumnCount; ++column) {
        auto *item = new QTableWidgetItem(texts[column]);
        item->setTextAlignment(Qt::AlignCenter);
        ItogGrid->setItem(0, column, item);
    }
    const auto background = totalBalanceBackground(totals.balance);
    ItogGrid->item(0, 3)->setBackground(
        background ? rgb(*background) : QApplication::palette().color(QPalette::Button));
    m_filling = filling;
}

void TBalansForm::cellEdited(int row, int column)
{
    if (m_filling)
        return;
    m_ledger.setCell(row, column, BalansGrid->item(row, column)->text());
    recompute();
}

void TBalansForm::showHint(int column)
{
    static const char *keys[kLedgerColumnCount] = { "Str42", "Str43", "Str44", "Str45" };
    if (column >= 0 && column < kLedgerColumnCount)
        HintLabel->setText(m_messages(keys[column]));
}

void TBalansForm::AddClick()
{
    const int row = m_ledger.insertBelow(BalansGrid->currentRow(), ledgerDateText(m_services.today()));
    fillGrid();
    BalansGrid->setFocus();
    BalansGrid->setCurrentCell(row, 0);
}

void TBalansForm::DeleteClick()
{
    const int row = BalansGrid->currentRow();
    if (row < 0)
        return;
    m_ledger.removeRow(row);
    fillGrid();
    BalansGrid->setCurrentCell(std::min(row, BalansGrid->rowCount() - 1), 0);
}

void TBalansForm::OKClick()
{
    QString error;
    if (!writeLedgerFile(m_path, m_ledger, &error)) {
        m_services.showMessage(this, m_messages("Str56").arg(error), PlatformServices::MessageKind::Error);
        return;
    }
    accept();
}

} // namespace kivora
