#include "results/AddDraw.h"

#include "core/CharSet.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/SettingsStore.h"
#include "core/ShortDate.h"
#include "core/StringFn.h"
#include "core/TextFile.h"
#include "results/BaseWriteGuard.h"
#include "results/ResultsLoad.h"

#include <QStringList>

#include <algorithm>
#include <set>

namespace kivora {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('_');
}

// Nothing typed: "  ,  " as the mask returns it, or the empty text.
bool isBlankText(const QString &text)
{
    for (QChar c : text) {
        if (!isBlank(c) && c != QLatin1Char(','))
            return false;
    }
    return true;
}

// A group of the mask without the blanks around it: "_7" and " 7" are "7".
QString stripBlanks(const QString &group)
{
    int start = 0;
    int end = group.size();
    while (start < end && isBlank(group.at(start)))
        ++start;
    while (end > start && isBlank(group.at(end - 1)))
        --end;
    return group.mid(start, end - start);
}

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Exactly count comma-separated different numbers in lo..hi. duplicateKey names the
// message for a number typed twice.
NumberGroup checkGroup(
    const QString &typed, int count, int lo, int hi, const char *duplicateKey, const MessageCatalog &messages)
{
    NumberGroup group;
    QStringList numbers;
    for (const QString &part : typed.split(QLatin1Char(',')))
        numbers.append(stripBlanks(part));
    QString repeated;
    const std::optional<DrawFault> fault = numberGroupFault(numbers, count, lo, hi, &repeated);
    if (!fault) {
        group.ok = true;
        group.text = numbers.join(QLatin1Char(','));
    } else if (*fault == DrawFault::Repeated) {
        // A draw never holds a number twice: "05,11,22,33,44,05" is a typing slip.
        group.error = messages(duplicateKey).arg(repeated);
    } else {
        group.error = withPlurals(messages("Str63").arg(count).arg(lo).arg(hi));
    }
    return group;
}

bool isRecordField(const QString &text)
{
    if (text.isEmpty())
        return false;
    const CharSet delims = fieldDelimiters();
    for (QChar c : text) {
        if (delims.contains(c))
            return false;
    }
    return true;
}

// The text that appends a record line to a base holding existing: the line and its
// line end, after a line end of its own when the base's last line has none (an edited
// file), so that the new draw never merges into the old last line. Decided on the
// decoded text: a UTF-16 base ends its lines with two bytes.
QString appendedText(const QString &existing, const QString &line)
{
    const bool endsLine
        = existing.isEmpty() || existing.endsWith(QLatin1Char('\n')) || existing.endsWith(QLatin1Char('\r'));
    return endsLine ? QString(line + textfile::crlf()) : QString(textfile::crlf() + line + textfile::crlf());
}

} // namespace

NumberGroup checkMainNumbers(
    const QString &typed, const LotteryDefinition &definition, const MessageCatalog &messages)
{
    return checkGroup(
        typed, definition.drawNumber, definition.minNumber, definition.maxNumber, "Str98", messages);
}

NumberGroup checkAdditionalNumbers(
    const QString &typed, const LotteryDefinition &definition, const MessageCatalog &messages)
{
    if (isBlankText(typed)) {
        NumberGroup none;
        none.ok = true;
        return none;
    }
    if (!definition.hasAdditionalNumbers()) {
        NumberGroup refused;
        refused.error = messages("Str60");
        return refused;
    }
    int lo = 0;
    int hi = 0;
    additionalNumberRange(definition, &lo, &hi);
    return checkGroup(typed, definition.countOfAddBall, lo, hi, "Str99", messages);
}

void additionalNumberRange(const LotteryDefinition &definition, int *lo, int *hi)
{
    *lo = definition.minnumberOfAddBall;
    *hi = definition.maxnumberOfAddBall;
    if (*lo >= *hi) {
        *lo = 0;
        *hi = 99;
    }
}

QString addDrawLine(const QString &number, const QString &date, const QString &machine,
    const QString &ballSet, const QString &mainText, const QString &additionalText)
{
    const QChar comma = QLatin1Char(',');
    return number + comma + date + comma + machine + comma + ballSet + comma + trimSpaces(mainText) + comma
        + trimSpaces(additionalText);
}

