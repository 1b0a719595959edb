#include "core/IniDocument.h"

#include "core/StringFn.h"
#include "core/TextFile.h"

namespace kivora {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString quoteIfNeeded(const QString &value)
{
    if (value.isEmpty())
        return value;
    const bool edgeBlank = value.front().isSpace() || value.back().isSpace();
    const bool quoted
        = value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"');
    return edgeBlank || quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

} // namespace

IniDocument::IniDocument(const QString &text)
{
    const QStringList lines = textfile::splitLines(text);
    m_lines.reserve(lines.size());
    for (const QString &raw : lines)
        m_lines.append(parseLine(raw));
}

IniDocument::Line IniDocument::parseLine(const QString &raw)
{
    Line line;
    line.raw = raw;
    const QString trimmed = raw.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const int close = trimmed.indexOf(QLatin1Char(']'));
        line.isSection = true;
        line.section = (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
        return line;
    }
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
        return line;
    const int eq = trimmed.indexOf(QLatin1Char('='));
    line.isKey = true;
    line.key = (eq < 0 ? trimmed : trimmed.left(eq)).trimmed();
    if (line.key.isEmpty())
        line.isKey = false;
    return line;
}

QString IniDocument::valueOf(const Line &line)
{
    const QString trimmed = line.raw.trimmed();
    const int eq = trimmed.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {};
    QString value = trimmed.mid(eq + 1).trimmed();
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

int IniDocument::findSection(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).isSection && sameName(m_lines.at(i).section, section))
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && !m_lines.at(i).isSection)
        ++i;
    return i;
}

int IniDocument::findKey(int header, const QString &key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines.at(i).isKey && sameName(m_lines.at(i).key, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const int header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const int line = findKey(header, key);
    if (line < 0)
        return std::nullopt;
    return valueOf(m_lines.at(line));
}

QString IniDocument::readString(const QString &section, const QString &key, const QString &def) const
{
    return value(section, key).value_or(def);
}

int IniDocument::readInteger(const QString &section, const QString &key, int def) const
{
    const auto text = value(section, key);
    int result = 0;
    if (!text || !tryTextToInt(*text, &result))
        return def;
    return result;
}

bool IniDocument::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniDocument::hasSection(const QString &section) const
{
    return findSection(section) >= 0;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const Line &line : m_lines) {
        if (line.isSection)
            names.append(line.section);
    }
    return names;
}

QStringList IniDocument::keys(const QString &section) const
{
    QStringList result;
    const int header = findSection(section);
    if (header < 0)
        return result;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines.at(i).isKey)
            result.append(m_lines.at(i).key);
    }
    return result;
}

QStringList IniDocument::keyValueLines(const QString &section) const
{
    QStringList result;
    const int header = findSection(section);
    if (header < 0)
        return result;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Line &line = m_lines.at(i);
        if (line.isKey)
            result.append(line.key + QLatin1Char('=') + valueOf(line));
    }
    return result;
}

void IniDocument::writeString(const QString &section, const QString &key, const QString &text)
{
    // A line break inside a value would start a new line of the file.
    QString value = text;
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QString raw = key.trimmed() + QLatin1Char('=') + quoteIfNeeded(value);
    int header = findSection(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.back().raw.trimmed().isEmpty())
            m_lines.append(parseLine(QString()));
        m_lines.append(parseLine(QLatin1Char('[') + section.trimmed() + QLatin1Char(']')));
        m_lines.append(parseLine(raw));
        m_modified = true;
        return;
    }
    const int existing = findKey(header, key);
    if (existing >= 0) {
        // The key keeps its place and its own spelling.
        const QString rewritten = m_lines.at(existing).key + QLatin1Char('=') + quoteIfNeeded(value);
        if (m_lines.at(existing).raw != rewritten) {
            m_lines[existing] = parseLine(rewritten);
            m_modified = true;
        }
        return;
    }
    // After the last non-blank line of the section, so a blank separator line stays
    // in front of the next section.
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).raw.trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, parseLine(raw));
    m_modified = true;
}

void IniDocument::deleteKey(const QString &section, const QString &key)
{
    const int header = findSection(section);
    if (header < 0)
        return;
    const int line = findKey(header, key);
    if (line < 0)
        return;
    m_lines.removeAt(line);
    m_modified = true;
}

void IniDocument::eraseSection(const QString &section)
{
    const int header = findSection(section);
    if (header < 0)
        return;
    const int end = sectionEnd(header);
    m_lines.erase(m_lines.begin() + header, m_lines.begin() + end);
    m_modified = true;
}

QString IniDocument::toText() const
{
    QString text;
    for (const Line &line : m_lines) {
        text += line.raw;
        text += textfile::crlf();
    }
    return text;
}

} // namespace kivora
