#include "ui/dialogs/SettingsDialog.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/SettingsStore.h"
#include "ui/PlatformServices.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace kivora {

namespace {

// Hands every confirmed edit of a lottery name to the dialog instead of the model:
// the dialog renames the lottery in the file first and changes the caption only when
// that worked. The hand-over is queued, so a message box shown for a refused name
// does not open while the editor is still committing.
class LotteryNameDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<void(int row, const QString &text)> onEdited;

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (!line || !onEdited)
            return;
        const QPersistentModelIndex edited(index);
        const QString text = line->text();
        const auto handler = onEdited;
        QMetaObject::invokeMethod(
            parent(),
            [edited, text, handler] {
                if (edited.isValid())
                    handler(edited.row(), text);
            },
            Qt::QueuedConnection);
    }
};

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

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
    createLotteryPage(m_lotteryPage);
    createTemplatePage(m_systemPage);
    m_pages->addTab(m_lotteryPage, QStringLiteral("Список лотерей"));
    m_pages->addTab(m_systemPage, QStringLiteral("Шаблоны систем"));

    m_applyButton = button(this, "BitBtn5", QStringLiteral("&Применить"));
    m_okButton = button(this, "BitBtn4", QStringLiteral("OK"));
    m_cancelButton = button(this, "BitBtn3", QStringLiteral("Отмена"));
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

void SettingsDialog::createLotteryPage(QWidget *page)
{
    m_lotteryList = new QListWidget(page);
    m_lotteryList->setObjectName(QStringLiteral("ListViewLoto"));
    m_lotteryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lotteryList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    auto *delegate = new LotteryNameDelegate(this);
    delegate->onEdited = [this](int row, const QString &text) { onLotteryRenamed(row, text); };
    m_lotteryList->setItemDelegate(delegate);

    m_addLotteryButton = button(page, "BitBtn1", QStringLiteral("Добавить"));
    m_addLotteryButton->setDefault(true);
    m_deleteLotteryButton = button(page, "BitBtn2", QStringLiteral("Удалить"));

    m_paramsEditor = new QTableWidget(settings::kParamCount, 2, page);
    m_paramsEditor->setProperty("translatableRows", true); // the row captions
    m_paramsEditor->setObjectName(QStringLiteral("ParamsListEditor"));
    m_paramsEditor->setHorizontalHeaderLabels({ QStringLiteral("Параметр"), QStringLiteral("Значение") });
    m_paramsEditor->verticalHeader()->hide();
    m_paramsEditor->setSelectionMode(QAbstractItemView::SingleSelection);
    m_paramsEditor->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_paramsEditor->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_paramsEditor->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < settings::kParamCount; ++row) {
        m_paramsEditor->setItem(row, 0, fixedItem(settings::paramCaptions().at(row)));
        m_paramsEditor->setItem(row, 1, new QTableWidgetItem(settings::paramDefaults().at(row)));
    }

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(m_addLotteryButton);
    listButtons->addWidget(m_deleteLotteryButton);
    auto *left = new QVBoxLayout;
    left->addWidget(m_lotteryList, 1);
    left->addLayout(listButtons);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(m_paramsEditor, 3);
}

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

    m_addSystemButton = button(page, "TemplateAddBtn", QStringLiteral("Добавить систему"));
    m_deleteSystemButton = button(page, "TemplateDeleteBtn", QStringLiteral("Удалить систему"));
    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(m_addSystemButton);
    rowButtons->addWidget(m_deleteSystemButton);
    rowButtons->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_systemsEditor, 1);
    right->addLayout(rowButtons);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_systemLotteryList, 1);
    layout->addLayout(right, 3);
}

