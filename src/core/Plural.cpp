#include "core/Plural.h"

#include <QStringList>

namespace kivora {

namespace {

// Characters that separate digit groups in a formatted number ("1 234", "1,234").
bool isGroupSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('\'')
        || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

// The count that the number ending before `end` stands for, as far as a plural rule
// needs it: its last digits, and 1000 more when digit groups precede them (1 001 is
// "many" in English, "one" in Russian). -1 when no number stands before `end`.
qint64 countBefore(const QString &text, qsizetype end)
{
    qsizetype i = end;
    while (i > 0 && !text.at(i - 1).isDigit())
        --i;
    if (i == 0)
        return -1;
    qint64 value = 0;
    qint64 scale = 1;
    qsizetype digits = 0;
    while (i > 0 && text.at(i - 1).isDigit()) {
        if (digits < 9) {
            value += text.at(i - 1).digitValue() * scale;
            scale *= 10;
        }
        ++digits;
        --i;
    }
    const bool moreGroups = i > 1 && isGroupSeparator(text.at(i - 1)) && text.at(i - 2).isDigit();
    return moreGroups || digits > 9 ? 1000 + value % 1000 : value;
}

} // namespace

QString pluralForm(qint64 n, const QString &forms)
{
    const QStringList parts = forms.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return forms;
    if (n < 0)
        n = -n;
    if (parts.size() == 2)
        return n == 1 ? parts.at(0) : parts.at(1);
    const qint64 lastTwo = n % 100;
    const qint64 last = n % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return parts.at(2);
    if (last == 1)
        return parts.at(0);
    return last >= 2 && last <= 4 ? parts.at(1) : parts.at(2);
}

QString withPlurals(const QString &text)
{
    if (!text.contains(QLatin1Char('{')))
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('}'), open + 1);
        if (open < 0 || close < 0) {
            result += QStringView(text).mid(from);
            break;
        }
        result += QStringView(text).mid(from, open - from);
        const QString forms = text.mid(open + 1, close - open - 1);
        if (!forms.contains(QLatin1Char('|'))) {
            // Not a group of forms: kept as written.
            result += QStringView(text).mid(open, close - open + 1);
        } else {
            const qint64 n = countBefore(result, result.size());
            result += n < 0 ? forms.section(QLatin1Char('|'), -1) : pluralForm(n, forms);
        }
        from = close + 1;
    }
    return result;
}

} // namespace kivora
