#pragma once

// Playing the current system: the marked numbers expanded by the system's template,
// then the player's ticket filters applied to the tickets.

#include "play/Systems.h"
#include "play/TicketFilters.h"
#include "play/WheelVerifier.h"

#include <vector>

namespace kivora {

class DrawTable;

struct FilteredExpansion
{
    SystemExpansion expansion; // its list holds only the tickets that passed
    FilterOutcome outcome; // what each filter removed; nothing when none is on
    // The filters in force, for a saved file's header; empty when none is on or the
    // template could not be read.
    QString description;
    // What remains of the guarantee a wheel states once the filters removed tickets
    // ("«3 из 3» держится для 47 из 56 сочетаний по 3 (84 %)"); empty when no ticket
    // was removed, the system states no guarantee or its m-sets are too many to count
    // at once (over five million). Also the end of description.
    QString guaranteeLeft;
};

// The remaining guarantee sentence for `tickets` (positions 1..g.numbers), counted exactly.
QString guaranteeLeftText(
    const std::vector<quint64> &tickets, const wheel::Guarantee &g, const MessageCatalog &messages);

// Expands the system named systemName for the marked captions (in the number list's
// order), then filters the tickets. A template that cannot be read leaves the
// expansion unapplied and nothing filtered. draws are read only by the filter against
// past draws.
FilteredExpansion expandAndFilter(TemplateCache &cache, const IniDocument &ini,
    const LotteryDefinition &lottery, const DrawTable &draws, const QString &systemName,
    const ProgramFolder &folder, const QStringList &markedCaptions, const TicketFilters &filters,
    const MessageCatalog &messages);

} // namespace kivora
