// The settings dialog's first page: the lottery list and the values of the selected lottery.

#include "ui/dialogs/SettingsDialog.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/SettingsStore.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/CataloguePicker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
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

// Rows of the parameter editor: the count of additional numbers and their bounds.
constexpr int kAdditionalCountRow = 3;
constexpr int kAdditionalMinRow = 4;
constexpr int kAdditionalMaxRow = 5;

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

void SettingsDialog::createLotteryPage(QWidget *page)
{
    m_lotteryList = new QListWidget(page);
    m_lotteryList->setObjectName(QStringLiteral("ListViewLoto"));
    m_lotteryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lotteryList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    auto *delegate = new LotteryNameDelegate(this);
    delegate->onEdited = [this](int row, const QString &text) { onLotteryRenamed(row, text); };
    m_lotteryList->setItemDelegate(delegate);

    m_addLotteryButton = makeButton(page, "BitBtn1", QStringLiteral("Добавить"));
    m_deleteLotteryButton = makeButton(page, "BitBtn2", QStringLiteral("Удалить"));
    m_catalogueButton = makeButton(page, "CatalogueBtn", QStringLiteral("Добавить из каталога…"));
    connect(m_catalogueButton, &QPushButton::clicked, this, &SettingsDialog::addFromCatalogue);

    m_paramsEditor = new QTableWidget(settings::kParamCount, 2, page);
    m_paramsEditor->setProperty("translatableRows", true); // the row captions
    m_paramsEditor->setObjectName(QStringLiteral("ParamsListEditor"));
    m_paramsEditor->setHorizontalHeaderLabels({ QStringLiteral("Параметр"), QStringLiteral("Значение") });
    m_paramsEditor->verticalHeader()->hide();
    m_paramsEditor->setSelectionMode(QAbstractItemView::SingleSelection);
    m_paramsEditor->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_paramsEditor->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_paramsEditor->horizontalHeader()->setStretchLastSection(true);
    // A long value (the results address) wraps inside its cell instead of being cut.
    m_paramsEditor->setWordWrap(true);
    m_paramsEditor->setTextElideMode(Qt::ElideNone);
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
    left->addWidget(m_catalogueButton);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(m_paramsEditor, 3);
    connect(m_paramsEditor, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == 1 && item->row() == kAdditionalCountRow)
            showAdditionalRows();
    });
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

void SettingsDialog::showLotteryPage()
{
    int row = m_lotteryList->count() > 0 ? 0 : -1;
    for (int i = 0; i < m_lotteryList->count(); ++i) {
        if (!m_shownLottery.isEmpty() && m_lotteryList->item(i)->text() == m_shownLottery)
            row = i;
    }
    if (row >= 0)
        m_lotteryList->setCurrentRow(row);
    // The editor shows the file again, unless the user keeps typed values.
    if (!paramsEdited())
        showOwnerParams();
}

void SettingsDialog::onLotterySelected()
{
    const int row = selectedLottery();
    // Losing the selection keeps the editor as it is.
    QListWidgetItem *next = row >= 0 ? m_lotteryList->item(row) : m_paramsOwner;
    if (next != m_paramsOwner && !releaseParams()) {
        const QSignalBlocker block(m_lotteryList);
        m_lotteryList->setCurrentItem(m_paramsOwner);
        return;
    }
    m_paramsOwner = next;
    if (m_paramsOwner && !m_shownLottery.isEmpty())
        m_shownLottery = m_paramsOwner->text();
    showOwnerParams();
}

void SettingsDialog::showOwnerParams()
{
    if (!m_paramsOwner) {
        showParams(settings::paramDefaults());
        return;
    }
    showParams(settings::readParams(IniFile(m_folder.configPath()).load(), m_paramsOwner->text()));
}

bool SettingsDialog::paramsEdited() const
{
    if (!m_paramsOwner)
        return false;
    return editedParams()
        != settings::readParams(IniFile(m_folder.configPath()).load(), m_paramsOwner->text());
}

