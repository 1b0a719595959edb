#include "core/UserPrograms.h"

#include <QFileInfo>
#include <QSettings>

namespace kivora {

namespace {

QSettings userSettings()
{
    return QSettings(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kivora"), QStringLiteral("kivora"));
}

QString keyOf(UserPrograms::Program program)
{
    return program == UserPrograms::TextEditor ? QStringLiteral("Programs/TextEditor")
                                               : QStringLiteral("Programs/Calculator");
}

} // namespace

QString UserPrograms::path(Program program)
{
    const QString chosen = userSettings().value(keyOf(program)).toString();
    return isProgramFile(chosen) ? chosen : QString();
}

bool UserPrograms::setPath(Program program, const QString &path)
{
    if (!path.isEmpty() && !isProgramFile(path))
        return false;
    QSettings settings = userSettings();
    if (path.isEmpty())
        settings.remove(keyOf(program));
    else
        settings.setValue(keyOf(program), path);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool UserPrograms::isProgramFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isAbsolute() && info.isFile() && info.isExecutable();
}

QString UserPrograms::settingsFile()
{
    return userSettings().fileName();
}

} // namespace kivora
