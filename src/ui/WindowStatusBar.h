#pragma once

// The main window's status bar: what the load says, the marks and what they expand
// to, the combination list (count, completeness, cost), and the progress of a long
// loop or of the job that runs.

#include <QStatusBar>

class QProgressBar;
class QTimer;

namespace kivora {

class JobRunner;
class StatusPanel;

class WindowStatusBar final : public QStatusBar
{
    Q_OBJECT
public:
    explicit WindowStatusBar(QWidget *parent);

    void setStatusText(const QString &text);
    QString statusText() const;
    void setMarkStatus(const QString &text);
    void clearMarkStatus();
    void setTicketStatus(const QString &text);
    // Each panel follows the width of the pane above it.
    void setPanelWidths(int status, int marks, int tickets);

    // Shows a long loop's progress; the bar empties when the position reaches max.
    void showProgress(int min, int max, int position);
    // While a job runs, the bar shows its progress, read every 50 ms; at the end it
    // empties.
    void followJob(const JobRunner &jobs);
    void stopFollowingJob();

private:
    void showJobPosition();

    StatusPanel *m_statusText = nullptr;
    StatusPanel *m_markStatus = nullptr;
    StatusPanel *m_ticketStatus = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QTimer *m_progressTimer = nullptr;
    const JobRunner *m_job = nullptr;
};

} // namespace kivora
