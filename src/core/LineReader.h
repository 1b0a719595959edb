#pragma once

// The lines of a text one by one, cut as textfile::splitLines cuts them (CR LF, LF or a
// lone CR end a line), without holding them all at once.

#include <QStringView>

namespace kivora {

class LineReader final
{
public:
    explicit LineReader(QStringView text)
        : m_text(text)
    { }

    bool next(QStringView *line)
    {
        const qsizetype size = m_text.size();
        if (m_pos >= size)
            return false;
        qsizetype i = m_pos;
        while (i < size && m_text[i] != QLatin1Char('\n') && m_text[i] != QLatin1Char('\r'))
            ++i;
        *line = m_text.mid(m_pos, i - m_pos);
        if (i + 1 < size && m_text[i] == QLatin1Char('\r') && m_text[i + 1] == QLatin1Char('\n'))
            ++i;
        m_pos = i + 1;
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace kivora
