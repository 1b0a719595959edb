#include "results/import/ImportMerge.h"

#include "core/CharSet.h"
#include "core/MessageCatalog.h"
#include "core/ShortDate.h"
#include "core/TextFields.h"
#include "core/TextFile.h"
#include "results/AddDraw.h"
#include "results/BaseWriteGuard.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>

namespace kivora {

namespace {

bool isNumberText(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0 && !text.startsWith(QLatin1Char('+'));
}

std::vector<int> sortedMain(const DrawTable &base, int row)
{
    std::vector<int> numbers(base.numbers(row), base.numbers(row) + base.drawNumber());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::vector<int> sortedAdditional(const DrawTable &base, int row)
{
    std::vector<int> numbers;
    for (int j = 0; j < base.additionalCount(); ++j)
        numbers.push_back(base.additional(row, j).toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString baseNumbersText(const DrawTable &base, int row)
{
    QStringList main;
    for (int j = 0; j < base.drawNumber(); ++j)
        main.append(QString::number(base.number(row, j)));
    QStringList additional;
    for (int j = 0; j < base.additionalCount(); ++j)
        additional.append(base.additional(row, j));
    return main.join(QLatin1Char(','))
        + (additional.isEmpty() ? QString() : QStringLiteral(" + ") + additional.join(QLatin1Char(',')));
}

QString importedNumbersText(const ImportedDraws &imported, const ImportedDraw &draw)
{
    const QString additional = imported.additionalText(draw);
    return imported.mainText(draw) + (additional.isEmpty() ? QString() : QStringLiteral(" + ") + additional);
}

// A draw of either side as the merge compares them.
struct Known
{
    qint64 day = 0; // julian day; 0 when undated
    int number = -1;
    quint32 at = 0; // its sorted numbers in the plan's flat array
    int baseRow = -1; // -1 for a draw planned from the import
    bool matched = false;
};

// The date field of a record in the program's short date format, made once per
// write: the system's format is looked up once, and the sample bases' form is written
// without the locale machinery.
class RecordDates final
{
public:
    RecordDates()
        : m_format(shortDateFormat())
        , m_sample(m_format == sampleDateFormat())
    { }

    // Appends the date's field to a record being written.
    void appendTo(QString *out, const QDate &date) const
    {
        if (!date.isValid()) {
            *out += QLatin1Char('-');
            return;
        }
        if (!m_sample) {
            *out += asRecordField(date.toString(m_format));
            return;
        }
        int year = 0;
        int month = 0;
        int day = 0;
        date.getDate(&year, &month, &day);
        if (year < 1000 || year > 9999) {
            *out += shortDate(date);
            return;
        }
        const char16_t digits[10] = { char16_t(u'0' + day / 10), char16_t(u'0' + day % 10), u'.',
            char16_t(u'0' + month / 10), char16_t(u'0' + month % 10), u'.', char16_t(u'0' + year / 1000),
            char16_t(u'0' + year / 100 % 10), char16_t(u'0' + year / 10 % 10), char16_t(u'0' + year % 10) };
        out->append(reinterpret_cast<const QChar *>(digits), 10);
    }

private:
    QString m_format;
    bool m_sample;
};

QString tooLargeMessage(const QString &basePath, int lineLimit, const MessageCatalog &messages)
{
    return messages("Str442").arg(textfile::describeError(basePath, messages("Str160").arg(lineLimit)));
}

// Appends a non-negative number's digits.
void appendNumber(QString *out, qint64 value)
{
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 20);
    while (n > 0)
        *out += QChar(digits[--n]);
}

// Appends the record line of an imported draw, "number,date,machine,ball set,main
// numbers,additional", written straight into the text of the lines: a million draws
// make no million small texts.
void appendRecordLine(
    QString *out, const ImportedDraws &imported, int index, int number, const RecordDates &dates)
{
    const ImportedDraw &draw = imported.draws[static_cast<size_t>(index)];
    const QChar comma = QLatin1Char(',');
    if (number < 0)
        *out += QString::number(number);
    else
        appendNumber(out, number);
    *out += comma;
    dates.appendTo(out, draw.date);
    *out += comma;
    if (draw.extra >= 0) {
        const QString &extra = imported.extras.at(draw.extra);
        const int split = extra.indexOf(comma);
        *out += QStringView(extra).left(split);
        *out += comma;
        *out += QStringView(extra).mid(split + 1);
    } else {
        *out += QLatin1String("-,-");
    }
    const quint8 *numbers = imported.numbersOf(draw);
    for (int group = 0; group < 2; ++group) {
        const int from = group == 0 ? 0 : imported.mainCount;
        const int to = group == 0 ? imported.mainCount : imported.mainCount + imported.additionalCount;
        *out += comma;
        for (int i = from; i < to; ++i) {
            if (i > from)
                *out += comma;
            appendNumber(out, numbers[i]);
        }
    }
}

QString recordLine(const ImportedDraws &imported, int index, int number, const RecordDates &dates)
{
    QString line;
    line.reserve(32 + 4 * (imported.mainCount + imported.additionalCount));
    appendRecordLine(&line, imported, index, number, dates);
    return line;
}

} // namespace

QDate baseRecordDate(const QString &text)
{
    if (text == QLatin1String("-"))
        return {};
    QDate date = QDate::fromString(text, sampleDateFormat());
    if (!date.isValid() && isDrawDate(text)) {
        const QString format = shortDateFormat();
        date = QDate::fromString(text, asRecordField(format));
        if (!date.isValid())
            date = QDate::fromString(text, format);
    }
    return date;
}

QString importedRecordLine(const ImportedDraws &imported, int index, int number)
{
    return recordLine(imported, index, number, RecordDates());
}

MergePlan planMerge(const DrawTable &base, const ImportedDraws &imported)
{
    MergePlan plan;
    plan.baseBefore = base.rowCount();
    const int width = imported.mainCount + imported.additionalCount;
    // Every draw of either side as the merge compares them: its numbers sorted in
    // each group, in one flat array.
    std::vector<quint8> numbers;
    std::vector<Known> baseDated;
    std::vector<Known> baseUndated;
    int lastNumber = 0;
    QDate lastBaseDate;
    for (int row = 0; row < base.rowCount(); ++row) {
        Known known;
        int number = 0;
        if (isNumberText(base.drawNumberText(row), &number)) {
            known.number = number;
            lastNumber = std::max(lastNumber, number);
        }
        known.at = static_cast<quint32>(numbers.size());
        for (int n : sortedMain(base, row))
            numbers.push_back(static_cast<quint8>(std::clamp(n, 0, 255)));
        for (int n : sortedAdditional(base, row))
            numbers.push_back(static_cast<quint8>(std::clamp(n, 0, 255)));
        known.baseRow = row;
        const QDate date = baseRecordDate(base.date(row));
        if (date.isValid()) {
            known.day = date.toJulianDay();
            baseDated.push_back(known);
            if (!lastBaseDate.isValid() || date > lastBaseDate)
                lastBaseDate = date;
            plan.firstDate = plan.firstDate.isValid() ? std::min(plan.firstDate, date) : date;
        } else if (known.number >= 0) {
            baseUndated.push_back(known);
        }
    }
    plan.lastDate = lastBaseDate;
    std::stable_sort(
        baseDated.begin(), baseDated.end(), [](const Known &a, const Known &b) { return a.day < b.day; });
    // The imported draws day by day (undated ones last), so that the draws planned
    // from the source so far need only be kept for the day at hand.
    std::vector<int> order(static_cast<size_t>(imported.size()));
    std::iota(order.begin(), order.end(), 0);
    const auto dayOf = [&imported](int i) {
        const QDate date = imported.draws[static_cast<size_t>(i)].date;
        return date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::max();
    };
    if (!std::is_sorted(order.begin(), order.end(), [&](int a, int b) { return dayOf(a) < dayOf(b); }))
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return dayOf(a) < dayOf(b); });
    std::vector<Known> plannedToday;
    std::vector<Known> plannedUndated;
    qint64 today = std::numeric_limits<qint64>::min();
    std::vector<quint8> mine(static_cast<size_t>(width));
    const auto sameNumbers = [&](const Known &known) {
        return width == 0
            || std::memcmp(numbers.data() + known.at, mine.data(), static_cast<size_t>(width)) == 0;
    };
    for (int i : order) {
        const ImportedDraw &draw = imported.draws[static_cast<size_t>(i)];
        const quint8 *drawn = imported.numbersOf(draw);
        std::copy(drawn, drawn + width, mine.begin());
        std::sort(mine.begin(), mine.begin() + imported.mainCount);
        std::sort(mine.begin() + imported.mainCount, mine.end());
        const bool dated = draw.date.isValid();
        const qint64 day = dated ? draw.date.toJulianDay() : 0;
        if (dated && day != today) {
            today = day;
            plannedToday.clear();
        }
        Known *equal = nullptr;
        Known *other = nullptr;
        const auto consider = [&](Known &known) {
            // Two draws of one day with numbers of their own are different draws.
            if (known.matched || (draw.number >= 0 && known.number >= 0 && known.number != draw.number))
                return;
            if (dated ? false : known.number != draw.number)
                return;
            if (sameNumbers(known))
                equal = equal ? equal : &known;
            else if (known.baseRow >= 0)
                other = other ? other : &known;
        };
        if (dated) {
            const auto first = std::lower_bound(baseDated.begin(), baseDated.end(), day,
                [](const Known &known, qint64 d) { return known.day < d; });
            for (auto it = first; it != baseDated.end() && it->day == day; ++it)
                consider(*it);
            for (Known &known : plannedToday)
                consider(known);
        } else if (draw.number >= 0) {
            for (Known &known : baseUndated)
                consider(known);
            for (Known &known : plannedUndated)
                consider(known);
        }
        if (equal) {
            equal->matched = true;
            ++plan.duplicates;
            continue;
        }
        if (other) {
            other->matched = true;
            ++plan.conflicts;
            if (plan.firstConflicts.size() < kListedConflicts) {
                MergeConflict conflict;
                conflict.date = draw.date;
                conflict.line = draw.line;
                conflict.baseNumbers = baseNumbersText(base, other->baseRow);
                conflict.importedNumbers = importedNumbersText(imported, draw);
                plan.firstConflicts.append(conflict);
            }
            continue;
        }
        // Known from now on: the same draw twice in the source is taken once.
        Known planned;
        planned.number = draw.number;
        planned.day = day;
        planned.at = static_cast<quint32>(numbers.size());
        numbers.insert(numbers.end(), mine.begin(), mine.end());
        (dated ? plannedToday : plannedUndated).push_back(planned);
        plan.newDraws.push_back(i);
        if (dated && lastBaseDate.isValid() && draw.date < lastBaseDate)
            plan.rewrite = true;
    }
    for (int index : plan.newDraws) {
        const ImportedDraw &draw = imported.draws[static_cast<size_t>(index)];
        plan.newNumbers.push_back(draw.number >= 0 ? draw.number : ++lastNumber);
        if (draw.number > lastNumber)
            lastNumber = draw.number;
        if (draw.date.isValid()) {
            plan.firstDate = plan.firstDate.isValid() ? std::min(plan.firstDate, draw.date) : draw.date;
            plan.lastDate = plan.lastDate.isValid() ? std::max(plan.lastDate, draw.date) : draw.date;
        }
    }
    plan.fresh = static_cast<int>(plan.newDraws.size());
    plan.baseAfter = plan.baseBefore + plan.fresh;
    return plan;
}

MergePlan planReplace(int baseDraws, const ImportedDraws &imported)
{
    MergePlan plan;
    plan.baseBefore = baseDraws;
    int lastNumber = 0;
    for (int i = 0; i < imported.size(); ++i) {
        const ImportedDraw &draw = imported.draws[static_cast<size_t>(i)];
        plan.newDraws.push_back(i);
        plan.newNumbers.push_back(draw.number >= 0 ? draw.number : ++lastNumber);
        lastNumber = std::max(lastNumber, draw.number);
        if (draw.date.isValid()) {
            plan.firstDate = plan.firstDate.isValid() ? std::min(plan.firstDate, draw.date) : draw.date;
            plan.lastDate = plan.lastDate.isValid() ? std::max(plan.lastDate, draw.date) : draw.date;
        }
    }
    plan.fresh = imported.size();
    plan.baseAfter = plan.fresh;
    plan.rewrite = true;
    return plan;
}

ImportWrite writeMerge(const QString &basePath, const MergePlan &plan, const ImportedDraws &imported,
    const LotteryDefinition &definition, const MessageCatalog &messages, int lineLimit)
{
    ImportWrite result;
    result.message = baseWriteRefusal(basePath, definition, messages);
    if (!result.message.isEmpty())
        return result;
    if (plan.newDraws.empty()) {
        result.ok = true;
        return result;
    }
    QString reason;
    const RecordDates dates;
    if (!plan.rewrite) {
        // One text for all the new lines: a million of them append in one write.
        QString added;
        added.reserve(static_cast<qsizetype>(plan.newDraws.size()) * (imported.mainCount * 3 + 24));
        for (size_t i = 0; i < plan.newDraws.size(); ++i) {
            appendRecordLine(&added, imported, plan.newDraws[i], plan.newNumbers[i], dates);
            added += textfile::crlf();
        }
        const qsizetype newLineCount = static_cast<qsizetype>(plan.newDraws.size());
        const Done appended
            = textfile::appendText(basePath, [&](const QString &existing) -> Outcome<QString> {
                  const int lines = countBaseLines(existing);
                  if (lines + newLineCount > lineLimit)
                      return Failure::refused(tooLargeMessage(basePath, lineLimit, messages));
                  if (lines < plan.baseBefore)
                      return Failure::refused(messages("Str523").arg(basePath));
                  const bool endsLine = existing.isEmpty() || existing.endsWith(QLatin1Char('\n'))
                      || existing.endsWith(QLatin1Char('\r'));
                  return endsLine ? added : textfile::crlf() + added;
              });
        if (!appended)
            result.message = failureMessage(appended.failure(), messages);
        result.ok = appended.ok();
        return result;
    }
    QStringList newLines;
    for (size_t i = 0; i < plan.newDraws.size(); ++i)
        newLines.append(recordLine(imported, plan.newDraws[i], plan.newNumbers[i], dates));
    // Rewritten in date order: the base's lines as they are, the new ones among them.
    textfile::FileLock lock(basePath);
    QString text;
    if (Done locked = lock.lock(); !locked) {
        result.message = failureMessage(locked.failure(), messages);
        return result;
    }
    if (QFileInfo::exists(basePath)) {
        Outcome<QString> read = textfile::readText(basePath);
        if (!read) {
            result.message = failureMessage(read.failure(), messages);
            return result;
        }
        text = std::move(*read);
    }
    const QStringList baseLines = textfile::splitLines(text);
    if (countBaseLines(text) < plan.baseBefore) {
        result.message = messages("Str523").arg(basePath);
        return result;
    }
    struct Placed
    {
        qint64 day;
        int order;
        const QString *line;
    };
    std::vector<Placed> placed;
    qint64 day = 0;
    int order = 0;
    for (const QString &line : baseLines) {
        if (line.trimmed().isEmpty())
            continue;
        const QDate date = baseRecordDate(extractField(2, line, fieldDelimiters()));
        if (date.isValid())
            day = date.toJulianDay();
        placed.push_back({ day, order++, &line });
    }
    for (size_t i = 0; i < plan.newDraws.size(); ++i) {
        const QDate date = imported.draws[static_cast<size_t>(plan.newDraws[i])].date;
        if (date.isValid())
            day = date.toJulianDay();
        placed.push_back({ day, order++, &newLines.at(static_cast<int>(i)) });
    }
    std::stable_sort(
        placed.begin(), placed.end(), [](const Placed &a, const Placed &b) { return a.day < b.day; });
    if (static_cast<int>(placed.size()) > lineLimit) {
        result.message = tooLargeMessage(basePath, lineLimit, messages);
        return result;
    }
    QStringList lines;
    lines.reserve(static_cast<int>(placed.size()));
    for (const Placed &p : placed)
        lines.append(*p.line);
    if (const Done written = lockBackupAndWrite(lock, basePath, lines, &result.backupPath); !written) {
        result.message = failureMessage(written.failure(), messages);
        return result;
    }
    result.ok = true;
    return result;
}

ImportWrite writeReplace(const QString &basePath, const MergePlan &plan, const ImportedDraws &imported,
    const LotteryDefinition &definition, const MessageCatalog &messages, int lineLimit)
{
    ImportWrite result;
    result.message = baseWriteRefusal(basePath, definition, messages);
    if (!result.message.isEmpty())
        return result;
    if (static_cast<int>(plan.newDraws.size()) > lineLimit) {
        result.message = tooLargeMessage(basePath, lineLimit, messages);
        return result;
    }
    QStringList lines;
    lines.reserve(static_cast<int>(plan.newDraws.size()));
    const RecordDates dates;
    for (size_t i = 0; i < plan.newDraws.size(); ++i)
        lines.append(recordLine(imported, plan.newDraws[i], plan.newNumbers[i], dates));
    textfile::FileLock lock(basePath);
    if (const Done written = lockBackupAndWrite(lock, basePath, lines, &result.backupPath); !written) {
        result.message = failureMessage(written.failure(), messages);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace kivora
