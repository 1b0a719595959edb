#include "results/ResultsLoad.h"

#include "core/CharSet.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/StringFn.h"
#include "core/TextFile.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kivora {

namespace {

// A million-line base is read field by field without making a QString per field: the
// lines and fields are views into the text read from the file.

// Cuts lines as textfile::splitLines does: LF, CR LF and CR each end a line, and a line
// end after the last line starts no further line.
class LineReader final
{
public:
    explicit LineReader(QStringView text)
        : m_text(text)
    { }

    bool next(QStringView *line)
    {
        const qsizetype size = m_text.size();
        if (m_pos >= size)
            return false;
        const char16_t *data = m_text.utf16();
        qsizetype i = m_pos;
        while (i < size && data[i] != u'\n' && data[i] != u'\r')
            ++i;
        *line = m_text.mid(m_pos, i - m_pos);
        if (i < size && data[i] == u'\r' && i + 1 < size && data[i + 1] == u'\n')
            ++i;
        m_pos = i + 1;
        return true;
    }

    bool skip()
    {
        QStringView line;
        return next(&line);
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

int countLines(QStringView text)
{
    const qsizetype size = text.size();
    const char16_t *data = text.utf16();
    int count = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == u'\n')
            ++count;
        else if (data[i] == u'\r' && (i + 1 >= size || data[i + 1] != u'\n'))
            ++count;
    }
    if (size > 0 && data[size - 1] != u'\n' && data[size - 1] != u'\r')
        ++count; // the last line has no line end
    return count;
}

// The record delimiters as a flat table, so the field scan costs one load a character.
class DelimiterTable final
{
public:
    explicit DelimiterTable(const CharSet &set)
    {
        for (int c = 0; c < 256; ++c)
            m_table[static_cast<size_t>(c)] = set.contains(QChar(c));
    }
    bool contains(char16_t c) const { return c < 256 && m_table[c]; }

private:
    std::array<bool, 256> m_table {};
};

// Splits up to max fields of a line into fields; returns how many were found.
int splitRecord(QStringView line, const DelimiterTable &delims, QStringView *fields, int max)
{
    const qsizetype size = line.size();
    const char16_t *data = line.utf16();
    int count = 0;
    qsizetype i = 0;
    while (count < max) {
        while (i < size && delims.contains(data[i]))
            ++i;
        if (i >= size)
            break;
        const qsizetype start = i;
        while (i < size && !delims.contains(data[i]))
            ++i;
        fields[count++] = line.mid(start, i - start);
    }
    return count;
}

// Text-to-integer of a main-number field; plain decimal digits are read directly, any
// other text ("+5", "$1F", "x") goes through the full routine.
int numberOf(QStringView field)
{
    if (field.isEmpty())
        return 0;
    if (field.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (QChar c : field) {
            const char16_t u = c.unicode();
            if (u < u'0' || u > u'9') {
                digits = false;
                break;
            }
            value = value * 10 + (u - u'0');
        }
        if (digits)
            return value;
    }
    return textToInt(field.toString());
}

constexpr int kProgressStep = 16384; // lines between two progress reports

QString ioError(const MessageCatalog &messages, const QString &reason)
{
    return messages("Str56").arg(reason);
}

} // namespace

