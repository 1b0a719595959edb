#include "ui/dialogs/WheelMakeDialog.h"

#include "ui/dialogs/TitleWidth.h"
#include "ui/dialogs/WheelDialogWidgets.h"

#include "core/MessageCatalog.h"
#include "play/SystemTemplate.h"
#include "reports/Odds.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
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

WheelMakeDialog::WheelMakeDialog(const MessageCatalog &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("WheelMakeDialog"));
    setWindowTitle(QStringLiteral("Создать систему"));
    keepTitleWhole(this);
    m_numbers = spinBox(this, "NumbersBox", 2, wheel::kMaxNumbers, 12);
    m_ticket = spinBox(this, "TicketBox", 1, SystemTemplate::kColumns, 6);
    m_match = spinBox(this, "MatchBox", 1, 10, 3);
    m_drawn = spinBox(this, "DrawnBox", 1, 16, 3);
    m_seconds = spinBox(this, "SecondsBox", 1, 3600, 10);

    auto *form = new QFormLayout;
    form->addRow(label(this, "NumbersLabel", QStringLiteral("Номеров в системе:"), m_numbers), m_numbers);
    form->addRow(label(this, "TicketLabel", QStringLiteral("Номеров в билете:"), m_ticket), m_ticket);
    form->addRow(label(this, "MatchLabel", QStringLiteral("Гарантия: угадать"), m_match), m_match);
    form->addRow(label(this, "DrawnLabel", QStringLiteral("если из отмеченных выпадет"), m_drawn), m_drawn);
    form->addRow(label(this, "SecondsLabel", QStringLiteral("Время поиска, секунд:"), m_seconds), m_seconds);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("WheelProgress"));
    m_bar->setRange(0, 1000);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);
    m_bar->setFormat(QString());
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("WheelStatus"));
    m_status->setWordWrap(true);
    m_status->setProperty("dynamicText", true);

    auto *buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(QStringLiteral("Найти"), QDialogButtonBox::ActionRole);
    m_start->setObjectName(QStringLiteral("StartBtn"));
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setEnabled(false);
    m_cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_start, &QPushButton::clicked, this, &WheelMakeDialog::startSearch);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &WheelMakeDialog::reject);

    m_clock = new QTimer(this);
    m_clock->setInterval(100);
    connect(m_clock, &QTimer::timeout, this, [this] {
        const qint64 spent = QDateTime::currentMSecsSinceEpoch() - m_startedMs;
        m_bar->setValue(static_cast<int>(std::min<qint64>(1000, spent / std::max(1, m_seconds->value()))));
    });
    for (QSpinBox *box : { m_numbers, m_ticket, m_match, m_drawn })
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &WheelMakeDialog::updateLimits);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_bar);
    layout->addWidget(m_status);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

WheelMakeDialog::~WheelMakeDialog()
{
    if (m_thread) {
        m_stop = true;
        m_thread->wait();
    }
}

void WheelMakeDialog::prepare(int numbers, int ticketSize)
{
    m_result = {};
    m_ok->setEnabled(false);
    m_bar->setValue(0);
    m_bar->setFormat(QString());
    m_status->clear();
    m_ticket->setValue(std::clamp(ticketSize, 1, SystemTemplate::kColumns));
    m_numbers->setValue(std::clamp(numbers, m_ticket->value() + 1, wheel::kMaxNumbers));
    updateLimits();
}

void WheelMakeDialog::updateLimits()
{
    // t <= k, t <= m <= v.
    m_match->setMaximum(std::min(m_ticket->value(), m_numbers->value()));
    m_drawn->setMinimum(m_match->value());
    m_drawn->setMaximum(std::min(m_numbers->value(), 16));
}

void WheelMakeDialog::setSearching(bool searching)
{
    for (QWidget *w : { static_cast<QWidget *>(m_numbers), static_cast<QWidget *>(m_ticket),
             static_cast<QWidget *>(m_match), static_cast<QWidget *>(m_drawn),
             static_cast<QWidget *>(m_seconds), static_cast<QWidget *>(m_start) })
        w->setEnabled(!searching);
    if (searching)
        m_ok->setEnabled(false);
}

void WheelMakeDialog::startSearch()
{
    if (m_thread)
        return;
    wheel::MakeRequest request;
    request.guarantee = { m_numbers->value(), m_match->value(), m_drawn->value() };
    request.ticketSize = m_ticket->value();
    request.seconds = m_seconds->value();
    request.seed = 1;
    request.widestTicket = SystemTemplate::kColumns;
    const QString problem = wheel::requestProblem(request, m_messages);
    if (!problem.isEmpty()) {
        m_status->setText(problem);
        return;
    }
    m_shape = { request.guarantee, request.ticketSize };
    m_result = {};
    m_bound = wheel::lowerBound(request.guarantee, request.ticketSize);
    m_bar->setFormat(QString());
    m_bar->setValue(0);
    m_status->setText(m_messages("Str209").arg(QStringLiteral("…")).arg(m_bound));
    m_stop = false;
    m_running = std::make_shared<wheel::MakeResult>();
    auto running = m_running;
    m_thread = QThread::create([this, request, running] {
        *running = wheel::make(request, &m_stop, [this](const wheel::MakeProgress &progress) {
            QMetaObject::invokeMethod(
                this, [this, progress] { onProgress(progress); }, Qt::QueuedConnection);
        });
    });
    m_thread->setObjectName(QStringLiteral("WheelSearch"));
    connect(m_thread, &QThread::finished, this, &WheelMakeDialog::onFinished);
    m_startedMs = QDateTime::currentMSecsSinceEpoch();
    setSearching(true);
    m_clock->start();
    m_thread->start();
}

void WheelMakeDialog::onProgress(const wheel::MakeProgress &progress)
{
    const QString text = m_messages("Str209").arg(progress.size).arg(progress.bound);
    m_bar->setFormat(text);
    m_status->setText(text);
}

void WheelMakeDialog::onFinished()
{
    m_clock->stop();
    m_thread->deleteLater();
    m_thread = nullptr;
    m_result = std::move(*m_running);
    m_running.reset();
    setSearching(false);
    m_bar->setValue(1000);
    if (m_result.tickets.empty()) {
        m_status->setText(m_stop ? m_messages("Str217") : m_messages("Str211"));
    } else {
        const int count = static_cast<int>(m_result.tickets.size());
        m_status->setText(
            m_messages("Str210").arg(count).arg(pluralForm(count, m_messages("Str201"))).arg(m_result.bound));
        m_ok->setEnabled(true);
        m_ok->setDefault(true);
    }
    emit searchFinished();
}

void WheelMakeDialog::reject()
{
    // The first Cancel stops a running search and keeps its best wheel.
    if (m_thread) {
        m_stop = true;
        return;
    }
    QDialog::reject();
}

} // namespace kivora
