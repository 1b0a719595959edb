#include "play/SystemListUpgrade.h"

#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kivora::systemlists {

namespace {

const QString kShippedConfig = QStringLiteral(":/defaults/kivora.INI");
const QString kShippedSystems = QStringLiteral(":/defaults/System/");
const QString kForm = QStringLiteral("Form");

bool isSystemList(const QString &section)
{
    return section.startsWith(QLatin1String("for "), Qt::CaseInsensitive)
        && section.endsWith(QLatin1String(" numbers"), Qt::CaseInsensitive);
}

bool copyTemplate(const QString &name, const ProgramFolder &folder, QString *error)
{
    const QString target = QDir(folder.systemFolder()).filePath(name);
    if (QFileInfo::exists(target))
        return true;
    QFile source(kShippedSystems + name);
    if (!source.open(QIODevice::ReadOnly))
        return true; // the list names a file the program does not ship
    QDir().mkpath(folder.systemFolder());
    QString text = textfile::decode(source.readAll());
    const Done written = textfile::writeText(target, text);
    if (!written && error)
        *error = written.failure().text;
    return written.ok();
}

} // namespace

bool addMissingShippedSystems(const ProgramFolder &folder, QString *error)
{
    if (!folder.hasConfig())
        return true;
    IniFile config(folder.configPath());
    if (config.load().readInteger(kForm, kRevisionKey, 0) >= kRevision)
        return true;

    QFile shippedFile(kShippedConfig);
    if (!shippedFile.open(QIODevice::ReadOnly))
        return true;
    const IniDocument shipped(textfile::decode(shippedFile.readAll()));
    // Decided on the file as it is under the lock: a list changed since by another
    // process is upgraded as it stands now, and that change is kept.
    QString copyError;
    const bool written = config.update([&](IniDocument &ini) {
        if (ini.readInteger(kForm, kRevisionKey, 0) >= kRevision)
            return true;
        for (const QString &section : shipped.sectionNames()) {
            // Only the lists the folder has: a list the player removed stays removed.
            if (!isSystemList(section) || !ini.hasSection(section))
                continue;
            QStringList files;
            for (const QString &key : ini.keys(section))
                files.append(ini.readString(section, key, QString()).trimmed().toLower());
            for (const QString &key : shipped.keys(section)) {
                const QString file = shipped.readString(section, key, QString()).trimmed();
                if (ini.value(section, key) || files.contains(file.toLower()))
                    continue;
                if (!copyTemplate(file, folder, &copyError))
                    return false;
                ini.writeString(section, key, file);
                files.append(file.toLower());
            }
        }
        ini.writeString(kForm, kRevisionKey, QString::number(kRevision));
        return true;
    });
    if (!written && error)
        *error = copyError.isEmpty() ? config.lastError() : copyError;
    return written;
}

} // namespace kivora::systemlists
