#include "ui/dialogs/WheelCheckDialog.h"

#include "ui/dialogs/TitleWidth.h"
#include "ui/dialogs/WheelDialogWidgets.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kivora {

namespace {

using wheeldialog::label;
using wheeldialog::spinBox;

} // namespace

WheelCheckDialog::WheelCheckDialog(const MessageCatalog &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("WheelCheckDialog"));
    setWindowTitle(QStringLiteral("Проверить систему"));
    keepTitleWhole(this);
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

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("CheckProgress"));
    m_bar->setRange(0, 1000);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("CheckResult"));
    m_result->setWordWrap(true);
    m_result->setProperty("dynamicText", true);
    m_holes = new QPlainTextEdit(this);
    m_holes->setObjectName(QStringLiteral("HolesList"));
    m_holes->setReadOnly(true);
    m_clock = new QTimer(this);
    m_clock->setInterval(100);
    connect(m_clock, &QTimer::timeout, this, [this] {
        if (m_perMille)
            m_bar->setValue(m_perMille->load());
    });

    auto *buttons = new QDialogButtonBox(this);
    m_check = buttons->addButton(QStringLiteral("Проверить"), QDialogButtonBox::ActionRole);
    m_check->setObjectName(QStringLiteral("CheckBtn"));
    m_check->setDefault(true);
    m_cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::ActionRole);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_cancel->setEnabled(false);
    QPushButton *close = buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(m_check, &QPushButton::clicked, this, &WheelCheckDialog::check);
    connect(m_cancel, &QPushButton::clicked, this, &WheelCheckDialog::cancelCheck);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_system);
    layout->addLayout(form);
    layout->addWidget(m_bar);
    layout->addWidget(m_result);
    layout->addWidget(m_holes, 1);
    layout->addWidget(buttons);
}

WheelCheckDialog::~WheelCheckDialog()
{
    if (m_thread) {
        m_stop = true;
        m_thread->wait();
    }
}

void WheelCheckDialog::prepare(const QString &systemName, const std::vector<quint64> &tickets, int uses,
    int ticketSize, const std::optional<wheel::Guarantee> &stated, const QStringList &marked)
{
    m_tickets = tickets;
    m_uses = uses;
    m_marked = marked;
    m_system->setText(systemName);
    m_numbers->setRange(std::max(1, uses), wheel::kMaxNumbers);
    m_numbers->setValue(std::max(1, uses));
    const int k = std::max(1, std::min(ticketSize, uses));
    m_match->setRange(1, std::min(k, 16));
    m_match->setValue(stated ? stated->match : std::min(3, k));
    m_drawn->setRange(m_match->value(), std::min(16, std::max(1, uses)));
    m_drawn->setValue(stated ? stated->drawn : m_match->value());
    m_bar->setValue(0);
    m_result->clear();
    m_holes->clear();
}

QString WheelCheckDialog::holeText(quint64 hole) const
{
    // Position p of the system stands for the p-th marked number, when there is one.
    QStringList parts;
    for (int p = 0; p < 64; ++p) {
        if (((hole >> p) & 1U) == 0)
            continue;
        if (p >= m_marked.size())
            return wheel::positionsText(hole);
        parts.append(m_marked.at(p));
    }
    return parts.join(QLatin1Char(' '));
}

void WheelCheckDialog::setChecking(bool checking)
{
    for (QWidget *w : { static_cast<QWidget *>(m_numbers), static_cast<QWidget *>(m_match),
             static_cast<QWidget *>(m_drawn), static_cast<QWidget *>(m_check) })
        w->setEnabled(!checking);
    m_cancel->setEnabled(checking);
}

void WheelCheckDialog::check()
{
    if (m_thread)
        return;
    const wheel::Guarantee g { m_numbers->value(), m_match->value(), m_drawn->value() };
    m_holes->clear();
    m_bar->setValue(0);
    const QString problem = wheel::guaranteeProblem(g, m_messages);
    if (!problem.isEmpty()) {
        m_result->setText(problem);
        return;
    }
    m_result->setText(m_messages("Str68"));
    m_checked = g;
    m_stop = false;
    m_running = std::make_shared<wheel::CheckResult>();
    m_perMille = std::make_shared<std::atomic_int>(0);
    auto running = m_running;
    auto perMille = m_perMille;
    const std::vector<quint64> tickets = m_tickets;
    m_thread = QThread::create([this, tickets, g, running, perMille] {
        *running = wheel::verify(
            tickets, g, 20, &m_stop, [perMille](int, int, int position) { perMille->store(position); });
    });
    m_thread->setObjectName(QStringLiteral("WheelCheck"));
    connect(m_thread, &QThread::finished, this, &WheelCheckDialog::onFinished);
    setChecking(true);
    m_clock->start();
    m_thread->start();
}

void WheelCheckDialog::onFinished()
{
    m_clock->stop();
    m_thread->deleteLater();
    m_thread = nullptr;
    m_perMille.reset();
    const std::shared_ptr<wheel::CheckResult> result = std::move(m_running);
    setChecking(false);
    const wheel::Guarantee &g = m_checked;
    if (result->cancelled) {
        m_bar->setValue(0);
        m_result->setText(m_messages("Str470"));
    } else if (result->holds) {
        m_bar->setValue(1000);
        m_result->setText(
            withPlurals(m_messages("Str206").arg(g.match).arg(g.drawn).arg(g.numbers).arg(result->sets)));
    } else {
        m_bar->setValue(1000);
        m_result->setText(withPlurals(m_messages("Str207")
                                          .arg(g.match)
                                          .arg(g.drawn)
                                          .arg(g.numbers)
                                          .arg(result->holes)
                                          .arg(result->sets))
            + QLatin1Char('\n') + m_messages(g.numbers <= m_marked.size() ? "Str654" : "Str208"));
        QStringList lines;
        for (quint64 hole : result->firstHoles)
            lines.append(holeText(hole));
        m_holes->setPlainText(lines.join(QLatin1Char('\n')));
    }
    emit checkFinished();
}

void WheelCheckDialog::cancelCheck()
{
    if (m_thread)
        m_stop = true;
}

void WheelCheckDialog::reject()
{
    // Closing abandons a running check.
    cancelCheck();
    QDialog::reject();
}

} // namespace kivora
