#include "results/import/ImportFormat.h"

namespace kivora {

QString importKindName(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Csv:
        return QStringLiteral("csv");
    case ImportKind::Fixed:
        return QStringLiteral("fixed");
    case ImportKind::Json:
        return QStringLiteral("json");
    case ImportKind::Native:
        return QStringLiteral("native");
    }
    return {};
}

QString rowOrderName(RowOrder order)
{
    switch (order) {
    case RowOrder::OldestFirst:
        return QStringLiteral("oldest-first");
    case RowOrder::NewestFirst:
        return QStringLiteral("newest-first");
    case RowOrder::Mixed:
        return QStringLiteral("mixed");
    case RowOrder::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString delimiterName(QChar delimiter)
{
    if (delimiter.isNull())
        return {};
    if (delimiter == QLatin1Char('\t'))
        return QStringLiteral("tab");
    if (delimiter == QLatin1Char(' '))
        return QStringLiteral("spaces");
    return QString(delimiter);
}

} // namespace kivora
