#include "play/TicketsDocument.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "play/CombinationList.h"
#include "reports/HtmlExport.h"

#include <QStringList>

namespace kivora {

QString ticketsDocument(const CombinationList &list, const QString &lotteryName, const QString &systemName,
    const QString &dateText, const MessageCatalog &messages, const QString &languageCode)
{
    const QString title = QString(lotteryName + QStringLiteral(" - ") + systemName).toHtmlEscaped();
    const int tickets = list.isEmpty() ? 0 : list.rowCount();
    QStringList lines;
    lines << QStringLiteral("<!DOCTYPE html>")
          << QStringLiteral("<html lang=\"%1\">").arg(languageCode.toHtmlEscaped())
          << QStringLiteral("<head>");
    const int metaLine = static_cast<int>(lines.size());
    lines << QString() << QLatin1String("<title>") + title + QLatin1String("</title>")
          << QStringLiteral("<style>") << QStringLiteral("body { font-family: sans-serif; margin: 1em; }")
          << QStringLiteral("table { border-collapse: collapse; }")
          << QStringLiteral("td, th { border: 1px solid #888; padding: 3px 8px; text-align: center; }")
          << QStringLiteral("th { background: #eee; }") << QStringLiteral("td.number { font-weight: bold; }")
          << QStringLiteral("</style>") << QStringLiteral("</head>") << QStringLiteral("<body>")
          << QLatin1String("<h1>") + lotteryName.toHtmlEscaped() + QLatin1String("</h1>")
          << QLatin1String("<p>")
            + messages("Str158").arg(systemName, QString::number(tickets), dateText).toHtmlEscaped()
            + QLatin1String("</p>")
          << QStringLiteral("<table>");
    for (int row = 0; row < tickets; ++row) {
        // The ticket's cells up to its last one that holds something.
        const QStringList cells = list.row(row);
        int last = static_cast<int>(cells.size()) - 1;
        while (last >= 0 && cells.at(last).isEmpty())
            --last;
        QString line = QLatin1String("<tr><th>") + messages("Str157").toHtmlEscaped() + QLatin1Char(' ')
            + QString::number(row + 1) + QLatin1String("</th>");
        for (int column = 0; column <= last; ++column)
            line += QLatin1String("<td class=\"number\">") + cells.at(column).toHtmlEscaped()
                + QLatin1String("</td>");
        lines << line + QLatin1String("</tr>");
    }
    lines << QStringLiteral("</table>") << QLatin1String("<p>") + htmlFooter(messages) + QLatin1String("</p>")
          << QStringLiteral("</body>") << QStringLiteral("</html>");

    bool fits = true;
    for (const QString &line : std::as_const(lines))
        fits = fits && textfile::fitsWindows1251(line);
    lines[metaLine] = htmlCharsetMeta(fits);
    return textfile::joinLines(lines);
}

} // namespace kivora
