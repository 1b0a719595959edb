#pragma once

// The income and expenses ledger of one lottery: a ".bls" file beside its results
// base, one entry a line, "date;spent;received". The balance is never stored; it is
// received − spent, with amounts read as 64-bit whole numbers ("12,50" and "" count 0;
// the dialog refuses such a typed amount with checkLedgerAmount).
//
//   01.02.2005;100;0      balance -100
//   08.02.2005;100;340    balance  240      totals 200, 340, 140
//   ;;500                 an entry with only a received amount

#include "core/Failure.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class QDate;

namespace kivora {

class MessageCatalog;

struct LedgerRow
{
    QString date;
    QString spent;
    QString received;

    // Both amounts empty (or blank): such a row is not saved.
    bool hasNoAmounts() const;
    bool operator==(const LedgerRow &other) const
    {
        return date == other.date && spent == other.spent && received == other.received;
    }
    bool operator!=(const LedgerRow &other) const { return !(*this == other); }
};

// Columns of the ledger grid.
enum class LedgerColumn { Date = 0, Spent = 1, Received = 2, Balance = 3 };
inline constexpr int kLedgerColumnCount = 4;

// Sums over all entries. 64-bit, so that large amounts cannot wrap around.
struct LedgerTotals
{
    qint64 spent = 0;
    qint64 received = 0;
    qint64 balance = 0;
};

// An amount cell as a 64-bit whole number: decimal, or the other forms text-to-integer
// takes ("$10"); 0 for an empty cell or one that is not a whole number ("12,50").
qint64 ledgerAmount(const QString &text);
// Whether a typed amount can be stored: empty (no amount), or a decimal whole number
// with an optional sign inside the 64-bit range. Returns the empty text when it can,
// otherwise the message to show ("12,50" has kopecks; a number too large).
QString checkLedgerAmount(const QString &typed, const MessageCatalog &messages);

// received − spent of one entry. Balances and totals stop at the 64-bit limits rather
// than wrap around.
qint64 ledgerBalance(const LedgerRow &row);
LedgerTotals ledgerTotals(const QList<LedgerRow> &rows);

// The entries the ledger dialog edits.
class Ledger final
{
public:
    Ledger() = default;
    explicit Ledger(QList<LedgerRow> rows)
        : m_rows(std::move(rows))
    { }

    const QList<LedgerRow> &rows() const { return m_rows; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const LedgerRow &row(int index) const { return m_rows.at(index); }

    // The text of a cell; the balance column gives the computed balance ("-100").
    // Empty for a row or column out of range.
    QString cell(int row, int column) const;
    // Sets the date, spent or received cell; the balance column and cells out of
    // range are left alone. Returns whether the cell was set.
    bool setCell(int row, int column, const QString &text);

    // Inserts an entry dated `date` with empty amounts directly below `row` (-1 puts it
    // first, a row past the end appends it) and returns its index.
    int insertBelow(int row, const QString &date);
    // Removes an entry; an index out of range is ignored.
    void removeRow(int row);

    qint64 balance(int row) const { return ledgerBalance(m_rows.at(row)); }
    LedgerTotals totals() const { return ledgerTotals(m_rows); }

    bool operator==(const Ledger &other) const { return m_rows == other.m_rows; }

private:
    QList<LedgerRow> m_rows;
};

// Colours of the balance, as 0xRRGGBB.
inline constexpr quint32 kLedgerGain = 0x008000; // text of a positive balance
inline constexpr quint32 kLedgerLoss = 0xFF0000; // text of a negative one
inline constexpr quint32 kLedgerEven = 0x000000; // text of 0
inline constexpr quint32 kLedgerTotalGain = 0xC0DCC0; // totals cell, positive
inline constexpr quint32 kLedgerTotalLoss = 0xFF0000; // totals cell, negative

// Text colour of an entry's balance: green above 0, red below, black for 0.
quint32 balanceTextColour(qint64 balance);
// Background of the totals' balance cell: light green above 0, red below, and none
// for 0, where the window's button-face colour shows.
std::optional<quint32> totalBalanceBackground(qint64 total);

// "/data/6x45.lot" -> "/data/6x45.bls"; a name without extension gets ".bls".
QString ledgerPath(const QString &resultsBasePath);

// One line into date, spent, received. Fields are positional and may be empty:
// ";100;" is an empty date and spent 100; fields after the third are ignored.
LedgerRow parseLedgerLine(const QString &line);
// The line stored for a row: "date;spent;received". A ";" inside a cell would move the
// following amounts into other columns on the next reading, so it is stored as ",";
// a line break inside a cell becomes a space.
QString ledgerLine(const LedgerRow &row);

// Reads the entries of a ledger file, one a line. A missing file is created empty (no
// entries). Fails with "path: reason" when the file cannot be created or read.
Outcome<QList<LedgerRow>> readLedgerFile(const QString &path);

// The ledger the dialog opens with: the file's entries, plus one entry dated today
// when there are two or more of them; a single empty entry when the file had none.
Ledger openedLedger(const QList<LedgerRow> &fileRows, const QString &today);
// readLedgerFile, then openedLedger.
Outcome<Ledger> openLedger(const QString &path, const QString &today);

// The file lines of a ledger: every entry that has an amount, top to bottom.
QStringList ledgerFileLines(const Ledger &ledger);
// Nothing when the program may write the ledger at path: a file that does not exist
// yet (nor is a dangling link), or a text file each of whose non-blank lines reads as
// an entry: at least the three fields, amounts of digits, signs and separators only.
// Otherwise a Format failure naming the file (the ledger lies beside a results base
// that a configuration may place anywhere), or an Io failure when it cannot be read.
std::optional<Failure> ledgerWriteRefusal(const QString &path, const MessageCatalog &messages);

// Replaces the ledger file with ledgerFileLines (through a temporary file). Fails with
// "path: reason"; the old file is then kept as it was.
Done writeLedgerFile(const QString &path, const Ledger &ledger);

// A date as the date column takes it, whatever the locale: "08.02.2005".
QString ledgerDateText(const QDate &date);

} // namespace kivora
