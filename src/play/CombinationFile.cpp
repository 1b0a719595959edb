#include "play/CombinationFile.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/StringFn.h"
#include "core/TextFile.h"
#include "play/CombinationList.h"
#include "play/Systems.h"

#include <algorithm>

namespace kivora {

QString combinationFileHeader(
    const QString &systemName, int rowCount, const MessageCatalog &messages, const QString &filters)
{
    QString header = withPlurals(messages("Str2") + QLatin1Char(' ') + systems::headerWord(systemName)
        + QLatin1Char(' ') + messages("Str11") + QStringLiteral(" - ") + intToText(rowCount)
        + QLatin1Char(' ') + messages("Str17"));
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

Done writeCombinationFile(const QString &path, const CombinationList &list, const QString &lotteryName,
    const QString &systemName, const MessageCatalog &messages, const QString &filters)
{
    const QString refusal = combinationSaveRefusal(list, messages);
    if (!refusal.isEmpty())
        return Failure::refused(refusal);
    auto writeWhole = [&] {
        return textfile::writeText(
            path, combinationFileText(list, lotteryName, systemName, messages, filters));
    };
    // The two head lines decide the encoding; the rows are numbers. A head that needs
    // UTF-8 (or whose 1251 bytes would read as UTF-8) makes the text built whole.
    const QString head = lotteryName + textfile::crlf()
        + combinationFileHeader(systemName, list.rowCount(), messages, filters);
    const QByteArray headBytes = textfile::encode(head);
    if (headBytes != textfile::encodeDeclared(head) || headBytes.startsWith("\xEF\xBB\xBF"))
        return writeWhole();
    const bool headAscii = !std::any_of(headBytes.begin(), headBytes.end(), [](char c) { return c & 0x80; });

    textfile::FileReplacer file(path);
    if (Done opened = file.open(); !opened)
        return opened;
    textfile::BufferedTextWriter out(file);
    out.append(QLatin1String(headBytes.constData(), headBytes.size()));
    const QLatin1String crlf("\r\n");
    const QLatin1String gap("   ");
    for (int row = 0; row < list.rowCount(); ++row) {
        out.append(crlf);
        for (int column = 0; column < CombinationList::kColumns; ++column) {
            out.append(list.cell(row, column));
            out.append(gap);
        }
        if (!out.maybeWrite())
            break;
    }
    // Rows that 1251 cannot hold, or non-ASCII rows under an ASCII head (the whole
    // might read as UTF-8): the text built whole decides.
    Done written = out.writePending();
    if (written)
        written = out.finish();
    if (!written || (headAscii && !out.ascii())) {
        (void)out.finish();
        if (!out.fits() || (headAscii && !out.ascii()))
            return writeWhole();
        return written;
    }
    return file.commit();
}

} // namespace kivora