void SettingsDialog::fillLotteryList()
{
    m_lotteryList->clear();
    for (const LotteryEntry &entry : lotteries::readList(IniFile(m_folder.configPath()).load())) {
        auto *item = new QListWidgetItem(entry.name, m_lotteryList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
        item->setCheckState(entry.shown ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList SettingsDialog::lotteryNames(int exceptRow) const
{
    QStringList names;
    for (int row = 0; row < m_lotteryList->count(); ++row) {
        if (row != exceptRow)
            names.append(m_lotteryList->item(row)->text());
    }
    return names;
}

int SettingsDialog::selectedLottery() const
{
    const QList<QListWidgetItem *> selected = m_lotteryList->selectedItems();
    return selected.isEmpty() ? -1 : m_lotteryList->row(selected.first());
}

int SettingsDialog::selectedTemplateLottery() const
{
    const QList<QListWidgetItem *> selected = m_systemLotteryList->selectedItems();
    return selected.isEmpty() ? -1 : m_systemLotteryList->row(selected.first());
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
    else
        showSystemPage();
}

void SettingsDialog::showLotteryPage()
{
    if (m_lotteryList->count() > 0)
        m_lotteryList->setCurrentRow(0);
    // Values typed but not applied are dropped: the editor shows the file again.
    onLotterySelected();
}

void SettingsDialog::showSystemPage()
{
    m_systemLotteryList->clear();
    m_systemLotteryList->addItems(lotteryNames());
    if (m_systemLotteryList->count() > 0)
        m_systemLotteryList->setCurrentRow(0);
    onSystemLotterySelected();
}

void SettingsDialog::onLotterySelected()
{
    const int row = selectedLottery();
    // Losing the selection reads the last lottery's values afresh.
    if (row >= 0)
        m_paramsOwner = m_lotteryList->item(row);
    if (!m_paramsOwner) {
        showParams(settings::paramDefaults());
        return;
    }
    showParams(settings::readParams(IniFile(m_folder.configPath()).load(), m_paramsOwner->text()));
}

void SettingsDialog::onSystemLotterySelected()
{
    const int row = selectedTemplateLottery();
    if (row < 0)
        return;
    const IniDocument ini = IniFile(m_folder.configPath()).load();
    const QString section = settings::systemSection(ini, m_systemLotteryList->item(row)->text());
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

void SettingsDialog::showParams(const QStringList &values)
{
    for (int row = 0; row < settings::kParamCount; ++row)
        m_paramsEditor->item(row, 1)->setText(values.value(row));
}

QStringList SettingsDialog::editedParams() const
{
    QStringList values;
    for (int row = 0; row < settings::kParamCount; ++row)
        values.append(m_paramsEditor->item(row, 1)->text());
    return values;
}

void SettingsDialog::addLottery()
{
    auto *item = new QListWidgetItem(settings::newLotteryName(lotteryNames()), m_lotteryList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setCheckState(Qt::Checked);
}

void SettingsDialog::deleteLottery()
{
    const int row = selectedLottery();
    if (row < 0)
        return;
    QListWidgetItem *item = m_lotteryList->item(row);
    IniFile ini(m_folder.configPath());
    if (!settings::deleteLottery(ini, item->text())) {
        reportWriteError(ini.lastError());
        return;
    }
    if (item == m_paramsOwner)
        m_paramsOwner = nullptr;
    delete m_lotteryList->takeItem(row);
    showLotteryPage();
}

void SettingsDialog::onLotteryRenamed(int row, const QString &newName)
{
    QListWidgetItem *item = m_lotteryList->item(row);
    if (!item)
        return;
    const QString oldName = item->text();
    const QString name = newName.trimmed();
    // Confirmed without a change: nothing moves.
    if (name == oldName)
        return;
    const QString problem = settings::lotteryNameProblem(name, lotteryNames(row), m_messages);
    if (!problem.isEmpty()) {
        refuse(problem);
        return;
    }
    IniFile ini(m_folder.configPath());
    // The editor holds the renamed lottery's values unless another row was renamed.
    const QStringList values
        = item == m_paramsOwner ? editedParams() : settings::readParams(ini.load(), oldName);
    const settings::ParamsCheck check = settings::checkParams(name, values, m_messages);
    if (!check.ok()) {
        if (item == m_paramsOwner)
            m_paramsEditor->setCurrentCell(check.row, 1);
        refuse(check.message);
        return;
    }
    if (!settings::renameLottery(ini, oldName, name, values)) {
        reportWriteError(ini.lastError());
        return;
    }
    item->setText(name);
}

bool SettingsDialog::applyPage()
{
    return m_pages->currentIndex() == 0 ? applyParams() : applyTemplates();
}

bool SettingsDialog::applyParams()
{
    const int row = selectedLottery();
    if (row < 0)
        return true;
    const QString name = m_lotteryList->item(row)->text();
    const QStringList values = editedParams();
    const settings::ParamsCheck check = settings::checkParams(name, values, m_messages);
    if (!check.ok()) {
        m_paramsEditor->setCurrentCell(check.row, 1);
        refuse(check.message);
        return false;
    }
    IniFile ini(m_folder.configPath());
    if (!settings::writeParams(ini, name, values)) {
        reportWriteError(ini.lastError());
        return false;
    }
    return true;
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
    }
    IniFile ini(m_folder.configPath());
    const QString section = settings::systemSection(ini.load(), m_systemLotteryList->item(row)->text());
    if (!settings::writeSystems(ini, section, rows)) {
        reportWriteError(ini.lastError());
        return false;
    }
    return true;
}

void SettingsDialog::acceptSettings()
{
    // Refuse before anything is written, so a refused OK leaves the file untouched.
    if (m_pages->currentIndex() == 0 && selectedLottery() >= 0) {
        const settings::ParamsCheck check = settings::checkParams(
            m_lotteryList->item(selectedLottery())->text(), editedParams(), m_messages);
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
    if (!settings::writeList(ini, list)) {
        reportWriteError(ini.lastError());
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

void SettingsDialog::refuse(const QString &text)
{
    m_services.showMessage(this, text, PlatformServices::MessageKind::Warning);
}

void SettingsDialog::reportWriteError(const QString &reason)
{
    m_services.showMessage(this, m_messages("Str56").arg(reason), PlatformServices::MessageKind::Error);
}

} // namespace kivora
