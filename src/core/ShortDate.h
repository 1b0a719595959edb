#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace kivora {

// A date in the system's short form, as a field of a results base record: no space,
// comma or semicolon (they separate fields), four-digit years ("7.12.2026" for the
// Czech "d. M. yyyy"). Without a configured locale (the "C" locale of a bare system)
// the form of the sample bases is used: 01.02.2005.
inline QString shortDate(const QDate &date)
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("dd.MM.yyyy"));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years are ambiguous in a base that spans decades.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString text = date.toString(format);
    text.remove(QLatin1Char(' '));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    text.replace(QLatin1Char(';'), QLatin1Char('.'));
    return text;
}

} // namespace kivora
