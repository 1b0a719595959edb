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

Done IniFile::updateDocument(const std::function<bool(IniDocument &)> &edit) const
{
    textfile::FileLock lock(m_path);
    if (Done locked = lock.lock(); !locked)
        return locked;
    // A document made from a file that could not be read would replace all of it.
    Outcome<IniDocument> read = this->read();
    if (!read)
        return read.failure();
    IniDocument &document = *read;
    if (!edit(document))
        return Failure::cancelled();
    if (!document.isModified())
        return {};
    return textfile::writeText(m_path, document.toText());
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

Done IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    return update([&](IniDocument &document) { document.writeString(section, key, value); });
}

Done IniFile::writeInteger(const QString &section, const QString &key, int value) const
{
    return writeString(section, key, QString::number(value));
}

Done IniFile::writeBool(const QString &section, const QString &key, bool value) const
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

Done IniFile::deleteKey(const QString &section, const QString &key) const
{
    return update([&](IniDocument &document) { document.deleteKey(section, key); });
}

Done IniFile::eraseSection(const QString &section) const
{
    return update([&](IniDocument &document) { document.eraseSection(section); });
}

} // namespace kivora
