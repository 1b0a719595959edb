#include "reports/Odds.h"

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
struct Outcome
{
    Count ways = 0;
    Count draws = 1;
};

Outcome outcome(int numberCount, int drawn, int marked, int hits)
{
    Outcome result;
    if (!validShape(numberCount, drawn) || marked < 0 || marked > numberCount)
        return result;
    result.draws = binomial(numberCount, drawn);
    result.ways = binomial(marked, hits) * binomial(numberCount - marked, drawn - hits);
    return result;
}

QString numberWord(int n, const char *one, const char *few, const char *many)
{
    const int lastTwo = n % 100;
    const int last = n % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return QString::fromUtf8(many);
    if (last == 1)
        return QString::fromUtf8(one);
    if (last >= 2 && last <= 4)
        return QString::fromUtf8(few);
    return QString::fromUtf8(many);
}

QString numbersWord(int n)
{
    return numberWord(n, "номер", "номера", "номеров");
}

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

void appendTable(QStringList &lines, int numberCount, int drawn, int marked)
{
    lines << u("<table>") << u("<tr><th>Угадано номеров</th><th>Шанс</th><th>Вероятность, %</th></tr>");
    for (int hits = std::min(marked, drawn); hits >= 0; --hits) {
        lines << QLatin1String("<tr><td>") + QString::number(hits) + QLatin1String("</td><td>")
                + odds::chanceText(numberCount, drawn, marked, hits) + QLatin1String("</td><td>")
                + odds::percentText(numberCount, drawn, marked, hits) + QLatin1String("</td></tr>");
    }
    lines << QStringLiteral("</table>");
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
    const Outcome o = outcome(numberCount, drawn, marked, hits);
    return static_cast<long double>(o.ways) / static_cast<long double>(o.draws);
}

QString chanceText(int numberCount, int drawn, int marked, int hits)
{
    const Outcome o = outcome(numberCount, drawn, marked, hits);
    if (o.ways == 0)
        return QString(kDash);
    // draws / ways, rounded half up to hundredths in integers.
    Count whole = o.draws / o.ways;
    Count hundredths = (o.draws % o.ways * 200 + o.ways) / (2 * o.ways);
    if (hundredths >= 100) {
        ++whole;
        hundredths -= 100;
    }
    const int cents = static_cast<int>(hundredths);
    return QLatin1String("1 : ") + grouped(digitsOf(whole)) + QLatin1Char(',')
        + QLatin1Char(static_cast<char>('0' + cents / 10)) + QLatin1Char(static_cast<char>('0' + cents % 10));
}

