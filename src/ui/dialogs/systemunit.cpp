#include "ui/dialogs/systemunit.h"

#include "core/IniFile.h"
#include "play/Systems.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

TSystemDialog::TSystemDialog(const ProgramFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("SystemDialog"));
    setWindowTitle(QStringLiteral("Выбор системы"));

    GroupBox1 = new QGroupBox(QStringLiteral("Название системы"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    TemplateListBox = new QListWidget(GroupBox1);
    TemplateListBox->setObjectName(QStringLiteral("TemplateListBox"));
    TemplateListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    TemplateListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *left = new QVBoxLayout(GroupBox1);
    left->addWidget(TemplateListBox);

    GroupBox2 = new QGroupBox(QStringLiteral("Описание системы"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Memo1 = new QPlainTextEdit(GroupBox2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *description = new QVBoxLayout(GroupBox2);
    description->addWidget(Memo1);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Отмена"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto *right = new QVBoxLayout;
    right->addWidget(GroupBox2, 1);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addLayout(right, 1);
    resize(560, 320);

    connect(TemplateListBox, &QListWidget::itemSelectionChanged, this, &TSystemDialog::TemplateListBoxClick);
    connect(TemplateListBox, &QListWidget::itemDoubleClicked, this, &TSystemDialog::TemplateListBoxDblClick);
    connect(OKBtn, &QPushButton::clicked, this, &TSystemDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TSystemDialog::prepare(const QStringList &systems, const QString &section)
{
    m_section = section;
    TemplateListBox->clear();
    Memo1->clear();
    TemplateListBox->addItems(systems);
    if (TemplateListBox->count() > 0)
        TemplateListBox->setCurrentRow(0);
    TemplateListBox->setFocus();
}

int TSystemDialog::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = TemplateListBox->selectedItems();
    return selected.isEmpty() ? -1 : TemplateListBox->row(selected.first());
}

void TSystemDialog::TemplateListBoxClick()
{
    Memo1->clear();
    const int index = selectedIndex();
    if (index < 0)
        return;
    QString error;
    const QStringList lines = systems::description(IniFile(m_folder.configPath()).load(), m_section,
        TemplateListBox->item(index)->text(), m_folder, &error);
    // A template that cannot be read says why where its description would be.
    Memo1->setPlainText(error.isEmpty() ? lines.join(QLatin1Char('\n')) : error);
}

void TSystemDialog::OKBtnClick()
{
    // With nothing selected (an empty list) there is nothing to choose.
    const int index = selectedIndex();
    if (index >= 0)
        emit systemChosen(index);
    accept();
}

void TSystemDialog::TemplateListBoxDblClick()
{
    const int index = selectedIndex();
    if (index >= 0)
        emit systemChosen(index);
}

} // namespace kivora
