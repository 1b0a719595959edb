#include "ui/WaitWindow.h"

#include "ui/Pictures.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace kivora {

WaitWindow::WaitWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("WaitWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(220, 90);
}

void WaitWindow::showCentred()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    repaint();
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
        p.drawPixmap(30 + i * 42, 14, pictures::picture(pictures[i]).pixmap(28, 28));
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRect(0, 50, width(), 30), Qt::AlignCenter, m_text);
}

} // namespace kivora