QString percentText(int numberCount, int drawn, int marked, int hits)
{
    const Outcome o = outcome(numberCount, drawn, marked, hits);
    if (o.ways == 0)
        return QStringLiteral("0");
    const long double percent = static_cast<long double>(o.ways) * 100 / static_cast<long double>(o.draws);
    const int magnitude = static_cast<int>(std::floor(std::log10(percent)));
    const int decimals = std::max(2, 2 - magnitude);
    QString text = QString::number(static_cast<double>(percent), 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace odds

QString oddsPage(const LotteryDefinition &lottery)
{
    const QString name = lottery.name.toHtmlEscaped();
    const int numberCount = lottery.maxNumber - lottery.minNumber + 1;
    const int drawn = lottery.drawNumber;

    QStringList lines;
    lines << QStringLiteral("<!DOCTYPE html>") << QStringLiteral("<html lang=\"ru\">")
          << QStringLiteral("<head>");
    const int metaLine = static_cast<int>(lines.size());
    lines << QString() // the charset, set when the text is known
          << u("<title>Шансы на выигрыш</title>") << QStringLiteral("<style>")
          << QStringLiteral("body { font-family: sans-serif; margin: 1em 2em; }")
          << QStringLiteral("table { border-collapse: collapse; margin-bottom: 1em; }")
          << QStringLiteral("th, td { border: 1px solid #999; padding: 2px 10px; text-align: right; }")
          << QStringLiteral("th { background: #008080; color: #fff; }")
          << QStringLiteral("tr:nth-child(odd) td { background: #eee; }") << QStringLiteral("</style>")
          << QStringLiteral("</head>") << QStringLiteral("<body>") << u("<h1>Шансы на выигрыш</h1>")
          << QLatin1String("<h2>") + name + QLatin1String("</h2>");

    const bool valid
        = lottery.minNumber >= 0 && lottery.maxNumber <= kLargestNumber && validShape(numberCount, drawn);
    if (!valid) {
        lines << u("<p>Параметры лотереи заданы неверно: выпадает ") + QString::number(drawn)
                + u(" из чисел от ") + QString::number(lottery.minNumber) + u(" до ")
                + QString::number(lottery.maxNumber) + u(". Исправьте их в настройках.</p>");
    } else {
        lines << u("<p>В каждом розыгрыше выпадает ") + QString::number(drawn) + QLatin1Char(' ')
                + numbersWord(drawn) + u(" из ") + QString::number(numberCount) + u(" (числа от ")
                + QString::number(lottery.minNumber) + u(" до ") + QString::number(lottery.maxNumber)
                + u("). Число возможных исходов розыгрыша: ")
                + grouped(odds::binomialText(numberCount, drawn)) + u(".</p>")
              << u("<p>Шанс записан как «1 : x»: в среднем так случается один раз на x розыгрышей. "
                   "Вероятность угадать ровно k номеров, отметив s номеров, равна "
                   "C(s,&nbsp;k)&nbsp;·&nbsp;C(N&nbsp;&minus;&nbsp;s,&nbsp;D&nbsp;&minus;&nbsp;k)&nbsp;/"
                   "&nbsp;C(N,&nbsp;D), "
                   "где N — количество чисел, D — количество выпадающих номеров, "
                   "C(n,&nbsp;k) — число сочетаний из n по k.</p>");
        if (lottery.hasAdditionalNumbers())
            lines << u("<p>Дополнительные номера в расчёте не учитываются.</p>");

        lines << u("<h3>Одна комбинация из ") + QString::number(drawn) + QLatin1Char(' ')
                + numberWord(drawn, "номера", "номеров", "номеров") + QLatin1String("</h3>");
        appendTable(lines, numberCount, drawn, drawn);

        for (int marked = 7; marked <= 10; ++marked) {
            if (marked > numberCount || marked == drawn)
                continue;
            lines << u("<h3>Отмечено ") + QString::number(marked) + QLatin1Char(' ') + numbersWord(marked)
                    + QLatin1String("</h3>");
            if (marked > drawn) {
                const QString combos = odds::binomialText(marked, drawn);
                lines << u("<p>Система из ") + QString::number(marked) + u(" номеров — это ")
                        + grouped(combos) + QLatin1Char(' ')
                        + numberWord(combos.right(2).toInt(), "комбинация", "комбинации", "комбинаций")
                        + u(" по ") + QString::number(drawn) + QLatin1Char(' ')
                        + numberWord(drawn, "номеру", "номера", "номеров")
                        + u(". Таблица показывает, сколько выпавших номеров окажется среди отмеченных.</p>");
            } else {
                lines << u("<p>Сколько из отмеченных номеров окажется среди выпавших.</p>");
            }
            appendTable(lines, numberCount, drawn, marked);
        }
    }

    lines << QLatin1String("<p>") + htmlFooter() + QLatin1String("</p>") << QStringLiteral("</body>")
          << QStringLiteral("</html>");

    bool fits = true;
    for (const QString &line : std::as_const(lines))
        fits = fits && textfile::fitsWindows1251(line);
    lines[metaLine] = htmlCharsetMeta(fits);
    return textfile::joinLines(lines);
}

} // namespace kivora
