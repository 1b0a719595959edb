#pragma once

// The window's commands that hand something to the desktop: a text file to the user's
// editor, an address or a help page to the browser, the calculator, a list written
// as an HTML page and opened.

#include "ui/WindowParts.h"

#include <QObject>

namespace kivora {

struct LoadResult;
class StatTableModel;

class DesktopCommands final : public QObject
{
    Q_OBJECT
public:
    DesktopCommands(WindowParts parts, QObject *parent);

    // Shows a text file in the editor the user chose in the settings, or else in the
    // program's own editor window; with wait, returns after it is closed.
    void showTextFile(const QString &path, bool wait);
    void openResultsWebPage();
    // True when the lottery names an address (which may still be refused when opened).
    bool hasLotteryAddress() const;
    void openHomePage();
    void openHelp(const QString &topic);
    void startCalculator();
    // Writes the list as the user sees it (its rows in display order) to an HTML page
    // the user names, then opens it.
    void exportList(const StatTableModel *model, const QString &groupCaption);

private:
    const LoadResult &load() const;
    void showError(const QString &text);

    WindowParts m_parts;
};

} // namespace kivora
