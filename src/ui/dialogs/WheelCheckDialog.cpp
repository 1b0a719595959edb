#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/dialogs/WheelDialogWidgets.h"

#include "core/MessageCatalog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kivora {

namespace {

using wheeldialog::label;
using wheeldialog::spinBox;

// The check walks every m-set once; beyond this many the window would wait too long.
constexpr qint64 kMostSets = 50'000'000;

} // namespace

WheelCheckDialog::WheelCheckDialog(const MessageCatalog &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("WheelCheckDialog"));
    setWindowTitle(QStringLiteral("Проверить систему"));
    m_system = new QLabel(this);
    m_system->setObjectName(QStringLiteral("SystemName"));
    m_system->setWordWrap(true);
    m_system->setProperty("dynamicText", true);
    m_numbers = spinBox(this, "NumbersBox", 1, wheel::kMaxNumbers, 1);
    m_match = spinBox(this, "MatchBox", 1, 16, 1);
    m_drawn = spinBox(this, "DrawnBox", 1, 16, 1);
    auto *form = new QFormLayout;
    form->addRow(label(this, "NumbersLabel", QStringLiteral("Номеров в системе:"), m_numbers), m_numbers);
    form->addRow(label(this, "MatchLabel", QStringLiteral("Гарантия: угадать"), m_match), m_match);
    form->addRow(label(this, "DrawnLabel", QStringLiteral("если из отмеченных выпадет"), m_drawn), m_drawn);
    connect(
        m_match, qOverload<int>(&QSpinBox::valueChanged), this, [this](int t) { m_drawn->setMinimum(t); });

    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("CheckResult"));
    m_result->setWordWrap(true);
    m_result->setProperty("dynamicText", true);
    m_holes = new QPlainTextEdit(this);
    m_holes->setObjectName(QStringLiteral("HolesList"));
    m_holes->setReadOnly(true);

    auto *buttons = new QDialogButtonBox(this);
    m_check = buttons->addButton(QStringLiteral("Проверить"), QDialogButtonBox::ActionRole);
    m_check->setObjectName(QStringLiteral("CheckBtn"));
    m_check->setDefault(true);
    QPushButton *close = buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(m_check, &QPushButton::clicked, this, &WheelCheckDialog::check);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_system);
    layout->addLayout(form);
    layout->addWidget(m_result);
    layout->addWidget(m_holes, 1);
    layout->addWidget(buttons);
}

void WheelCheckDialog::prepare(
    const QString &systemName, const std::vector<quint64> &tickets, int uses, int ticketSize)
{
    m_tickets = tickets;
    m_uses = uses;
    m_system->setText(systemName);
    m_numbers->setRange(std::max(1, uses), wheel::kMaxNumbers);
    m_numbers->setValue(std::max(1, uses));
    const int k = std::max(1, std::min(ticketSize, uses));
    m_match->setRange(1, std::min(k, 16));
    m_match->setValue(std::min(3, k));
    m_drawn->setRange(m_match->value(), std::min(16, std::max(1, uses)));
    m_drawn->setValue(m_match->value());
    m_result->clear();
    m_holes->clear();
}

void WheelCheckDialog::check()
{
    const wheel::Guarantee g { m_numbers->value(), m_match->value(), m_drawn->value() };
    m_holes->clear();
    QString problem = wheel::guaranteeProblem(g);
    if (problem.isEmpty() && wheel::binomial(g.numbers, g.drawn) > kMostSets)
        problem = QStringLiteral("C(%1, %2) > %3").arg(g.numbers).arg(g.drawn).arg(kMostSets);
    if (!problem.isEmpty()) {
        m_result->setText(problem);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const wheel::CheckResult result = wheel::verify(m_tickets, g, 20);
    QApplication::restoreOverrideCursor();
    if (result.holds) {
        m_result->setText(m_messages("Str206").arg(g.match).arg(g.drawn).arg(g.numbers).arg(result.sets));
        return;
    }
    m_result->setText(
        m_messages("Str207").arg(g.match).arg(g.drawn).arg(g.numbers).arg(result.holes).arg(result.sets)
        + QLatin1Char('\n') + m_messages("Str208"));
    QStringList lines;
    for (quint64 hole : result.firstHoles)
        lines.append(wheel::positionsText(hole));
    m_holes->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace kivora
