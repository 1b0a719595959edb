#include "results/import/ImportDates.h"

#include <QStringList>

#include <array>

namespace kivora {

namespace {

struct MonthName
{
    const char *prefix; // UTF-8, lower case, without accents
    int month;
};

// Month names of the languages operators write, matched by their beginning. Longer
// prefixes first where a short one would take another month ("juin" before "jui").
constexpr MonthName kMonths[] = {
    { "январ", 1 },
    { "феврал", 2 },
    { "март", 3 },
    { "апрел", 4 },
    { "мая", 5 },
    { "май", 5 },
    { "июн", 6 },
    { "июл", 7 },
    { "август", 8 },
    { "сентябр", 9 },
    { "октябр", 10 },
    { "ноябр", 11 },
    { "декабр", 12 },
    { "янв", 1 },
    { "фев", 2 },
    { "мар", 3 },
    { "апр", 4 },
    { "авг", 8 },
    { "сен", 9 },
    { "окт", 10 },
    { "ноя", 11 },
    { "дек", 12 },
    { "juin", 6 },
    { "juil", 7 },
    { "juni", 6 },
    { "juli", 7 },
    { "janv", 1 },
    { "fevr", 2 },
    { "avr", 4 },
    { "aout", 8 },
    { "dez", 12 },
    { "okt", 10 },
    { "mrz", 3 },
    { "marz", 3 },
    { "maerz", 3 },
    { "jan", 1 },
    { "feb", 2 },
    { "mar", 3 },
    { "apr", 4 },
    { "may", 5 },
    { "mai", 5 },
    { "jun", 6 },
    { "jul", 7 },
    { "aug", 8 },
    { "sep", 9 },
    { "oct", 10 },
    { "nov", 11 },
    { "dec", 12 },
};

// Weekdays and their short forms, which a date may carry and which say nothing.
constexpr const char *kWeekdays[] = { "monday", "tuesday", "wednesday", "thursday", "friday", "saturday",
    "sunday", "mon", "tue", "tues", "wed", "thu", "thur", "thurs", "fri", "sat", "sun", "lundi", "mardi",
    "mercredi", "jeudi", "vendredi", "samedi", "dimanche", "lun", "mer", "jeu", "ven", "sam", "dim", "montag",
    "dienstag", "mittwoch", "donnerstag", "freitag", "samstag", "sonntag", "mo", "di", "mi", "do", "fr", "sa",
    "so", "понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье", "пн", "вт", "ср",
    "чт", "пт", "сб", "вс" };

// Words that may stand beside a date: "г." (год), "de", "le", "the".
constexpr const char *kFillers[] = { "г", "года", "год", "de", "le", "the", "of", "am", "pm", "den", "der" };

QString plainLower(QStringView word)
{
    QString lower = word.toString().toLower();
    QString plain;
    plain.reserve(lower.size());
    for (QChar c : lower) {
        switch (c.unicode()) {
        case u'é':
        case u'è':
        case u'ê':
        case u'ë':
            plain += QLatin1Char('e');
            break;
        case u'û':
        case u'ù':
        case u'ü':
            plain += QLatin1Char('u');
            break;
        case u'ä':
        case u'à':
        case u'â':
            plain += QLatin1Char('a');
            break;
        case u'ô':
        case u'ö':
            plain += QLatin1Char('o');
            break;
        case u'î':
        case u'ï':
            plain += QLatin1Char('i');
            break;
        case u'ç':
            plain += QLatin1Char('c');
            break;
        default:
            plain += c;
        }
    }
    return plain;
}

template<size_t N> bool inArray(const QString &word, const char *const (&list)[N])
{
    for (const char *item : list) {
        if (word == QString::fromUtf8(item))
            return true;
    }
    return false;
}

int monthOf(const QString &word)
{
    for (const MonthName &m : kMonths) {
        if (word.startsWith(QString::fromUtf8(m.prefix)))
            return m.month;
    }
    return 0;
}

int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 70 ? 2000 + year : 1900 + year;
}

} // namespace

