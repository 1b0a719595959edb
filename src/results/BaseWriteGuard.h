#pragma once

// The one rule for every write to a results base. A program folder travels between
// players, so its configuration may name any file as a lottery's base: the program
// reads whatever BaseFile names (a base on another disk is fine), but it adds to,
// replaces or edits only a file that is a results base. A file of anything else (a
// shell start-up file, a document) is never touched.

#include "core/LotteryDefinition.h"

#include <QString>
#include <QStringView>

namespace kivora {

class MessageCatalog;

// The extension of a results base, without the dot.
inline const QString kBaseExtension = QStringLiteral("lot");

// The first line (from 1) of a text that is neither blank nor a draw of the lottery,
// or 0 when every line is one of the two. A draw has the four leading fields and
// DrawNumber main numbers written in decimal digits; what follows is not looked at.
int firstForeignLine(QStringView text, const LotteryDefinition &definition);

// Empty when the program may write the results base at path; otherwise the message
// to show, naming the file. Allowed are a file that does not exist yet (nor is a
// dangling link) and is named "*.lot", an empty "*.lot" file, and a text file each of
// whose non-blank lines reads as a draw of the lottery. A file that cannot be read
// is refused with the reason.
QString baseWriteRefusal(
    const QString &path, const LotteryDefinition &definition, const MessageCatalog &messages);

} // namespace kivora
