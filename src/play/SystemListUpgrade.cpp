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

Done copyTemplate(const QString &name, const ProgramFolder &folder)
{
    const QString target = QDir(folder.systemFolder()).filePath(name);
    if (QFileInfo::exists(target))
        return {};
    QFile source(kShippedSystems + name);
    if (!source.open(QIODevice::ReadOnly))
        return {}; // the list names a file the program does not ship
    QDir().mkpath(folder.systemFolder());
    return textfile::writeText(target, textfile::decode(source.readAll()));
}

} // namespace

Done addMissingShippedSystems(const ProgramFolder &folder)
{
    if (!folder.hasConfig())
        return {};
    const IniFile config(folder.configPath());
    if (config.load().readInteger(kForm, kRevisionKey, 0) >= kRevision)
        return {};

    QFile shippedFile(kShippedConfig);
    if (!shippedFile.open(QIODevice::ReadOnly))
        return {};
    const IniDocument shipped(textfile::decode(shippedFile.readAll()));
    // Decided on the file as it is under the lock: a list changed since by another
    // process is upgraded as it stands now, and that change is kept.
    Done copied;
    const Done written = config.update([&](IniDocument &ini) {
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
                copied = copyTemplate(file, folder);
                if (!copied)
                    return false;
                ini.writeString(section, key, file);
                files.append(file.toLower());
            }
        }
        ini.writeString(kForm, kRevisionKey, QString::number(kRevision));
        return true;
    });
    return copied ? written : copied;
}

} // namespace kivora::systemlists
