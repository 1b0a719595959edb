#pragma once

// A system template says which marked number goes into which column of each
// combination. Lines whose first non-blank character is ";" describe the system; every
// other line, a blank one included, is a row of positions:
//
//   ; 7 numbers, all pairs        description
//   1 2 3 4 5 6                   the 1st..6th marked numbers
//   1,2;3 4,0,K                   fields split at spaces, commas and semicolons;
//                                 0 and non-numbers are the placeholder "K"
//
// A combination has ten columns: a template with a wider row is refused (fitsList()),
// never cut.
//
// The shipped full systems reach tens of thousands of rows, and the list is expanded
// after every mark, so a template is parsed once into one byte per cell and shared by
// every list expanded from it.

#include "core/Failure.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kivora {

namespace templatecell {
inline constexpr qint8 kEmpty = -1; // no field there, or a negative position
inline constexpr qint8 kPlaceholder = 0; // shown as "K"
// Positions from 127 up. The number list holds at most 101 numbers (0..100), so such a
// position never names a marked number.
inline constexpr qint8 kBeyond = 127;
} // namespace templatecell

class SystemTemplate final
{
public:
    static constexpr int kColumns = 10;

    SystemTemplate() = default;

    int rowCount() const { return m_rows; }
    // templatecell code, or a position 1..126.
    qint8 code(int row, int column) const { return (*m_cells)[static_cast<size_t>(row) * kColumns + column]; }
    // False when no row holds a single field (the status then counts 0 numbers).
    bool hasFields() const { return m_hasFields; }
    // How many marked numbers the system uses: its largest position.
    int uses() const { return m_uses; }
    // The most fields in one row; false from fitsList() when a row has more than ten.
    int widestRow() const { return m_widestRow; }
    bool fitsList() const { return m_widestRow <= kColumns; }
    // The description lines as the system dialog shows them: ";;7 numbers" reads
    // "7 numbers"; a line with blanks before its ";" stays as it is.
    const QStringList &description() const { return m_description; }

    // rowCount() * kColumns codes, row after row; shared with expanded lists.
    std::shared_ptr<const std::vector<qint8>> cells() const { return m_cells; }

    // Parses the text of a template file.
    static SystemTemplate parse(const QString &text);

private:
    std::shared_ptr<const std::vector<qint8>> m_cells = std::make_shared<const std::vector<qint8>>();
    int m_rows = 0;
    bool m_hasFields = false;
    int m_uses = 0;
    int m_widestRow = 0;
    QStringList m_description;
};

// Parsed templates by path. A template is read again only when its file's size or
// modification time has changed, so marking numbers one by one does not re-read a
// template of tens of thousands of rows. The window owns one.
class TemplateCache final
{
public:
    // The template at path: nullptr when no file is there, the reader's failure when
    // the file cannot be read.
    Outcome<std::shared_ptr<const SystemTemplate>> load(const QString &path);
    void clear() { m_entries.clear(); }

private:
    struct Entry
    {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        std::shared_ptr<const SystemTemplate> parsed;
    };

    static constexpr size_t kMaxEntries = 8;
    std::vector<Entry> m_entries; // most recently used first
};

} // namespace kivora
