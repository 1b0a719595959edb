#include "ui/dialogs/Unitsettings.h"

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

TFormSettings::TFormSettings(
    const ProgramFolder &folder, const MessageCatalog &messages, PlatformServices &services, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_messages(messages)
    , m_services(services)
{
    setObjectName(QStringLiteral("FormSettings"));
    setWindowTitle(QStringLiteral("Настройка программы Kivora"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget(PageControl1);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    createLotteryPage(TabSheet1);
    createTemplatePage(TabSheet2);
    PageControl1->addTab(TabSheet1, QStringLiteral("Список лотерей"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Шаблоны систем"));

    BitBtn5 = button(this, "BitBtn5", QStringLiteral("&Применить"));
    BitBtn4 = button(this, "BitBtn4", QStringLiteral("OK"));
    BitBtn3 = button(this, "BitBtn3", QStringLiteral("Отмена"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn5);
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);
    resize(720, 440);

    connect(BitBtn1, &QPushButton::clicked, this, &TFormSettings::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormSettings::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TFormSettings::BitBtn5Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFormSettings::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormSettings::BitBtn3Click);
    connect(TemplateAddBtn, &QPushButton::clicked, this, &TFormSettings::TemplateAddClick);
    connect(TemplateDeleteBtn, &QPushButton::clicked, this, &TFormSettings::TemplateDeleteClick);
    connect(ListViewLoto, &QListWidget::itemSelectionChanged, this, &TFormSettings::ListViewLotoSelectItem);
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &TFormSettings::ListView1SelectItem);
    connect(TemplateListEditor, &QTableWidget::itemChanged, this, &TFormSettings::TemplateListEditorChanged);

    // The list is read once; later openings show it as the user left it.
    fillLotteryList();
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFormSettings::PageControl1Change);
}

void TFormSettings::createLotteryPage(QWidget *page)
{
    ListViewLoto = new QListWidget(page);
    ListViewLoto->setObjectName(QStringLiteral("ListViewLoto"));
    ListViewLoto->setSelectionMode(QAbstractItemView::SingleSelection);
    ListViewLoto->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    auto *delegate = new LotteryNameDelegate(this);
    delegate->onEdited = [this](int row, const QString &text) { ListViewLotoEdited(row, text); };
    ListViewLoto->setItemDelegate(delegate);

    BitBtn1 = button(page, "BitBtn1", QStringLiteral("Добавить"));
    BitBtn1->setDefault(true);
    BitBtn2 = button(page, "BitBtn2", QStringLiteral("Удалить"));

    ParamsListEditor = new QTableWidget(settings::kParamCount, 2, page);
    ParamsListEditor->setProperty("translatableRows", true); // the row captions
    ParamsListEditor->setObjectName(QStringLiteral("ParamsListEditor"));
    ParamsListEditor->setHorizontalHeaderLabels({ QStringLiteral("Параметр"), QStringLiteral("Значение") });
    ParamsListEditor->verticalHeader()->hide();
    ParamsListEditor->setSelectionMode(QAbstractItemView::SingleSelection);
    ParamsListEditor->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ParamsListEditor->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ParamsListEditor->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < settings::kParamCount; ++row) {
        ParamsListEditor->setItem(row, 0, fixedItem(settings::paramCaptions().at(row)));
        ParamsListEditor->setItem(row, 1, new QTableWidgetItem(settings::paramDefaults().at(row)));
    }

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(BitBtn1);
    listButtons->addWidget(BitBtn2);
    auto *left = new QVBoxLayout;
    left->addWidget(ListViewLoto, 1);
    left->addLayout(listButtons);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(ParamsListEditor, 3);
}

void TFormSettings::createTemplatePage(QWidget *page)
{
    ListView1 = new QListWidget(page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    TemplateListEditor = new QTableWidget(0, 2, page);
    TemplateListEditor->setObjectName(QStringLiteral("TemplateListEditor"));
    TemplateListEditor->setHorizontalHeaderLabels(
        { QStringLiteral("Название системы"), QStringLiteral("Файл шаблона системы") });
    TemplateListEditor->verticalHeader()->hide();
    TemplateListEditor->setSelectionMode(QAbstractItemView::SingleSelection);
    TemplateListEditor->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    TemplateAddBtn = button(page, "TemplateAddBtn", QStringLiteral("Добавить систему"));
    TemplateDeleteBtn = button(page, "TemplateDeleteBtn", QStringLiteral("Удалить систему"));
    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(TemplateAddBtn);
    rowButtons->addWidget(TemplateDeleteBtn);
    rowButtons->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(TemplateListEditor, 1);
    right->addLayout(rowButtons);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(ListView1, 1);
    layout->addLayout(right, 3);
}

void TFormSettings::fillLotteryList()
{
    ListViewLoto->clear();
    for (const LotteryEntry &entry : lotteries::readList(IniFile(m_folder.configPath()).load())) {
        auto *item = new QListWidgetItem(entry.name, ListViewLoto);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
        item->setCheckState(entry.shown ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList TFormSettings::lotteryNames(int exceptRow) const
{
    QStringList names;
    for (int row = 0; row < ListViewLoto->count(); ++row) {
        if (row != exceptRow)
            names.append(ListViewLoto->item(row)->text());
    }
    return names;
}

int TFormSettings::selectedLottery() const
{
    const QList<QListWidgetItem *> selected = ListViewLoto->selectedItems();
    return selected.isEmpty() ? -1 : ListViewLoto->row(selected.first());
}

int TFormSettings::selectedTemplateLottery() const
{
    const QList<QListWidgetItem *> selected = ListView1->selectedItems();
    return selected.isEmpty() ? -1 : ListView1->row(selected.first());
}

void TFormSettings::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PageControl1Change(PageControl1->currentIndex());
}

void TFormSettings::PageControl1Change(int index)
{
    if (index == 0)
        TabSheet1Show();
    else
        TabSheet2Show();
}

void TFormSettings::TabSheet1Show()
{
    if (ListViewLoto->count() > 0)
        ListViewLoto->setCurrentRow(0);
    // Values typed but not applied are dropped: the editor shows the file again.
    ListViewLotoSelectItem();
}

void TFormSettings::TabSheet2Show()
{
    ListView1->clear();
    ListView1->addItems(lotteryNames());
    if (ListView1->count() > 0)
        ListView1->setCurrentRow(0);
    ListView1SelectItem();
}

void TFormSettings::ListViewLotoSelectItem()
{
    const int row = selectedLottery();
    // Losing the selection reads the last lottery's values afresh.
    if (row >= 0)
        m_paramsOwner = ListViewLoto->item(row);
    if (!m_paramsOwner) {
        showParams(settings::paramDefaults());
        return;
    }
    showParams(settings::readParams(IniFile(m_folder.configPath()).load(), m_paramsOwner->text()));
}

void TFormSettings::ListView1SelectItem()
{
    const int row = selectedTemplateLottery();
    if (row < 0)
        return;
    const IniDocument ini = IniFile(m_folder.configPath()).load();
    const QString section = settings::systemSection(ini, ListView1->item(row)->text());
    m_fillingTemplates = true;
    TemplateListEditor->setRowCount(0);
    for (const settings::SystemRow &system : settings::readSystems(ini, section)) {
        const int at = TemplateListEditor->rowCount();
        TemplateListEditor->insertRow(at);
        auto *name = new QTableWidgetItem(system.name);
        name->setData(Qt::UserRole, system.name);
        TemplateListEditor->setItem(at, 0, name);
        TemplateListEditor->setItem(at, 1, new QTableWidgetItem(system.file));
    }
    m_fillingTemplates = false;
}

void TFormSettings::showParams(const QStringList &values)
{
    for (int row = 0; row < settings::kParamCount; ++row)
        ParamsListEditor->item(row, 1)->setText(values.value(row));
}

QStringList TFormSettings::editedParams() const
{
    QStringList values;
    for (int row = 0; row < settings::kParamCount; ++row)
        values.append(ParamsListEditor->item(row, 1)->text());
    return values;
}

void TFormSettings::BitBtn1Click()
{
    auto *item = new QListWidgetItem(settings::newLotteryName(lotteryNames()), ListViewLoto);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setCheckState(Qt::Checked);
}

void TFormSettings::BitBtn2Click()
{
    const int row = selectedLottery();
    if (row < 0)
        return;
    QListWidgetItem *item = ListViewLoto->item(row);
    IniFile ini(m_folder.configPath());
    if (!settings::deleteLottery(ini, item->text())) {
        reportWriteError(ini.lastError());
        return;
    }
    if (item == m_paramsOwner)
        m_paramsOwner = nullptr;
    delete ListViewLoto->takeItem(row);
    TabSheet1Show();
}

void TFormSettings::ListViewLotoEdited(int row, const QString &newName)
{
    QListWidgetItem *item = ListViewLoto->item(row);
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
            ParamsListEditor->setCurrentCell(check.row, 1);
        refuse(check.message);
        return;
    }
    if (!settings::renameLottery(ini, oldName, name, values)) {
        reportWriteError(ini.lastError());
        return;
    }
    item->setText(name);
}

bool TFormSettings::BitBtn5Click()
{
    return PageControl1->currentIndex() == 0 ? applyParams() : applyTemplates();
}

bool TFormSettings::applyParams()
{
    const int row = selectedLottery();
    if (row < 0)
        return true;
    const QString name = ListViewLoto->item(row)->text();
    const QStringList values = editedParams();
    const settings::ParamsCheck check = settings::checkParams(name, values, m_messages);
    if (!check.ok()) {
        ParamsListEditor->setCurrentCell(check.row, 1);
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

bool TFormSettings::applyTemplates()
{
    const int row = selectedTemplateLottery();
    if (row < 0)
        return true;
    QList<settings::SystemRow> rows;
    for (int r = 0; r < TemplateListEditor->rowCount(); ++r) {
        const QTableWidgetItem *name = TemplateListEditor->item(r, 0);
        const QTableWidgetItem *file = TemplateListEditor->item(r, 1);
        rows.append({ name ? name->text() : QString(), file ? file->text() : QString() });
    }
    IniFile ini(m_folder.configPath());
    const QString section = settings::systemSection(ini.load(), ListView1->item(row)->text());
    if (!settings::writeSystems(ini, section, rows)) {
        reportWriteError(ini.lastError());
        return false;
    }
    return true;
}

void TFormSettings::BitBtn4Click()
{
    // Refuse before anything is written, so a refused OK leaves the file untouched.
    if (PageControl1->currentIndex() == 0 && selectedLottery() >= 0) {
        const settings::ParamsCheck check = settings::checkParams(
            ListViewLoto->item(selectedLottery())->text(), editedParams(), m_messages);
        if (!check.ok()) {
            ParamsListEditor->setCurrentCell(check.row, 1);
            refuse(check.message);
            return;
        }
    }
    QList<LotteryEntry> list;
    for (int row = 0; row < ListViewLoto->count(); ++row) {
        const QListWidgetItem *item = ListViewLoto->item(row);
        list.append({ item->text(), item->checkState() == Qt::Checked });
    }
    IniFile ini(m_folder.configPath());
    if (!settings::writeList(ini, list)) {
        reportWriteError(ini.lastError());
        return;
    }
    if (!BitBtn5Click())
        return;
    m_services.showMessage(this, m_messages("Str52"), PlatformServices::MessageKind::Information);
    accept();
}

void TFormSettings::BitBtn3Click()
{
    reject();
}

void TFormSettings::TemplateAddClick()
{
    const int row = TemplateListEditor->rowCount();
    m_fillingTemplates = true;
    TemplateListEditor->insertRow(row);
    auto *name = new QTableWidgetItem;
    name->setData(Qt::UserRole, QString());
    TemplateListEditor->setItem(row, 0, name);
    TemplateListEditor->setItem(row, 1, new QTableWidgetItem);
    m_fillingTemplates = false;
    TemplateListEditor->setCurrentCell(row, 0);
    if (TemplateListEditor->isVisible())
        TemplateListEditor->editItem(name);
}

void TFormSettings::TemplateDeleteClick()
{
    const int row = TemplateListEditor->currentRow();
    if (row >= 0)
        TemplateListEditor->removeRow(row);
}

void TFormSettings::TemplateListEditorChanged(QTableWidgetItem *item)
{
    if (m_fillingTemplates || item->column() != 0)
        return;
    QStringList others;
    for (int row = 0; row < TemplateListEditor->rowCount(); ++row) {
        const QTableWidgetItem *other = TemplateListEditor->item(row, 0);
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

void TFormSettings::refuse(const QString &text)
{
    m_services.showMessage(this, text, PlatformServices::MessageKind::Warning);
}

void TFormSettings::reportWriteError(const QString &reason)
{
    m_services.showMessage(this, m_messages("Str56").arg(reason), PlatformServices::MessageKind::Error);
}

} // namespace kivora
