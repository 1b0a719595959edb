#include "ui/dialogs/SystemDialog.h"

#include "core/IniFile.h"
#include "play/Systems.h"
#include "ui/dialogs/TitleWidth.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

SystemDialog::SystemDialog(const ProgramFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("SystemDialog"));
    setWindowTitle(QStringLiteral("Выбор системы"));
    keepTitleWhole(this);

    m_nameGroup = new QGroupBox(QStringLiteral("Название системы"), this);
    m_nameGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_systemList = new QListWidget(m_nameGroup);
    m_systemList->setObjectName(QStringLiteral("TemplateListBox"));
    m_systemList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_systemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *left = new QVBoxLayout(m_nameGroup);
    left->addWidget(m_systemList);

    m_descriptionGroup = new QGroupBox(QStringLiteral("Описание системы"), this);
    m_descriptionGroup->setObjectName(QStringLiteral("GroupBox2"));
    m_description = new QPlainTextEdit(m_descriptionGroup);
    m_description->setObjectName(QStringLiteral("Memo1"));
    m_description->setReadOnly(true);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *description = new QVBoxLayout(m_descriptionGroup);
    description->addWidget(m_description);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKBtn"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelButton->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *right = new QVBoxLayout;
    right->addWidget(m_descriptionGroup, 1);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_nameGroup, 1);
    layout->addLayout(right, 1);
    resize(560, 320);

    connect(m_systemList, &QListWidget::itemSelectionChanged, this, &SystemDialog::showDescription);
    connect(m_systemList, &QListWidget::itemDoubleClicked, this, &SystemDialog::onSystemDoubleClicked);
    connect(m_okButton, &QPushButton::clicked, this, &SystemDialog::acceptChoice);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SystemDialog::prepare(const QStringList &systems, const QString &section)
{
    m_section = section;
    m_systemList->clear();
    m_description->clear();
    m_systemList->addItems(systems);
    if (m_systemList->count() > 0)
        m_systemList->setCurrentRow(0);
    m_systemList->setFocus();
}

int SystemDialog::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = m_systemList->selectedItems();
    return selected.isEmpty() ? -1 : m_systemList->row(selected.first());
}

void SystemDialog::showDescription()
{
    m_description->clear();
    const int index = selectedIndex();
    if (index < 0)
        return;
    const Outcome<QStringList> lines = systems::description(
        IniFile(m_folder.configPath()).load(), m_section, m_systemList->item(index)->text(), m_folder);
    // A template that cannot be read says why where its description would be.
    m_description->setPlainText(lines ? lines->join(QLatin1Char('\n')) : lines.failure().text);
}

void SystemDialog::acceptChoice()
{
    // With nothing selected (an empty list) there is nothing to choose.
    const int index = selectedIndex();
    if (index >= 0)
        emit systemChosen(index);
    accept();
}

void SystemDialog::onSystemDoubleClicked()
{
    const int index = selectedIndex();
    if (index >= 0)
        emit systemChosen(index);
}

} // namespace kivora
