#include "ui/MainWindow.h"

#include "ui/PlatformServices.h"
#include "ui/WaitWindow.h"
#include "ui/WindowDialogs.h"
#include "ui/WindowStatusBar.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AddDrawDialog.h"
#include "ui/dialogs/AnalysisDialog.h"
#include "ui/dialogs/ChartsDialog.h"
#include "ui/dialogs/LedgerDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SystemDialog.h"
#include "ui/dialogs/TicketFiltersDialog.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/PaneLayout.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/play/PlayCommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QResizeEvent>
#include <QTabBar>
#include <QTimer>

namespace kivora {

MainWindow::MainWindow(const ProgramFolder &folder, PlatformServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_folder(folder)
    , m_services(services)
    , m_wait(std::make_unique<WaitWindow>(this))
{
    setObjectName(QStringLiteral("MainForm"));
    m_session = new LotterySession(this);
    connect(m_session, &LotterySession::busyChanged, this, &MainWindow::onBusyChanged);
    connect(m_session, &LotterySession::waitRequested, this, &MainWindow::showWait);
    connect(m_session, &LotterySession::jobFailed, this,
        [this](const QString &error) { showError(failureMessage(Failure::io(error), m_messages)); });
    connect(m_session, &LotterySession::loadChanged, this, &MainWindow::onLoadChanged);
    connect(m_wait.get(), &WaitWindow::cancelRequested, this, &MainWindow::onJobCancelledByUser);
    setWindowTitle(QStringLiteral("Kivora - В помощь игроку в ЛОТО"));
    m_dialogs = std::make_unique<WindowDialogs>(this);
    createPanes();
    createMenus();
    m_dialogs->createDialogs(m_folder, m_messages, m_services);
    createCommands();
    readWindowSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::start()
{
    show();
}

QString MainWindow::currentLottery() const
{
    const int index = m_lotteryTabs->currentIndex();
    return index < 0 ? QString() : m_lotteryTabs->tabText(index);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        loadCurrentLottery();
        // The split the user left, else one that fits the data.
        QTimer::singleShot(0, m_panes, &PaneLayout::restoreKeptSplit);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A job still running is cancelled: nothing it would show or write is wanted now.
    m_session->jobs().cancel();
    saveWindowSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_panes)
        m_panes->fit(!m_panes->userSplit());
}

int MainWindow::sortColumn() const
{
    return m_statistics->sortColumn();
}

void MainWindow::showProgress(int min, int max, int position)
{
    m_statusBar->showProgress(min, max, position);
    // Letting events run costs a few microseconds; loops that report every step would
    // spend more time repainting than computing, so do it at most every 40 ms.
    static QElapsedTimer sinceEvents;
    if (!sinceEvents.isValid() || sinceEvents.elapsed() >= 40 || position >= max) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceEvents.restart();
    }
}

void MainWindow::showWait()
{
    m_wait->setText(m_messages("Str68"));
    m_wait->setCancelText(m_messages("Str145"));
    m_wait->showCentred();
}

void MainWindow::closeWait()
{
    m_wait->hide();
}

void MainWindow::showError(const QString &text)
{
    m_services.showMessage(this, text, PlatformServices::MessageKind::Error);
}

} // namespace kivora
