#pragma once

// Import: replaces a results base with the records of another text file, each written
// in the base's own form, "number,date,machine,ball set,main numbers,additional".

#include "core/LotteryDefinition.h"

#include <QString>

namespace kivora {

class MessageCatalog;

// Refusal of a file whose first line has too few fields; %1 is the file's full name.
// Kept here until the message catalogue holds it.
inline const QString kImportFormatRefused
    = QStringLiteral("Формат файла %1 не подходит для импортирования результатов.");

struct ImportResult
{
    bool ok = false;
    QString error; // the message to show when !ok; the base is then unchanged
    int records = 0; // records written
};

// The records of sourcePath: the first DrawNumber + CountOfAddBall + 4 fields of each
// line joined with ",". The first line must hold that many fields (a header or a file
// of another format is refused); later lines may hold fewer. Blank lines and lines of
// delimiters only are dropped. The source is read whole before the base is replaced
// through a temporary file, so importing the base onto itself normalises it in place.
ImportResult importResults(const QString &basePath, const QString &sourcePath,
    const LotteryDefinition &definition, const MessageCatalog &messages);

// The record of one source line: its first fieldLimit fields joined with ",".
QString importRecord(const QString &line, int fieldLimit);

} // namespace kivora
