#include "core/ProgramFolder.h"

#include "core/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kivora {

namespace {

const QString kDefaultsRoot = QStringLiteral(":/defaults");

bool makeFolder(const QString &path, QString *error)
{
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = textfile::describeError(
            path, QCoreApplication::translate("ProgramFolder", "cannot create the folder"));
    return false;
}

// Copies one file of the default data; a file that fails half-way is removed.
bool copyDefault(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = textfile::describeError(source, in.errorString());
        return false;
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) < 0 || !out.flush()) {
        if (error)
            *error = textfile::describeError(target, out.errorString());
        out.remove();
        return false;
    }
    return true;
}

} // namespace

ProgramFolder::ProgramFolder(QString path)
    : m_path(QDir::cleanPath(std::move(path)))
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

bool ProgramFolder::seed(QString *error) const
{
    if (!makeFolder(m_path, error))
        return false;
    QDirIterator it(kDefaultsRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
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
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!copyDefault(source, target, error))
            return false;
    }
    return true;
}

bool ProgramFolder::writeHelpPageIfMissing(QString *error, const QString &languageCode) const
{
    const QString target = helpPagePath(languageCode);
    if (QFileInfo::exists(target))
        return true;
    return makeFolder(m_path, error)
        && copyDefault(kDefaultsRoot + QLatin1Char('/') + helpPageName(languageCode), target, error);
}

} // namespace kivora