bool hasControlCharacter(const QString &text)
{
    // The same characters the settings dialog refuses in a lottery's values.
    return settings::holdsControlCharacter(text);
}

std::optional<DrawFault> numberGroupFault(
    const QStringList &numbers, int count, int lo, int hi, QString *repeated)
{
    for (const QString &number : numbers) {
        if (!isDigits(number) || number.size() > 9)
            return DrawFault::NotNumbers;
    }
    if (numbers.size() != count)
        return DrawFault::WrongCount;
    std::set<int> seen;
    QString twice;
    for (const QString &number : numbers) {
        const int n = number.toInt();
        if (n < lo || n > hi)
            return DrawFault::OutOfRange;
        if (!seen.insert(n).second && twice.isEmpty())
            twice = number;
    }
    if (twice.isEmpty())
        return std::nullopt;
    if (repeated)
        *repeated = twice;
    return DrawFault::Repeated;
}

std::optional<DrawFault> recordFault(const QStringList &fields, const LotteryDefinition &definition)
{
    const int mainEnd = 4 + definition.drawNumber;
    const int fieldLimit = mainEnd + definition.additionalCount();
    for (int i = 0; i < fields.size() && i < fieldLimit; ++i) {
        if (hasControlCharacter(fields.at(i)))
            return DrawFault::ControlCharacter;
    }
    int addLo = 0;
    int addHi = 0;
    additionalNumberRange(definition, &addLo, &addHi);
    // A header names its columns where the numbers go ("N1", "Доп"), however many
    // there are: the faults of both groups are weighed in the order of DrawFault.
    const std::optional<DrawFault> main = numberGroupFault(fields.mid(4, definition.drawNumber),
        definition.drawNumber, definition.minNumber, definition.maxNumber);
    std::optional<DrawFault> additional;
    if (definition.additionalCount() > 0)
        additional = numberGroupFault(
            fields.mid(mainEnd, definition.additionalCount()), definition.additionalCount(), addLo, addHi);
    if (main || additional)
        return std::min(main.value_or(DrawFault::NotADate), additional.value_or(DrawFault::NotADate));
    if (!isDrawDate(fields.at(1)))
        return DrawFault::NotADate;
    return std::nullopt;
}

Done appendDrawLine(const QString &basePath, const QString &line)
{
    return textfile::appendText(basePath,
        [&line](const QString &existing) -> Outcome<QString> { return appendedText(existing, line); });
}

QString addDraw(const QString &basePath, const NewDraw &draw, const LotteryDefinition &definition,
    const MessageCatalog &messages, int lineLimit)
{
    for (const QString *field :
        { &draw.number, &draw.date, &draw.machine, &draw.ballSet, &draw.mainText, &draw.additionalText }) {
        if (hasControlCharacter(*field))
            return messages("Str161");
    }
    for (const QString *field : { &draw.number, &draw.date, &draw.machine, &draw.ballSet }) {
        if (!isRecordField(*field))
            return messages("Str73");
    }
    if (!isDrawDate(draw.date))
        return messages("Str100").arg(draw.date);
    const NumberGroup main = checkMainNumbers(draw.mainText, definition, messages);
    if (!main.ok)
        return main.error;
    const NumberGroup additional = checkAdditionalNumbers(draw.additionalText, definition, messages);
    if (!additional.ok)
        return additional.error;
    const QString line
        = addDrawLine(draw.number, draw.date, draw.machine, draw.ballSet, main.text, additional.text);
    const QString refusal = baseWriteRefusal(basePath, definition, messages);
    if (!refusal.isEmpty())
        return refusal;
    // The size is looked at under the base's lock: two adds at the limit do not both pass.
    const Done appended = textfile::appendText(basePath, [&](const QString &existing) -> Outcome<QString> {
        if (countBaseLines(existing) + 1 > lineLimit)
            return Failure::refused(
                messages("Str442").arg(textfile::describeError(basePath, messages("Str160").arg(lineLimit))));
        return appendedText(existing, line);
    });
    if (!appended)
        return failureMessage(appended.failure(), messages);
    return {};
}

} // namespace kivora
