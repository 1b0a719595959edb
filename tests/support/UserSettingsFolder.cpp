#include "support/UserSettingsFolder.h"

#include <QSettings>

namespace kivora::test {

void isolateUserSettings()
{
    static const QTemporaryDir runFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, runFolder.path());
}

UserSettingsFolder::UserSettingsFolder()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

UserSettingsFolder::~UserSettingsFolder()
{
    isolateUserSettings();
}

} // namespace kivora::test
