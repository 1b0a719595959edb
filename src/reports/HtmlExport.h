#pragma once

// The two HTML documents the "Сохранить в HTML" commands write: the table of a list
// (number list, combination view) and the plainer grid of the combination list.
// Every line ends with CR LF. Write them with writeHtmlDocument, which stores them in
// Windows-1251 when the text fits and in UTF-8 with a byte-order mark otherwise; the
// table document already declares the matching charset.

#include "core/Failure.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kivora {

class MessageCatalog;
class StatTable;

// The product's web address: the title of the table document and the footer link.
inline const QString kProductWebAddress = QStringLiteral("https://kivora.app/");

// The cells of list row `row` (0 = top, in display order): its caption, then its
// values in column order.
using HtmlRowSource = std::function<QStringList(int row)>;

// The complete table document. Captions, cells, heading and footer are written as
// they are, without escaping, so a heading may carry markup. Rows alternate between
// "<tr>" (row 0, 2, ...) and a grey row. A row with fewer cells than there are
// columns is padded with empty cells; none of a row's cells is dropped. The meta line
// says charset=windows-1251, or utf-8 when some text cannot be held in Windows-1251.
// The title is markup too; without one, the document is titled with the product's
// web address, as the list exports always were.
QString htmlTableDocument(const QStringList &columnCaptions, const QList<QStringList> &rows,
    const QString &heading, const QString &footer, const QString &title = QString());
// The same for a list too big to copy into rows first (1.5 million quadruples):
// rowCount rows asked for one by one.
QString htmlTableDocument(const QStringList &columnCaptions, int rowCount, const HtmlRowSource &row,
    const QString &heading, const QString &footer);

// "6 из 45 - Пары номеров.<br>Проанализировано 125 розыгрышей.": the three texts
// escaped (a lottery named "A&B" or "<script>" is shown as it is named), joined by markup.
QString htmlHeading(const QString &lotteryName, const QString &groupCaption, const QString &statusText);
// Создано программой <a href="https://kivora.app/" target="_blank">Kivora</a>.
QString htmlFooter();
// The same sentence in the catalogue's language ("Made with Kivora." in English).
QString htmlFooter(const MessageCatalog &messages);

// The grid document of the combination list: every row with all kGridColumns cells,
// an empty cell as "&nbsp;". width and height are the list's size on screen in pixels;
// background is 0xRRGGBB (a QRgb's alpha is ignored).
inline constexpr int kGridColumns = 10;
QString gridDocument(int rowCount, const std::function<QString(int row, int column)> &cell, int width,
    int height, int cellWidth = 17, int cellHeight = 17, quint32 background = 0xFFFFFF);

// Replaces the file at path with the document (through a temporary file). Fails with
// "path: reason" when it cannot be written; the old file stays.
Done writeHtmlDocument(const QString &path, const QString &document);

// The table document written straight to the file a few thousand rows at a time, so
// that exporting 1.5 million rows never holds the whole text in memory. Unlike
// htmlTableDocument it escapes the column captions and every cell given as text; the
// heading and the footer are markup (htmlHeading escapes its texts). The bytes are
// those of writeHtmlDocument(htmlTableDocument(...)) of the escaped captions and cells.
Done writeHtmlTable(const QString &path, const QStringList &columnCaptions, int rowCount,
    const HtmlRowSource &row, const QString &heading, const QString &footer);

// The cells of one row, written in column order straight into an export.
class HtmlRowCells
{
public:
    virtual ~HtmlRowCells() = default;
    // Text the program wrote itself (digits and separators: "07", "01:02:33:80"),
    // written as it is.
    virtual void cell(QLatin1String text) = 0;
    // Any other text, escaped.
    virtual void cell(QStringView text) = 0;
    void number(qint64 value);
};
using HtmlRowWriter = std::function<void(int row, HtmlRowCells &cells)>;

// The cells of a statistic's row as its list shows them: caption, "since", "drawn".
void statRowCells(const StatTable &table, int row, HtmlRowCells &cells);

// writeHtmlTable for rows that write their own cells: the same bytes as the
// QStringList row source, without a list of strings per row (1.5 million of them for
// the quadruples of Keno).
Done writeHtmlTable(const QString &path, const QStringList &columnCaptions, int rowCount,
    const HtmlRowWriter &row, const QString &heading, const QString &footer);

// The meta line of an HTML document that will be stored by writeHtmlDocument: it
// names the charset the text will actually be stored in.
QString htmlCharsetMeta(bool fitsWindows1251);

} // namespace kivora
