#pragma once

#include <QString>
#include <QTemporaryDir>

namespace kivora::test {

// Points the user's own settings (QSettings' user scope, where the chosen text editor
// and calculator live) at a temporary folder of the whole test run, so that no test
// reads or writes the real user's settings. The test main calls it first.
void isolateUserSettings();

// A fresh, empty user settings folder for one test; the run's folder again afterwards.
class UserSettingsFolder final
{
public:
    UserSettingsFolder();
    ~UserSettingsFolder();
    UserSettingsFolder(const UserSettingsFolder &) = delete;
    UserSettingsFolder &operator=(const UserSettingsFolder &) = delete;

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace kivora::test
