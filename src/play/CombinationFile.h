#pragma once

// A combination file ("*.ltc") holds the combination list as the player saved it:
//
//   6 из 45␍␊
//   Выбрано:  7 номеров - 2 комбинаций␍␊
//   05   11   17   23   30   38               ...␍␊
//   05   11   17   23   30   44               ...
//
// Every row lists its ten cells, each followed by three blanks (an empty cell gives
// only the blanks). Each row starts with a line end, so the file ends without one.

#include "core/Failure.h"

#include <QString>

namespace kivora {

class CombinationList;
class MessageCatalog;

// "Выбрано:  7 номеров - 2 комбинаций": the header line for a system and a row count.
// A list cut by ticket filters names them after it, on the same line:
// "Выбрано:  7 номеров - 2 комбинаций; Фильтры: сумма 100-150" (filterDescription).
QString combinationFileHeader(const QString &systemName, int rowCount, const MessageCatalog &messages,
    const QString &filters = QString());

// The whole file text for the list, the lottery's name and the current system's name.
QString combinationFileText(const CombinationList &list, const QString &lotteryName,
    const QString &systemName, const MessageCatalog &messages, const QString &filters = QString());

// Why a list cannot be saved: the message for a list without a single combination
// (CombinationList::isEmpty), or the empty text when it can be.
QString combinationSaveRefusal(const CombinationList &list, const MessageCatalog &messages);

// Writes the file (replacing one that exists); an existing file stays as it was when
// the write fails (Io). A list without a combination is not written: the failure is
// then combinationSaveRefusal's message (Refused).
Done writeCombinationFile(const QString &path, const CombinationList &list, const QString &lotteryName,
    const QString &systemName, const MessageCatalog &messages, const QString &filters = QString());

// The fixed file the list is shown from: "lototmp.ltc" in the program folder.
inline QString shownCombinationsFileName()
{
    return QStringLiteral("lototmp.ltc");
}

} // namespace kivora
