#include "ui/WaitWindow.h"

#include "ui/Pictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace kivora {

WaitWindow::WaitWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("WaitWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(240, 124);
    m_cancel = new QPushButton(QStringLiteral("Отмена"), this);
    m_cancel->setObjectName(QStringLiteral("WaitCancel"));
    m_cancel->setProperty("notTranslated", true); // the catalogue gives its caption
    m_cancel->setGeometry(width() / 2 - 50, 88, 100, 28);
    connect(m_cancel, &QPushButton::clicked, this, &WaitWindow::cancelRequested);
}

void WaitWindow::setCancelText(const QString &text)
{
    m_cancel->setText(text);
}

void WaitWindow::showCentred()
{
    const QWidget *owner = parentWidget();
    const QScreen *screen = owner ? owner->screen() : QApplication::primaryScreen();
    if (owner && owner->isVisible())
        move(owner->geometry().center() - rect().center());
    else if (screen)
        move(screen->geometry().center() - rect().center());
    show();
    raise();
}

void WaitWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit cancelRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WaitWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(255, 255, 230));
    p.setPen(QPen(QColor(128, 0, 0), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    const int pictures[4] = { 3, 1, 4, 0 };
    for (int i = 0; i < 4; ++i)
        p.drawPixmap(40 + i * 42, 14, pictures::picture(pictures[i]).pixmap(28, 28));
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRect(0, 50, width(), 30), Qt::AlignCenter, m_text);
}

} // namespace kivora
