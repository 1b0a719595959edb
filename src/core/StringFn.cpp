#include "core/StringFn.h"

#include <limits>

namespace kivora {

QString removeChar(const QString &text, QChar c)
{
    QString result = text;
    result.remove(c);
    return result;
}

QString removeSpaces(const QString &text)
{
    return removeChar(text, QLatin1Char(' '));
}

QString repeatChar(QChar c, int count)
{
    return count > 0 ? QString(count, c) : QString();
}

QString leftFill(QChar c, const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), c) + text;
}

QString trimLeading(const QString &text, QChar c)
{
    int i = 0;
    while (i < text.size() && text.at(i) == c)
        ++i;
    return text.mid(i);
}

QString trimTrailing(const QString &text, QChar c)
{
    int end = text.size();
    while (end > 0 && text.at(end - 1) == c)
        --end;
    return text.left(end);
}

QString trimBoth(const QString &text, QChar c)
{
    return trimLeading(trimTrailing(text, c), c);
}

QString trimLeadingSpaces(const QString &text)
{
    return trimLeading(text, QLatin1Char(' '));
}
QString trimTrailingSpaces(const QString &text)
{
    return trimTrailing(text, QLatin1Char(' '));
}
QString trimSpaces(const QString &text)
{
    return trimBoth(text, QLatin1Char(' '));
}

QString substring(const QString &text, int s, int k)
{
    if (text.isEmpty() || k <= 0 || s <= 0 || s > text.size())
        return {};
    return text.mid(s - 1, k);
}

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

bool tryTextToInt(const QString &input, int *value)
{
    *value = 0;
    const QString text = trimSpaces(input);
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < text.size()
        && (text.at(i) == QLatin1Char('$') || text.at(i) == QLatin1Char('x')
            || text.at(i) == QLatin1Char('X'))) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text.at(i) == QLatin1Char('0')
        && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return false;

    // Accumulate the magnitude in 64 bits: decimal must fit a signed 32-bit integer,
    // hexadecimal its 32-bit pattern ("$FFFFFFFF" is -1, as the old runtime read it).
    const qint64 limit = hex ? 0xFFFFFFFFLL
                             : (negative ? -static_cast<qint64>(std::numeric_limits<int>::min())
                                         : std::numeric_limits<int>::max());
    const int base = hex ? 16 : 10;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = hexDigit(text.at(i));
        if (digit < 0 || digit >= base)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    qint64 result = magnitude;
    if (hex)
        result = static_cast<qint32>(static_cast<quint32>(magnitude));
    if (negative)
        result = -result;
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        return false;
    *value = static_cast<int>(result);
    return true;
}

int textToInt(const QString &text)
{
    int value = 0;
    tryTextToInt(text, &value);
    return value;
}

QString intToText(int value)
{
    return QString::number(value);
}

} // namespace kivora
