#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace kivora {

// A date in the system's short form, as a field of a results base record: no space,
// comma or semicolon (they separate fields), four-digit years ("7.12.2026" for the
// Czech "d. M. yyyy"). Without a configured locale (the "C" locale of a bare system)
// the form of the sample bases is used: 01.02.2005.
inline QString sampleDateFormat()
{
    return QStringLiteral("dd.MM.yyyy");
}

// The system's short date format with a four-digit year.
inline QString shortDateFormat()
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return sampleDateFormat();
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years are ambiguous in a base that spans decades.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// A field has no blank, comma or semicolon: they separate the fields of a record.
inline QString asRecordField(QString text)
{
    text.remove(QLatin1Char(' '));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    text.replace(QLatin1Char(';'), QLatin1Char('.'));
    return text;
}

inline QString shortDate(const QDate &date)
{
    return asRecordField(date.toString(shortDateFormat()));
}

// Whether a text may stand as the date of a new draw: "-" (unknown, as the sample bases
// have it), a real date in the sample bases' form "08.02.2005", or a real date in the
// form shortDate writes. "yesterday" and "31.02.2025" are not.
inline bool isDrawDate(const QString &text)
{
    if (text == QLatin1String("-"))
        return true;
    if (QDate::fromString(text, sampleDateFormat()).isValid())
        return true;
    const QString format = shortDateFormat();
    for (const QString &candidate : { asRecordField(format), format }) {
        const QDate date = QDate::fromString(text, candidate);
        if (date.isValid() && shortDate(date) == text)
            return true;
    }
    return false;
}

} // namespace kivora
