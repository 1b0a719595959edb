#include "reports/Ledger.h"

#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TextFile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QtNumeric>

#include <algorithm>
#include <limits>

namespace kivora {

namespace {

QString storedField(const QString &text)
{
    QString field = text;
    field.replace(QLatin1Char(';'), QLatin1Char(','));
    field.replace(QLatin1String("\r\n"), QLatin1String(" "));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

// a + b, or the 64-bit limit it would pass.
qint64 saturatedAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!qAddOverflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

qint64 saturatedDifference(qint64 a, qint64 b)
{
    qint64 difference = 0;
    if (!qSubOverflow(a, b, &difference))
        return difference;
    return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

} // namespace

bool LedgerRow::hasNoAmounts() const
{
    return spent.trimmed().isEmpty() && received.trimmed().isEmpty();
}

qint64 ledgerAmount(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok, 10);
    return ok ? value : qint64(textToInt(text));
}

QString checkLedgerAmount(const QString &typed, const MessageCatalog &messages)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    const int start = text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-') ? 1 : 0;
    bool digits = start < text.size();
    for (int i = start; i < text.size() && digits; ++i)
        digits = text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
    if (!digits)
        return messages("Str101").arg(typed);
    bool ok = false;
    text.toLongLong(&ok, 10);
    if (!ok) {
        return messages("Str102")
            .arg(typed)
            .arg(std::numeric_limits<qint64>::min())
            .arg(std::numeric_limits<qint64>::max());
    }
    return {};
}

qint64 ledgerBalance(const LedgerRow &row)
{
    return saturatedDifference(ledgerAmount(row.received), ledgerAmount(row.spent));
}

LedgerTotals ledgerTotals(const QList<LedgerRow> &rows)
{
    LedgerTotals totals;
    for (const LedgerRow &row : rows) {
        totals.spent = saturatedAdd(totals.spent, ledgerAmount(row.spent));
        totals.received = saturatedAdd(totals.received, ledgerAmount(row.received));
        totals.balance = saturatedAdd(totals.balance, ledgerBalance(row));
    }
    return totals;
}

QString Ledger::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const LedgerRow &entry = m_rows.at(row);
    switch (static_cast<LedgerColumn>(column)) {
    case LedgerColumn::Date:
        return entry.date;
    case LedgerColumn::Spent:
        return entry.spent;
    case LedgerColumn::Received:
        return entry.received;
    case LedgerColumn::Balance:
        return QString::number(ledgerBalance(entry));
    }
    return {};
}

bool Ledger::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount())
        return false;
    LedgerRow &entry = m_rows[row];
    switch (static_cast<LedgerColumn>(column)) {
    case LedgerColumn::Date:
        entry.date = text;
        return true;
    case LedgerColumn::Spent:
        entry.spent = text;
        return true;
    case LedgerColumn::Received:
        entry.received = text;
        return true;
    case LedgerColumn::Balance:
        break;
    }
    return false;
}

int Ledger::insertBelow(int row, const QString &date)
{
    const int index = std::clamp(row + 1, 0, rowCount());
    m_rows.insert(index, LedgerRow { date, QString(), QString() });
    return index;
}

void Ledger::removeRow(int row)
{
    if (row >= 0 && row < rowCount())
        m_rows.removeAt(row);
}

quint32 balanceTextColour(qint64 balance)
{
    if (balance > 0)
        return kLedgerGain;
    if (balance < 0)
        return kLedgerLoss;
    return kLedgerEven;
}

std::optional<quint32> totalBalanceBackground(qint64 total)
{
    if (total > 0)
        return kLedgerTotalGain;
    if (total < 0)
        return kLedgerTotalLoss;
    return std::nullopt;
}

QString ledgerPath(const QString &resultsBasePath)
{
    // The extension is what follows the last dot of the file name; a name that only
    // starts with a dot (".lot") has none.
    const QString name = QFileInfo(resultsBasePath).fileName();
    const int dot = static_cast<int>(name.lastIndexOf(QLatin1Char('.')));
    if (dot <= 0)
        return resultsBasePath + QLatin1String(".bls");
    return resultsBasePath.left(resultsBasePath.size() - (name.size() - dot)) + QLatin1String(".bls");
}

LedgerRow parseLedgerLine(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char(';'));
    return LedgerRow { fields.value(0), fields.value(1), fields.value(2) };
}

QString ledgerLine(const LedgerRow &row)
{
    return storedField(row.date) + QLatin1Char(';') + storedField(row.spent) + QLatin1Char(';')
        + storedField(row.received);
}

Outcome<QList<LedgerRow>> readLedgerFile(const QString &path)
{
    if (Done made = textfile::ensureFileExists(path); !made)
        return made.failure();
    const Outcome<QStringList> lines = textfile::readLines(path);
    if (!lines)
        return lines.failure();
    QList<LedgerRow> rows;
    rows.reserve(lines->size());
    for (const QString &line : *lines)
        rows.append(parseLedgerLine(line));
    return rows;
}

Ledger openedLedger(const QList<LedgerRow> &fileRows, const QString &today)
{
    Ledger ledger(fileRows);
    if (fileRows.isEmpty())
        ledger.insertBelow(-1, QString());
    else if (fileRows.size() >= 2)
        ledger.insertBelow(ledger.rowCount() - 1, today);
    return ledger;
}

Outcome<Ledger> openLedger(const QString &path, const QString &today)
{
    const Outcome<QList<LedgerRow>> rows = readLedgerFile(path);
    if (!rows)
        return rows.failure();
    return openedLedger(*rows, today);
}

QStringList ledgerFileLines(const Ledger &ledger)
{
    QStringList lines;
    for (const LedgerRow &row : ledger.rows()) {
        if (!row.hasNoAmounts())
            lines.append(ledgerLine(row));
    }
    return lines;
}

namespace {

// An amount as a ledger stores it: "100", "-12", "12,50", "$1F", or nothing.
bool looksLikeAmount(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool digit = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
        if (!digit && u != u'+' && u != u'-' && u != u'$' && u != u'x' && u != u',' && u != u'.' && u != u' ')
            return false;
    }
    return true;
}

bool looksLikeEntry(const QString &line)
{
    if (line.trimmed().isEmpty())
        return true;
    const QStringList fields = line.split(QLatin1Char(';'));
    if (fields.size() < 3)
        return false;
    for (QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return looksLikeAmount(fields.at(1)) && looksLikeAmount(fields.at(2));
}

} // namespace

std::optional<Failure> ledgerWriteRefusal(const QString &path, const MessageCatalog &messages)
{
    const QFileInfo info(path);
    const QString name = QDir::toNativeSeparators(info.absoluteFilePath());
    const Failure notALedger = Failure::format(messages("Str448").arg(name));
    if (!info.exists()) {
        if (info.isSymLink())
            return notALedger;
        return std::nullopt;
    }
    textfile::ReadFailure failure = textfile::ReadFailure::None;
    const Outcome<QString> text = textfile::readText(path, &failure);
    if (!text) {
        if (failure == textfile::ReadFailure::NotText)
            return notALedger;
        return text.failure();
    }
    for (const QString &line : textfile::splitLines(*text)) {
        if (!looksLikeEntry(line))
            return notALedger;
    }
    return std::nullopt;
}

Done writeLedgerFile(const QString &path, const Ledger &ledger)
{
    return textfile::writeLines(path, ledgerFileLines(ledger));
}

QString ledgerDateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace kivora
