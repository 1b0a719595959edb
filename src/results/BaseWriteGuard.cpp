#include "results/BaseWriteGuard.h"

#include "core/CharSet.h"
#include "core/MessageCatalog.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace kivora {

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isNumberField(QStringView field)
{
    if (field.isEmpty() || field.size() > 9)
        return false;
    for (QChar c : field) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Whether one line is blank or a draw: fields are cut as the load cuts them.
bool isBlankOrDraw(QStringView line, const CharSet &delimiters, const LotteryDefinition &definition)
{
    const int mainEnd = 4 + definition.drawNumber;
    int field = 0;
    qsizetype i = 0;
    const qsizetype size = line.size();
    while (field < mainEnd) {
        while (i < size && delimiters.contains(line[i]))
            ++i;
        if (i >= size)
            break;
        const qsizetype start = i;
        while (i < size && !delimiters.contains(line[i]))
            ++i;
        if (field >= 4 && !isNumberField(line.mid(start, i - start)))
            return false;
        ++field;
    }
    return field == 0 || field == mainEnd;
}

bool hasBaseExtension(const QString &path)
{
    return QFileInfo(path).suffix().compare(kBaseExtension, Qt::CaseInsensitive) == 0;
}

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

int firstForeignLine(QStringView text, const LotteryDefinition &definition)
{
    const CharSet delimiters = fieldDelimiters();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    for (int line = 1; pos < size; ++line) {
        qsizetype end = pos;
        while (end < size && !isLineEnd(text[end]))
            ++end;
        if (!isBlankOrDraw(text.mid(pos, end - pos), delimiters, definition))
            return line;
        if (end + 1 < size && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n'))
            ++end;
        pos = end + 1;
    }
    return 0;
}

QString baseWriteRefusal(
    const QString &path, const LotteryDefinition &definition, const MessageCatalog &messages)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        // A link to a missing file would create a file of the link's choosing.
        if (info.isSymLink() || !hasBaseExtension(path))
            return messages("Str441").arg(nativeName(path), kBaseExtension);
        return {};
    }
    textfile::ReadFailure failure = textfile::ReadFailure::None;
    const Outcome<QString> read = textfile::readText(path, &failure);
    if (!read) {
        if (failure == textfile::ReadFailure::NotText)
            return messages("Str440").arg(nativeName(path));
        return failureMessage(read.failure(), messages);
    }
    const QString &text = *read;
    // An empty file says nothing of what it is for: only its name can.
    if (firstForeignLine(text, definition) != 0 || (text.trimmed().isEmpty() && !hasBaseExtension(path)))
        return messages("Str440").arg(nativeName(path));
    return {};
}

} // namespace kivora
