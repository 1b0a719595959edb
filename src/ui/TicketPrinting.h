#pragma once

#include <QString>

class QPrinter;

namespace kivora {

// Lays an HTML document (the tickets document) out on the printer's pages.
void printHtml(QPrinter &printer, const QString &html);

} // namespace kivora
