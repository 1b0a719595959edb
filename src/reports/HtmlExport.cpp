#include "reports/HtmlExport.h"

#include "core/MessageCatalog.h"
#include "core/TextFile.h"
#include "statistics/StatTable.h"

#include <algorithm>

namespace kivora {

namespace {

const QLatin1String kDocType("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
const QLatin1String kHeadOpen("<html>\r\n<head>\r\n");
const QLatin1String kHeadClose("</head>\r\n<body>\r\n");
const QLatin1String kTableOpen("<table width=\"0%\" border=\"1\">\r\n<tr bgcolor=\"#008080\">\r\n");
const QLatin1String kCaptionOpen("<td><div align=\"center\"><strong>");
const QLatin1String kCaptionClose("</strong></div></td>\r\n");
const QLatin1String kHeaderRowClose(" </tr>\r\n");
const QLatin1String kEvenRow("<tr>\r\n");
const QLatin1String kOddRow("<tr bgcolor=\"#CCCCCC\">\r\n");
const QLatin1String kCellOpen("<td><div align=\"center\">");
const QLatin1String kCellClose("</div></td>\r\n");
const QLatin1String kRowClose("</tr>\r\n");
const QLatin1String kTableClose("</table>\r\n");
const QLatin1String kBodyClose("</body>\r\n</html>\r\n");
// The same markup joined where it meets: row and first cell, cell and cell, last cell and row.
const QLatin1String kEvenRowFirstCell("<tr>\r\n<td><div align=\"center\">");
const QLatin1String kOddRowFirstCell("<tr bgcolor=\"#CCCCCC\">\r\n<td><div align=\"center\">");
const QLatin1String kNextCell("</div></td>\r\n<td><div align=\"center\">");
const QLatin1String kLastCell("</div></td>\r\n</tr>\r\n");

QString metaLine(const QLatin1String &charset)
{
    return QLatin1String("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=") + charset
        + QLatin1String("\">");
}

// Row i of the table: one cell per column, padded when short, none dropped. fits, when
// given, turns false for a cell that Windows-1251 cannot hold.
void appendRow(QString &doc, int i, const QStringList &cells, int columns, bool *fits)
{
    doc += (i % 2 == 0) ? kEvenRow : kOddRow;
    const int cellCount = std::max({ 1, columns, static_cast<int>(cells.size()) });
    for (int c = 0; c < cellCount; ++c) {
        doc += kCellOpen;
        if (c < cells.size()) {
            const QString &text = cells.at(c);
            if (fits)
                *fits = *fits && textfile::fitsWindows1251(text);
            doc += text;
        }
        doc += kCellClose;
    }
    doc += kRowClose;
}

// Builds the document. cellCharacters is the length of all row cells together, or -1
// when unknown; when known, a big list is laid out in one allocation.
// titleText is markup; empty, the title is the product's address.
QString buildTable(const QStringList &captions, int rowCount, const HtmlRowSource &row,
    const QString &heading, const QString &footer, qint64 cellCharacters, const QString &titleText)
{
    const int columns = static_cast<int>(captions.size());
    const QString crlf = textfile::crlf();
    const QString title = QLatin1String("<title>")
        + (titleText.isEmpty() ? QString(QLatin1Char('(') + kProductWebAddress + QLatin1Char(')'))
                               : titleText)
        + QLatin1String("</title>");
    const QString meta = metaLine(QLatin1String("windows-1251"));

    QString doc;
    if (cellCharacters >= 0) {
        const qint64 oddRows = rowCount / 2;
        const qint64 evenRows = rowCount - oddRows;
        const qint64 cells = qint64(rowCount) * std::max(columns, 1);
        qint64 size = kDocType.size() + 2 + kHeadOpen.size() + title.size() + 2 + meta.size() + 2
            + kHeadClose.size() + heading.size() + 2 + kTableOpen.size() + kHeaderRowClose.size()
            + kTableClose.size() + footer.size() + 2 + kBodyClose.size();
        for (const QString &caption : captions)
            size += kCaptionOpen.size() + caption.size() + kCaptionClose.size();
        size += evenRows * kEvenRow.size() + oddRows * kOddRow.size() + qint64(rowCount) * kRowClose.size();
        size += cells * (kCellOpen.size() + kCellClose.size()) + cellCharacters;
        doc.reserve(size);
    }

    bool fits = textfile::fitsWindows1251(heading) && textfile::fitsWindows1251(footer)
        && textfile::fitsWindows1251(titleText);
    doc += kDocType;
    doc += crlf;
    doc += kHeadOpen;
    doc += title;
    doc += crlf;
    const qsizetype metaPosition = doc.size();
    doc += meta;
    doc += crlf;
    doc += kHeadClose;
    doc += heading;
    doc += crlf;
    doc += kTableOpen;
    for (const QString &caption : captions) {
        fits = fits && textfile::fitsWindows1251(caption);
        doc += kCaptionOpen;
        doc += caption;
        doc += kCaptionClose;
    }
    doc += kHeaderRowClose;

    // Without a known size, the first rows tell how long the rest will be, so that a
    // big list is not copied again and again as the document grows.
    constexpr int kSampleRows = 64;
    const qsizetype bodyStart = doc.size();
    for (int i = 0; i < rowCount; ++i) {
        if (cellCharacters < 0 && i == kSampleRows) {
            const qsizetype perRow = (doc.size() - bodyStart) / kSampleRows + 1;
            doc.reserve(doc.size() + (rowCount - i) * perRow * 11 / 10 + 1024);
        }
        appendRow(doc, i, row(i), columns, &fits);
    }

    doc += kTableClose;
    doc += footer;
    doc += crlf;
    doc += kBodyClose;

    if (!fits)
        doc.replace(metaPosition, meta.size(), htmlCharsetMeta(false));
    return doc;
}

} // namespace

QString htmlCharsetMeta(bool fitsWindows1251)
{
    return metaLine(fitsWindows1251 ? QLatin1String("windows-1251") : QLatin1String("utf-8"));
}

QString htmlTableDocument(const QStringList &columnCaptions, const QList<QStringList> &rows,
    const QString &heading, const QString &footer, const QString &title)
{
    // Every row takes one cell per column (padded when short); the cells of a longer
    // row beyond the columns add their markup too.
    const int columns = std::max(1, static_cast<int>(columnCaptions.size()));
    qint64 characters = 0;
    qint64 extraCells = 0;
    for (const QStringList &cells : rows) {
        for (const QString &text : cells)
            characters += text.size();
        extraCells += std::max(0, static_cast<int>(cells.size()) - columns);
    }
    characters += extraCells * (kCellOpen.size() + kCellClose.size());
    const int rowCount = static_cast<int>(rows.size());
    return buildTable(
        columnCaptions, rowCount, [&rows](int i) { return rows.at(i); }, heading, footer, characters, title);
}

QString htmlTableDocument(const QStringList &columnCaptions, int rowCount, const HtmlRowSource &row,
    const QString &heading, const QString &footer)
{
    return buildTable(columnCaptions, std::max(0, rowCount), row, heading, footer, -1, QString());
}

QString htmlHeading(const QString &lotteryName, const QString &groupCaption, const QString &statusText)
{
    // The name comes from the configuration and the caption from the language file:
    // texts, never markup.
    return lotteryName.toHtmlEscaped() + QLatin1String(" - ") + groupCaption.toHtmlEscaped()
        + QLatin1String(".<br>") + statusText.toHtmlEscaped();
}

QString htmlFooter()
{
    return QString::fromUtf8("Создано программой <a href=\"") + kProductWebAddress
        + QLatin1String("\" target=\"_blank\">Kivora</a>.");
}

QString htmlFooter(const MessageCatalog &messages)
{
    return messages("Str622").toHtmlEscaped().arg(
        QLatin1String("<a href=\"") + kProductWebAddress + QLatin1String("\" target=\"_blank\">Kivora</a>"));
}

QString gridDocument(int rowCount, const std::function<QString(int, int)> &cell, int width, int height,
    int cellWidth, int cellHeight, quint32 background)
{
    const QString crlf = textfile::crlf();
    // <TD BGCOLOR="#FFFFFF" WIDTH="17" HEIGHT="17" ALIGN="LEFT">
    const QString cellOpen = QLatin1String("<TD BGCOLOR=\"#")
        + QStringLiteral("%1").arg(background & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper()
        + QLatin1String("\" WIDTH=\"") + QString::number(cellWidth) + QLatin1String("\" HEIGHT=\"")
        + QString::number(cellHeight) + QLatin1String("\"") + QLatin1String(" ALIGN=\"LEFT\"")
        + QLatin1String(">");
    const QLatin1String cellClose("</TD>\r\n");
    const QLatin1String empty("&nbsp;");

    QString doc;
    doc.reserve(160 + std::max(0, rowCount) * (14 + kGridColumns * (cellOpen.size() + 16)));
    doc += QLatin1String("<HTML>\r\n<BODY>\r\n\r\n");
    doc += QLatin1String("<TABLE CELLPADDING=\"1\" CELLSPACING=\"1\" WIDTH=") + QString::number(width)
        + QLatin1String(" HEIGHT=") + QString::number(height) + QLatin1String(" BORDER=\"1\">") + crlf;
    for (int r = 0; r < rowCount; ++r) {
        doc += QLatin1String("<TR>\r\n");
        for (int c = 0; c < kGridColumns; ++c) {
            const QString text = cell(r, c);
            doc += cellOpen;
            if (text.isEmpty())
                doc += empty;
            else
                doc += text;
            doc += cellClose;
        }
        doc += QLatin1String("</TR>\r\n");
    }
    doc += QLatin1String("</TABLE>\r\n\r\n</BODY>\r\n</HTML>\r\n");
    return doc;
}

Done writeHtmlDocument(const QString &path, const QString &document)
{
    // The document names its charset: Windows-1251 whenever the text fits.
    return textfile::writeBytes(path, textfile::encodeDeclared(document));
}

void HtmlRowCells::number(qint64 value)
{
    char digits[24];
    const bool negative = value < 0;
    quint64 rest = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    int at = sizeof digits;
    do {
        digits[--at] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (negative)
        digits[--at] = '-';
    cell(QLatin1String(digits + at, static_cast<qsizetype>(sizeof digits) - at));
}

void statRowCells(const StatTable &table, int row, HtmlRowCells &cells)
{
    const StatRow &item = table.rows[static_cast<size_t>(row)];
    char caption[StatTable::kMaxCaptionBytes];
    cells.cell(QLatin1String(caption, table.captionBytes(row, caption)));
    cells.number(item.since);
    cells.number(item.drawn);
}

namespace {

// Most texts of a list (numbers, "01:02", "41-45") hold nothing to escape; they are
// written without a copy.
bool holdsMarkupCharacter(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'<' || u == u'>' || u == u'&' || u == u'"')
            return true;
    }
    return false;
}

QStringList escapedTexts(const QStringList &texts)
{
    QStringList escaped;
    escaped.reserve(texts.size());
    for (const QString &text : texts)
        escaped.append(text.toHtmlEscaped());
    return escaped;
}

// Cells gathered into a list, for the document built whole.
class ListCells final : public HtmlRowCells
{
public:
    QStringList cells;
    void cell(QLatin1String text) override { cells.append(QString(text)); }
    void cell(QStringView text) override { cells.append(text.toString().toHtmlEscaped()); }
};

// Cells written into the export buffer with the markup between them: one cell per
// column, padded when short, none dropped (as appendRow lays them out).
class StreamedCells final : public HtmlRowCells
{
public:
    explicit StreamedCells(textfile::BufferedTextWriter &out)
        : m_out(out)
    { }
    void startRow(int row)
    {
        m_out.append((row % 2 == 0) ? kEvenRowFirstCell : kOddRowFirstCell);
        m_count = 0;
    }
    void cell(QLatin1String text) override
    {
        next();
        m_out.append(text);
    }
    void cell(QStringView text) override
    {
        next();
        if (holdsMarkupCharacter(text))
            m_out.append(QStringView(text.toString().toHtmlEscaped()));
        else
            m_out.append(text);
    }
    void finishRow(int columns)
    {
        // The first cell is open from startRow even when the row wrote none.
        m_count = std::max(m_count, 1);
        for (; m_count < columns; ++m_count)
            m_out.append(kNextCell);
        m_out.append(kLastCell);
    }

private:
    void next()
    {
        if (m_count++ > 0)
            m_out.append(kNextCell);
    }
    textfile::BufferedTextWriter &m_out;
    int m_count = 0;
};

} // namespace

Done writeHtmlTable(const QString &path, const QStringList &columnCaptions, int rowCount,
    const HtmlRowSource &row, const QString &heading, const QString &footer)
{
    return writeHtmlTable(
        path, columnCaptions, rowCount,
        [&row](int i, HtmlRowCells &cells) {
            for (const QString &text : row(i))
                cells.cell(QStringView(text));
        },
        heading, footer);
}

Done writeHtmlTable(const QString &path, const QStringList &captionTexts, int rowCount,
    const HtmlRowWriter &row, const QString &heading, const QString &footer)
{
    // Column captions come from the language file: texts, never markup.
    const QStringList columnCaptions = escapedTexts(captionTexts);
    // The head and the tail decide the charset; rows of numbers always fit 1251. A row
    // that does not fit after all falls back to the document built whole.
    bool fits = textfile::fitsWindows1251(heading) && textfile::fitsWindows1251(footer);
    for (const QString &caption : columnCaptions)
        fits = fits && textfile::fitsWindows1251(caption);
    auto writeWhole = [&] {
        const HtmlRowSource rowList = [&row](int i) {
            ListCells cells;
            row(i, cells);
            return cells.cells;
        };
        return writeHtmlDocument(path, htmlTableDocument(columnCaptions, rowCount, rowList, heading, footer));
    };
    if (!fits)
        return writeWhole();

    textfile::FileReplacer file(path);
    if (Done opened = file.open(); !opened)
        return opened;
    textfile::BufferedTextWriter out(file);
    const QLatin1String crlf("\r\n");
    out.append(kDocType);
    out.append(crlf);
    out.append(kHeadOpen);
    out.append(QLatin1String("<title>("));
    out.append(kProductWebAddress);
    out.append(QLatin1String(")</title>"));
    out.append(crlf);
    out.append(htmlCharsetMeta(true));
    out.append(crlf);
    out.append(kHeadClose);
    out.append(heading);
    out.append(crlf);
    out.append(kTableOpen);
    for (const QString &caption : columnCaptions) {
        out.append(kCaptionOpen);
        out.append(caption);
        out.append(kCaptionClose);
    }
    out.append(kHeaderRowClose);
    const int columns = static_cast<int>(columnCaptions.size());
    StreamedCells cells(out);
    for (int i = 0; i < rowCount; ++i) {
        cells.startRow(i);
        row(i, cells);
        cells.finishRow(columns);
        if (Done written = out.maybeWrite(); !written) {
            (void)out.finish();
            return out.fits() ? written : writeWhole();
        }
    }
    out.append(kTableClose);
    out.append(footer);
    out.append(crlf);
    out.append(kBodyClose);
    Done written = out.writePending();
    if (written)
        written = out.finish();
    if (!written) {
        (void)out.finish();
        return out.fits() ? written : writeWhole();
    }
    return file.commit();
}

} // namespace kivora
