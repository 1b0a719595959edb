#include "ui/MainForm.h"

namespace kivora {

TMainForm::TMainForm(const ProgramFolder &folder, PlatformServices &services, QWidget *parent)
    : QMainWindow(parent), m_folder(folder), m_services(services)
{
}

void TMainForm::start() { show(); }

} // namespace kivora
