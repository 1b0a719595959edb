#pragma once

// The program folder holds the configuration file, the results bases, "System",
// "lng", ledgers and reports. It is chosen once at start-up:
//   1. the folder named by KIVORA_HOME, when set;
//   2. the executable's own folder, when it already holds the configuration file;
//   3. the per-user data folder.
// A folder without a configuration file is seeded with the default data compiled into
// the program; a file that already exists is never overwritten.

#include "core/Failure.h"

#include <QString>

namespace kivora {

class ProgramFolder final
{
public:
    explicit ProgramFolder(QString path);

    static QString configFileName() { return QStringLiteral("kivora.INI"); }
    static QString resolve(const QString &envHome, const QString &executableDir, const QString &userDataDir);
    // Resolves from the environment and the running application.
    static QString resolveForApplication();

    const QString &path() const { return m_path; }
    QString configPath() const { return filePath(configFileName()); }
    // A path inside the folder; a relative name in the configuration's own form
    // ("System\default.ltt") is accepted.
    QString filePath(const QString &relative) const;
    QString systemFolder() const { return filePath(QStringLiteral("System")); }
    QString languageFolder() const;

    // Creates the folder and copies every default file that is missing. Fails with the
    // reason when the folder cannot be created or a file cannot be written.
    Done seed() const;
    // The help page, "kivora.html", which F1 and the help menu open; in a language
    // other than Russian the English page, "kivora-en.html".
    QString helpPagePath(const QString &languageCode = QStringLiteral("ru")) const
    {
        return filePath(helpPageName(languageCode));
    }
    static QString helpPageName(const QString &languageCode = QStringLiteral("ru"))
    {
        return languageCode == QLatin1String("ru") ? QStringLiteral("kivora.html")
                                                   : QStringLiteral("kivora-en.html");
    }
    // Writes the shipped help page when the folder has none (a folder made by an older
    // version, or a page the user deleted), and nothing else: a sample base, template or
    // language file the user removed stays removed. Fails with the reason when the
    // folder or the page cannot be written.
    Done writeHelpPageIfMissing(const QString &languageCode = QStringLiteral("ru")) const;
    bool hasConfig() const;

private:
    QString m_path;
};

} // namespace kivora
