#include "play/CombinationCheck.h"

#include "core/CharSet.h"
#include "core/LotteryDefinition.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/StringFn.h"
#include "core/TextFields.h"
#include "core/TextFile.h"
#include "results/DrawTable.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <climits>
#include <limits>

namespace kivora {

namespace check {

namespace {

// Rows: numbers played 2..10; columns: numbers guessed 0..10.
constexpr std::array<std::array<int, 11>, 9> kKenoPrizes = { {
    { 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0 },
    { 0, 0, 2, 17, 0, 0, 0, 0, 0, 0, 0 },
    { 0, 0, 1, 4, 40, 0, 0, 0, 0, 0, 0 },
    { 0, 0, 0, 2, 15, 240, 0, 0, 0, 0, 0 },
    { 0, 0, 0, 1, 5, 55, 500, 0, 0, 0, 0 },
    { 0, 0, 0, 0, 4, 20, 100, 2000, 0, 0, 0 },
    { 0, 0, 0, 0, 2, 10, 30, 300, 10000, 0, 0 },
    { 2, 0, 0, 0, 0, 4, 15, 100, 2500, 25000, 0 },
    { 2, 0, 0, 0, 0, 2, 10, 55, 500, 5000, 100000 },
} };

} // namespace

int kenoPrize(int played, int guessed)
{
    if (played < 2 || played > 10 || guessed < 0 || guessed > 10)
        return 0;
    return kKenoPrizes[static_cast<size_t>(played - 2)][static_cast<size_t>(guessed)];
}

} // namespace check

namespace {

// A tab separates the cells of a line pasted from a spreadsheet.
bool isComboDelimiter(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char(':') || c == QLatin1Char(';')
        || c == QLatin1Char('\t');
}

// A field as the check compares it: blanks removed (a field has none, blanks separate
// fields) and left-filled with "0" to two characters, so "5" meets the draw's "05"
// and "K" becomes "0K", which meets nothing.
bool fieldEquals(QStringView field, const QString &cell)
{
    if (field.size() == 1)
        return cell.size() == 2 && cell.at(0) == QLatin1Char('0') && cell.at(1) == field.at(0);
    return field == cell;
}

struct LineScore
{
    int hits = 0;
    int fields = 0;
};

// Scores lines against the distinct numbers of one draw. A hit is a drawn number the
// line holds: a number the line lists twice (or the draw does) is still one number,
// so no line hits more numbers than are drawn.
class LineScorer
{
public:
    explicit LineScorer(const QStringList &drawCells)
    {
        for (const QString &cell : drawCells) {
            if (!m_cells.contains(cell))
                m_cells.append(cell);
        }
        m_hit.assign(static_cast<size_t>(m_cells.size()), 0);
    }

