#include "ui/RememberedFolders.h"

#include "core/IniFile.h"
#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace kivora {

namespace {

QString folderKey(RememberedFolder kind)
{
    switch (kind) {
    case RememberedFolder::Combinations:
        return QStringLiteral("LastFolderCombinations");
    case RememberedFolder::Html:
        return QStringLiteral("LastFolderHtml");
    case RememberedFolder::Import:
        return QStringLiteral("LastFolderImport");
    }
    return {};
}

} // namespace

FileDialogRequest inRememberedFolder(
    const ProgramFolder &folder, FileDialogRequest request, RememberedFolder kind)
{
    const QString remembered
        = IniFile(folder.configPath()).readString(QStringLiteral("Form"), folderKey(kind), QString());
    request.directory = !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : folder.path();
    return request;
}

void rememberFolder(const ProgramFolder &folder, RememberedFolder kind, const QString &chosenPath)
{
    const QString chosenFolder = QFileInfo(chosenPath).absolutePath();
    // A folder that cannot be remembered costs the user one more click next time:
    // not worth a message.
    static_cast<void>(IniFile(folder.configPath()).update([&](IniDocument &doc) {
        if (doc.readString(QStringLiteral("Form"), folderKey(kind), QString()) == chosenFolder)
            return;
        // The program folder is where dialogs start anyway: no need to keep it.
        if (QDir(chosenFolder) == QDir(folder.path()) && !doc.value(QStringLiteral("Form"), folderKey(kind)))
            return;
        doc.writeString(QStringLiteral("Form"), folderKey(kind), chosenFolder);
    }));
}

} // namespace kivora