LoadResult loadDraws(
    QStringView text, const LotteryDefinition &definition, const DrawFilter &filter, const Progress &progress)
{
    LoadResult result;
    result.ok = true;
    result.definition = definition;
    const int d = definition.drawNumber;
    const int a = definition.additionalCount();
    const int minNumber = definition.minNumber;
    const int maxNumber = definition.maxNumber;
    result.draws = DrawTable(d, a);

    const int total = countLines(text);
    result.totalLines = total;

    // "Последние" N keeps the last N lines; a negative N keeps none, N >= T keeps all.
    qint64 skip = 0;
    if (filter.lastDraws) {
        const int n = textToInt(filter.lastDrawsText);
        if (n != 0)
            skip = std::clamp<qint64>(static_cast<qint64>(total) - n, 0, total);
    }
    if (!filter.machine && !filter.ballSet)
        result.draws.reserve(static_cast<int>(total - skip));

    const DelimiterTable delims(fieldDelimiters());
    const int fieldLimit = 4 + d + a;
    std::vector<QStringView> fields(static_cast<size_t>(fieldLimit));
    std::vector<QStringView> texts(static_cast<size_t>(4 + a));
    std::vector<int> numbers(static_cast<size_t>(d));
    const QStringView machineText(filter.machineText);
    const QStringView ballSetText(filter.ballSetText);

    // lastSeen[n]: the row of the newest accepted draw holding n, -1 before the first.
    // A number drawn in row r after lastSeen[n] was missing from r - lastSeen[n] - 1
    // draws in a row; the open run after the newest draw never reaches the record.
    std::array<int, kLargestNumber + 1> lastSeen;
    lastSeen.fill(-1);
    NumberCounts &counts = result.counts;
    DrawTable &draws = result.draws;

    LineReader lines(text);
    int lineIndex = 0;
    for (; lineIndex < skip; ++lineIndex) {
        if (lineIndex % kProgressStep == 0)
            report(progress, 0, total, lineIndex);
        lines.skip();
    }
    QStringView line;
    while (lines.next(&line)) {
        if (lineIndex % kProgressStep == 0)
            report(progress, 0, total, lineIndex);
        ++lineIndex;

        const int found = splitRecord(line, delims, fields.data(), fieldLimit);
        for (int i = found; i < fieldLimit; ++i)
            fields[static_cast<size_t>(i)] = QStringView();
        if (filter.machine && fields[2] != machineText)
            continue;
        if (filter.ballSet && fields[3] != ballSetText)
            continue;

        const int row = draws.rowCount();
        bool outOfRange = false;
        for (int j = 0; j < d; ++j) {
            const int n = numberOf(fields[static_cast<size_t>(4 + j)]);
            numbers[static_cast<size_t>(j)] = n;
            if (n < minNumber || n > maxNumber) {
                outOfRange = true;
                continue;
            }
            const int gap = row - lastSeen[n] - 1;
            if (gap > counts.recordGap)
                counts.recordGap = gap;
            lastSeen[n] = row;
            if (++counts.drawn[n] > counts.recordDrawn)
                counts.recordDrawn = counts.drawn[n];
        }
        if (outOfRange)
            ++result.outOfRangeLines;

        for (int i = 0; i < 4; ++i)
            texts[static_cast<size_t>(i)] = fields[static_cast<size_t>(i)];
        for (int j = 0; j < a; ++j)
            texts[static_cast<size_t>(4 + j)] = fields[static_cast<size_t>(4 + d + j)];
        draws.appendRow(texts.data(), 4 + a, numbers.data());
    }
    report(progress, 0, total, total);

    const int accepted = draws.rowCount();
    for (int n = minNumber; n <= maxNumber; ++n) {
        counts.since[n] = accepted - 1 - lastSeen[n];
        report(progress, 0, maxNumber, n);
    }
    return result;
}

LoadResult loadBase(const QString &basePath, const LotteryDefinition &definition, const DrawFilter &filter,
    const MessageCatalog &messages, const Progress &progress)
{
    LoadResult failed;
    failed.definition = definition;
    failed.basePath = basePath;
    failed.error = lotteries::validate(definition, messages);
    if (!failed.error.isEmpty())
        return failed;

    QString reason;
    QString text;
    if (!textfile::ensureFileExists(basePath, &reason) || !textfile::readText(basePath, &text, &reason)) {
        failed.error = ioError(messages, reason);
        return failed;
    }
    LoadResult result = loadDraws(text, definition, filter, progress);
    result.basePath = basePath;
    return result;
}

LoadResult loadLottery(const ProgramFolder &folder, const QString &lotteryName, const DrawFilter &filter,
    const MessageCatalog &messages, const Progress &progress)
{
    const IniDocument ini = IniFile(folder.configPath()).load();
    const LotteryDefinition definition = lotteries::readDefinition(ini, lotteryName);
    LoadResult result
        = loadBase(folder.filePath(definition.baseFile), definition, filter, messages, progress);
    if (result.ok)
        result.systems = ini.keys(definition.systemSection());
    return result;
}

QString loadStatusText(const LoadResult &result, const MessageCatalog &messages)
{
    QString text = messages("Str1") + QLatin1Char(' ') + intToText(result.drawCount()) + QLatin1Char(' ')
        + messages("Str9");
    if (result.outOfRangeLines > 0)
        text += QStringLiteral("; ") + messages("Str57") + QLatin1Char(' ')
            + intToText(result.outOfRangeLines);
    return text;
}

} // namespace kivora
