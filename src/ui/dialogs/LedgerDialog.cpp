#include "ui/dialogs/LedgerDialog.h"

#include "core/MessageCatalog.h"
#include "ui/FailureMessage.h"
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

LedgerDialog::LedgerDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("BalansForm"));
    setWindowTitle(QStringLiteral("Баланс"));

    m_lotteryGroup = new QGroupBox(this);
    m_lotteryGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_entriesGrid = new QTableWidget(1, kLedgerColumnCount, m_lotteryGroup);
    m_entriesGrid->setObjectName(QStringLiteral("BalansGrid"));
    m_entriesGrid->setProperty("dynamicText", true); // headers come from the message catalogue
    m_entriesGrid->verticalHeader()->hide();
    m_entriesGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entriesGrid->setItemDelegate(new DateDelegate(m_entriesGrid));
    m_entriesGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_entriesGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_totalsGrid = new QTableWidget(1, kLedgerColumnCount, m_lotteryGroup);
    m_totalsGrid->setObjectName(QStringLiteral("ItogGrid"));
    m_totalsGrid->horizontalHeader()->hide();
    m_totalsGrid->verticalHeader()->hide();
    m_totalsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_totalsGrid->setSelectionMode(QAbstractItemView::NoSelection);
    m_totalsGrid->setFocusPolicy(Qt::NoFocus);
    m_totalsGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totalsGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totalsGrid->setFixedHeight(m_totalsGrid->verticalHeader()->defaultSectionSize() + 4);
    QFont bold = m_totalsGrid->font();
    bold.setBold(true);
    m_totalsGrid->setFont(bold);
    auto *grids = new QVBoxLayout(m_lotteryGroup);
    grids->addWidget(m_entriesGrid, 1);
    grids->addWidget(m_totalsGrid);

    m_addButton = new QPushButton(QStringLiteral("Добавить"), this);
    m_addButton->setObjectName(QStringLiteral("BitBtn1"));
    m_deleteButton = new QPushButton(QStringLiteral("Удалить"), this);
    m_deleteButton->setObjectName(QStringLiteral("BitBtn2"));
    m_hintLabel = new QLabel(this);
    m_hintLabel->setObjectName(QStringLiteral("HintLabel"));
    m_hintLabel->setWordWrap(true);
    m_hintLabel->setAlignment(Qt::AlignCenter);
    m_hintLabel->setMinimumWidth(150);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->setOrientation(Qt::Vertical);

    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *add = m_gridMenu->addAction(m_addButton->text());
    add->setObjectName(QStringLiteral("N1"));
    QAction *remove = m_gridMenu->addAction(m_deleteButton->text());
    remove->setObjectName(QStringLiteral("N2"));

    auto *side = new QVBoxLayout;
    side->addWidget(m_addButton);
    side->addWidget(m_deleteButton);
    side->addWidget(m_hintLabel, 1);
    side->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_lotteryGroup, 1);
    layout->addLayout(side);
    resize(640, 420);
    const int columnWidth = qRound(m_entriesGrid->width() / 4.0 - 7);
    m_entriesGrid->horizontalHeader()->setDefaultSectionSize(std::max(columnWidth, 90));
    m_totalsGrid->horizontalHeader()->setDefaultSectionSize(std::max(columnWidth, 90));
    m_entriesGrid->horizontalHeader()->setStretchLastSection(true);
    m_totalsGrid->horizontalHeader()->setStretchLastSection(true);

    connect(m_addButton, &QPushButton::clicked, this, &LedgerDialog::addEntry);
    connect(m_deleteButton, &QPushButton::clicked, this, &LedgerDialog::deleteEntry);
    connect(add, &QAction::triggered, this, &LedgerDialog::addEntry);
    connect(remove, &QAction::triggered, this, &LedgerDialog::deleteEntry);
    connect(ok, &QPushButton::clicked, this, &LedgerDialog::saveAndClose);
    connect(cancel, &QPushButton::clicked, this, &LedgerDialog::reject);
    connect(m_entriesGrid, &QTableWidget::cellChanged, this, &LedgerDialog::cellEdited);
    connect(m_entriesGrid, &QTableWidget::currentCellChanged, this,
        [this](int, int column) { showHint(column); });
    connect(m_entriesGrid, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { m_gridMenu->popup(m_entriesGrid->viewport()->mapToGlobal(pos)); });
}

