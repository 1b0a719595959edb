#pragma once

// What the combination list amounts to for the player: how many tickets, whether they
// are complete (as many numbers marked as the system uses) and, when the lottery has
// a ticket price (key TicketPrice of its section, absent by default), what they cost.

#include "core/TicketPrice.h"

#include <QString>

#include <optional>

namespace kivora {

class CombinationList;
class IniDocument;
class MessageCatalog;

struct TicketSummary
{
    int tickets = 0;
    int marked = 0;
    int uses = 0; // numbers the system uses
    std::optional<qint64> costInCents;

    // Fewer numbers marked than the system uses leave placeholders in the tickets.
    bool complete() const { return marked >= uses; }
};

TicketSummary ticketSummary(const CombinationList &list, int uses, const std::optional<qint64> &priceInCents);
// The same at the ticket price the configuration keeps for the lottery.
TicketSummary ticketSummary(
    const CombinationList &list, int uses, const IniDocument &config, const QString &lottery);

// "Комбинаций: 7; отмечено 8, система использует 6; стоимость: 350".
QString ticketSummaryText(const TicketSummary &summary, const MessageCatalog &messages);

// What the ticket filters removed: "фильтры убрали 35 из 155: сумма 100-150 — 10,
// нечётных 2-4 — 25"; empty when they removed nothing.
QString filterOutcomeText(const struct FilterOutcome &outcome, const struct TicketFilters &filters,
    const struct LotteryDefinition &lottery, const MessageCatalog &messages);

// The note the header line of a saved file carries: "стоимость: 350", or empty.
QString costNote(const TicketSummary &summary, const MessageCatalog &messages);

} // namespace kivora
