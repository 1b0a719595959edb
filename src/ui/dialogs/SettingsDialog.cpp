#include "ui/dialogs/SettingsDialog.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/SettingsStore.h"
#include "ui/FailureMessage.h"
#include "ui/PlatformServices.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kivora {

QPushButton *SettingsDialog::makeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

SettingsDialog::SettingsDialog(
    const ProgramFolder &folder, const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("FormSettings"));
    setWindowTitle(QStringLiteral("Настройка программы Kivora"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_lotteryPage = new QWidget(m_pages);
    m_lotteryPage->setObjectName(QStringLiteral("TabSheet1"));
    m_systemPage = new QWidget(m_pages);
    m_systemPage->setObjectName(QStringLiteral("TabSheet2"));
    m_programsPage = new QWidget(m_pages);
    m_programsPage->setObjectName(QStringLiteral("TabSheet3"));
    createLotteryPage(m_lotteryPage);
    createTemplatePage(m_systemPage);
    createProgramsPage(m_programsPage);
    m_pages->addTab(m_lotteryPage, QStringLiteral("Список лотерей"));
    m_pages->addTab(m_systemPage, QStringLiteral("Шаблоны систем"));
    m_pages->addTab(m_programsPage, QStringLiteral("Программы"));

    m_applyButton = makeButton(this, "BitBtn5", QStringLiteral("&Применить"));
    m_okButton = makeButton(this, "BitBtn4", QStringLiteral("OK"));
    // Enter confirms the dialog; it never adds a lottery.
    m_okButton->setDefault(true);
    m_cancelButton = makeButton(this, "BitBtn3", QStringLiteral("Отмена"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_applyButton);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    resize(720, 440);

    connect(m_addLotteryButton, &QPushButton::clicked, this, &SettingsDialog::addLottery);
    connect(m_deleteLotteryButton, &QPushButton::clicked, this, &SettingsDialog::deleteLottery);
    connect(m_applyButton, &QPushButton::clicked, this, &SettingsDialog::applyPage);
    connect(m_okButton, &QPushButton::clicked, this, &SettingsDialog::acceptSettings);
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsDialog::cancelSettings);
    connect(m_addSystemButton, &QPushButton::clicked, this, &SettingsDialog::addSystemRow);
    connect(m_deleteSystemButton, &QPushButton::clicked, this, &SettingsDialog::deleteSystemRow);
    connect(m_lotteryList, &QListWidget::itemSelectionChanged, this, &SettingsDialog::onLotterySelected);
    connect(m_systemLotteryList, &QListWidget::itemSelectionChanged, this,
        &SettingsDialog::onSystemLotterySelected);
    connect(m_systemsEditor, &QTableWidget::itemChanged, this, &SettingsDialog::onSystemRowEdited);

    // The list is read once; later openings show it as the user left it.
    fillLotteryList();
    connect(m_pages, &QTabWidget::currentChanged, this, &SettingsDialog::onPageChanged);
}

int SettingsDialog::execAt(const QString &lottery)
{
    m_shownLottery = lottery;
    const int result = exec();
    m_shownLottery.clear();
    return result;
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    onPageChanged(m_pages->currentIndex());
}

void SettingsDialog::onPageChanged(int index)
{
    if (index == 0)
        showLotteryPage();
    else if (index == 1)
        showSystemPage();
    else
        showProgramsPage();
}

bool SettingsDialog::applyPage()
{
    switch (m_pages->currentIndex()) {
    case 0:
        return applyParams();
    case 1:
        return applyTemplates();
    default:
        // The programs are stored as soon as they are chosen.
        return true;
    }
}

void SettingsDialog::acceptSettings()
{
    // Refuse before anything is written, so a refused OK leaves the file untouched.
    if (m_pages->currentIndex() == 0 && m_paramsOwner) {
        const settings::ParamsCheck check
            = settings::checkParams(m_paramsOwner->text(), editedParams(), m_messages);
        if (!check.ok()) {
            m_paramsEditor->setCurrentCell(check.row, 1);
            refuse(check.message);
            return;
        }
    }
    QList<LotteryEntry> list;
    for (int row = 0; row < m_lotteryList->count(); ++row) {
        const QListWidgetItem *item = m_lotteryList->item(row);
        list.append({ item->text(), item->checkState() == Qt::Checked });
    }
    IniFile ini(m_folder.configPath());
    if (const Done written = settings::writeList(ini, list); !written) {
        reportFailure(written.failure());
        return;
    }
    if (!applyPage())
        return;
    m_services.showMessage(this, m_messages("Str52"), PlatformServices::MessageKind::Information);
    accept();
}

void SettingsDialog::cancelSettings()
{
    reject();
}

void SettingsDialog::reject()
{
    // Cancel drops what was typed: the next opening shows the file.
    showOwnerParams();
    QDialog::reject();
}

void SettingsDialog::refuse(const QString &text)
{
    m_services.showMessage(this, text, PlatformServices::MessageKind::Warning);
}

void SettingsDialog::reportFailure(const Failure &failure)
{
    showFailure(m_services, this, failure, m_messages);
}

} // namespace kivora
