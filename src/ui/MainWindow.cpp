#include "ui/MainWindow.h"

#include "ui/PlatformServices.h"
#include "ui/WaitWindow.h"
#include "ui/WindowDialogs.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/play/PlayCommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <QSplitter>
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
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, &MainWindow::showJobProgress);
    connect(m_session, &LotterySession::busyChanged, this, &MainWindow::onBusyChanged);
    connect(m_session, &LotterySession::loadChanged, this, &MainWindow::onLoadChanged);
    connect(m_wait.get(), &WaitWindow::cancelRequested, this, &MainWindow::onJobCancelledByUser);
    setWindowTitle(QStringLiteral("Kivora - В помощь игроку в ЛОТО"));
    m_dialogs = std::make_unique<WindowDialogs>(this);
    createPanes();
    createMenus();
    m_dialogs->createDialogs(m_folder, m_messages, m_services);
    createPlayCommands();
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
        onFirstShow();
        QTimer::singleShot(0, this, [this] {
            // The split the user left, else one that fits the data.
            auto sizes = [](const QString &text, int count) {
                QList<int> result;
                for (const QString &part : text.split(QLatin1Char(','))) {
                    if (part.toInt() > 0)
                        result.append(part.toInt());
                }
                return result.size() == count ? result : QList<int>();
            };
            const QList<int> split = sizes(m_savedSplitter, 2);
            const QList<int> panes = sizes(m_savedRightSplitter, 3);
            if (!split.isEmpty() && !panes.isEmpty()) {
                m_splitter->setSizes(split);
                m_rightSplitter->setSizes(panes);
                m_userSplit = true;
            }
            updateLayout(!m_userSplit);
        });
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
    updateLayout(!m_userSplit);
}

void MainWindow::showProgress(int min, int max, int position)
{
    if (position >= max) {
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(0);
    } else {
        m_progressBar->setRange(min, max);
        m_progressBar->setValue(position);
    }
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
