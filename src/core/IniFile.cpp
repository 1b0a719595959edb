#include "core/IniFile.h"

#include "core/TextFile.h"

#include <QFileInfo>

namespace kivora {

IniDocument IniFile::load() const
{
    Outcome<IniDocument> document = read();
    return document ? std::move(*document) : IniDocument();
}

Outcome<IniDocument> IniFile::read() const
{
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return IniDocument();
    const Outcome<QString> text = textfile::readText(m_path);
    if (!text)
        return text.failure();
    return IniDocument(*text);
}

bool IniFile::updateDocument(const std::function<bool(IniDocument &)> &edit)
{
    m_lastError.clear();
    textfile::FileLock lock(m_path);
    if (Done locked = lock.lock(); !locked) {
        m_lastError = locked.failure().text;
        return false;
    }
    // A document made from a file that could not be read would replace all of it.
    Outcome<IniDocument> read = this->read();
    if (!read) {
        m_lastError = read.failure().text;
        return false;
    }
    IniDocument &document = *read;
    if (!edit(document))
        return false;
    if (!document.isModified())
        return true;
    const Done written = textfile::writeText(m_path, document.toText());
    if (!written)
        m_lastError = written.failure().text;
    return written.ok();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return load().readString(section, key, def);
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    return load().readInteger(section, key, def);
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return load().readBool(section, key, def);
}

QStringList IniFile::keys(const QString &section) const
{
    return load().keys(section);
}

QStringList IniFile::keyValueLines(const QString &section) const
{
    return load().keyValueLines(section);
}

bool IniFile::hasSection(const QString &section) const
{
    return load().hasSection(section);
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return update([&](IniDocument &document) { document.writeString(section, key, value); });
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::deleteKey(const QString &section, const QString &key)
{
    return update([&](IniDocument &document) { document.deleteKey(section, key); });
}

bool IniFile::eraseSection(const QString &section)
{
    return update([&](IniDocument &document) { document.eraseSection(section); });
}

} // namespace kivora
