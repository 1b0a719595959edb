#include "ui/dialogs/CataloguePicker.h"

#include "core/MessageCatalog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivora {

namespace {

QString itemText(const CatalogueGame &game)
{
    QString text = game.name;
    if (!game.russianName.isEmpty() && game.russianName != game.name)
        text += QStringLiteral(" — ") + game.russianName;
    return text + QStringLiteral("  (") + game.country + QStringLiteral(", ") + game.matrixText()
        + QLatin1Char(')');
}

} // namespace

CataloguePicker::CataloguePicker(QList<CatalogueGame> games, const MessageCatalog &messages, QWidget *parent)
    : QDialog(parent)
    , m_games(std::move(games))
{
    setObjectName(QStringLiteral("CataloguePicker"));
    setWindowTitle(messages("Str592"));
    auto *label = new QLabel(messages("Str593"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("CatalogueFind"));
    label->setBuddy(m_find);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("CatalogueList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    m_okButton->setObjectName(QStringLiteral("CatalogueOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CatalogueCancel"));

    auto *find = new QHBoxLayout;
    find->addWidget(label);
    find->addWidget(m_find, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(find);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(560, 420);

    connect(m_find, &QLineEdit::textChanged, this, &CataloguePicker::setFilter);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CataloguePicker::updateButtons);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fill();
}

void CataloguePicker::fill()
{
    for (int index = 0; index < m_games.size(); ++index) {
        auto *item = new QListWidgetItem(itemText(m_games.at(index)), m_list);
        item->setData(Qt::UserRole, index);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    updateButtons();
}

void CataloguePicker::setFilter(const QString &text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem *firstShown = nullptr;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const CatalogueGame &game = m_games.at(item->data(Qt::UserRole).toInt());
        const bool shown = wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive)
            || game.operatorName.contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !firstShown)
            firstShown = item;
    }
    // The selection follows the filter: a hidden game is never the one chosen.
    QListWidgetItem *current = m_list->currentItem();
    if (!current || current->isHidden())
        m_list->setCurrentItem(firstShown);
    if (!firstShown)
        m_list->clearSelection();
    updateButtons();
}

const CatalogueGame *CataloguePicker::chosenGame() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (result() != QDialog::Accepted || selected.isEmpty() || selected.first()->isHidden())
        return nullptr;
    return &m_games.at(selected.first()->data(Qt::UserRole).toInt());
}

void CataloguePicker::updateButtons()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    m_okButton->setEnabled(!selected.isEmpty() && !selected.first()->isHidden());
}

} // namespace kivora
