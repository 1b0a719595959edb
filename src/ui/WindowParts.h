#pragma once

// What a group of the window's commands uses of the window: its state, services,
// status bar and dialogs, and the few things only the window does.

#include <QString>

#include <functional>

class QWidget;

namespace kivora {

class LotterySession;
class MessageCatalog;
class PlatformServices;
class ProgramFolder;
class WindowDialogs;
class WindowStatusBar;

struct WindowParts
{
    QWidget *window = nullptr; // the parent of every message and dialog
    LotterySession *session = nullptr;
    const ProgramFolder *folder = nullptr;
    const MessageCatalog *messages = nullptr;
    PlatformServices *services = nullptr;
    const WindowDialogs *dialogs = nullptr;
    WindowStatusBar *statusBar = nullptr;

    std::function<QString()> currentLottery;
    std::function<QString()> languageCode; // of the current language file
    // Loads the current lottery again; then runs after the load was shown.
    std::function<void(std::function<void()> then)> reload;
    // Shows a text file in the user's editor or the program's own; with wait it returns
    // after the editor closed.
    std::function<void(const QString &path, bool wait)> showTextFile;
};

} // namespace kivora
