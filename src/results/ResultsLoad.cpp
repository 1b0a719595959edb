#include "results/ResultsLoad.h"

#include "core/CharSet.h"
#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/ProgramFolder.h"
#include "core/StringFn.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

#include <algorithm>
#include <array>
#include <vector>

namespace kivora {

namespace {

// A million-line base is read field by field without making a QString per field: the
// lines and fields are views into the text read from the file.

// Reading reports the share of the text read, in thousandths, every so many lines.
constexpr int kProgressStep = 16384;
constexpr int kProgressScale = 1000;

// Reads a text record by record in one pass over its characters. Lines are cut as
// textfile::splitLines cuts them: LF, CR LF and CR each end a line, and a line end
// after the last line starts no further line.
class RecordScanner final
{
public:
    RecordScanner(QStringView text, const CharSet &delimiters)
        : m_text(text)
    {
        for (int c = 0; c < 256; ++c)
            m_kind[static_cast<size_t>(c)] = delimiters.contains(QChar(c)) ? kDelimiter : kOrdinary;
        m_kind[u'\r'] = kLineEnd;
        m_kind[u'\n'] = kLineEnd;
    }

    // The first max fields of the next line (missing ones empty); false after the last line.
    bool next(QStringView *fields, int max)
    {
        const qsizetype size = m_text.size();
        if (m_pos >= size)
            return false;
        const char16_t *data = m_text.utf16();
        qsizetype i = m_pos;
        int count = 0;
        while (count < max) {
            while (i < size && kind(data[i]) == kDelimiter)
                ++i;
            if (i >= size || kind(data[i]) == kLineEnd)
                break;
            const qsizetype start = i;
            while (i < size && kind(data[i]) == kOrdinary)
                ++i;
            fields[count++] = m_text.mid(start, i - start);
        }
        for (int k = count; k < max; ++k)
            fields[k] = QStringView();
        endLine(i);
        return true;
    }

    // Thousandths of the text read so far.
    int permille() const
    {
        return m_text.isEmpty() ? kProgressScale : static_cast<int>(m_pos * kProgressScale / m_text.size());
    }

    bool skipLine()
    {
        if (m_pos >= m_text.size())
            return false;
        endLine(m_pos);
        return true;
    }

    // The number of lines of a text.
    static int countLines(QStringView text)
    {
        const qsizetype size = text.size();
        const char16_t *data = text.utf16();
        // Every LF and every CR ends a line, but CR LF ends only one.
        qsizetype ends = 0;
        char16_t previous = 0;
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = data[i];
            ends += (c == u'\r') + ((c == u'\n') & (previous != u'\r'));
            previous = c;
        }
        if (size > 0 && data[size - 1] != u'\n' && data[size - 1] != u'\r')
            ++ends; // the last line has no line end
        return static_cast<int>(ends);
    }

private:
    enum Kind : quint8 { kOrdinary, kDelimiter, kLineEnd };

    Kind kind(char16_t c) const { return c < 256 ? m_kind[c] : kOrdinary; }

    // Moves past the rest of the line that goes on at i and its line end.
    void endLine(qsizetype i)
    {
        const qsizetype size = m_text.size();
        const char16_t *data = m_text.utf16();
        while (i < size && data[i] != u'\n' && data[i] != u'\r')
            ++i;
        if (i + 1 < size && data[i] == u'\r' && data[i + 1] == u'\n')
            ++i;
        m_pos = i + 1;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    std::array<Kind, 256> m_kind {};
};

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

// Whether the system refuses the path for its length (a file name of more than 255
// bytes, a path past the system's limit).
bool nameTooLong(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) != 0 && errno == ENAMETOOLONG;
}

QString ioError(const MessageCatalog &messages, const QString &reason)
{
    return failureMessage(Failure::io(reason), messages);
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

    // "Последние" N keeps the last N lines; a negative N keeps none, N >= T keeps all.
    // Only then are the lines counted before the records are read: a pass over a large
    // text costs as much as a third of the reading.
    // A text of fewer characters than the limit cannot have more lines; a longer one is
    // counted first, so that a file of line feeds is refused before any draw is made.
    int total = -1;
    if (text.size() > kLargestDrawCount) {
        total = RecordScanner::countLines(text);
        if (total > kLargestDrawCount) {
            result.ok = false;
            result.tooManyLines = true;
            return result;
        }
    }
    qint64 skip = 0;
    const int lastCount = filter.lastDraws ? textToInt(filter.lastDrawsText) : 0;
    if (lastCount != 0) {
        if (total < 0)
            total = RecordScanner::countLines(text);
        skip = std::clamp<qint64>(static_cast<qint64>(total) - lastCount, 0, total);
        if (!filter.machine && !filter.ballSet)
            result.draws.reserve(static_cast<int>(total - skip));
    } else if (!filter.machine && !filter.ballSet) {
        // A record is rarely shorter than its draw number, date and main numbers.
        result.draws.reserve(static_cast<int>(std::min<qsizetype>(text.size() / (2 * d + 8) + 1, 1 << 24)));
    }

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

    RecordScanner records(text, fieldDelimiters());
    int lineIndex = 0;
    for (; lineIndex < skip; ++lineIndex) {
        if (lineIndex % kProgressStep == 0)
            report(progress, 0, kProgressScale, records.permille());
        records.skipLine();
    }
    for (; records.next(fields.data(), fieldLimit); ++lineIndex) {
        if (lineIndex % kProgressStep == 0)
            report(progress, 0, kProgressScale, records.permille());
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
    result.totalLines = lineIndex;
    report(progress, 0, kProgressScale, kProgressScale);

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
    if (!failed.error.isEmpty()) {
        failed.definitionRefused = true;
        return failed;
    }

    // A missing base holds no draws yet; the first draw added creates it. A load never
    // creates a file, wherever BaseFile points.
    QString text;
    const QFileInfo info(basePath);
    if (info.exists() || info.isSymLink()) {
        Outcome<QString> read = textfile::readText(basePath);
        if (!read) {
            failed.error = failureMessage(read.failure(), messages);
            return failed;
        }
        text = std::move(*read);
    } else if (nameTooLong(basePath)) {
        // The system cannot even look for such a file: no draw could ever be added.
        failed.error = ioError(messages, textfile::describeError(basePath, messages("Str447")));
        return failed;
    } else if (!info.absoluteDir().exists()) {
        // No draw could ever be added there: the lottery is broken, not empty.
        failed.error = ioError(messages, textfile::describeError(basePath, textfile::systemReason(ENOENT)));
        return failed;
    }
    LoadResult result = loadDraws(text, definition, filter, progress);
    text.clear();
    result.basePath = basePath;
    if (result.tooManyLines) {
        result = LoadResult();
        result.definition = definition;
        result.basePath = basePath;
        result.error
            = ioError(messages, textfile::describeError(basePath, messages("Str160").arg(kLargestDrawCount)));
    }
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

int countBaseLines(QStringView text)
{
    return RecordScanner::countLines(text);
}

QString loadStatusText(const LoadResult &result, const MessageCatalog &messages)
{
    QString text = withPlurals(messages("Str1") + QLatin1Char(' ') + intToText(result.drawCount())
        + QLatin1Char(' ') + messages("Str9"));
    if (result.outOfRangeLines > 0)
        text += QStringLiteral("; ") + messages("Str57") + QLatin1Char(' ')
            + intToText(result.outOfRangeLines);
    return text;
}

} // namespace kivora
