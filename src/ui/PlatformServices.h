#pragma once

// Everything that leaves the process or asks the user goes through this interface:
// the application installs the desktop implementation, tests a scripted fake, so no
// test ever blocks on a modal dialog.

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace kivora {

struct FileDialogRequest
{
    QString title;
    QString directory;
    QString fileName; // proposed name
    QStringList filters; // "Лотокомбинации (*.ltc)", ...
    int selectedFilter = 0;
    QString defaultSuffix; // added when the chosen name has none
};

class PlatformServices
{
public:
    enum class MessageKind { Information, Warning, Error };
    // The answer to "save the changes?": save them, drop them, or go back to editing.
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~PlatformServices() = default;

    // The desktop's "open" action on a file or web address, without waiting.
    virtual void openUrl(const QString &fileOrAddress) = 0;
    // Starts a program; when wait is true, returns after it ends. False when it
    // could not be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments, bool wait) = 0;
    // Shows a text file in the program's own plain-text editor window (the window
    // starts the editor the user chose, when there is one, through startProgram).
    // When wait is true returns after it is closed.
    virtual void editTextFile(QWidget *parent, const QString &path, bool wait) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    // Returns false when the user cancels; *text holds the proposed text on entry.
    virtual bool askText(QWidget *parent, const QString &title, const QString &prompt, QString *text) = 0;
    virtual void showMessage(QWidget *parent, const QString &text, MessageKind kind) = 0;
    // Yes/no question; true for yes. With a help address, F1 opens it while the
    // question stays on screen.
    virtual bool confirm(QWidget *parent, const QString &text, const QString &help = QString()) = 0;
    // Save, Discard and Cancel, the desktop's standard buttons.
    virtual SaveChoice askToSave(QWidget *parent, const QString &text) = 0;
    // Prints an HTML document through the print dialog with its preview (a PDF file is
    // one of the printers).
    virtual void printDocument(QWidget *parent, const QString &title, const QString &html) = 0;
    virtual QDate today() = 0;
    // A seed for the random choice of numbers (the clock on the desktop).
    virtual quint32 randomSeed() = 0;
};

} // namespace kivora
