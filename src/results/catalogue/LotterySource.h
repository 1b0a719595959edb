#pragma once

// Where a lottery's results come from and how they are read: the address of its results
// file, its import profile and, for a game of the catalogue, the date its current
// matrix holds from (no draw before it fits the lottery's definition).

#include "results/catalogue/GameCatalogue.h"
#include "results/import/ImportDetect.h"

#include <QDate>
#include <QString>

namespace kivora {

class IniDocument;

struct LotterySource
{
    QString url; // ResultsUrl; empty when the lottery names none
    QString catalogueName; // empty for a lottery typed in by hand
    ImportSettings settings; // the import profile, since the later of its own and the matrix's date
};

namespace catalogue {

// The first day a catalogue date stands for: "2017-10" is 2017-10-01, "2015" 2015-01-01.
QDate firstDay(const QString &since);

// The lottery's source as its section of kivora.INI and the catalogue tell it.
LotterySource lotterySource(const IniDocument &ini, const QString &lottery, const Catalogue &catalogue);

} // namespace catalogue
} // namespace kivora
