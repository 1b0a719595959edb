#pragma once

// The configuration and language files: every call opens the file, does its work and
// closes it again, so two windows that write the same file never overwrite each
// other's changes. A missing file reads as empty and is created by the first write.
// Writes replace the file through a temporary file beside it, under the file's lock. A
// file that exists but cannot be read (no permission, no text) is never written over:
// every write refuses with the reason of the read.

#include "core/IniDocument.h"

#include <QString>
#include <QStringList>

namespace kivora {

class IniFile final
{
public:
    explicit IniFile(QString path)
        : m_path(std::move(path))
    { }

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    QStringList keys(const QString &section) const;
    QStringList keyValueLines(const QString &section) const;
    bool hasSection(const QString &section) const;

    // Each returns false and keeps the reason (lastError) when the file cannot be written.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool deleteKey(const QString &section, const QString &key);
    bool eraseSection(const QString &section);

    // The whole file at once, for work that reads or writes many keys together. load()
    // gives an empty document for a file that cannot be read; read() says why.
    IniDocument load() const;
    bool read(IniDocument *document, QString *error) const;
    bool save(const IniDocument &document);

    const QString &lastError() const { return m_lastError; }

private:
    template<typename Change> bool change(const Change &apply);

    QString m_path;
    QString m_lastError;
};

} // namespace kivora
