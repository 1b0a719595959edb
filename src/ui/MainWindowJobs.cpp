// Long work off the event loop: while a job runs, the commands that would change the
// same data are disabled, the wait window offers Cancel and the status bar shows the
// progress; the window goes on answering.

#include "ui/MainWindow.h"

#include "ui/WaitWindow.h"
#include "ui/WindowStatusBar.h"
#include "ui/panes/ToolBar.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>

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
    m_toolBar->setCommandsEnabled(!busy);
    if (busy) {
        m_statusBar->followJob(m_session->jobs());
    } else {
        m_statusBar->stopFollowingJob();
        closeWait();
        emit jobsFinished();
    }
}

void MainWindow::onJobCancelledByUser()
{
    if (!isBusy())
        return;
    // A cancelled load leaves no lottery loaded: nothing is shown of it and nothing
    // is written for it.
    if (m_session->cancel(m_messages("Str146").arg(currentLottery())))
        m_statusBar->setStatusText(load().error);
}

} // namespace kivora
