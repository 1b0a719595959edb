#include "ui/dialogs/TicketFiltersDialog.h"

#include "ui/dialogs/TitleWidth.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kivora {

TicketFiltersDialog::TicketFiltersDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FiltersDialog"));
    setWindowTitle(QStringLiteral("Фильтры билетов"));
    keepTitleWhole(this);
    auto *intro
        = new QLabel(QStringLiteral("Оставить только билеты, которые проходят отмеченные фильтры:"), this);
    intro->setObjectName(QStringLiteral("IntroLabel"));
    intro->setWordWrap(true);

    auto *grid = new QGridLayout;
    auto *fromLabel = new QLabel(QStringLiteral("от"), this);
    fromLabel->setObjectName(QStringLiteral("FromLabel"));
    auto *toLabel = new QLabel(QStringLiteral("до"), this);
    toLabel->setObjectName(QStringLiteral("ToLabel"));
    grid->addWidget(fromLabel, 0, 1);
    grid->addWidget(toLabel, 0, 2);
    m_sum = addRange(grid, 1, "SumFilter", QStringLiteral("Сумма номеров"));
    m_odd = addRange(grid, 2, "OddFilter", QStringLiteral("Нечётных номеров"));
    m_low = addRange(grid, 3, "LowFilter", QStringLiteral("Малых номеров (нижняя половина)"));
    m_run = addRange(grid, 4, "RunFilter", QStringLiteral("Самая длинная цепочка подряд идущих"));
    m_tenOn = new QCheckBox(QStringLiteral("Из одной десятки не больше"), this);
    m_tenOn->setObjectName(QStringLiteral("TenFilter"));
    m_tenMost = new QSpinBox(this);
    m_tenMost->setObjectName(QStringLiteral("TenFilterMost"));
    m_tenMost->setRange(0, 10);
    grid->addWidget(m_tenOn, 5, 0);
    grid->addWidget(m_tenMost, 5, 1);
    m_notPast = new QCheckBox(QStringLiteral("Не совпадает с прошедшим розыгрышем"), this);
    m_notPast->setObjectName(QStringLiteral("PastDrawFilter"));
    grid->addWidget(m_notPast, 6, 0, 1, 3);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

TicketFiltersDialog::RangeRow TicketFiltersDialog::addRange(
    QGridLayout *grid, int row, const char *name, const QString &caption)
{
    RangeRow result;
    result.on = new QCheckBox(caption, this);
    result.on->setObjectName(QLatin1String(name));
    result.min = new QSpinBox(this);
    result.min->setObjectName(QLatin1String(name) + QStringLiteral("Min"));
    result.max = new QSpinBox(this);
    result.max->setObjectName(QLatin1String(name) + QStringLiteral("Max"));
    grid->addWidget(result.on, row, 0);
    grid->addWidget(result.min, row, 1);
    grid->addWidget(result.max, row, 2);
    return result;
}

void TicketFiltersDialog::show(const RangeRow &row, const CountRange &range, int top)
{
    for (QSpinBox *box : { row.min, row.max })
        box->setRange(0, top);
    row.on->setChecked(range.on);
    row.min->setValue(range.min);
    row.max->setValue(range.on || range.max > 0 ? range.max : top);
}

CountRange TicketFiltersDialog::read(const RangeRow &row)
{
    CountRange range;
    range.on = row.on->isChecked();
    range.min = std::min(row.min->value(), row.max->value());
    range.max = std::max(row.min->value(), row.max->value());
    return range;
}

bool TicketFiltersDialog::edit(TicketFilters *filters, const LotteryDefinition &lottery)
{
    // The largest sum: the ten largest numbers of the range.
    int sumTop = 0;
    for (int n = lottery.maxNumber; n > lottery.maxNumber - 10 && n >= lottery.minNumber; --n)
        sumTop += n;
    show(m_sum, filters->sum, std::max(sumTop, 1));
    show(m_odd, filters->odd, 10);
    show(m_low, filters->low, 10);
    show(m_run, filters->run, 10);
    m_tenOn->setChecked(filters->tenOn);
    m_tenMost->setValue(filters->tenMost);
    m_notPast->setChecked(filters->notPastDraw);
    if (exec() != QDialog::Accepted)
        return false;
    filters->sum = read(m_sum);
    filters->odd = read(m_odd);
    filters->low = read(m_low);
    filters->run = read(m_run);
    filters->tenOn = m_tenOn->isChecked();
    filters->tenMost = m_tenMost->value();
    filters->notPastDraw = m_notPast->isChecked();
    return true;
}

} // namespace kivora