    LineScore score(const QString &line)
    {
        std::fill(m_hit.begin(), m_hit.end(), 0);
        LineScore score;
        const int length = static_cast<int>(line.size());
        int i = 0;
        while (i < length) {
            while (i < length && isComboDelimiter(line.at(i)))
                ++i;
            if (i >= length)
                break;
            const int start = i;
            while (i < length && !isComboDelimiter(line.at(i)))
                ++i;
            ++score.fields;
            const QStringView field = QStringView(line).mid(start, i - start);
            for (qsizetype j = 0; j < m_cells.size(); ++j) {
                if (!m_hit[static_cast<size_t>(j)] && fieldEquals(field, m_cells.at(j))) {
                    m_hit[static_cast<size_t>(j)] = 1;
                    ++score.hits;
                }
            }
        }
        return score;
    }

private:
    QStringList m_cells; // each drawn number once
    std::vector<char> m_hit;
};

// Whether any line holds a field: blank lines and lines of delimiters are no combination.
bool hasCombination(const QStringList &lines)
{
    for (const QString &line : lines) {
        for (QChar c : line) {
            if (!isComboDelimiter(c))
                return true;
        }
    }
    return false;
}

// The draw's numbers as the sorted draw strip shows them: ascending, only those inside
// the lottery's range, each followed by two blanks.
QString sortedDrawLine(const DrawTable &draws, int row, const LotteryDefinition &lottery)
{
    QString line;
    for (int n : sortedDrawNumbers(draws, row, lottery.minNumber, lottery.maxNumber))
        line += twoDigits(n) + QStringLiteral("  ");
    return line;
}

QString categoryText(int k, int count, const MessageCatalog &messages)
{
    return withPlurals(intToText(k) + QLatin1Char(' ') + messages("Str16") + QLatin1Char(' ')
        + leftFill(QLatin1Char(' '), intToText(count), 3) + QLatin1Char(' ') + messages("Str17"));
}

} // namespace

Outcome<SavedCombinations> readSavedCombinations(const QString &path)
{
    Outcome<QStringList> read = textfile::readLines(path);
    if (!read)
        return read.failure();
    QStringList &lines = *read;
    SavedCombinations file;
    if (!lines.isEmpty())
        file.lotteryName = lines.takeFirst();
    if (!lines.isEmpty())
        file.header = lines.takeFirst();
    file.lines = lines;
    return file;
}

CheckReadiness checkReadiness(const SavedCombinations &file, const QString &lotteryName,
    const DrawTable &draws, const MessageCatalog &messages)
{
    CheckReadiness readiness;
    if (file.lotteryName != lotteryName) {
        readiness.refusal = CheckRefusal::OtherLottery;
        readiness.message = messages("Str21") + QLatin1Char(' ') + lotteryName + messages("Str5");
    } else if (!hasCombination(file.lines)) {
        readiness.refusal = CheckRefusal::NoCombinations;
        readiness.message = messages("Str61");
    } else if (draws.isEmpty()) {
        readiness.refusal = CheckRefusal::NoDraws;
        readiness.message = messages("Str62");
    }
    return readiness;
}

QString proposedDrawEntry(const DrawTable &draws)
{
    return draws.isEmpty() ? QString() : draws.drawNumberText(draws.rowCount() - 1);
}

DrawChoice chooseDraw(const DrawTable &draws, const QString &entry, const MessageCatalog &messages)
{
    DrawChoice choice;
    if (draws.isEmpty()) {
        choice.message = messages("Str62");
        return choice;
    }
    const QString wrongEntry
        = messages("Str14") + QLatin1Char(' ') + intToText(draws.rowCount()) + messages("Str15");
    int wanted = 0;
    // A draw number of more digits than an int holds is past the newest draw, as
    // 99999 is; it is no wrong entry.
    const QString digits = entry.trimmed();
    const bool allDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (allDigits && !tryTextToInt(digits, &wanted))
        wanted = std::numeric_limits<int>::max();
    else if (!tryTextToInt(entry, &wanted) || wanted < 1) {
        choice.message = wrongEntry;
        return choice;
    }
    const int newest = draws.rowCount() - 1;
    if (wanted > textToInt(draws.drawNumberText(newest))) {
        choice.row = newest;
        return choice;
    }
    for (int row = 0; row < draws.rowCount(); ++row) {
        if (textToInt(draws.drawNumberText(row)) == wanted) {
            choice.row = row;
            return choice;
        }
    }
    // A gap in the numbering, or a draw the filters left out.
    choice.message = wrongEntry;
    return choice;
}

CheckResult checkCombinations(const SavedCombinations &file, const DrawTable &draws, int targetRow,
    const LotteryDefinition &lottery, const MessageCatalog &messages, const Progress &progress)
{
    CheckResult result;
    if (targetRow < 0 || targetRow >= draws.rowCount())
        return result; // no draw to check: an empty result, nothing to write
    result.targetRow = targetRow;
    result.targetNumber = draws.drawNumberText(targetRow);
    result.keno = lottery.name == check::kenoLotteryName();

    QStringList drawCells;
    for (int j = 1; j <= draws.drawNumber(); ++j)
        drawCells.append(draws.resultsCell(targetRow, j));

    // Every line is scored once (a blank one is no combination); each category keeps
    // the first lines it lists in file order, and one more to know that it was cut.
    // The categories reach the longest combination, so a shorter or blank last line
    // hides none of them, but not beyond the numbers drawn: no line can hit more.
    LineScorer scorer(drawCells);
    const int mostHits = static_cast<int>(drawCells.size());
    result.counts.assign(static_cast<size_t>(mostHits) + 1, 0);
    std::vector<std::vector<qsizetype>> listedLines(static_cast<size_t>(mostHits) + 1);
    int longest = 0;
    const qsizetype lineCount = file.lines.size();
    for (qsizetype i = 0; i < lineCount; ++i) {
        if (i % 1024 == 0 && lineCount > 1024)
            report(progress, 0, static_cast<int>(std::min<qsizetype>(lineCount, INT_MAX)),
                static_cast<int>(std::min<qsizetype>(i, INT_MAX)));
        const LineScore score = scorer.score(file.lines.at(i));
        if (score.fields == 0)
            continue;
        const size_t k = static_cast<size_t>(score.hits);
        ++result.counts[k];
        if (listedLines[k].size() <= static_cast<size_t>(check::kMaxListedPerCategory))
            listedLines[k].push_back(i);
        longest = std::max(longest, score.fields);
    }
    result.played = longest;
    result.reportedUpTo = std::min(result.played, mostHits);
    result.counts.resize(static_cast<size_t>(result.reportedUpTo) + 1);

    const QString crlf = textfile::crlf();
    QString summary;
    for (int k = 0; k <= result.reportedUpTo; ++k) {
        const int count = result.counts[static_cast<size_t>(k)];
        summary += crlf + categoryText(k, count, messages);
        if (result.keno) {
            const qint64 prize = static_cast<qint64>(check::kenoPrize(result.played, k)) * count;
            result.prizes.push_back(prize);
            if (prize != 0)
                result.wins += count;
            result.total += prize;
            summary += QLatin1Char('\t') + messages("Str18") + QLatin1Char(' ') + QString::number(prize)
                + QLatin1Char('x');
        }
    }
    if (result.keno) {
        // "Итого :<tab>   угадано   4 комбинаций<tab>- выиграно 246x"
        summary += QStringLiteral("\r\n\r\n")
            + withPlurals(messages("Str84") + QStringLiteral("\t   ") + messages("Str85") + QLatin1Char(' ')
                + leftFill(QLatin1Char(' '), intToText(result.wins), 3) + QLatin1Char(' ') + messages("Str17")
                + QLatin1Char('\t') + messages("Str18") + QLatin1Char(' ') + QString::number(result.total)
                + QLatin1Char('x'));
    }

    QString report = messages("Str19") + QLatin1Char(' ') + result.targetNumber + QLatin1Char(' ')
        + messages("Str20") + QLatin1Char(' ') + lottery.name + QStringLiteral(" :") + crlf;
    report += sortedDrawLine(draws, targetRow, lottery) + crlf;
    report += file.header + crlf;
    report += summary + crlf + crlf;
    report += messages("Str23") + crlf;
    for (int k = 0; k <= result.reportedUpTo; ++k) {
        report += categoryText(k, result.counts[static_cast<size_t>(k)], messages) + QLatin1Char(':') + crlf;
        const std::vector<qsizetype> &lines = listedLines[static_cast<size_t>(k)];
        const bool cut = lines.size() > static_cast<size_t>(check::kMaxListedPerCategory);
        for (size_t i = 0; i < lines.size() && i < static_cast<size_t>(check::kMaxListedPerCategory); ++i)
            report += file.lines.at(lines[i]) + crlf;
        if (cut) {
            const QString note = withPlurals(messages("Str66").arg(k).arg(check::kMaxListedPerCategory));
            result.notes.append(note);
            report += note + crlf;
        }
    }
    report += QStringLiteral("===========================") + crlf;
    // "- выиграно 6x" is read as six times the stake only by those who know Keno.
    if (result.keno)
        report += messages("Str711") + crlf;
    result.report = report;
    return result;
}

Done writeCheckReport(const QString &path, const CheckResult &result)
{
    return textfile::writeText(path, result.report);
}

} // namespace kivora
