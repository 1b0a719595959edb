#include "core/TicketPrice.h"

#include "core/IniDocument.h"

#include <QRegularExpression>

namespace kivora {

bool parsePrice(const QString &text, std::optional<qint64> *cents)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        cents->reset();
        return true;
    }
    static const QRegularExpression price(QStringLiteral("^(\\d{1,12})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch match = price.match(trimmed);
    if (!match.hasMatch())
        return false;
    qint64 value = match.captured(1).toLongLong() * 100;
    const QString fraction = match.captured(2);
    if (!fraction.isEmpty())
        value += fraction.size() == 1 ? fraction.toInt() * 10 : fraction.toInt();
    *cents = value;
    return true;
}

QString moneyText(qint64 cents)
{
    const QString whole = QString::number(cents / 100);
    const qint64 rest = cents % 100;
    return rest == 0 ? whole
                     : whole + QLatin1Char(',') + QStringLiteral("%1").arg(rest, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> ticketPrice(const IniDocument &ini, const QString &lottery)
{
    std::optional<qint64> cents;
    if (!parsePrice(ini.readString(lottery, kTicketPriceKey, QString()), &cents))
        return std::nullopt;
    return cents;
}

} // namespace kivora
