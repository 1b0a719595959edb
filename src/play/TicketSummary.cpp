#include "play/TicketSummary.h"

#include "core/IniDocument.h"
#include "core/MessageCatalog.h"
#include "play/CombinationList.h"
#include "play/TicketFilters.h"

namespace kivora {

TicketSummary ticketSummary(const CombinationList &list, int uses, const std::optional<qint64> &priceInCents)
{
    TicketSummary summary;
    summary.tickets = list.isEmpty() ? 0 : list.rowCount();
    summary.marked = static_cast<int>(list.markedCaptions().size());
    summary.uses = uses;
    if (priceInCents)
        summary.costInCents = *priceInCents * summary.tickets;
    return summary;
}

TicketSummary ticketSummary(
    const CombinationList &list, int uses, const IniDocument &config, const QString &lottery)
{
    return ticketSummary(list, uses, ticketPrice(config, lottery));
}

QString ticketSummaryText(const TicketSummary &summary, const MessageCatalog &messages)
{
    QString text = messages("Str148").arg(summary.tickets);
    if (summary.marked > summary.uses && summary.uses > 0)
        text += QStringLiteral("; ") + messages("Str149").arg(summary.marked).arg(summary.uses);
    else if (summary.marked > 0 && summary.marked < summary.uses)
        text += QStringLiteral("; ") + messages("Str150").arg(summary.uses - summary.marked);
    if (summary.costInCents)
        text += QStringLiteral("; ") + messages("Str151").arg(moneyText(*summary.costInCents));
    return text;
}

QString filterOutcomeText(const FilterOutcome &outcome, const TicketFilters &filters,
    const LotteryDefinition &lottery, const MessageCatalog &messages)
{
    if (outcome.removedTotal() <= 0)
        return {};
    QStringList parts;
    for (int f = 0; f < kTicketFilterCount; ++f) {
        const int removed = outcome.removed[static_cast<size_t>(f)];
        if (removed > 0)
            parts.append(filterRule(filters, static_cast<TicketFilter>(f), lottery, messages)
                + QStringLiteral(" — ") + QString::number(removed));
    }
    return messages("Str280")
        .arg(outcome.removedTotal())
        .arg(outcome.before)
        .arg(parts.join(QStringLiteral(", ")));
}

QString costNote(const TicketSummary &summary, const MessageCatalog &messages)
{
    return summary.costInCents ? messages("Str151").arg(moneyText(*summary.costInCents)) : QString();
}

} // namespace kivora
