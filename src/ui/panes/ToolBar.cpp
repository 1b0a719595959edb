#include "ui/panes/ToolBar.h"

#include "ui/Pictures.h"
#include "ui/panes/PaneViews.h"
#include "ui/panes/SystemFilter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace kivora {

namespace {

constexpr QSize kIconSize(22, 22);

// The picture centred on a canvas of the buttons' icon size: the styles' pictures come
// in differing sizes, and captions under them would not line up.
QIcon evenIcon(const QIcon &icon)
{
    if (icon.isNull())
        return icon;
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap canvas((QSizeF(kIconSize) * ratio).toSize());
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    const QPixmap picture = icon.pixmap(kIconSize, ratio);
    const QSizeF shown = picture.deviceIndependentSize();
    QPainter painter(&canvas);
    painter.drawPixmap(
        QPointF((kIconSize.width() - shown.width()) / 2, (kIconSize.height() - shown.height()) / 2), picture);
    painter.end();
    return QIcon(canvas);
}

} // namespace

ToolBar::ToolBar(QWidget *parent)
    : QWidget(parent)
{
    QHBoxLayout *row = paneviews::barRow(this, "Panel1", 2);
    row->setSpacing(2);

    // Each button: its language-file name, picture and hint.
    m_addButton = addButton(
        row, "BitBtn5", "add", QStringLiteral("Добавить"), QStringLiteral("Добавить результаты розыгрыша"));
    connect(m_addButton, &QToolButton::clicked, this, &ToolBar::addResultsClicked);
    m_clearButton = addButton(
        row, "BitBtn6", "clear", QStringLiteral("Очистить"), QStringLiteral("Снять все пометки с номеров"));
    connect(m_clearButton, &QToolButton::clicked, this, &ToolBar::clearMarksClicked);
    m_randomButton = addButton(row, "BitBtn1", "random", QStringLiteral("Случайно"),
        QStringLiteral("Номера выберет компьютер случайно"));
    connect(m_randomButton, &QToolButton::clicked, this, &ToolBar::randomClicked);
    m_statButton
        = addButton(row, "BitBtn3", "stat", QStringLiteral("Статистика"), QStringLiteral("Статистика"));
    connect(m_statButton, &QToolButton::clicked, this, &ToolBar::popupStatisticsMenu);
    row->addSpacing(8);

    auto *systemLabel = new QLabel(QStringLiteral("Система"), this);
    systemLabel->setObjectName(QStringLiteral("Label1"));
    row->addWidget(systemLabel);
    m_systemBox = new QComboBox(this);
    m_systemBox->setObjectName(QStringLiteral("ComboBox1"));
    connect(m_systemBox, qOverload<int>(&QComboBox::activated), this, &ToolBar::systemActivated);
    m_systemBox->setToolTip(QStringLiteral("Выберите систему по которой хотите играть"));
    m_systemBox->setMaxVisibleItems(30);
    m_systemBox->setMinimumContentsLength(28);
    m_systemBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    systemLabel->setBuddy(m_systemBox);
    row->addWidget(m_systemBox);
    m_systemFilter = new SystemFilter(m_systemBox, this);
    row->addWidget(m_systemFilter);

    m_saveButton = addButton(row, "BitBtn4", "save", QStringLiteral("Сохранить"),
        QStringLiteral("Сохранить выбранные комбинации"));
    connect(m_saveButton, &QToolButton::clicked, this, &ToolBar::saveClicked);
    m_checkButton = addButton(row, "BitBtn2", "check", QStringLiteral("Проверить"),
        QStringLiteral("Проверить сохраненные комбинации с результатами розыгрыша"));
    connect(m_checkButton, &QToolButton::clicked, this, &ToolBar::checkClicked);
    m_markAllButton
        = addButton(row, "BitBtn8", "all", QStringLiteral("Все"), QStringLiteral("Выбрать все номера"));
    connect(m_markAllButton, &QToolButton::clicked, this, &ToolBar::markAllClicked);
    m_webButton = addButton(row, "BitBtn9", "web", QStringLiteral("Интернет"),
        QStringLiteral("Посмотреть результаты в Интернете"));
    connect(m_webButton, &QToolButton::clicked, this, &ToolBar::webClicked);
    m_updateButton = addButton(row, "BitBtnUpdate", "update", QStringLiteral("Обновить"),
        QStringLiteral("Загрузить новые результаты лотереи с её адреса и добавить их в базу"));
    connect(m_updateButton, &QToolButton::clicked, this, &ToolBar::updateResultsClicked);
    // Leaving the program stands apart, at the end.
    row->addStretch(1);
    m_exitButton
        = addButton(row, "BitBtn7", "exit", QStringLiteral("Выход"), QStringLiteral("Выход из программы"));
    connect(m_exitButton, &QToolButton::clicked, this, &ToolBar::exitClicked);

    m_captionsAction = new QAction(QStringLiteral("Подписи под &кнопками"), this);
    m_captionsAction->setObjectName(QStringLiteral("N20Captions"));
    m_captionsAction->setCheckable(true);
    connect(m_captionsAction, &QAction::toggled, this, &ToolBar::setCaptionsShown);
}

QToolButton *ToolBar::addButton(
    QHBoxLayout *row, const char *name, const char *icon, const QString &caption, const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setIcon(evenIcon(pictures::toolIcon(icon)));
    button->setIconSize(kIconSize);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

void ToolBar::popupStatisticsMenu()
{
    if (m_statisticsMenu)
        m_statisticsMenu->popup(m_statButton->mapToGlobal(QPoint(10, m_statButton->height())));
}

void ToolBar::setCaptionsShown(bool shown)
{
    const Qt::ToolButtonStyle style = shown ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly;
    // Captions widen every button: the system box gives up some of its width so that the
    // row still fits a 1366-pixel screen.
    m_systemBox->setMinimumContentsLength(shown ? 20 : 28);
    for (QToolButton *button : findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
        button->setToolButtonStyle(style);
    const QSignalBlocker block(m_captionsAction);
    m_captionsAction->setChecked(shown);
}

bool ToolBar::captionsShown() const
{
    return m_captionsAction->isChecked();
}

void ToolBar::setCommandsEnabled(bool enabled)
{
    for (QWidget *control : { static_cast<QWidget *>(m_addButton), static_cast<QWidget *>(m_clearButton),
             static_cast<QWidget *>(m_randomButton), static_cast<QWidget *>(m_statButton),
             static_cast<QWidget *>(m_systemBox), static_cast<QWidget *>(m_saveButton),
             static_cast<QWidget *>(m_checkButton), static_cast<QWidget *>(m_markAllButton),
             static_cast<QWidget *>(m_webButton), static_cast<QWidget *>(m_updateButton) })
        control->setEnabled(enabled);
}

} // namespace kivora
