#include "results/import/ImportNumbers.h"

namespace kivora {

namespace {

bool isSeparator(QChar c)
{
    // Digits, the common case, are no separator: decided before the tests below.
    if (c.unicode() >= u'0' && c.unicode() <= u'9')
        return false;
    return c.isSpace() || c == QLatin1Char('|') || c == QLatin1Char('-') || c == QLatin1Char(',')
        || c == QLatin1Char(';') || c == QLatin1Char('+');
}

} // namespace

bool packedNumberTexts(QStringView field, QStringList *numbers)
{
    numbers->clear();
    const qsizetype n = field.size();
    qsizetype i = 0;
    while (i < n) {
        if (isSeparator(field[i])) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && !isSeparator(field[j]))
            ++j;
        const QStringView piece = field.mid(i, j - i);
        for (QChar c : piece) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                numbers->clear();
                return false;
            }
        }
        numbers->append(piece.toString());
        i = j;
    }
    return true;
}

bool appendPackedValues(QStringView field, std::vector<int> *values)
{
    const qsizetype n = field.size();
    qsizetype i = 0;
    while (i < n) {
        if (isSeparator(field[i])) {
            ++i;
            continue;
        }
        int value = 0;
        qsizetype j = i;
        for (; j < n && !isSeparator(field[j]); ++j) {
            const char16_t u = field[j].unicode();
            if (u < u'0' || u > u'9' || j - i >= 9)
                return false;
            value = value * 10 + (u - u'0');
        }
        values->push_back(value);
        i = j;
    }
    return true;
}

std::vector<int> packedNumbers(QStringView field)
{
    QStringList texts;
    std::vector<int> numbers;
    if (!packedNumberTexts(field, &texts))
        return numbers;
    for (const QString &text : texts) {
        if (text.size() > 9)
            return {};
        numbers.push_back(text.toInt());
    }
    return numbers;
}

} // namespace kivora
