#include "reports/Odds.h"

#include "core/LanguageIdentity.h"
#include "core/TextFile.h"
#include "reports/HtmlExport.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kivora {

namespace {

// C(101, 50) · 50 ≈ 1e31, the largest intermediate value, is far below 2^128.
__extension__ typedef unsigned __int128 Count;

const QChar kGroupSeparator(0x00A0); // no-break space
const QChar kDash(0x2014);

Count binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    Count result = 1;
    // After step i the result is C(n - k + i, i), so the division is always exact.
    for (int i = 1; i <= k; ++i)
        result = result * Count(n - k + i) / Count(i);
    return result;
}

QString digitsOf(Count value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString digits;
    while (value > 0) {
        digits.prepend(QChar(u'0' + static_cast<char16_t>(value % 10)));
        value /= 10;
    }
    return digits;
}

// "8145060" -> "8 145 060"
QString grouped(const QString &digits)
{
    QString result;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += kGroupSeparator;
        result += digits.at(i);
    }
    return result;
}

bool validShape(int numberCount, int drawn)
{
    return numberCount >= 1 && numberCount <= odds::kMaxNumberCount && drawn >= 1 && drawn <= numberCount;
}

// Draws with exactly `hits` of the marked numbers, and all draws; ways = 0 when the
// outcome is impossible or the arguments are out of range.
struct HitWays
{
    Count ways = 0;
    Count draws = 1;
};

HitWays outcome(int numberCount, int drawn, int marked, int hits)
{
    HitWays result;
    if (!validShape(numberCount, drawn) || marked < 0 || marked > numberCount)
        return result;
    result.draws = binomial(numberCount, drawn);
    result.ways = binomial(marked, hits) * binomial(numberCount - marked, drawn - hits);
    return result;
}

// a · b, or 0 when it would not fit in 128 bits (never for a real lottery).
Count product(Count a, Count b)
{
    Count result = 0;
    return __builtin_mul_overflow(a, b, &result) ? 0 : result;
}

// "1 : x" and the percentage of ways out of draws.
QString chanceOf(Count ways, Count draws)
{
    if (ways == 0)
        return QString(kDash);
    Count whole = draws / ways;
    Count hundredths = (draws % ways * 200 + ways) / (2 * ways);
    if (hundredths >= 100) {
        ++whole;
        hundredths -= 100;
    }
    const int cents = static_cast<int>(hundredths);
    return QLatin1String("1 : ") + grouped(digitsOf(whole)) + QLatin1Char(',')
        + QLatin1Char(static_cast<char>('0' + cents / 10)) + QLatin1Char(static_cast<char>('0' + cents % 10));
}

