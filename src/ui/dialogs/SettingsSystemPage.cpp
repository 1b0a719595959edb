// The settings dialog's second page: the system list of each draw size.

#include "ui/dialogs/SettingsDialog.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/SettingsStore.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kivora {

void SettingsDialog::createTemplatePage(QWidget *page)
{
    m_systemLotteryList = new QListWidget(page);
    m_systemLotteryList->setObjectName(QStringLiteral("ListView1"));
    m_systemLotteryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_systemLotteryList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_systemsEditor = new QTableWidget(0, 2, page);
    m_systemsEditor->setObjectName(QStringLiteral("TemplateListEditor"));
    m_systemsEditor->setHorizontalHeaderLabels(
        { QStringLiteral("Название системы"), QStringLiteral("Файл шаблона системы") });
    m_systemsEditor->verticalHeader()->hide();
    m_systemsEditor->setSelectionMode(QAbstractItemView::SingleSelection);
    m_systemsEditor->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_addSystemButton = makeButton(page, "TemplateAddBtn", QStringLiteral("Добавить систему"));
    m_deleteSystemButton = makeButton(page, "TemplateDeleteBtn", QStringLiteral("Удалить систему"));
    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(m_addSystemButton);
    rowButtons->addWidget(m_deleteSystemButton);
    rowButtons->addStretch(1);
    // One list serves every lottery of the same draw size: editing it for one changes
    // it for the others, which the page says.
    m_sharedSystemsLabel = new QLabel(page);
    m_sharedSystemsLabel->setObjectName(QStringLiteral("SharedSystemsLabel"));
    m_sharedSystemsLabel->setWordWrap(true);
    auto *right = new QVBoxLayout;
    right->addWidget(m_sharedSystemsLabel);
    right->addWidget(m_systemsEditor, 1);
    right->addLayout(rowButtons);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_systemLotteryList, 1);
    layout->addLayout(right, 3);
}

int SettingsDialog::selectedTemplateLottery() const
{
    const QList<QListWidgetItem *> selected = m_systemLotteryList->selectedItems();
    return selected.isEmpty() ? -1 : m_systemLotteryList->row(selected.first());
}

void SettingsDialog::showSystemPage()
{
    m_systemLotteryList->clear();
    m_systemLotteryList->addItems(lotteryNames());
    int row = m_systemLotteryList->count() > 0 ? 0 : -1;
    for (int i = 0; i < m_systemLotteryList->count(); ++i) {
        if (!m_shownLottery.isEmpty() && m_systemLotteryList->item(i)->text() == m_shownLottery)
            row = i;
    }
    if (row >= 0)
        m_systemLotteryList->setCurrentRow(row);
    onSystemLotterySelected();
}

void SettingsDialog::onSystemLotterySelected()
{
    const int row = selectedTemplateLottery();
    if (row < 0)
        return;
    const IniDocument ini = IniFile(m_folder.configPath()).load();
    const QString lottery = m_systemLotteryList->item(row)->text();
    const QString section = settings::systemSection(ini, lottery);
    QStringList sharing;
    for (const QString &name : lotteryNames()) {
        if (settings::systemSection(ini, name) == section)
            sharing.append(name);
    }
    m_sharedSystemsLabel->setText(withPlurals(m_messages("Str712")
                                                  .arg(lotteries::readDefinition(ini, lottery).drawNumber)
                                                  .arg(sharing.join(QStringLiteral(", ")))));
    m_fillingTemplates = true;
    m_systemsEditor->setRowCount(0);
    for (const settings::SystemRow &system : settings::readSystems(ini, section)) {
        const int at = m_systemsEditor->rowCount();
        m_systemsEditor->insertRow(at);
        auto *name = new QTableWidgetItem(system.name);
        name->setData(Qt::UserRole, system.name);
        m_systemsEditor->setItem(at, 0, name);
        m_systemsEditor->setItem(at, 1, new QTableWidgetItem(system.file));
    }
    m_fillingTemplates = false;
}

bool SettingsDialog::applyTemplates()
{
    const int row = selectedTemplateLottery();
    if (row < 0)
        return true;
    QList<settings::SystemRow> rows;
    for (int r = 0; r < m_systemsEditor->rowCount(); ++r) {
        const QTableWidgetItem *name = m_systemsEditor->item(r, 0);
        const QTableWidgetItem *file = m_systemsEditor->item(r, 1);
        rows.append({ name ? name->text() : QString(), file ? file->text() : QString() });
        if (settings::holdsControlCharacter(rows.last().name)
            || settings::holdsControlCharacter(rows.last().file)) {
            m_systemsEditor->setCurrentCell(r, settings::holdsControlCharacter(rows.last().name) ? 0 : 1);
            refuse(m_messages("Str420"));
            return false;
        }
    }
    IniFile ini(m_folder.configPath());
    const QString section = settings::systemSection(ini.load(), m_systemLotteryList->item(row)->text());
    if (const Done written = settings::writeSystems(ini, section, rows); !written) {
        reportFailure(written.failure());
        return false;
    }
    return true;
}

void SettingsDialog::addSystemRow()
{
    const int row = m_systemsEditor->rowCount();
    m_fillingTemplates = true;
    m_systemsEditor->insertRow(row);
    auto *name = new QTableWidgetItem;
    name->setData(Qt::UserRole, QString());
    m_systemsEditor->setItem(row, 0, name);
    m_systemsEditor->setItem(row, 1, new QTableWidgetItem);
    m_fillingTemplates = false;
    m_systemsEditor->setCurrentCell(row, 0);
    if (m_systemsEditor->isVisible())
        m_systemsEditor->editItem(name);
}

void SettingsDialog::deleteSystemRow()
{
    const int row = m_systemsEditor->currentRow();
    if (row >= 0)
        m_systemsEditor->removeRow(row);
}

void SettingsDialog::onSystemRowEdited(QTableWidgetItem *item)
{
    if (m_fillingTemplates || item->column() != 0)
        return;
    QStringList others;
    for (int row = 0; row < m_systemsEditor->rowCount(); ++row) {
        const QTableWidgetItem *other = m_systemsEditor->item(row, 0);
        if (other && other != item)
            others.append(other->text());
    }
    const QString problem = settings::systemNameProblem(item->text(), others, m_messages);
    if (problem.isEmpty()) {
        item->setData(Qt::UserRole, item->text());
        return;
    }
    // Back to the last accepted name; keys of a system list stay unique.
    m_fillingTemplates = true;
    item->setText(item->data(Qt::UserRole).toString());
    m_fillingTemplates = false;
    // Queued: the cell editor is still committing when this runs.
    QMetaObject::invokeMethod(
        this, [this, problem] { refuse(problem); }, Qt::QueuedConnection);
}

} // namespace kivora
