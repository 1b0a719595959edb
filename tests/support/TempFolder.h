#pragma once

#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kivora::test {

// A fresh program folder in a temporary directory, removed with the object.
class TempFolder final
{
public:
    TempFolder();

    QString path() const { return m_dir.path(); }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString filePath(const QString &name) const;

    // Writes a text file (Windows-1251, the lines joined with CR LF and ended by one).
    void writeLines(const QString &name, const QStringList &lines) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;
    QStringList readLines(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Path of a file of the shipped sample data (data/defaults).
QString sampleFile(const QString &name);

} // namespace kivora::test
