#include "play/WheelTemplate.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "reports/Odds.h"

#include <QRegularExpression>

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

std::optional<Guarantee> statedGuarantee(const QString &systemName, const QString &templateFile, int numbers)
{
    auto fitting = [numbers](const QRegularExpressionMatch &match) -> std::optional<Guarantee> {
        if (!match.hasMatch())
            return std::nullopt;
        const Guarantee g { numbers, match.captured(1).toInt(), match.captured(2).toInt() };
        if (g.match < 1 || g.match > g.drawn || g.drawn > numbers)
            return std::nullopt;
        return g;
    };
    // After the first word (the count of numbers): two counts with one word between.
    static const QRegularExpression inName(QStringLiteral("(\\d+)\\s+[^\\d\\s,;:()]+\\s+(\\d+)"));
    const qsizetype blank = systemName.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        if (auto g = fitting(inName.match(systemName, blank)))
            return g;
    }
    static const QRegularExpression inFile(
        QStringLiteral("_(\\d+)if(\\d+)\\.ltt$"), QRegularExpression::CaseInsensitiveOption);
    return fitting(inFile.match(templateFile));
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
