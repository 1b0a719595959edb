#include "ui/TicketPrinting.h"

#include <QPrinter>
#include <QTextDocument>

namespace kivora {

void printHtml(QPrinter &printer, const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}

} // namespace kivora
