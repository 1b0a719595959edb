// The tool bar above the views and the filter bar under it.

#include "ui/MainWindow.h"

#include "ui/Pictures.h"

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

QWidget *MainWindow::createToolbar()
{
    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(m_toolbar);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);

    m_addButton = toolButton(m_toolbar, "BitBtn5", "add", QStringLiteral("Добавить результаты розыгрыша"));
    m_clearButton = toolButton(m_toolbar, "BitBtn6", "clear", QStringLiteral("Снять все пометки с номеров"));
    m_randomButton
        = toolButton(m_toolbar, "BitBtn1", "random", QStringLiteral("Номера выберет компьютер случайно"));
    m_statButton = toolButton(m_toolbar, "BitBtn3", "stat", QStringLiteral("Статистика"));
    auto *systemLabel = new QLabel(QStringLiteral("Система"), m_toolbar);
    systemLabel->setObjectName(QStringLiteral("Label1"));
    m_systemBox = new QComboBox(m_toolbar);
    m_systemBox->setObjectName(QStringLiteral("ComboBox1"));
    m_systemBox->setToolTip(QStringLiteral("Выберите систему по которой хотите играть"));
    m_systemBox->setMaxVisibleItems(30);
    m_systemBox->setMinimumContentsLength(28);
    m_systemBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    systemLabel->setBuddy(m_systemBox);
    m_saveButton = toolButton(m_toolbar, "BitBtn4", "save", QStringLiteral("Сохранить выбранные комбинации"));
    m_checkButton = toolButton(m_toolbar, "BitBtn2", "check",
        QStringLiteral("Проверить сохраненные комбинации с результатами розыгрыша"));
    m_exitButton = toolButton(m_toolbar, "BitBtn7", "exit", QStringLiteral("Выход из программы"));
    m_markAllButton = toolButton(m_toolbar, "BitBtn8", "all", QStringLiteral("Выбрать все номера"));
    m_webButton
        = toolButton(m_toolbar, "BitBtn9", "web", QStringLiteral("Посмотреть результаты в Интернете"));

    for (QWidget *w : { static_cast<QWidget *>(m_addButton), static_cast<QWidget *>(m_clearButton),
             static_cast<QWidget *>(m_randomButton), static_cast<QWidget *>(m_statButton) })
        row->addWidget(w);
    row->addSpacing(8);
    row->addWidget(systemLabel);
    row->addWidget(m_systemBox);
    for (QWidget *w : { static_cast<QWidget *>(m_saveButton), static_cast<QWidget *>(m_checkButton),
             static_cast<QWidget *>(m_exitButton), static_cast<QWidget *>(m_markAllButton),
             static_cast<QWidget *>(m_webButton) })
        row->addWidget(w);
    row->addStretch(1);

    connect(m_addButton, &QToolButton::clicked, this, &MainWindow::addResults);
    connect(m_clearButton, &QToolButton::clicked, this, &MainWindow::clearMarks);
    connect(m_randomButton, &QToolButton::clicked, this, &MainWindow::markRandomNumbers);
    connect(m_statButton, &QToolButton::clicked, this,
        [this] { m_statMenu->popup(m_statButton->mapToGlobal(QPoint(10, m_statButton->height()))); });
    connect(m_systemBox, qOverload<int>(&QComboBox::activated), this, [this] { expandMarkedNumbers(); });
    connect(m_saveButton, &QToolButton::clicked, this, &MainWindow::saveCombinations);
    connect(m_checkButton, &QToolButton::clicked, this, &MainWindow::checkSavedCombinations);
    connect(m_exitButton, &QToolButton::clicked, this, &MainWindow::close);
    connect(m_markAllButton, &QToolButton::clicked, this, &MainWindow::markAllNumbers);
    connect(m_webButton, &QToolButton::clicked, this, &MainWindow::openResultsWebPage);
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
    m_machineBox = new QComboBox(m_filterBar);
    m_machineBox->setObjectName(QStringLiteral("LototronBox"));
    m_machineBox->setEditable(true);
    m_machineBox->setToolTip(QStringLiteral("Выбор лототрона для анализа"));
    m_machineBox->setMinimumContentsLength(8);
    m_ballSetFilter = new QCheckBox(QStringLiteral("Комплект шаров"), m_filterBar);
    m_ballSetFilter->setObjectName(QStringLiteral("komplectCheck"));
    m_ballSetBox = new QComboBox(m_filterBar);
    m_ballSetBox->setObjectName(QStringLiteral("KomplectBox"));
    m_ballSetBox->setEditable(true);
    m_ballSetBox->setToolTip(QStringLiteral("Выбор комплекта шаров для анализа"));
    m_ballSetBox->setMinimumContentsLength(8);
    m_lastDrawsFilter = new QCheckBox(QStringLiteral("Последние"), m_filterBar);
    m_lastDrawsFilter->setObjectName(QStringLiteral("LastDrawBox"));
    m_lastDrawsSpin = new QSpinBox(m_filterBar);
    m_lastDrawsSpin->setObjectName(QStringLiteral("UpDown1"));
    m_lastDrawsSpin->setRange(0, 1 << 30);
    m_lastDrawsSpin->setAccelerated(true);
    m_lastDrawsEdit = m_lastDrawsSpin->findChild<QLineEdit *>();
    m_lastDrawsEdit->setObjectName(QStringLiteral("Edit1"));
    m_lastDrawsEdit->setText(QStringLiteral("0"));
    auto *countLabel = new QLabel(QStringLiteral("розыгрышей"), m_filterBar);
    countLabel->setObjectName(QStringLiteral("Label3"));

    row->addWidget(filterLabel);
    row->addWidget(m_machineFilter);
    row->addWidget(m_machineBox);
    row->addSpacing(10);
    row->addWidget(m_ballSetFilter);
    row->addWidget(m_ballSetBox);
    row->addSpacing(10);
    row->addWidget(m_lastDrawsFilter);
    row->addWidget(m_lastDrawsSpin);
    row->addWidget(countLabel);
    row->addStretch(1);

    for (QCheckBox *box : { m_machineFilter, m_ballSetFilter, m_lastDrawsFilter })
        connect(box, &QCheckBox::toggled, this, [this] { onLotteryTabChanged(); });
    connect(m_machineBox, &QComboBox::currentTextChanged, this, [this] { onMachineFilterChanged(); });
    connect(m_ballSetBox, &QComboBox::currentTextChanged, this, [this] { onBallSetFilterChanged(); });
    connect(m_lastDrawsEdit, &QLineEdit::textChanged, this, [this] { onLastDrawsCountChanged(); });
    return m_filterBar;
}

} // namespace kivora
