#include "ui/MenuItems.h"

#include <QAction>
#include <QMenu>

namespace kivora::menuitems {

QMenu *subMenu(QWidget *parent, QMenu *owner, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
    if (owner)
        owner->addMenu(menu);
    return menu;
}

QAction *command(QWidget *parent, QObject *context, QMenu *menu, const char *name, const QString &caption,
    std::function<void()> run)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QLatin1String(name));
    if (run)
        QObject::connect(action, &QAction::triggered, context, [run = std::move(run)] { run(); });
    menu->addAction(action);
    return action;
}

} // namespace kivora::menuitems
