#pragma once

// Import: replaces a results base with the records of another text file, each written
// in the base's own form, "number,date,machine,ball set,main numbers,additional".

#include "core/LotteryDefinition.h"

#include <QString>

namespace kivora {

class MessageCatalog;

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
