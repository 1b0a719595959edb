#pragma once

// Adding a lottery of the catalogue to the program folder: its definition goes into
// kivora.INI with the keys the settings dialog writes, the address of its results
// file, its import profile and the catalogue name; an empty results base is created
// beside it. The window and kivora-cli both add through here.

#include "core/Failure.h"
#include "results/catalogue/GameCatalogue.h"

#include <QString>
#include <QStringList>

namespace kivora {

class MessageCatalog;
class ProgramFolder;

namespace catalogue {

// The lottery section's keys beyond the settings dialog's ten.
inline const QString kResultsUrlKey = QStringLiteral("ResultsUrl");
inline const QString kCatalogueNameKey = QStringLiteral("CatalogueName");
inline const QString kCatalogueSinceKey = QStringLiteral("CatalogueSince"); // the matrix's date when added

// The values of the settings editor's rows (settings::paramKeys order) for the game,
// with a base file name the folder has no file of yet.
QStringList definitionValues(const ProgramFolder &folder, const CatalogueGame &game);

// A base file name for the game that no file of the folder has yet.
QString freeBaseFile(const ProgramFolder &folder, const CatalogueGame &game);

struct AddedLottery
{
    QString lottery;
    QString baseFile;
};

// Adds the game as a lottery named by the game (or lotteryName when not empty) with
// definitionValues (the base file given instead of the game's own when it is not empty): refuses a name the
// list has in any letter case and values the dialog would refuse; writes the list key, the values and the
// catalogue keys in one rewrite of kivora.INI, then creates the empty base unless a file of that name exists
// (an existing base is taken as it is).
Outcome<AddedLottery> addLottery(const ProgramFolder &folder, const CatalogueGame &game,
    const MessageCatalog &messages, const QString &baseFile = QString(),
    const QString &lotteryName = QString());

// Finishes a lottery whose list key and values the settings dialog has written: the
// catalogue keys go into its section and its base (the section's BaseFile) is created
// when missing.
Outcome<AddedLottery> completeLottery(const ProgramFolder &folder, const QString &lottery,
    const CatalogueGame &game, const MessageCatalog &messages);

} // namespace catalogue
} // namespace kivora
