#include "ui/panes/FilterBar.h"

#include "core/LotteryDefinition.h"
#include "ui/panes/PaneViews.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace kivora {

FilterBar::FilterBar(QWidget *parent)
    : QWidget(parent)
{
    QHBoxLayout *row = paneviews::barRow(this, "Panel2", 4);

    auto *filterLabel = new QLabel(QStringLiteral("Фильтр:"), this);
    filterLabel->setObjectName(QStringLiteral("Label2"));
    QFont bold = filterLabel->font();
    bold.setBold(true);
    filterLabel->setFont(bold);

    m_machineFilter = new QCheckBox(QStringLiteral("Лототрон"), this);
    m_machineFilter->setObjectName(QStringLiteral("lototroncheck"));
    connect(m_machineFilter, &QCheckBox::toggled, this, &FilterBar::report);
    m_machineBox = new QComboBox(this);
    m_machineBox->setObjectName(QStringLiteral("LototronBox"));
    connect(m_machineBox, &QComboBox::currentTextChanged, this, &FilterBar::onMachineChanged);
    m_machineBox->setEditable(true);
    m_machineBox->setToolTip(QStringLiteral("Выбор лототрона для анализа"));
    m_machineBox->setMinimumContentsLength(6);
    m_ballSetFilter = new QCheckBox(QStringLiteral("Комплект шаров"), this);
    m_ballSetFilter->setObjectName(QStringLiteral("komplectCheck"));
    connect(m_ballSetFilter, &QCheckBox::toggled, this, &FilterBar::report);
    m_ballSetBox = new QComboBox(this);
    m_ballSetBox->setObjectName(QStringLiteral("KomplectBox"));
    connect(m_ballSetBox, &QComboBox::currentTextChanged, this, &FilterBar::onBallSetChanged);
    m_ballSetBox->setEditable(true);
    m_ballSetBox->setToolTip(QStringLiteral("Выбор комплекта шаров для анализа"));
    m_ballSetBox->setMinimumContentsLength(6);
    m_lastDrawsFilter = new QCheckBox(QStringLiteral("Последние"), this);
    m_lastDrawsFilter->setObjectName(QStringLiteral("LastDrawBox"));
    connect(m_lastDrawsFilter, &QCheckBox::toggled, this, &FilterBar::report);
    m_lastDrawsSpin = new QSpinBox(this);
    m_lastDrawsSpin->setObjectName(QStringLiteral("UpDown1"));
    m_lastDrawsSpin->setRange(0, 1 << 30);
    m_lastDrawsSpin->setAccelerated(true);
    m_lastDrawsEdit = m_lastDrawsSpin->findChild<QLineEdit *>();
    m_lastDrawsEdit->setObjectName(QStringLiteral("Edit1"));
    connect(m_lastDrawsEdit, &QLineEdit::textChanged, this, &FilterBar::onLastDrawsCountChanged);
    m_lastDrawsEdit->setText(QStringLiteral("0"));
    auto *countLabel = new QLabel(QStringLiteral("розыгрышей"), this);
    countLabel->setObjectName(QStringLiteral("Label3"));

    row->addWidget(filterLabel);
    row->addWidget(m_machineFilter);
    row->addWidget(m_machineBox);
    row->addSpacing(6);
    row->addWidget(m_ballSetFilter);
    row->addWidget(m_ballSetBox);
    row->addSpacing(6);
    row->addWidget(m_lastDrawsFilter);
    row->addWidget(m_lastDrawsSpin);
    row->addWidget(countLabel);
    row->addStretch(1);
}

DrawFilter FilterBar::filter() const
{
    DrawFilter filter;
    filter.lastDraws = m_lastDrawsFilter->isChecked();
    filter.lastDrawsText = m_lastDrawsEdit->text();
    filter.machine = m_machineFilter->isChecked();
    filter.machineText = m_machineBox->currentText();
    filter.ballSet = m_ballSetFilter->isChecked();
    filter.ballSetText = m_ballSetBox->currentText();
    return filter;
}

void FilterBar::report()
{
    emit filterChosen(filter());
}

void FilterBar::onMachineChanged()
{
    if (m_machineFilter->isChecked())
        report();
}

void FilterBar::onBallSetChanged()
{
    if (m_ballSetFilter->isChecked())
        report();
}

void FilterBar::onLastDrawsCountChanged()
{
    if (m_lastDrawsEdit->text().isEmpty()) {
        m_lastDrawsEdit->setText(QStringLiteral("0"));
        return; // setting the text calls this again
    }
    if (m_lastDrawsFilter->isChecked())
        report();
}

void FilterBar::showLoad(const LoadResult &load)
{
    // The lists are filled from the lottery of the selected tab; the typed or chosen
    // text stays, as the filters compare with it.
    const LotteryDefinition &d = load.definition;
    auto refill = [](QComboBox *box, const QStringList &entries) {
        const QSignalBlocker block(box);
        const QString text = box->currentText();
        box->clear();
        box->addItems(entries);
        box->setCurrentText(text.isEmpty() ? entries.value(0) : text);
    };
    refill(m_machineBox, lotteries::machineChoices(d.machine));
    refill(m_ballSetBox, lotteries::ballSetChoices(d.setOfBall));

    const QSignalBlocker blockSpin(m_lastDrawsSpin);
    const QSignalBlocker blockEdit(m_lastDrawsEdit);
    const QString text = m_lastDrawsEdit->text();
    m_lastDrawsSpin->setMaximum(std::max(load.totalLines, m_lastDrawsSpin->value()));
    m_lastDrawsEdit->setText(text);
}

int FilterBar::keptLastDraws() const
{
    return m_lastDrawsFilter->isChecked() ? m_lastDrawsSpin->value() : 0;
}

void FilterBar::restoreLastDraws(int kept)
{
    const QSignalBlocker blockBox(m_lastDrawsFilter);
    const QSignalBlocker blockEdit(m_lastDrawsEdit);
    if (kept < 1) {
        m_lastDrawsFilter->setChecked(false);
    } else {
        m_lastDrawsSpin->setValue(kept);
        m_lastDrawsEdit->setText(QString::number(kept));
        m_lastDrawsFilter->setChecked(true);
    }
}

} // namespace kivora
