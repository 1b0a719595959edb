#include "ui/WindowStatusBar.h"

#include "ui/JobRunner.h"
#include "ui/StatusPanel.h"

#include <QProgressBar>
#include <QTimer>

namespace kivora {

WindowStatusBar::WindowStatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(true);
    m_statusText = new StatusPanel(this);
    m_statusText->setObjectName(QStringLiteral("StatusPanel0"));
    m_markStatus = new StatusPanel(this);
    m_markStatus->setObjectName(QStringLiteral("StatusPanel1"));
    m_ticketStatus = new StatusPanel(this);
    m_ticketStatus->setObjectName(QStringLiteral("StatusPanel2"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setRange(0, 1000);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setMaximumHeight(16);
    for (QLabel *panel : { m_statusText, m_markStatus, m_ticketStatus }) {
        panel->setProperty("dynamicText", true);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    addWidget(m_statusText);
    addWidget(m_markStatus);
    addWidget(m_ticketStatus);
    addWidget(m_progressBar, 1);

    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, &WindowStatusBar::showJobPosition);
}

void WindowStatusBar::setStatusText(const QString &text)
{
    m_statusText->setText(text);
}

QString WindowStatusBar::statusText() const
{
    return m_statusText->text();
}

void WindowStatusBar::setMarkStatus(const QString &text)
{
    m_markStatus->setText(text);
}

void WindowStatusBar::clearMarkStatus()
{
    m_markStatus->clear();
}

void WindowStatusBar::setTicketStatus(const QString &text)
{
    m_ticketStatus->setText(text);
}

void WindowStatusBar::setPanelWidths(int status, int marks, int tickets)
{
    m_statusText->setPreferredWidth(status);
    m_markStatus->setPreferredWidth(marks);
    m_ticketStatus->setPreferredWidth(tickets);
}

void WindowStatusBar::showProgress(int min, int max, int position)
{
    if (position >= max) {
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(0);
    } else {
        m_progressBar->setRange(min, max);
        m_progressBar->setValue(position);
    }
}

void WindowStatusBar::followJob(const JobRunner &jobs)
{
    m_job = &jobs;
    m_progressTimer->start();
}

void WindowStatusBar::stopFollowingJob()
{
    m_progressTimer->stop();
    m_job = nullptr;
    m_progressBar->setRange(0, 1000);
    m_progressBar->setValue(0);
}

void WindowStatusBar::showJobPosition()
{
    if (!m_job)
        return;
    const JobRunner::Snapshot now = m_job->progress();
    if (now.max > now.min && now.position < now.max) {
        m_progressBar->setRange(now.min, now.max);
        m_progressBar->setValue(now.position);
    }
}

} // namespace kivora
