#include "core/IniFile.h"

#include "core/TextFile.h"

#include <QFileInfo>

namespace kivora {

IniDocument IniFile::load() const
{
    QString text;
    if (!QFileInfo::exists(m_path) || !textfile::readText(m_path, &text, nullptr))
        return IniDocument();
    return IniDocument(text);
}

bool IniFile::save(const IniDocument &document)
{
    m_lastError.clear();
    return textfile::writeText(m_path, document.toText(), &m_lastError);
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
    IniDocument document = load();
    document.writeString(section, key, value);
    return save(document);
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
    IniDocument document = load();
    document.deleteKey(section, key);
    return !document.isModified() || save(document);
}

bool IniFile::eraseSection(const QString &section)
{
    IniDocument document = load();
    document.eraseSection(section);
    return !document.isModified() || save(document);
}

} // namespace kivora
