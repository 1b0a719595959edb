#include "play/WheelTemplate.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "reports/Odds.h"

namespace kivora::wheel {

QString systemName(const WheelShape &shape, int tickets, const MessageCatalog &messages)
{
    const Guarantee &g = shape.guarantee;
    return messages("Str202")
        .arg(g.numbers)
        .arg(pluralForm(g.numbers, messages("Str200")))
        .arg(g.match)
        .arg(g.drawn)
        .arg(tickets)
        .arg(pluralForm(tickets, messages("Str201")));
}

QString fileName(const WheelShape &shape)
{
    const Guarantee &g = shape.guarantee;
    return QStringLiteral("wheel%1_%2_%3if%4.ltt")
        .arg(shape.ticketSize)
        .arg(g.numbers)
        .arg(g.match)
        .arg(g.drawn);
}

QStringList templateLines(const WheelShape &shape, const std::vector<quint64> &tickets,
    const CheckResult &check, const MessageCatalog &messages)
{
    const Guarantee &g = shape.guarantee;
    const int count = static_cast<int>(tickets.size());
    QStringList lines;
    lines.append(QStringLiteral("; ")
        + messages("Str203")
              .arg(g.numbers)
              .arg(pluralForm(g.numbers, messages("Str200")))
              .arg(count)
              .arg(pluralForm(count, messages("Str201")))
              .arg(shape.ticketSize)
              .arg(pluralForm(shape.ticketSize, messages("Str200"))));
    lines.append(QStringLiteral("; ") + messages("Str204").arg(g.match).arg(g.drawn));
    lines.append(QStringLiteral("; ") + withPlurals(messages("Str205").arg(check.sets).arg(g.drawn)));
    for (quint64 ticket : tickets)
        lines.append(positionsText(ticket));
    return lines;
}

} // namespace kivora::wheel
