// Every file dialog starts in the folder last used for that kind of file, kept in the
// configuration file, or in the program folder.

#include "ui/MainWindow.h"

#include "core/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace kivora {

namespace {

QString folderKey(MainWindow::FileKind kind)
{
    switch (kind) {
    case MainWindow::FileKind::Combinations:
        return QStringLiteral("LastFolderCombinations");
    case MainWindow::FileKind::Html:
        return QStringLiteral("LastFolderHtml");
    case MainWindow::FileKind::Import:
        return QStringLiteral("LastFolderImport");
    }
    return {};
}

} // namespace

FileDialogRequest MainWindow::inRememberedFolder(FileDialogRequest request, FileKind kind) const
{
    const QString remembered
        = IniFile(m_folder.configPath()).readString(QStringLiteral("Form"), folderKey(kind), QString());
    request.directory = !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : m_folder.path();
    return request;
}

void MainWindow::rememberFolder(FileKind kind, const QString &chosenPath)
{
    const QString folder = QFileInfo(chosenPath).absolutePath();
    IniFile(m_folder.configPath()).update([&](IniDocument &doc) {
        if (doc.readString(QStringLiteral("Form"), folderKey(kind), QString()) == folder)
            return;
        // The program folder is where dialogs start anyway: no need to keep it.
        if (QDir(folder) == QDir(m_folder.path()) && !doc.value(QStringLiteral("Form"), folderKey(kind)))
            return;
        doc.writeString(QStringLiteral("Form"), folderKey(kind), folder);
    });
}

} // namespace kivora