bool LedgerDialog::openFor(const QString &lotteryName, const QString &resultsBasePath)
{
    m_path = ledgerPath(resultsBasePath);
    m_lotteryGroup->setTitle(lotteryName);
    m_entriesGrid->setHorizontalHeaderLabels(
        { m_messages("Str37"), m_messages("Str38"), m_messages("Str39"), m_messages("Str40") });
    // Opening creates a missing ledger, and closing replaces it.
    if (const std::optional<Failure> refusal = ledgerWriteRefusal(m_path, m_messages)) {
        showFailure(m_services, parentWidget(), *refusal, m_messages);
        return false;
    }
    Outcome<Ledger> opened = openLedger(m_path, ledgerDateText(m_services.today()));
    if (!opened) {
        showFailure(m_services, parentWidget(), opened.failure(), m_messages);
        return false;
    }
    m_ledger = std::move(*opened);
    fillGrid();
    m_entriesGrid->setCurrentCell(m_entriesGrid->rowCount() - 1, 0);
    showHint(0);
    m_modified = false;
    return true;
}

void LedgerDialog::fillGrid()
{
    m_filling = true;
    m_entriesGrid->setRowCount(m_ledger.rowCount());
    for (int row = 0; row < m_ledger.rowCount(); ++row)
        showRow(row);
    m_filling = false;
    recompute();
}

void LedgerDialog::showRow(int row)
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
        m_entriesGrid->setItem(row, column, item);
    }
    m_filling = filling;
}

void LedgerDialog::recompute()
{
    const bool filling = m_filling;
    m_filling = true;
    for (int row = 0; row < m_ledger.rowCount(); ++row) {
        QTableWidgetItem *balance = m_entriesGrid->item(row, static_cast<int>(LedgerColumn::Balance));
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
        m_totalsGrid->setItem(0, column, item);
    }
    const auto background = totalBalanceBackground(totals.balance);
    m_totalsGrid->item(0, 3)->setBackground(
        background ? rgb(*background) : QApplication::palette().color(QPalette::Button));
    m_filling = filling;
}

void LedgerDialog::cellEdited(int row, int column)
{
    if (m_filling)
        return;
    QTableWidgetItem *item = m_entriesGrid->item(row, column);
    if (column == static_cast<int>(LedgerColumn::Spent)
        || column == static_cast<int>(LedgerColumn::Received)) {
        // The file keeps whole amounts: a typed one that cannot be kept is refused here.
        const QString problem = checkLedgerAmount(item->text(), m_messages);
        if (!problem.isEmpty()) {
            m_services.showMessage(this, problem, PlatformServices::MessageKind::Warning);
            const bool filling = m_filling;
            m_filling = true;
            item->setText(m_ledger.cell(row, column));
            m_filling = filling;
            return;
        }
    }
    m_ledger.setCell(row, column, item->text());
    m_modified = true;
    recompute();
}

void LedgerDialog::showHint(int column)
{
    static const char *keys[kLedgerColumnCount] = { "Str42", "Str43", "Str44", "Str45" };
    if (column >= 0 && column < kLedgerColumnCount)
        m_hintLabel->setText(m_messages(keys[column]));
}

void LedgerDialog::addEntry()
{
    const int row = m_ledger.insertBelow(m_entriesGrid->currentRow(), ledgerDateText(m_services.today()));
    m_modified = true;
    fillGrid();
    m_entriesGrid->setFocus();
    m_entriesGrid->setCurrentCell(row, 0);
}

void LedgerDialog::deleteEntry()
{
    const int row = m_entriesGrid->currentRow();
    if (row < 0)
        return;
    m_ledger.removeRow(row);
    m_modified = true;
    fillGrid();
    m_entriesGrid->setCurrentCell(std::min(row, m_entriesGrid->rowCount() - 1), 0);
}

void LedgerDialog::saveAndClose()
{
    if (const std::optional<Failure> refusal = ledgerWriteRefusal(m_path, m_messages)) {
        showFailure(m_services, this, *refusal, m_messages);
        return;
    }
    if (const Done written = writeLedgerFile(m_path, m_ledger); !written) {
        showFailure(m_services, this, written.failure(), m_messages);
        return;
    }
    accept();
}

void LedgerDialog::reject()
{
    if (m_modified) {
        switch (m_services.askToSave(this, m_messages("Str121"))) {
        case PlatformServices::SaveChoice::Save:
            saveAndClose();
            return;
        case PlatformServices::SaveChoice::Discard:
            break;
        case PlatformServices::SaveChoice::Cancel:
            return;
        }
    }
    QDialog::reject();
}

} // namespace kivora
