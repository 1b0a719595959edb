// Long work off the event loop: while a job runs, the commands that would change the
// same data are disabled, the wait window offers Cancel and the status bar shows the
// progress; the window goes on answering.

#include "ui/MainWindow.h"

#include "ui/StatusPanel.h"
#include "ui/WaitWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

namespace kivora {

bool MainWindow::isBusy() const
{
    return m_session->isBusy();
}

void MainWindow::waitUntilIdle()
{
    QCoreApplication::processEvents();
    // A job's end may start the next (an import, then its load): wait for the last.
    while (isBusy()) {
        QEventLoop loop;
        connect(this, &MainWindow::jobsFinished, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::processEvents();
    }
}

void MainWindow::onBusyChanged(bool busy)
{
    // The menus and buttons that read or change the lottery's data wait for the job;
    // the language, the settings, help, the tabs and the filters stay (a new tab or
    // filter supersedes the job).
    for (const char *name : { "N1", "N2", "N3", "N4", "N10", "N15", "N25" }) {
        if (auto *menu = findChild<QMenu *>(QLatin1String(name)))
            menu->menuAction()->setEnabled(!busy);
    }
    for (QWidget *control : { static_cast<QWidget *>(m_addButton), static_cast<QWidget *>(m_clearButton),
             static_cast<QWidget *>(m_randomButton), static_cast<QWidget *>(m_statButton),
             static_cast<QWidget *>(m_systemBox), static_cast<QWidget *>(m_saveButton),
             static_cast<QWidget *>(m_checkButton), static_cast<QWidget *>(m_markAllButton),
             static_cast<QWidget *>(m_webButton) })
        control->setEnabled(!busy);
    if (busy) {
        m_progressTimer->start();
    } else {
        m_progressTimer->stop();
        closeWait();
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(0);
        emit jobsFinished();
    }
}

void MainWindow::showJobProgress()
{
    const JobRunner::Snapshot now = m_session->jobs().progress();
    if (now.max > now.min && now.position < now.max) {
        m_progressBar->setRange(now.min, now.max);
        m_progressBar->setValue(now.position);
    }
}

void MainWindow::onJobCancelledByUser()
{
    if (!isBusy())
        return;
    // A cancelled load leaves no lottery loaded: nothing is shown of it and nothing
    // is written for it.
    if (m_session->cancel(m_messages("Str146").arg(currentLottery())))
        m_statusText->setText(load().error);
}

} // namespace kivora
