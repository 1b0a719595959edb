#pragma once

// Character, trimming and number routines shared by every file format.
// All are pure and never fail; positions count from 1.

#include <QString>

namespace kivora {

QString removeChar(const QString &text, QChar c);
QString removeSpaces(const QString &text);
QString repeatChar(QChar c, int count);
// (width - length) copies of c before the text; a longer text is never cut.
QString leftFill(QChar c, const QString &text, int width);
QString trimLeading(const QString &text, QChar c);
QString trimTrailing(const QString &text, QChar c);
QString trimBoth(const QString &text, QChar c);
QString trimLeadingSpaces(const QString &text);
QString trimTrailingSpaces(const QString &text);
QString trimSpaces(const QString &text);
// k characters from position s; empty when s or k is out of range.
QString substring(const QString &text, int s, int k);

// Signed 32-bit integer from a text: "+12", "-7", "$1F", "0x1F", "x1f" (blanks around
// are ignored). Returns false, leaving *value at 0, on any other text or on overflow.
bool tryTextToInt(const QString &text, int *value);
// The same, with 0 for every text that is not an integer.
int textToInt(const QString &text);
QString intToText(int value);

// A number as the views show it: decimal, left-filled with "0" to two characters.
inline QString twoDigits(int value)
{
    return leftFill(QLatin1Char('0'), intToText(value), 2);
}

} // namespace kivora
