#include "cli/JsonWriter.h"

#include <QLocale>

#include <cmath>

namespace kivora::cli {

void JsonWriter::separate()
{
    if (m_needComma)
        m_text += QStringLiteral(", ");
    m_needComma = false;
}

JsonWriter &JsonWriter::beginObject()
{
    separate();
    m_text += QLatin1Char('{');
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    m_text += QLatin1Char('}');
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    separate();
    m_text += QLatin1Char('[');
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    m_text += QLatin1Char(']');
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::key(const QString &name)
{
    separate();
    m_text += quote(name) + QStringLiteral(": ");
    return *this;
}

JsonWriter &JsonWriter::value(const QString &text)
{
    separate();
    m_text += quote(text);
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::value(qint64 number)
{
    separate();
    m_text += QString::number(number);
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? QStringLiteral("true") : QStringLiteral("false");
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::value(double number)
{
    if (!std::isfinite(number))
        return null();
    separate();
    m_text += QString::number(number, 'g', QLocale::FloatingPointShortest);
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    m_text += QStringLiteral("null");
    m_needComma = true;
    return *this;
}

JsonWriter &JsonWriter::rowsSlot()
{
    separate();
    m_rowsAt = static_cast<int>(m_text.size());
    m_needComma = true;
    return *this;
}

QString JsonWriter::quote(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

} // namespace kivora::cli
