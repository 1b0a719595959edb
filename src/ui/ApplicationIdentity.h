#pragma once

class QIcon;

namespace kivora {

// The application's name, version and icon, set once at start. No display name is
// set: Qt would append it to every window title, and the titles name the program
// already.
void applyApplicationIdentity(const char *version);

// The program's own icon, in every size it is drawn at.
QIcon applicationIcon();

} // namespace kivora
