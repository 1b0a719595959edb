// Commands whose domain code is being merged; each moves to its own file.
#include "ui/MainForm.h"

namespace kivora {

void TMainForm::N14Click() {}
void TMainForm::SettingsClick() {}

} // namespace kivora
