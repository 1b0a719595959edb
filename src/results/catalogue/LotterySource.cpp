#include "results/catalogue/LotterySource.h"

#include "core/IniDocument.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "results/import/ImportDates.h"
#include "results/import/ImportProfile.h"

namespace kivora::catalogue {

QDate firstDay(const QString &since)
{
    const QString text = since.trimmed();
    switch (text.size()) {
    case 4:
        return QDate::fromString(text + QStringLiteral("-01-01"), Qt::ISODate);
    case 7:
        return QDate::fromString(text + QStringLiteral("-01"), Qt::ISODate);
    default:
        return QDate::fromString(text, Qt::ISODate);
    }
}

LotterySource lotterySource(const IniDocument &ini, const QString &lottery, const Catalogue &catalogue)
{
    LotterySource source;
    source.url = ini.readString(lottery, kResultsUrlKey, QString()).trimmed();
    source.catalogueName = ini.readString(lottery, kCatalogueNameKey, QString()).trimmed();
    source.settings = readImportProfile(ini, lottery);
    const CatalogueGame *game
        = source.catalogueName.isEmpty() ? nullptr : find(catalogue, source.catalogueName);
    if (!game)
        return source;
    const QDate matrixFrom = firstDay(game->since);
    const QDate ownSince = readSinceDate(source.settings.since);
    if (matrixFrom.isValid() && (!ownSince.isValid() || ownSince < matrixFrom))
        source.settings.since = matrixFrom.toString(Qt::ISODate);
    return source;
}

} // namespace kivora::catalogue
