#pragma once

// How the window tells the player of a failure.

#include "core/Failure.h"

class QWidget;

namespace kivora {

class MessageCatalog;
class PlatformServices;

// A refusal or a wrong entry as a warning, a file that cannot be read or written (in
// the "Input/output error" wrapper) or is not in its form as an error; a cancelled
// job says nothing.
void showFailure(
    PlatformServices &services, QWidget *parent, const Failure &failure, const MessageCatalog &messages);

} // namespace kivora