DateParts readDateParts(QStringView text)
{
    DateParts parts;
    // At most three numbers make a date; a fourth refuses it.
    std::array<int, 4> numberAt {};
    std::array<int, 4> digitsAt {};
    std::array<QChar, 4> separatorAt {}; // the character after each number
    int count = 0;
    int month = 0;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c.isDigit()) {
            qsizetype j = i;
            while (j < n && text[j].isDigit())
                ++j;
            // A time ("20:00", "T00:00:00") ends the date.
            if (j < n && text[j] == QLatin1Char(':'))
                break;
            if (j - i > 4)
                return {};
            if (count == 3)
                return {};
            int value = 0;
            for (qsizetype k = i; k < j; ++k) {
                const char16_t u = text[k].unicode();
                value = value * 10 + (u >= u'0' && u <= u'9' ? u - u'0' : text[k].digitValue());
            }
            numberAt[static_cast<size_t>(count)] = value;
            digitsAt[static_cast<size_t>(count)] = static_cast<int>(j - i);
            separatorAt[static_cast<size_t>(count)] = j < n ? text[j] : QChar();
            ++count;
            i = j;
        } else if (c.isLetter()) {
            qsizetype j = i;
            while (j < n && text[j].isLetter())
                ++j;
            const QString word = plainLower(text.mid(i, j - i));
            // "T" between an ISO date and its time.
            if (word == QLatin1String("t") && j < n && text[j].isDigit() && count == 3)
                break;
            if (!inArray(word, kWeekdays) && !inArray(word, kFillers)) {
                const int m = monthOf(word);
                if (m == 0 || month != 0)
                    return {};
                month = m;
            }
            i = j;
        } else {
            ++i;
        }
    }
    if (month != 0) {
        // "23 октября 2017", "Jun 16, 2020", "16. Juni 2020"
        if (count != 2)
            return {};
        const int yearAt = digitsAt[0] == 4 ? 0 : 1;
        parts.year = fullYear(numberAt[static_cast<size_t>(yearAt)], digitsAt[static_cast<size_t>(yearAt)]);
        parts.first = numberAt[static_cast<size_t>(1 - yearAt)];
        parts.second = month;
        parts.named = true;
        return parts;
    }
    if (count != 3)
        return {};
    if (digitsAt[0] == 4) {
        parts.year = numberAt[0];
        parts.first = numberAt[2];
        parts.second = numberAt[1];
        parts.isoOrder = true;
        return parts;
    }
    if (digitsAt[2] != 4 && digitsAt[2] != 2)
        return {};
    parts.first = numberAt[0];
    parts.second = numberAt[1];
    parts.year = fullYear(numberAt[2], digitsAt[2]);
    parts.dotted = separatorAt[0] == QLatin1Char('.');
    return parts;
}

void DateOrderVote::add(const DateParts &parts)
{
    if (!parts.valid() || parts.named || parts.isoOrder)
        return;
    if (parts.first > 12 && parts.second <= 12)
        m_dayFirst = true;
    else if (parts.second > 12 && parts.first <= 12)
        m_monthFirst = true;
    else if (!parts.dotted && parts.first != parts.second)
        m_needsOrder = true;
}

DateOrder DateOrderVote::order() const
{
    if (m_dayFirst && !m_monthFirst)
        return DateOrder::DayFirst;
    if (m_monthFirst && !m_dayFirst)
        return DateOrder::MonthFirst;
    if (!m_dayFirst && !m_monthFirst && !m_needsOrder)
        return DateOrder::DayFirst;
    return DateOrder::Unknown;
}

QDate dateFromParts(const DateParts &parts, DateOrder order)
{
    if (!parts.valid())
        return {};
    if (parts.named || parts.isoOrder)
        return QDate(parts.year, parts.second, parts.first);
    // A date that settles the order itself needs no vote.
    if (order == DateOrder::Unknown) {
        if (parts.dotted || (parts.first > 12 && parts.second <= 12))
            order = DateOrder::DayFirst;
        else if (parts.second > 12 && parts.first <= 12)
            order = DateOrder::MonthFirst;
    }
    if (parts.first == parts.second)
        return QDate(parts.year, parts.first, parts.first);
    if (order == DateOrder::DayFirst)
        return QDate(parts.year, parts.second, parts.first);
    if (order == DateOrder::MonthFirst)
        return QDate(parts.year, parts.first, parts.second);
    return {};
}

DateOrder dateOrderFromFormat(const QString &format)
{
    const QString f = format.trimmed().toLower();
    if (f == QLatin1String("day-first") || f.startsWith(QLatin1Char('d')))
        return DateOrder::DayFirst;
    if (f == QLatin1String("month-first") || f.startsWith(QLatin1Char('m')))
        return DateOrder::MonthFirst;
    // A year-first format has no doubt to settle.
    if (f.startsWith(QLatin1String("yyyy")) || f.startsWith(QLatin1String("y-")))
        return DateOrder::DayFirst;
    return DateOrder::Unknown;
}

QString dateFormatName(DateOrder order)
{
    switch (order) {
    case DateOrder::DayFirst:
        return QStringLiteral("dd/mm/yyyy");
    case DateOrder::MonthFirst:
        return QStringLiteral("mm/dd/yyyy");
    case DateOrder::Unknown:
        break;
    }
    return {};
}

QDate readSinceDate(const QString &text)
{
    const QString t = text.trimmed();
    QDate date = QDate::fromString(t, QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    return date;
}

} // namespace kivora
