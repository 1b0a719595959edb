#include "results/AddDraw.h"

#include "core/CharSet.h"
#include "core/MessageCatalog.h"
#include "core/ShortDate.h"
#include "core/StringFn.h"
#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

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
    group.error = messages("Str63").arg(count).arg(lo).arg(hi);
    const QStringList parts = typed.split(QLatin1Char(','));
    if (parts.size() != count)
        return group;
    QStringList numbers;
    std::set<int> seen;
    QString repeated;
    for (const QString &part : parts) {
        const QString digits = stripBlanks(part);
        if (!isDigits(digits) || digits.size() > 9)
            return group;
        const int n = digits.toInt();
        if (n < lo || n > hi)
            return group;
        if (!seen.insert(n).second && repeated.isEmpty())
            repeated = digits;
        numbers.append(digits);
    }
    // A draw never holds a number twice: "05,11,22,33,44,05" is a typing slip.
    if (!repeated.isEmpty()) {
        group.error = messages(duplicateKey).arg(repeated);
        return group;
    }
    group.ok = true;
    group.text = numbers.join(QLatin1Char(','));
    group.error.clear();
    return group;
}

// A line break in a field would end the record there and start another one.
bool hasControlCharacter(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control
            || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
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

// True when the file is not empty and its last byte ends no line. A UTF-8 or 1251 file
// ends a line with CR or LF, both single bytes.
bool lacksFinalLineEnd(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = textfile::describeError(path, file.errorString());
        return false;
    }
    const qint64 size = file.size();
    if (size == 0 || !file.seek(size - 1))
        return false;
    const QByteArray last = file.read(1);
    return last.size() == 1 && last.at(0) != '\n' && last.at(0) != '\r';
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

bool appendDrawLine(const QString &basePath, const QString &line, QString *error)
{
    QString reason;
    const bool needsLineEnd = lacksFinalLineEnd(basePath, &reason);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    const QString text = needsLineEnd ? QString(textfile::crlf() + line + textfile::crlf())
                                      : QString(line + textfile::crlf());
    return textfile::appendText(basePath, text, error);
}

QString addDraw(const QString &basePath, const NewDraw &draw, const LotteryDefinition &definition,
    const MessageCatalog &messages)
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
    QString reason;
    if (!appendDrawLine(basePath, line, &reason))
        return messages("Str56").arg(reason);
    return {};
}

} // namespace kivora
