#pragma once

// The ticket filters are kept per lottery in the lottery's own section of the
// configuration file, beside its definition:
//
//   [6 из 45]
//   ...
//   FilterSumOn=1
//   FilterSumMin=100
//   FilterSumMax=170
//   FilterOddOn=0 ...
//
// Every key is optional: a file without them (any file written before the filters
// existed) reads as all filters off.

#include "core/IniDocument.h"
#include "core/IniFile.h"
#include "play/TicketFilters.h"

#include <QString>

namespace kivora {

// The keys the filters are stored under, in the order they are written.
const QStringList &ticketFilterKeys();

TicketFilters readTicketFilters(const IniDocument &ini, const QString &lottery);
// Writes every filter key into the lottery's section; other keys keep their values
// and places.
void writeTicketFilters(IniDocument &ini, const QString &lottery, const TicketFilters &filters);
// The same on the file, in one rewrite.
Done storeTicketFilters(const IniFile &ini, const QString &lottery, const TicketFilters &filters);

} // namespace kivora
