#include "results/catalogue/RuleChange.h"

#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "core/ProgramFolder.h"
#include "results/catalogue/LotterySource.h"

namespace kivora::catalogue {

namespace {

QString definitionMatrix(const LotteryDefinition &definition)
{
    QString text = QStringLiteral("%1/%2").arg(definition.drawNumber).arg(definition.maxNumber);
    if (definition.hasAdditionalNumbers())
        text += QStringLiteral(" + %1/%2").arg(definition.countOfAddBall).arg(definition.maxnumberOfAddBall);
    return text;
}

bool sameMatrix(const LotteryDefinition &definition, const CatalogueGame &game)
{
    if (definition.drawNumber != game.main.count || definition.minNumber != game.main.minNumber
        || definition.maxNumber != game.main.maxNumber)
        return false;
    if (game.additional.isEmpty())
        return !definition.hasAdditionalNumbers();
    return definition.countOfAddBall == game.additional.count
        && definition.minnumberOfAddBall == game.additional.minNumber
        && definition.maxnumberOfAddBall == game.additional.maxNumber;
}

} // namespace

std::optional<RuleChange> findRuleChange(
    const IniDocument &ini, const QString &lottery, const Catalogue &catalogue)
{
    const QString name = ini.readString(lottery, kCatalogueNameKey, QString()).trimmed();
    const CatalogueGame *game = name.isEmpty() ? nullptr : find(catalogue, name);
    if (!game || !game->ended.isEmpty())
        return std::nullopt;
    if (ini.readString(lottery, kRuleChangeToldKey, QString()).trimmed() == game->since)
        return std::nullopt;
    const LotteryDefinition definition = lotteries::readDefinition(ini, lottery);
    const QDate addedSince = firstDay(ini.readString(lottery, kCatalogueSinceKey, QString()));
    const bool newerDate = addedSince.isValid() && firstDay(game->since) > addedSince;
    if (sameMatrix(definition, *game) && !newerDate)
        return std::nullopt;
    return RuleChange { lottery, *game, definitionMatrix(definition) };
}

Done rememberRuleChange(const IniFile &ini, const RuleChange &change)
{
    return ini.writeString(change.lottery, kRuleChangeToldKey, change.game.since);
}

Outcome<AddedLottery> startNewMatrix(
    const ProgramFolder &folder, const RuleChange &change, const MessageCatalog &messages)
{
    const QString stem = change.game.name + QLatin1Char(' ') + change.game.since.left(4);
    const QStringList taken = [&] {
        QStringList names;
        for (const LotteryEntry &entry : lotteries::readList(IniFile(folder.configPath()).load()))
            names.append(entry.name.toLower());
        return names;
    }();
    QString name = stem;
    for (int n = 2; taken.contains(name.toLower()); ++n)
        name = stem + QStringLiteral(" (%1)").arg(n);
    return addLottery(folder, change.game, messages, QString(), name);
}

} // namespace kivora::catalogue
