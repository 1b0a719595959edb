#include "results/ImportResults.h"

#include "core/CharSet.h"
#include "core/LineReader.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/TextFields.h"
#include "core/TextFile.h"
#include "results/AddDraw.h"
#include "results/BaseWriteGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace kivora {

namespace {

// A line longer than this is cut where a message lists it.
constexpr int kListedLineLength = 100;

QString reasonText(ImportSkip reason, const MessageCatalog &messages)
{
    switch (reason) {
    case ImportSkip::NotNumbers:
        return messages("Str92");
    case ImportSkip::WrongCount:
        return messages("Str93");
    case ImportSkip::OutOfRange:
        return messages("Str94");
    case ImportSkip::Repeated:
        return messages("Str443");
    case ImportSkip::NotADate:
        return messages("Str444");
    case ImportSkip::ControlCharacter:
        return messages("Str445");
    }
    return {};
}

QString listedLine(const QString &line)
{
    return line.size() > kListedLineLength ? line.left(kListedLineLength) + QChar(0x2026) : line;
}

} // namespace

Outcome<QString> keepBackup(const QString &basePath)
{
    const QFileInfo info(basePath);
    if (!info.exists() || info.size() == 0)
        return QString();
    const Outcome<QByteArray> bytes = textfile::readBytes(basePath);
    if (!bytes)
        return bytes.failure();
    const QString target = importBackupPath(basePath);
    if (Done written = textfile::writeBytes(target, *bytes); !written)
        return written.failure();
    return target;
}

Done lockBackupAndWrite(
    textfile::FileLock &lock, const QString &basePath, const QStringList &lines, QString *backupPath)
{
    if (Done locked = lock.lock(); !locked)
        return locked;
    const Outcome<QString> backup = keepBackup(basePath);
    if (!backup)
        return backup.failure();
    *backupPath = *backup;
    return textfile::writeLines(basePath, lines);
}

QString importRecord(const QString &line, int fieldLimit)
{
    QStringList fields = splitFields(line, fieldDelimiters());
    if (fields.size() > fieldLimit)
        fields.erase(fields.begin() + fieldLimit, fields.end());
    return fields.join(QLatin1Char(','));
}

QString importBackupPath(const QString &basePath)
{
    return basePath + QStringLiteral(".bak");
}

ImportResult importResults(const QString &basePath, const QString &sourcePath,
    const LotteryDefinition &definition, const MessageCatalog &messages, int lineLimit)
{
    ImportResult result;
    result.error = baseWriteRefusal(basePath, definition, messages);
    if (!result.error.isEmpty())
        return result;
    Outcome<QByteArray> bytes = textfile::readBytes(sourcePath);
    if (!bytes) {
        result.error = failureMessage(bytes.failure(), messages);
        return result;
    }
    return importResultsFromBytes(basePath, sourcePath, *bytes, definition, messages, lineLimit);
}

ImportResult importResultsFromBytes(const QString &basePath, const QString &sourcePath,
    const QByteArray &bytes, const LotteryDefinition &definition, const MessageCatalog &messages,
    int lineLimit)
{
    ImportResult result;
    result.error = baseWriteRefusal(basePath, definition, messages);
    if (!result.error.isEmpty())
        return result;
    QString text;
    const QString sourceName = QDir::toNativeSeparators(QFileInfo(sourcePath).absoluteFilePath());
    if (!textfile::decodeText(bytes, &text)) {
        // Bytes that are no text of the program (UTF-16 without its mark, a binary
        // file) would import as draws of zeros.
        result.error = messages("Str72").arg(sourceName);
        return result;
    }
    const int fieldLimit = definition.drawNumber + definition.additionalCount() + 4;
    // The first line decides before the rest is looked at.
    LineReader reader(text);
    QStringView firstLine;
    reader.next(&firstLine);
    if (fieldCount(firstLine.toString(), fieldDelimiters()) < fieldLimit) {
        result.error = messages("Str72").arg(sourceName);
        return result;
    }

    QStringList records;
    LineReader lines(text);
    QStringView lineView;
    for (qsizetype i = 0; lines.next(&lineView); ++i) {
        const QString line = lineView.toString();
        QStringList fields = splitFields(line, fieldDelimiters());
        // A line of delimiters only is as blank as an empty one.
        if (fields.isEmpty())
            continue;
        if (const std::optional<ImportSkip> skip = recordFault(fields, definition)) {
            ++result.skipped;
            ++result.skippedBy[static_cast<size_t>(*skip)];
            if (result.firstSkipped.size() < kListedSkippedLines)
                result.firstSkipped.append({ static_cast<int>(i) + 1, *skip, line });
            continue;
        }
        fields.erase(fields.begin() + fieldLimit, fields.end());
        records.append(fields.join(QLatin1Char(',')));
    }
    text.clear();
    if (records.isEmpty()) {
        result.error
            = messages("Str97").arg(sourceName) + QLatin1Char('\n') + importSkippedText(result, messages);
        return result;
    }
    // A base no command could load is not written, and the old one stays in place.
    if (records.size() > lineLimit) {
        result.error
            = messages("Str442").arg(textfile::describeError(basePath, messages("Str160").arg(lineLimit)));
        return result;
    }
    // No other writer of the base may come between the backup and the new base.
    textfile::FileLock lock(basePath);
    if (const Done written = lockBackupAndWrite(lock, basePath, records, &result.backupPath); !written) {
        result.error = failureMessage(written.failure(), messages);
        return result;
    }
    result.ok = true;
    result.records = static_cast<int>(records.size());
    return result;
}

QString importReplaceQuestion(int baseDraws, const QString &basePath, const MessageCatalog &messages)
{
    return withPlurals(messages("Str89").arg(baseDraws)).arg(QFileInfo(importBackupPath(basePath)).fileName())
        + QLatin1Char(' ') + messages("Str69");
}

QString importSummaryText(const ImportResult &result, const MessageCatalog &messages)
{
    QString text = messages("Str90").arg(result.records);
    if (result.skipped == 0)
        return text;
    QStringList reasons;
    for (ImportSkip reason : kImportSkipReasons) {
        if (result.skippedFor(reason) > 0)
            reasons.append(reasonText(reason, messages) + QStringLiteral(": ")
                + QString::number(result.skippedFor(reason)));
    }
    return text + QLatin1Char(' ')
        + messages("Str91").arg(result.skipped).arg(reasons.join(QStringLiteral(", ")));
}

QString importSkippedText(const ImportResult &result, const MessageCatalog &messages)
{
    if (result.firstSkipped.isEmpty())
        return {};
    QStringList lines { messages("Str95") };
    for (const SkippedLine &skipped : result.firstSkipped)
        lines.append(messages("Str96")
                         .arg(skipped.line)
                         .arg(reasonText(skipped.reason, messages), listedLine(skipped.text)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace kivora
