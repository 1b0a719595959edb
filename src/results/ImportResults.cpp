#include "results/ImportResults.h"

#include "core/CharSet.h"
#include "core/MessageCatalog.h"
#include "core/TextFields.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace kivora {

QString importRecord(const QString &line, int fieldLimit)
{
    QStringList fields = splitFields(line, fieldDelimiters());
    if (fields.size() > fieldLimit)
        fields.erase(fields.begin() + fieldLimit, fields.end());
    return fields.join(QLatin1Char(','));
}

ImportResult importResults(const QString &basePath, const QString &sourcePath,
    const LotteryDefinition &definition, const MessageCatalog &messages)
{
    ImportResult result;
    QStringList lines;
    QString reason;
    if (!textfile::readLines(sourcePath, &lines, &reason)) {
        result.error = messages("Str56").arg(reason);
        return result;
    }
    const int fieldLimit = definition.drawNumber + definition.additionalCount() + 4;
    const QString firstLine = lines.isEmpty() ? QString() : lines.first();
    if (fieldCount(firstLine, fieldDelimiters()) < fieldLimit) {
        result.error
            = messages("Str72").arg(QDir::toNativeSeparators(QFileInfo(sourcePath).absoluteFilePath()));
        return result;
    }

    QStringList records;
    records.reserve(lines.size());
    for (const QString &line : lines) {
        // A line of delimiters only would become an empty line, which the load reads
        // as a draw of zeros; it is dropped like a blank line.
        QString record = importRecord(line, fieldLimit);
        if (!record.isEmpty())
            records.append(std::move(record));
    }
    if (!textfile::writeLines(basePath, records, &reason)) {
        result.error = messages("Str56").arg(reason);
        return result;
    }
    result.ok = true;
    result.records = static_cast<int>(records.size());
    return result;
}

} // namespace kivora
