#pragma once

// Menus and menu commands with the component names language files and tests find
// them by.

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace kivora::menuitems {

// A menu named `name` (its entry in the owner `nameItem`), added to owner if given.
QMenu *subMenu(QWidget *parent, QMenu *owner, const char *name, const QString &title);

// An action named `name` in menu that runs command; context ends the connection.
QAction *command(QWidget *parent, QObject *context, QMenu *menu, const char *name, const QString &caption,
    std::function<void()> run);

} // namespace kivora::menuitems
