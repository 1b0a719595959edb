#pragma once

#include "core/ProgramFolder.h"

#include <QMainWindow>

namespace kivora {

class PlatformServices;

class TMainForm final : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(const ProgramFolder &folder, PlatformServices &services, QWidget *parent = nullptr);
    void start();

private:
    ProgramFolder m_folder;
    PlatformServices &m_services;
};

} // namespace kivora
