#pragma once

// A game whose rules changed after it was added as a lottery: the catalogue now gives
// another matrix than the lottery's definition, or a later date for it than the one
// stored when the lottery was added. The player is told once (the date told is kept in
// the lottery's section) and may start a new lottery for the new matrix; the old
// lottery and its base stay as they are.

#include "core/Failure.h"
#include "results/catalogue/AddFromCatalogue.h"
#include "results/catalogue/GameCatalogue.h"

#include <QString>

#include <optional>

namespace kivora {

class IniDocument;
class IniFile;
class MessageCatalog;
class ProgramFolder;

struct RuleChange
{
    QString lottery;
    CatalogueGame game; // as the catalogue gives it now
    QString storedMatrix; // the lottery's, "5/75 + 1/15"
};

namespace catalogue {

// The date of the change the player was told of.
inline const QString kRuleChangeToldKey = QStringLiteral("RuleChangeTold");

// The change of the lottery's game not told yet; none for a lottery of no catalogue game.
std::optional<RuleChange> findRuleChange(
    const IniDocument &ini, const QString &lottery, const Catalogue &catalogue);

// Keeps in the lottery's section that this change was told.
Done rememberRuleChange(const IniFile &ini, const RuleChange &change);

// Adds the game's current matrix as a lottery of its own, "Mega Millions 2025" (a number
// added when that name is taken), with an empty base of its own.
Outcome<AddedLottery> startNewMatrix(
    const ProgramFolder &folder, const RuleChange &change, const MessageCatalog &messages);

} // namespace catalogue
} // namespace kivora
