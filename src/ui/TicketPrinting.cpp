#include "ui/TicketPrinting.h"

#include <QFont>
#include <QPrinter>
#include <QTextDocument>

namespace kivora {

void printHtml(QPrinter &printer, const QString &html)
{
    QTextDocument document;
    // A ticket is read on paper: a size for reading, not the screen's.
    QFont font = document.defaultFont();
    font.setPointSize(12);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&printer);
}

} // namespace kivora
