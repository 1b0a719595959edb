#include "ui/dialogs/TitleWidth.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kivora {

namespace {

class TitleWidthKeeper final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
            auto *window = static_cast<QWidget *>(watched);
            const int width = widthForTitle(window);
            if (window->minimumWidth() < width)
                window->setMinimumWidth(width);
        }
        return false;
    }
};

} // namespace

int widthForTitle(const QWidget *window)
{
    // Title bars use a bold font on most desktops: measure as if, with room for the
    // window's icon and the three buttons at the right.
    QFont font = QApplication::font(window);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int wanted
        = metrics.horizontalAdvance(window->windowTitle()) + 8 * metrics.averageCharWidth() + 120;
    const QScreen *screen = window->screen();
    const int room = screen ? screen->availableGeometry().width() - 40 : 1200;
    return std::min(wanted, std::max(room, 300));
}

void keepTitleWhole(QWidget *window)
{
    window->installEventFilter(new TitleWidthKeeper(window));
}

} // namespace kivora
