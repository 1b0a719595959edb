#pragma once

// The combination list as tickets to print or keep: a complete HTML document (head,
// charset, title), the lottery's name, the system, the count and the date above a
// table of numbered tickets, one row each. The window prints the same document.

#include <QString>

namespace kivora {

class CombinationList;
class MessageCatalog;

QString ticketsDocument(const CombinationList &list, const QString &lotteryName, const QString &systemName,
    const QString &dateText, const MessageCatalog &messages,
    const QString &languageCode = QStringLiteral("ru"));

} // namespace kivora
