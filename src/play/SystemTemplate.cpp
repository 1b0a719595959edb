#include "play/SystemTemplate.h"

#include "core/StringFn.h"
#include "core/TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace kivora {

namespace {

bool isRowDelimiter(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char(';');
}

// A field never holds a blank (the blank separates fields), so the position is the
// field read as an integer. Plain digits are by far the common case and are read
// here; anything else ("K", "+3", "$0A") goes through the general routine.
int positionOf(QStringView field)
{
    if (field.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (QChar c : field) {
            const ushort u = c.unicode();
            if (u < '0' || u > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (u - '0');
        }
        if (digits)
            return value;
    }
    return textToInt(field.toString());
}

qint8 codeOf(int position)
{
    if (position < 0)
        return templatecell::kEmpty;
    if (position >= templatecell::kBeyond)
        return templatecell::kBeyond;
    return static_cast<qint8>(position);
}

} // namespace

SystemTemplate SystemTemplate::parse(const QString &text)
{
    SystemTemplate result;
    std::vector<qint8> cells;
    cells.reserve(static_cast<size_t>(text.size() / 8) * kColumns);

    const auto handleLine = [&](QStringView line) {
        int i = 0;
        while (i < line.size() && line.at(i) == QLatin1Char(' '))
            ++i;
        if (i < line.size() && line.at(i) == QLatin1Char(';')) {
            // ";;text" shows as "text"; "  ;text" is shown unchanged.
            if (i == 0)
                result.m_description.append(trimLeading(line.toString(), QLatin1Char(';')));
            else
                result.m_description.append(line.toString());
            return;
        }

        const size_t rowStart = cells.size();
        cells.resize(rowStart + kColumns, templatecell::kEmpty);
        int column = 0;
        int pos = i;
        while (pos < line.size()) {
            while (pos < line.size() && isRowDelimiter(line.at(pos)))
                ++pos;
            if (pos >= line.size())
                break;
            const int start = pos;
            while (pos < line.size() && !isRowDelimiter(line.at(pos)))
                ++pos;
            // Fields beyond the tenth are only counted: such a template is refused, not cut.
            if (column < kColumns) {
                const qint8 code = codeOf(positionOf(line.mid(start, pos - start)));
                cells[rowStart + column] = code;
                if (code >= 1 && code < templatecell::kBeyond)
                    result.m_uses = std::max(result.m_uses, static_cast<int>(code));
            }
            ++column;
        }
        result.m_widestRow = std::max(result.m_widestRow, column);
        if (column > 0)
            result.m_hasFields = true;
        ++result.m_rows;
    };

    // Lines end at CR LF, LF or CR; an end after the last line starts no new line.
    const QStringView all(text);
    int start = 0;
    for (int i = 0; i < all.size(); ++i) {
        const QChar c = all.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        handleLine(all.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < all.size() && all.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        handleLine(all.mid(start));

    result.m_cells = std::make_shared<const std::vector<qint8>>(std::move(cells));
    return result;
}

Outcome<std::shared_ptr<const SystemTemplate>> TemplateCache::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                            [&](const Entry &entry) { return entry.path == path; }),
            m_entries.end());
        return std::shared_ptr<const SystemTemplate>();
    }
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();

    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->path != path)
            continue;
        if (it->size == size && it->modified == modified) {
            std::rotate(m_entries.begin(), it, it + 1);
            return m_entries.front().parsed;
        }
        m_entries.erase(it);
        break;
    }

    const Outcome<QString> text = textfile::readText(path);
    if (!text)
        return text.failure();
    auto parsed = std::make_shared<const SystemTemplate>(SystemTemplate::parse(*text));
    m_entries.insert(m_entries.begin(), Entry { path, size, modified, parsed });
    if (m_entries.size() > kMaxEntries)
        m_entries.pop_back();
    return parsed;
}

} // namespace kivora
