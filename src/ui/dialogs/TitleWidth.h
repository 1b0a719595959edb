#pragma once

// Dialogs laid out by their contents can be narrower than their own title, which the
// title bar then cuts ("Созда… стему"). A window handed to keepTitleWhole is never
// narrower than its title needs, also after a language switch changed the title.

class QWidget;

namespace kivora {

// The width that shows the whole title with room for the title bar's icon and buttons.
int widthForTitle(const QWidget *window);

// Keeps the window's minimum width at widthForTitle whenever it is shown or retitled.
void keepTitleWhole(QWidget *window);

} // namespace kivora
