#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace kivora {

// A date in the system's short form. Without a configured locale (the "C" locale of a
// bare system) the form of the results bases is used: 01.02.2005.
inline QString shortDate(const QDate &date)
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("dd.MM.yyyy"));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years are ambiguous in a base that spans decades.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return date.toString(format);
}

} // namespace kivora
