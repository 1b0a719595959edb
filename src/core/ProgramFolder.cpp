#include "core/ProgramFolder.h"

#include "core/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <sys/stat.h>

namespace kivora {

namespace {

const QString kDefaultsRoot = QStringLiteral(":/defaults");

// Creates a folder and the folders above it, naming the system's reason ("Permission
// denied") and the folder it concerns when one cannot be made.
Done makeFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QFileInfo info(clean);
    if (info.isDir())
        return {};
    if (info.exists() || info.isSymLink())
        return Failure::io(textfile::describeError(clean, textfile::systemReason(ENOTDIR)));
    const QString parent = info.path();
    if (parent != clean) {
        if (Done made = makeFolder(parent); !made)
            return made;
    }
    if (::mkdir(QFile::encodeName(clean).constData(), 0777) == 0 || errno == EEXIST)
        return {};
    return Failure::io(textfile::describeError(clean, textfile::systemReason(errno)));
}

// Copies one file of the default data through a temporary file: a file cut short by a
// full disk never appears under its own name.
Done copyDefault(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Failure::io(textfile::describeError(source, textfile::deviceReason(in)));
    return textfile::writeBytes(target, in.readAll());
}

} // namespace

ProgramFolder::ProgramFolder(QString path)
    : m_path(QDir::cleanPath(path))
{ }

QString ProgramFolder::resolve(
    const QString &envHome, const QString &executableDir, const QString &userDataDir)
{
    if (!envHome.isEmpty())
        return QDir::cleanPath(envHome);
    if (!executableDir.isEmpty() && QFileInfo::exists(QDir(executableDir).filePath(configFileName())))
        return QDir::cleanPath(executableDir);
    return QDir::cleanPath(userDataDir);
}

QString ProgramFolder::resolveForApplication()
{
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return resolve(qEnvironmentVariable("KIVORA_HOME"), QCoreApplication::applicationDirPath(), dataDir);
}

QString ProgramFolder::filePath(const QString &relative) const
{
    QString name = relative;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(name))
        return QDir::cleanPath(name);
    return QDir::cleanPath(m_path + QLatin1Char('/') + name);
}

QString ProgramFolder::languageFolder() const
{
    // Found without regard to case: "lng", "Lng" and "LNG" are the same folder.
    const QDir dir(m_path);
    for (const QString &entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.compare(QLatin1String("lng"), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(QStringLiteral("lng"));
}

bool ProgramFolder::hasConfig() const
{
    return QFileInfo::exists(configPath());
}

Done ProgramFolder::seed() const
{
    if (Done made = makeFolder(m_path); !made)
        return made;
    // The configuration file goes last: a folder with one is never seeded again, so it
    // must not appear before every other file is whole.
    QStringList sources;
    QDirIterator it(kDefaultsRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        sources.append(it.next());
    const QString configSource = kDefaultsRoot + QLatin1Char('/') + configFileName();
    sources.removeAll(configSource);
    sources.append(configSource);
    for (const QString &source : std::as_const(sources)) {
        const QString relative = source.mid(kDefaultsRoot.size() + 1);
        QString target = filePath(relative);
        if (relative.startsWith(QLatin1String("lng/"))) {
            // Resource names cannot hold "&"; the Russian file's name starts with one
            // (it is the access key of its item in the language menu).
            QString name = relative.mid(4);
            if (name == QLatin1String("russian.lng"))
                name = QStringLiteral("&russian.lng");
            target = QDir(languageFolder()).filePath(name);
        }
        if (QFileInfo::exists(target) || !QFile::exists(source))
            continue;
        if (Done made = makeFolder(QFileInfo(target).absolutePath()); !made)
            return made;
        if (Done copied = copyDefault(source, target); !copied)
            return copied;
    }
    return {};
}

Done ProgramFolder::writeHelpPageIfMissing(const QString &languageCode) const
{
    const QString target = helpPagePath(languageCode);
    if (QFileInfo::exists(target))
        return {};
    if (Done made = makeFolder(m_path); !made)
        return made;
    return copyDefault(kDefaultsRoot + QLatin1Char('/') + helpPageName(languageCode), target);
}

} // namespace kivora