QString percentOf(Count ways, Count draws)
{
    if (ways == 0)
        return QStringLiteral("0");
    const long double percent = static_cast<long double>(ways) * 100 / static_cast<long double>(draws);
    const int magnitude = static_cast<int>(std::floor(std::log10(percent)));
    const int decimals = std::max(2, 2 - magnitude);
    QString text = QString::number(static_cast<double>(percent), 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

OddsRow oddsRow(int mainHits, int additionalHits, Count ways, Count draws)
{
    return { mainHits, additionalHits, grouped(digitsOf(ways)), chanceOf(ways, draws),
        percentOf(ways, draws) };
}

// Main numbers only: s marked of N, D drawn.
OddsTable mainTable(int numberCount, int drawn, int marked)
{
    OddsTable table;
    table.marked = marked;
    const Count draws = binomial(numberCount, drawn);
    for (int hits = std::min(marked, drawn); hits >= 0; --hits)
        table.rows.append(
            oddsRow(hits, -1, binomial(marked, hits) * binomial(numberCount - marked, drawn - hits), draws));
    return table;
}

// A ticket of D main and A additional numbers: every pair (m, a) of matches.
OddsTable combinedTable(int numberCount, int drawn, int additionalCount, int additionalDrawn)
{
    OddsTable table;
    table.marked = drawn;
    const Count draws = product(binomial(numberCount, drawn), binomial(additionalCount, additionalDrawn));
    for (int m = drawn; m >= 0; --m) {
        const Count mainWays = binomial(drawn, m) * binomial(numberCount - drawn, drawn - m);
        for (int a = additionalDrawn; a >= 0; --a) {
            const Count addWays = binomial(additionalDrawn, a)
                * binomial(additionalCount - additionalDrawn, additionalDrawn - a);
            table.rows.append(oddsRow(m, a, product(mainWays, addWays), draws));
        }
    }
    return table;
}

} // namespace

namespace odds {

QString binomialText(int n, int k)
{
    if (n < 0 || n > kMaxNumberCount)
        return {};
    return digitsOf(binomial(n, k));
}

long double hitProbability(int numberCount, int drawn, int marked, int hits)
{
    const HitWays o = outcome(numberCount, drawn, marked, hits);
    return static_cast<long double>(o.ways) / static_cast<long double>(o.draws);
}

QString chanceText(int numberCount, int drawn, int marked, int hits)
{
    const HitWays o = outcome(numberCount, drawn, marked, hits);
    // draws / ways, rounded half up to hundredths in integers.
    return chanceOf(o.ways, o.draws);
}

QString percentText(int numberCount, int drawn, int marked, int hits)
{
    const HitWays o = outcome(numberCount, drawn, marked, hits);
    return percentOf(o.ways, o.draws);
}

} // namespace odds

OddsReport oddsReport(const LotteryDefinition &lottery, const MessageCatalog &messages)
{
    OddsReport report;
    report.title = lottery.name;
    const int numberCount = lottery.maxNumber - lottery.minNumber + 1;
    const int drawn = lottery.drawNumber;
    const bool valid
        = lottery.minNumber >= 0 && lottery.maxNumber <= kLargestNumber && validShape(numberCount, drawn);
    if (!valid) {
        report.problem = messages("Str142").arg(drawn).arg(lottery.minNumber).arg(lottery.maxNumber);
        return report;
    }
    const QString number = messages("Str130");
    const QString ofNumbers = messages("Str131");
    report.notes << messages("Str126")
                        .arg(drawn)
                        .arg(pluralForm(drawn, number))
                        .arg(numberCount)
                        .arg(lottery.minNumber)
                        .arg(lottery.maxNumber)
                        .arg(grouped(odds::binomialText(numberCount, drawn)));

    // Additional numbers from a range of their own, as many on the ticket as are drawn.
    const int additionalDrawn = lottery.additionalCount();
    const int additionalCount = lottery.maxnumberOfAddBall - lottery.minnumberOfAddBall + 1;
    const bool additional = additionalDrawn > 0 && validShape(additionalCount, additionalDrawn);
    if (additional) {
        const Count draws = product(binomial(numberCount, drawn), binomial(additionalCount, additionalDrawn));
        report.notes << withPlurals(messages("Str127")
                                        .arg(additionalDrawn)
                                        .arg(additionalCount)
                                        .arg(lottery.minnumberOfAddBall)
                                        .arg(lottery.maxnumberOfAddBall)
                                        .arg(grouped(digitsOf(draws))));
    }
    report.notes << messages("Str128");

    auto markedHeading
        = [&](int marked) { return messages("Str132").arg(marked).arg(pluralForm(marked, number)); };
    if (drawn > 10) {
        // Keno: the ticket holds 1 to 10 of the numbers.
        report.notes << messages("Str143");
        for (int marked = 1; marked <= std::min(10, numberCount); ++marked) {
            OddsTable table = mainTable(numberCount, drawn, marked);
            table.heading = markedHeading(marked);
            report.tables.append(table);
        }
        return report;
    }

    OddsTable single = additional ? combinedTable(numberCount, drawn, additionalCount, additionalDrawn)
                                  : mainTable(numberCount, drawn, drawn);
    single.heading = messages("Str129").arg(drawn).arg(pluralForm(drawn, ofNumbers));
    report.tables.append(single);
    for (int marked = 7; marked <= 10; ++marked) {
        if (marked > numberCount || marked == drawn)
            continue;
        OddsTable table = mainTable(numberCount, drawn, marked);
        table.heading = markedHeading(marked);
        if (marked > drawn) {
            const QString combos = odds::binomialText(marked, drawn);
            table.note = messages("Str133")
                             .arg(marked)
                             .arg(pluralForm(marked, ofNumbers))
                             .arg(grouped(combos))
                             .arg(pluralForm(combos.right(2).toInt(), messages("Str134")))
                             .arg(drawn)
                             .arg(pluralForm(drawn, messages("Str135")));
        } else {
            table.note = messages("Str136");
        }
        if (additional)
            table.note += QLatin1Char(' ') + messages("Str144");
        report.tables.append(table);
    }
    return report;
}

namespace {

QString figuresAs(const QString &figure, const QLocale &locale)
{
    QString text;
    text.reserve(figure.size());
    for (const QChar c : figure) {
        if (c == kGroupSeparator)
            text += locale.groupSeparator();
        else if (c == QLatin1Char(','))
            text += locale.decimalPoint();
        else
            text += c;
    }
    return text;
}

} // namespace

void writeFiguresAs(OddsReport &report, const QLocale &locale)
{
    // A language that writes a decimal comma reads the report's own "34 807,95".
    if (locale.decimalPoint() == QLatin1String(","))
        return;
    // The notes are sentences with commas of their own; their figures are whole numbers.
    for (QString &note : report.notes)
        note.replace(kGroupSeparator, locale.groupSeparator());
    for (OddsTable &table : report.tables) {
        for (OddsRow &row : table.rows) {
            row.outcomes = figuresAs(row.outcomes, locale);
            row.chance = figuresAs(row.chance, locale);
            row.percent = figuresAs(row.percent, locale);
        }
    }
}

QString oddsPage(const LotteryDefinition &lottery, const MessageCatalog &messages,
    const QString &languageCode, const QString &moreHtml)
{
    OddsReport report = oddsReport(lottery, messages);
    writeFiguresAs(report, interfaceLocale(languageCode));
    const QString title = messages("Str125").toHtmlEscaped();
    QStringList lines;
    lines << QStringLiteral("<!DOCTYPE html>")
          << QStringLiteral("<html lang=\"%1\">").arg(languageCode.toHtmlEscaped())
          << QStringLiteral("<head>");
    const int metaLine = static_cast<int>(lines.size());
    lines << QString() // the charset, set when the text is known
          << QLatin1String("<title>") + title + QLatin1String("</title>") << QStringLiteral("<style>")
          << QStringLiteral("body { font-family: sans-serif; margin: 1em 2em; }")
          << QStringLiteral("table { border-collapse: collapse; margin-bottom: 1em; }")
          << QStringLiteral("th, td { border: 1px solid #999; padding: 2px 10px; text-align: right; }")
          << QStringLiteral("th { background: #008080; color: #fff; }")
          << QStringLiteral("tr:nth-child(odd) td { background: #eee; }") << QStringLiteral("</style>")
          << QStringLiteral("</head>") << QStringLiteral("<body>")
          << QLatin1String("<h1>") + title + QLatin1String("</h1>")
          << QLatin1String("<h2>") + report.title.toHtmlEscaped() + QLatin1String("</h2>");
    if (!report.problem.isEmpty())
        lines << QLatin1String("<p>") + report.problem.toHtmlEscaped() + QLatin1String("</p>");
    for (const QString &note : report.notes)
        lines << QLatin1String("<p>") + note.toHtmlEscaped() + QLatin1String("</p>");
    auto cell = [](const QString &text) -> QString {
        return QLatin1String("<td>") + text + QLatin1String("</td>");
    };
    for (const OddsTable &table : report.tables) {
        lines << QLatin1String("<h3>") + table.heading.toHtmlEscaped() + QLatin1String("</h3>");
        if (!table.note.isEmpty())
            lines << QLatin1String("<p>") + table.note.toHtmlEscaped() + QLatin1String("</p>");
        const bool withAdditional = !table.rows.isEmpty() && table.rows.first().additionalHits >= 0;
        QString header
            = QLatin1String("<tr><th>") + messages("Str137").toHtmlEscaped() + QLatin1String("</th>");
        if (withAdditional)
            header += QLatin1String("<th>") + messages("Str138").toHtmlEscaped() + QLatin1String("</th>");
        for (const char *key : { "Str139", "Str140", "Str141" })
            header += QLatin1String("<th>") + messages(key).toHtmlEscaped() + QLatin1String("</th>");
        lines << QStringLiteral("<table>") << header + QLatin1String("</tr>");
        for (const OddsRow &row : table.rows) {
            QString line = QLatin1String("<tr>") + cell(QString::number(row.mainHits));
            if (withAdditional)
                line += cell(QString::number(row.additionalHits));
            lines << line + cell(row.outcomes) + cell(row.chance) + cell(row.percent)
                    + QLatin1String("</tr>");
        }
        lines << QStringLiteral("</table>");
    }
    if (!moreHtml.isEmpty())
        lines << moreHtml;
    lines << QLatin1String("<p>") + htmlFooter(messages) + QLatin1String("</p>") << QStringLiteral("</body>")
          << QStringLiteral("</html>");

    bool fits = true;
    for (const QString &line : std::as_const(lines))
        fits = fits && textfile::fitsWindows1251(line);
    lines[metaLine] = htmlCharsetMeta(fits);
    return textfile::joinLines(lines);
}

} // namespace kivora
