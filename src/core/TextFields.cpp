#include "core/TextFields.h"

#include <QStringList>

namespace kivora {

int fieldPosition(int n, const QString &text, const CharSet &delims)
{
    const int length = text.size();
    int i = 0; // 0-based here, 1-based in the result
    int count = 0;
    while (i < length && count != n) {
        while (i < length && delims.contains(text.at(i)))
            ++i;
        if (i < length)
            ++count;
        if (count == n)
            return n > 0 && i < length ? i + 1 : 0;
        while (i < length && !delims.contains(text.at(i)))
            ++i;
    }
    return 0;
}

int fieldCount(const QString &text, const CharSet &delims)
{
    const int length = text.size();
    int count = 0;
    int i = 0;
    while (i < length) {
        while (i < length && delims.contains(text.at(i)))
            ++i;
        if (i < length)
            ++count;
        while (i < length && !delims.contains(text.at(i)))
            ++i;
    }
    return count;
}

QString extractField(int n, const QString &text, const CharSet &delims)
{
    const int position = fieldPosition(n, text, delims);
    if (position == 0)
        return {};
    int end = position - 1;
    while (end < text.size() && !delims.contains(text.at(end)))
        ++end;
    return text.mid(position - 1, end - position + 1);
}

bool hasField(const QString &word, const QString &text, const CharSet &delims)
{
    if (word.isEmpty())
        return false;
    const QStringList fields = splitFields(text, delims);
    return fields.contains(word);
}

int fieldPositionShort(int n, const QString &text, const CharSet &delims)
{
    return fieldPosition(n & 0xFF, text, delims);
}

QString extractFieldShort(int n, const QString &text, const CharSet &delims)
{
    return extractField(n & 0xFF, text, delims);
}

QStringList splitFields(const QString &text, const CharSet &delims)
{
    QStringList fields;
    const int length = text.size();
    int i = 0;
    while (i < length) {
        while (i < length && delims.contains(text.at(i)))
            ++i;
        const int start = i;
        while (i < length && !delims.contains(text.at(i)))
            ++i;
        if (i > start)
            fields.append(text.mid(start, i - start));
    }
    return fields;
}

} // namespace kivora
