#include "support/TempFolder.h"

#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace kivora::test {

TempFolder::TempFolder()
{
    EXPECT_TRUE(m_dir.isValid());
}

QString TempFolder::filePath(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void TempFolder::writeLines(const QString &name, const QStringList &lines) const
{
    writeBytes(name, textfile::encode(textfile::joinLines(lines)));
}

void TempFolder::writeBytes(const QString &name, const QByteArray &bytes) const
{
    const QString path = filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray TempFolder::readBytes(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TempFolder::readLines(const QString &name) const
{
    return textfile::splitLines(textfile::decode(readBytes(name)));
}

QString sampleFile(const QString &name)
{
    return QDir(QStringLiteral(KIVORA_SAMPLE_DATA)).filePath(name);
}

} // namespace kivora::test
