#include "ui/Pictures.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace kivora::pictures {

namespace {

QColor ballColour(int index)
{
    switch (index) {
    case 0:
        return QColor(0, 0, 255);
    case 1:
        return QColor(230, 200, 0);
    case 2:
        return QColor(220, 0, 0);
    case 3:
        return QColor(128, 0, 128);
    case 4:
        return QColor(0, 128, 0);
    default:
        return QColor(120, 120, 120);
    }
}

void drawBall(QPainter &p, const QRectF &r, const QColor &colour)
{
    QRadialGradient gradient(r.left() + r.width() * 0.35, r.top() + r.height() * 0.35, r.width() * 0.7);
    gradient.setColorAt(0, colour.lighter(170));
    gradient.setColorAt(1, colour);
    p.setBrush(gradient);
    p.setPen(QPen(colour.darker(150), 0.8));
    p.drawEllipse(r);
}

QPixmap ballPixmap(int index)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 5) {
        drawBall(p, QRectF(1, 4, 9, 9), ballColour(5));
        drawBall(p, QRectF(6, 2, 9, 9), ballColour(5).lighter(120));
    } else {
        drawBall(p, QRectF(2, 2, 12, 12), ballColour(index));
    }
    return pixmap;
}

} // namespace

QIcon picture(int index)
{
    static QHash<int, QIcon> cache;
    if (index < 0)
        return {};
    auto it = cache.find(index);
    if (it == cache.end())
        it = cache.insert(index, QIcon(ballPixmap(index)));
    return it.value();
}

int pictureForNumber(int n)
{
    if (n > 100)
        return -1;
    if (n <= 10)
        return 3;
    static const int cycle[4] = { 3, 1, 4, 0 };
    return cycle[((n - 1) / 10) % 4];
}

QIcon toolIcon(const char *name)
{
    QStyle *style = QApplication::style();
    const QByteArray key(name);
    if (key == "add")
        return style->standardIcon(QStyle::SP_FileDialogNewFolder);
    if (key == "clear")
        return style->standardIcon(QStyle::SP_DialogResetButton);
    if (key == "random")
        return style->standardIcon(QStyle::SP_BrowserReload);
    if (key == "save")
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (key == "check")
        return style->standardIcon(QStyle::SP_DialogApplyButton);
    if (key == "exit")
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    if (key == "all")
        return style->standardIcon(QStyle::SP_DialogYesButton);
    if (key == "web")
        return style->standardIcon(QStyle::SP_DriveNetIcon);
    if (key == "update")
        return style->standardIcon(QStyle::SP_ArrowDown);
    if (key == "stat")
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    return {};
}

} // namespace kivora::pictures
