#include "results/catalogue/AddFromCatalogue.h"

#include "core/Failure.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/SettingsStore.h"
#include "core/TextFile.h"
#include "core/TicketPrice.h"
#include "results/import/ImportProfile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace kivora::catalogue {

namespace {

// "powerball.lot" for "Powerball"; the Latin letters and digits of the name.
QString baseFileStem(const CatalogueGame &game)
{
    if (!game.baseFile.isEmpty())
        return game.baseFile.chopped(4);
    QString stem;
    for (const QChar c : game.name.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit())
            stem += c;
    }
    return stem.isEmpty() ? QStringLiteral("lottery") : stem;
}

// "2 USD" is kept as the price 2; a price the editor would refuse is left out.
QString ticketPrice(const QString &price)
{
    static const QRegularExpression number(QStringLiteral(R"(^(\d+(?:[.,]\d{1,2})?)(?:\s|$))"));
    const QRegularExpressionMatch match = number.match(price.trimmed());
    return match.hasMatch() ? match.captured(1) : QString();
}

void writeKeys(IniDocument &document, const QString &lottery, const CatalogueGame &game)
{
    const auto put = [&](const QString &key, const QString &value) {
        if (value.isEmpty())
            document.deleteKey(lottery, key);
        else
            document.writeString(lottery, key, value);
    };
    put(kResultsUrlKey, game.resultsFile);
    writeImportProfile(document, lottery, game.importProfile);
    put(kCatalogueNameKey, game.name);
    // What the matrix was dated when the lottery was added: a later date is a rule change.
    put(kCatalogueSinceKey, game.since);
}

// Creates the lottery's empty base unless a file of that name is there already; the
// failure's text names the base.
Outcome<AddedLottery> createBase(
    const ProgramFolder &folder, const AddedLottery &added, const MessageCatalog &messages)
{
    const Done created = textfile::ensureFileExists(folder.filePath(added.baseFile));
    if (created)
        return added;
    return Failure::io(messages("Str591").arg(added.baseFile, created.failure().text));
}

} // namespace

QString freeBaseFile(const ProgramFolder &folder, const CatalogueGame &game)
{
    const QString stem = baseFileStem(game);
    QString name = stem + QStringLiteral(".lot");
    for (int n = 2; QFileInfo::exists(folder.filePath(name)); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".lot");
    return name;
}

QStringList definitionValues(const ProgramFolder &folder, const CatalogueGame &game)
{
    const bool additional = !game.additional.isEmpty();
    return {
        QString::number(game.main.minNumber),
        QString::number(game.main.maxNumber),
        QString::number(game.main.count),
        QString::number(additional ? game.additional.count : 0),
        QString::number(additional ? game.additional.minNumber : 0),
        QString::number(additional ? game.additional.maxNumber : 0),
        freeBaseFile(folder, game),
        QStringLiteral("-"),
        QStringLiteral("-"),
        game.resultsPage.isEmpty() ? settings::paramDefaults().value(9) : game.resultsPage,
        ticketPrice(game.price),
    };
}

Outcome<AddedLottery> addLottery(const ProgramFolder &folder, const CatalogueGame &game,
    const MessageCatalog &messages, const QString &baseFile, const QString &lotteryName)
{
    AddedLottery result;
    result.lottery = (lotteryName.isEmpty() ? game.name : lotteryName).trimmed();
    IniFile ini(folder.configPath());
    const Outcome<IniDocument> read = ini.read();
    if (!read)
        return read.failure();
    const IniDocument &current = *read;
    QStringList names;
    for (const LotteryEntry &entry : lotteries::readList(current))
        names.append(entry.name);
    if (const QString problem = settings::lotteryNameProblem(result.lottery, names, messages);
        !problem.isEmpty())
        return Failure::refused(problem);
    QStringList values = definitionValues(folder, game);
    if (!baseFile.isEmpty())
        values[6] = baseFile;
    const settings::ParamsCheck check = settings::checkParams(result.lottery, values, messages);
    if (!check.ok())
        return Failure::refused(check.message);
    result.baseFile = values.value(6);
    // The list is read again under the file's lock: another program may have added
    // the same name meanwhile.
    bool taken = false;
    const Done written = ini.update([&](IniDocument &document) {
        for (const LotteryEntry &entry : lotteries::readList(document)) {
            if (entry.name.compare(result.lottery, Qt::CaseInsensitive) == 0)
                taken = true;
        }
        if (taken)
            return false;
        document.writeString(lotteries::kListSection, result.lottery, QStringLiteral("1"));
        for (int row = 0; row < settings::kParamCount; ++row) {
            const QString &key = settings::paramKeys().at(row);
            if (key == kTicketPriceKey && values.value(row).isEmpty())
                document.deleteKey(result.lottery, key);
            else
                document.writeString(result.lottery, key, values.value(row));
        }
        writeKeys(document, result.lottery, game);
        return true;
    });
    if (taken)
        return Failure::refused(messages("Str78").arg(result.lottery));
    if (!written)
        return written.failure();
    return createBase(folder, result, messages);
}

Outcome<AddedLottery> completeLottery(const ProgramFolder &folder, const QString &lottery,
    const CatalogueGame &game, const MessageCatalog &messages)
{
    const IniFile ini(folder.configPath());
    if (const Done written = ini.update([&](IniDocument &document) { writeKeys(document, lottery, game); });
        !written)
        return written.failure();
    const AddedLottery added { lottery, lotteries::readDefinition(ini.load(), lottery).baseFile };
    return createBase(folder, added, messages);
}

} // namespace kivora::catalogue
