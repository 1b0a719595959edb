#pragma once

// Every file dialog starts in the folder last used for that kind of file, kept in the
// configuration file, or in the program folder.

#include "ui/PlatformServices.h"

namespace kivora {

class ProgramFolder;

// The kinds of file whose dialogs remember their folder.
enum class RememberedFolder { Combinations, Html, Import };

// The request, made to start in the folder last used for that kind of file.
FileDialogRequest inRememberedFolder(
    const ProgramFolder &folder, FileDialogRequest request, RememberedFolder kind);
// Keeps the folder of the chosen file for the next dialog of that kind.
void rememberFolder(const ProgramFolder &folder, RememberedFolder kind, const QString &chosenPath);

} // namespace kivora
