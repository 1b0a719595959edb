#include "play/ExpandAndFilter.h"

#include "results/DrawTable.h"

namespace kivora {

FilteredExpansion expandAndFilter(TemplateCache &cache, const IniDocument &ini,
    const LotteryDefinition &lottery, const DrawTable &draws, const QString &systemName,
    const ProgramFolder &folder, const QStringList &markedCaptions, const TicketFilters &filters,
    const MessageCatalog &messages)
{
    FilteredExpansion result;
    result.expansion = expandCurrentSystem(cache, ini, lottery, systemName, folder, markedCaptions, messages);
    if (!result.expansion.applied)
        return result;
    const PastDraws past = filters.notPastDraw ? PastDraws(draws) : PastDraws();
    result.outcome = filterCombinations(&result.expansion.list, filters, lottery, past);
    result.description = filterDescription(filters, lottery, messages);
    return result;
}

} // namespace kivora
