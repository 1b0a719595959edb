#include "ui/MainForm.h"

#include "ui/FileDialogTexts.h"
#include "ui/PlatformServices.h"
#include "ui/WaitWindow.h"
#include "ui/dialogs/Unitsettings.h"
#include "ui/dialogs/aboutunit.h"
#include "ui/dialogs/addtiragunit.h"
#include "ui/dialogs/balansUnit.h"
#include "ui/dialogs/systemunit.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <QTabBar>
#include <QTimer>

namespace kivora {

TMainForm::TMainForm(const ProgramFolder &folder, PlatformServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_folder(folder)
    , m_services(services)
    , m_wait(std::make_unique<WaitWindow>(this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kivora - В помощь игроку в ЛОТО"));
    OpenDialog1 = new FileDialogTexts("OpenDialog1", QStringLiteral("Сохраненные комбинации"),
        QStringLiteral("Лотокомбинации|*.ltc|Все файлы|*.*"), this);
    SaveDialog1 = new FileDialogTexts("SaveDialog1", QStringLiteral("Сохранить"),
        QStringLiteral("Лотокомбинации|*.ltc|HTML файлы|*.htm|Все файлы|*.*"), this);
    createPanes();
    createMenus();
    m_aboutBox = new TAboutBox(this);
    m_addDialog = new TAddTirag(m_messages, m_services, this);
    m_ledgerDialog = new TBalansForm(m_messages, m_services, this);
    m_settingsDialog = new TFormSettings(m_folder, m_messages, m_services, this);
    m_systemDialog = new TSystemDialog(m_folder, this);
    connect(m_systemDialog, &TSystemDialog::systemChosen, this, &TMainForm::systemChosen);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::start()
{
    show();
}

QString TMainForm::currentLottery() const
{
    const int index = TabControl1->currentIndex();
    return index < 0 ? QString() : TabControl1->tabText(index);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
        QTimer::singleShot(0, this, [this] { updateLayout(true); });
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    updateLayout(true);
}

void TMainForm::ShowProgress(int min, int max, int position)
{
    if (position >= max) {
        ProgressBar1->setRange(0, 1000);
        ProgressBar1->setValue(0);
    } else {
        ProgressBar1->setRange(min, max);
        ProgressBar1->setValue(position);
    }
    // Letting events run costs a few microseconds; loops that report every step would
    // spend more time repainting than computing, so do it at most every 40 ms.
    static QElapsedTimer sinceEvents;
    if (!sinceEvents.isValid() || sinceEvents.elapsed() >= 40 || position >= max) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceEvents.restart();
    }
}

void TMainForm::showWait()
{
    m_wait->setText(m_messages("Str68"));
    m_wait->showCentred();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TMainForm::closeWait()
{
    m_wait->hide();
}

void TMainForm::showError(const QString &text)
{
    m_services.showMessage(this, text, PlatformServices::MessageKind::Error);
}

} // namespace kivora

namespace kivora {

QList<QWidget *> TMainForm::languageDialogs(bool atStart) const
{
    // The system dialog keeps the language it was created with.
    QList<QWidget *> dialogs = { m_aboutBox, m_addDialog, m_ledgerDialog, m_settingsDialog };
    if (atStart)
        dialogs.append(m_systemDialog);
    return dialogs;
}

} // namespace kivora
