#include "ui/FileDialogTexts.h"

namespace kivora {

FileDialogTexts::FileDialogTexts(const char *name, QString title, QString filter, QObject *parent)
    : QObject(parent)
    , m_title(std::move(title))
    , m_filter(std::move(filter))
{
    setObjectName(QLatin1String(name));
}

QStringList FileDialogTexts::qtFilters(const QString &pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        pattern.replace(QLatin1String("*.*"), QLatin1String("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts.at(i) + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}

FileDialogRequest FileDialogTexts::request(int selectedFilter, const QString &defaultSuffix) const
{
    FileDialogRequest request;
    request.title = m_title;
    request.filters = qtFilters(m_filter);
    request.selectedFilter = selectedFilter;
    request.defaultSuffix = defaultSuffix;
    return request;
}

} // namespace kivora
