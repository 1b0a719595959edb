#pragma once

// A lottery's ticket price (key TicketPrice of its section, absent by default), kept
// in cents so that sums of many tickets stay exact.

#include <QString>

#include <optional>

namespace kivora {

class IniDocument;

// A price as typed: "50", "50,5", "50.50" (two decimals at most), or empty for none.
// Returns false for any other text.
bool parsePrice(const QString &text, std::optional<qint64> *cents);
// Cents as money: "350", "350,50".
QString moneyText(qint64 cents);

// The lottery's ticket price from the configuration; none when the key is absent,
// empty or not a price.
std::optional<qint64> ticketPrice(const IniDocument &ini, const QString &lottery);
inline const QString kTicketPriceKey = QStringLiteral("TicketPrice");

} // namespace kivora
