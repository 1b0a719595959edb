// The tool bar above the views and the filter bar under it.

#include "ui/MainWindow.h"

#include "ui/Pictures.h"
#include "ui/play/PlayCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

namespace kivora {

namespace {

QToolButton *toolButton(QWidget *parent, const char *name, const char *icon, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(pictures::toolIcon(icon));
    button->setIconSize(QSize(22, 22));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

} // namespace

QToolButton *MainWindow::addToolButton(
    QHBoxLayout *row, const char *name, const char *icon, const QString &hint, std::function<void()> command)
{
    QToolButton *button = toolButton(m_toolbar, name, icon, hint);
    row->addWidget(button);
    if (command)
        connect(button, &QToolButton::clicked, this, [command = std::move(command)] { command(); });
    return button;
}

QWidget *MainWindow::createToolbar()
{
    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(m_toolbar);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);

    // Each button: its language-file name, picture, hint and command.
    m_addButton = addToolButton(
        row, "BitBtn5", "add", QStringLiteral("Добавить результаты розыгрыша"), [this] { addResults(); });
    m_clearButton = addToolButton(row, "BitBtn6", "clear", QStringLiteral("Снять все пометки с номеров"),
        [this] { m_play->clearMarks(); });
    m_randomButton = addToolButton(row, "BitBtn1", "random",
        QStringLiteral("Номера выберет компьютер случайно"), [this] { m_play->markRandomNumbers(); });
    m_statButton = addToolButton(row, "BitBtn3", "stat", QStringLiteral("Статистика"),
        [this] { m_statMenu->popup(m_statButton->mapToGlobal(QPoint(10, m_statButton->height()))); });
    row->addSpacing(8);

    auto *systemLabel = new QLabel(QStringLiteral("Система"), m_toolbar);
    systemLabel->setObjectName(QStringLiteral("Label1"));
    row->addWidget(systemLabel);
    m_systemBox = new QComboBox(m_toolbar);
    m_systemBox->setObjectName(QStringLiteral("ComboBox1"));
    m_systemBox->setToolTip(QStringLiteral("Выберите систему по которой хотите играть"));
    m_systemBox->setMaxVisibleItems(30);
    m_systemBox->setMinimumContentsLength(28);
    m_systemBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    systemLabel->setBuddy(m_systemBox);
    row->addWidget(m_systemBox);

    m_saveButton = addToolButton(row, "BitBtn4", "save", QStringLiteral("Сохранить выбранные комбинации"),
        [this] { m_play->saveCombinations(); });
    m_checkButton = addToolButton(row, "BitBtn2", "check",
        QStringLiteral("Проверить сохраненные комбинации с результатами розыгрыша"),
        [this] { m_play->checkSavedCombinations(); });
    m_exitButton
        = addToolButton(row, "BitBtn7", "exit", QStringLiteral("Выход из программы"), [this] { close(); });
    m_markAllButton = addToolButton(
        row, "BitBtn8", "all", QStringLiteral("Выбрать все номера"), [this] { m_play->markAllNumbers(); });
    m_webButton = addToolButton(row, "BitBtn9", "web", QStringLiteral("Посмотреть результаты в Интернете"),
        [this] { openResultsWebPage(); });
    row->addStretch(1);
    return m_toolbar;
}

QWidget *MainWindow::createFilterBar()
{
    m_filterBar = new QWidget(this);
    m_filterBar->setObjectName(QStringLiteral("Panel2"));
    auto *row = new QHBoxLayout(m_filterBar);
    row->setContentsMargins(4, 0, 4, 0);

    auto *filterLabel = new QLabel(QStringLiteral("Фильтр:"), m_filterBar);
    filterLabel->setObjectName(QStringLiteral("Label2"));
    QFont bold = filterLabel->font();
    bold.setBold(true);
    filterLabel->setFont(bold);

    m_machineFilter = new QCheckBox(QStringLiteral("Лототрон"), m_filterBar);
    m_machineFilter->setObjectName(QStringLiteral("lototroncheck"));
    connect(m_machineFilter, &QCheckBox::toggled, this, [this] { loadCurrentLottery(); });
    m_machineBox = new QComboBox(m_filterBar);
    m_machineBox->setObjectName(QStringLiteral("LototronBox"));
    connect(m_machineBox, &QComboBox::currentTextChanged, this, [this] { onMachineFilterChanged(); });
    m_machineBox->setEditable(true);
    m_machineBox->setToolTip(QStringLiteral("Выбор лототрона для анализа"));
    m_machineBox->setMinimumContentsLength(6);
    m_ballSetFilter = new QCheckBox(QStringLiteral("Комплект шаров"), m_filterBar);
    m_ballSetFilter->setObjectName(QStringLiteral("komplectCheck"));
    connect(m_ballSetFilter, &QCheckBox::toggled, this, [this] { loadCurrentLottery(); });
    m_ballSetBox = new QComboBox(m_filterBar);
    m_ballSetBox->setObjectName(QStringLiteral("KomplectBox"));
    connect(m_ballSetBox, &QComboBox::currentTextChanged, this, [this] { onBallSetFilterChanged(); });
    m_ballSetBox->setEditable(true);
    m_ballSetBox->setToolTip(QStringLiteral("Выбор комплекта шаров для анализа"));
    m_ballSetBox->setMinimumContentsLength(6);
    m_lastDrawsFilter = new QCheckBox(QStringLiteral("Последние"), m_filterBar);
    m_lastDrawsFilter->setObjectName(QStringLiteral("LastDrawBox"));
    connect(m_lastDrawsFilter, &QCheckBox::toggled, this, [this] { loadCurrentLottery(); });
    m_lastDrawsSpin = new QSpinBox(m_filterBar);
    m_lastDrawsSpin->setObjectName(QStringLiteral("UpDown1"));
    m_lastDrawsSpin->setRange(0, 1 << 30);
    m_lastDrawsSpin->setAccelerated(true);
    m_lastDrawsEdit = m_lastDrawsSpin->findChild<QLineEdit *>();
    m_lastDrawsEdit->setObjectName(QStringLiteral("Edit1"));
    connect(m_lastDrawsEdit, &QLineEdit::textChanged, this, [this] { onLastDrawsCountChanged(); });
    m_lastDrawsEdit->setText(QStringLiteral("0"));
    auto *countLabel = new QLabel(QStringLiteral("розыгрышей"), m_filterBar);
    countLabel->setObjectName(QStringLiteral("Label3"));

    row->addWidget(filterLabel);
    row->addWidget(m_machineFilter);
    row->addWidget(m_machineBox);
    row->addSpacing(6);
    row->addWidget(m_ballSetFilter);
    row->addWidget(m_ballSetBox);
    row->addSpacing(6);
    row->addWidget(m_lastDrawsFilter);
    row->addWidget(m_lastDrawsSpin);
    row->addWidget(countLabel);
    row->addStretch(1);

    return m_filterBar;
}

} // namespace kivora
