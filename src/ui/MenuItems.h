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
// Its entries get their access keys each time it opens.
QMenu *subMenu(QWidget *parent, QMenu *owner, const char *name, const QString &title);

// An action named `name` in menu that runs command; context ends the connection.
QAction *command(QWidget *parent, QObject *context, QMenu *menu, const char *name, const QString &caption,
    std::function<void()> run);

// The character after the single '&' of a menu text (lower case), or none.
QChar accessKey(const QString &text);
// Gives every entry of the menu, and of its submenus, an access key of its own among
// its neighbours: a key the text names is kept unless a neighbour above took it;
// otherwise the first free letter, a word's first letter before others. Menus do it
// as they open, so that the texts a language file gives stay as they are until then;
// the menu bar's titles take their keys from the language file.
void giveAccessKeys(QMenu *menu);

} // namespace kivora::menuitems
