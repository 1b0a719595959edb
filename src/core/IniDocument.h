#pragma once

// An INI-style text held in memory with the semantics of the old Windows profile
// functions: section and key names compared without regard to case, the file's own
// order kept, a rewritten key keeps its place, a new key goes to the end of its
// section and a new section to the end of the text. Blanks around names and values
// are ignored; a value that starts and ends with a double quote is read without the
// quotes, which is how a value keeps leading or trailing blanks.

#include <QString>
#include <QStringList>

#include <optional>

namespace kivora {

class IniDocument final
{
public:
    IniDocument() = default;
    explicit IniDocument(const QString &text);

    // The value of a key, or nothing when the section or key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // A missing, empty or non-integer value reads as the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // Any integer other than 0 is true; missing or non-integer values read as the default.
    bool readBool(const QString &section, const QString &key, bool def) const;

    bool hasSection(const QString &section) const;
    QStringList sectionNames() const;
    // Keys of a section in file order.
    QStringList keys(const QString &section) const;
    // "key=value" lines of a section in file order (the value as read).
    QStringList keyValueLines(const QString &section) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void deleteKey(const QString &section, const QString &key);
    void eraseSection(const QString &section);

    // The text with CR LF line ends, every line ended.
    QString toText() const;
    bool isModified() const { return m_modified; }

private:
    struct Line
    {
        QString raw;
        QString section; // set on section header lines
        QString key; // set on key lines
        bool isSection = false;
        bool isKey = false;
    };

    // Index of the header line of a section, or -1.
    int findSection(const QString &section) const;
    // One past the last line belonging to the section that starts at header.
    int sectionEnd(int header) const;
    int findKey(int header, const QString &key) const;
    static Line parseLine(const QString &raw);
    static QString valueOf(const Line &line);

    QList<Line> m_lines;
    bool m_modified = false;
};

} // namespace kivora
