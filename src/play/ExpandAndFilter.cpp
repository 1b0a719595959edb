#include "play/ExpandAndFilter.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "play/WheelGenerator.h"
#include "play/WheelTemplate.h"
#include "results/DrawTable.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace kivora {

namespace {

// The tickets left in the list as positions of the marked numbers; none when a row
// holds a number that is not one of the system's `uses` first marked numbers.
std::vector<quint64> positionTickets(const CombinationList &list, const QStringList &markedCaptions, int uses)
{
    QHash<QString, int> position;
    for (int i = 0; i < uses && i < markedCaptions.size(); ++i)
        position.insert(markedCaptions.at(i), i + 1);
    std::vector<quint64> tickets;
    for (int row = 0; row < list.rowCount(); ++row) {
        quint64 set = 0;
        for (const QString &cell : list.row(row)) {
            const int p = position.value(cell, 0);
            if (p > 0)
                set |= quint64(1) << (p - 1);
        }
        if (set != 0)
            tickets.push_back(set);
    }
    return tickets;
}

// Whether the m-sets are few enough to count on every change of the marks.
bool countable(const wheel::Guarantee &g)
{
    qint64 sets = 1;
    for (int i = 1; i <= g.drawn; ++i) {
        sets = sets * (g.numbers - g.drawn + i) / i;
        if (sets > wheel::kMaxSets)
            return false;
    }
    return true;
}

} // namespace

QString guaranteeLeftText(
    const std::vector<quint64> &tickets, const wheel::Guarantee &g, const MessageCatalog &messages)
{
    const wheel::CheckResult check = wheel::verify(tickets, g, 0);
    const qint64 covered = check.sets - check.holes;
    // Rounded, but never 100 % while a set is left out, nor 0 % while one is covered.
    qint64 percent = check.sets > 0 ? (covered * 200 + check.sets) / (2 * check.sets) : 0;
    if (covered < check.sets)
        percent = std::min<qint64>(percent, 99);
    if (covered > 0)
        percent = std::max<qint64>(percent, 1);
    return withPlurals(
        messages("Str774").arg(g.match).arg(g.drawn).arg(covered).arg(check.sets).arg(percent));
}

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

    // A wheel that lost tickets no longer keeps its whole guarantee: say how much is left.
    const int uses = result.expansion.uses;
    if (result.outcome.after >= result.outcome.before || uses < 1 || markedCaptions.size() < uses
        || uses > wheel::kMaxNumbers)
        return result;
    const std::optional<wheel::Guarantee> g
        = wheel::statedGuarantee(systemName, QFileInfo(result.expansion.templatePath).fileName(), uses);
    if (!g || !countable(*g))
        return result;
    result.guaranteeLeft
        = guaranteeLeftText(positionTickets(result.expansion.list, markedCaptions, uses), *g, messages);
    if (!result.description.isEmpty())
        result.description += QStringLiteral("; ") + result.guaranteeLeft;
    return result;
}

} // namespace kivora
