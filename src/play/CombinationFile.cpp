#include "play/CombinationFile.h"

#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "core/TextFile.h"
#include "play/CombinationList.h"
#include "play/Systems.h"

namespace kivora {

QString combinationFileHeader(
    const QString &systemName, int rowCount, const MessageCatalog &messages, const QString &filters)
{
    QString header = messages("Str2") + QLatin1Char(' ') + systems::headerWord(systemName) + QLatin1Char(' ')
        + messages("Str11") + QStringLiteral(" - ") + intToText(rowCount) + QLatin1Char(' ')
        + messages("Str17");
    if (!filters.isEmpty())
        header += QStringLiteral("; ") + filters;
    return header;
}

QString combinationFileText(const CombinationList &list, const QString &lotteryName,
    const QString &systemName, const MessageCatalog &messages, const QString &filters)
{
    const QString gap = QStringLiteral("   ");
    QString text = lotteryName + textfile::crlf()
        + combinationFileHeader(systemName, list.rowCount(), messages, filters);
    text.reserve(text.size() + list.rowCount() * (2 + CombinationList::kColumns * 5));
    for (int row = 0; row < list.rowCount(); ++row) {
        text += textfile::crlf();
        for (int column = 0; column < CombinationList::kColumns; ++column) {
            text += list.cell(row, column);
            text += gap;
        }
    }
    return text;
}

QString combinationSaveRefusal(const CombinationList &list, const MessageCatalog &messages)
{
    return list.isEmpty() ? messages("Str88") : QString();
}

bool writeCombinationFile(const QString &path, const CombinationList &list, const QString &lotteryName,
    const QString &systemName, const MessageCatalog &messages, QString *error, const QString &filters)
{
    const QString refusal = combinationSaveRefusal(list, messages);
    if (!refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    return textfile::writeText(
        path, combinationFileText(list, lotteryName, systemName, messages, filters), error);
}

} // namespace kivora
