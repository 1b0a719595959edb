#pragma once

// The configuration and language files: every call opens the file, does its work and
// closes it again, so two windows that write the same file never overwrite each
// other's changes. A missing file reads as empty and is created by the first write.
// Writes replace the file through a temporary file beside it, under the file's lock. A
// file that exists but cannot be read (no permission, no text) is never written over:
// every write refuses with the reason of the read.

#include "core/Failure.h"
#include "core/IniDocument.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <type_traits>

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

    // Each fails with the writer's (or the lock's, or the read's) reason when the file
    // cannot be written.
    Done writeString(const QString &section, const QString &key, const QString &value) const;
    Done writeInteger(const QString &section, const QString &key, int value) const;
    Done writeBool(const QString &section, const QString &key, bool value) const;
    Done deleteKey(const QString &section, const QString &key) const;
    Done eraseSection(const QString &section) const;

    // The whole file at once, for work that reads many keys together. load() gives an
    // empty document for a file that cannot be read; read() says why.
    IniDocument load() const;
    Outcome<IniDocument> read() const;

    // Changes many keys at once: reads the file under its lock, lets edit change that
    // document and writes it back when edit changed it, all before the lock is let
    // go. What another process wrote since this one last read the file is kept; a
    // document read earlier is never written whole. An edit may return false to leave
    // the file as it was: update then fails as cancelled.
    template<typename Edit> Done update(Edit &&edit) const
    {
        return updateDocument([&edit](IniDocument &document) {
            if constexpr (std::is_void_v<std::invoke_result_t<Edit &, IniDocument &>>) {
                edit(document);
                return true;
            } else {
                return static_cast<bool>(edit(document));
            }
        });
    }

private:
    Done updateDocument(const std::function<bool(IniDocument &)> &edit) const;

    QString m_path;
};

} // namespace kivora