bool SettingsDialog::releaseParams()
{
    if (!paramsEdited())
        return true;
    switch (m_services.askToSave(this, m_messages("Str122").arg(m_paramsOwner->text()))) {
    case PlatformServices::SaveChoice::Save:
        return applyParams();
    case PlatformServices::SaveChoice::Discard:
        return true;
    case PlatformServices::SaveChoice::Cancel:
        break;
    }
    return false;
}

void SettingsDialog::showParams(const QStringList &values)
{
    for (int row = 0; row < settings::kParamCount; ++row) {
        QTableWidgetItem *item = m_paramsEditor->item(row, 1);
        item->setText(values.value(row));
        item->setToolTip(values.value(row));
    }
    showAdditionalRows();
    m_paramsEditor->resizeRowsToContents();
}

void SettingsDialog::showAdditionalRows()
{
    const bool none = m_paramsEditor->item(kAdditionalCountRow, 1)->text().trimmed().toInt() <= 0;
    m_paramsEditor->setRowHidden(kAdditionalMinRow, none);
    m_paramsEditor->setRowHidden(kAdditionalMaxRow, none);
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
    if (!m_services.confirm(this, m_messages("Str123").arg(item->text())))
        return;
    IniFile ini(m_folder.configPath());
    if (const Done written = settings::deleteLottery(ini, item->text()); !written) {
        reportFailure(written.failure());
        return;
    }
    if (item == m_paramsOwner)
        m_paramsOwner = nullptr;
    m_catalogueRows.remove(item);
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
    if (const Done written = settings::renameLottery(ini, oldName, name, values); !written) {
        reportFailure(written.failure());
        return;
    }
    item->setText(name);
}

bool SettingsDialog::applyParams()
{
    // The editor's values belong to the lottery they were read for.
    if (!m_paramsOwner)
        return true;
    const QString name = m_paramsOwner->text();
    const QStringList values = editedParams();
    const settings::ParamsCheck check = settings::checkParams(name, values, m_messages);
    if (!check.ok()) {
        m_paramsEditor->setCurrentCell(check.row, 1);
        refuse(check.message);
        return false;
    }
    IniFile ini(m_folder.configPath());
    if (const Done written = settings::writeParams(ini, name, values); !written) {
        reportFailure(written.failure());
        return false;
    }
    // A game of the catalogue gets its results file, import profile and base once its
    // values are in the file.
    const auto game = m_catalogueRows.constFind(m_paramsOwner);
    if (game != m_catalogueRows.constEnd()) {
        const Outcome<catalogue::AddedLottery> added
            = catalogue::completeLottery(m_folder, name, *game, m_messages);
        if (!added) {
            reportFailure(added.failure());
            return false;
        }
        m_catalogueRows.erase(game);
    }
    return true;
}

void SettingsDialog::addFromCatalogue()
{
    const Catalogue catalogue = catalogue::load(m_folder, m_messages);
    if (!catalogue.error.isEmpty()) {
        refuse(catalogue.error);
        return;
    }
    auto *picker = new CataloguePicker(catalogue.games, m_messages, this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &QDialog::accepted, this, [this, picker] {
        if (const CatalogueGame *game = picker->chosenGame())
            addCatalogueGame(*game);
    });
    picker->open();
}

void SettingsDialog::addCatalogueGame(const CatalogueGame &game)
{
    const QString problem = settings::lotteryNameProblem(game.name, lotteryNames(), m_messages);
    if (!problem.isEmpty()) {
        refuse(problem);
        return;
    }
    // Values typed for another lottery are settled before the editor shows the game's.
    if (!releaseParams())
        return;
    auto *item = new QListWidgetItem(game.name.trimmed(), m_lotteryList);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setCheckState(Qt::Checked);
    m_catalogueRows.insert(item, game);
    {
        const QSignalBlocker block(m_lotteryList);
        m_lotteryList->setCurrentItem(item);
    }
    m_paramsOwner = item;
    showParams(catalogue::definitionValues(m_folder, game));
}

} // namespace kivora
