#include "core/ProgramFolder.h"
#include "play/SystemListUpgrade.h"
#include "ui/ApplicationIdentity.h"
#include "ui/DesktopServices.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

// Qt's own message on a machine without a display is a screen of plugin names; one
// clear line says what to do instead.
bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char **argv)
{
    if (!haveDisplay()) {
        std::fprintf(stderr,
            "kivora: no display found (DISPLAY is not set). Start it from a desktop "
            "session, or without one: xvfb-run -a %s\n",
            argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    kivora::applyApplicationIdentity(KIVORA_VERSION);

    const kivora::ProgramFolder folder(kivora::ProgramFolder::resolveForApplication());
    if (const kivora::Done seeded = folder.hasConfig() ? kivora::Done() : folder.seed(); !seeded) {
        QMessageBox::critical(nullptr, QStringLiteral("Kivora"),
            kivora::failureMessage(seeded.failure(), kivora::MessageCatalog()));
        return 1;
    }
    if (const kivora::Done upgraded = kivora::systemlists::addMissingShippedSystems(folder); !upgraded)
        std::fprintf(stderr, "kivora: %s\n", qPrintable(upgraded.failure().text));
    kivora::DesktopServices services;
    kivora::MainWindow window(folder, services);
    services.setMessages(&window.messages());
    window.start();
    return QApplication::exec();
}
