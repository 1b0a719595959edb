// A ledger file opened as the ledger window opens it, totalled and written back: the
// lines written read back to the same rows.

#include "FuzzSupport.h"

#include "core/MessageCatalog.h"
#include "reports/Ledger.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace kivora;
    QString text;
    if (!fuzz::textOf(data, size, &text))
        return 0;
    QList<LedgerRow> rows;
    for (const QString &line : textfile::splitLines(text))
        rows.append(parseLedgerLine(line));
    ledgerTotals(rows);
    static const MessageCatalog messages;
    for (const LedgerRow &row : rows) {
        ledgerBalance(row);
        checkLedgerAmount(row.spent, messages);
        checkLedgerAmount(row.received, messages);
    }
    const Ledger ledger = openedLedger(rows, QStringLiteral("01.01.2030"));
    const QStringList written = ledgerFileLines(ledger);
    QList<LedgerRow> reread;
    for (const QString &line : written)
        reread.append(parseLedgerLine(line));
    const QStringList again = ledgerFileLines(openedLedger(reread, QStringLiteral("01.01.2030")));
    fuzz::require(again == written);
    return 0;
}
