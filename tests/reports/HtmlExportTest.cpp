#include "reports/HtmlExport.h"

#include "core/StringFn.h"
#include "core/TextFile.h"
#include "statistics/StatTable.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace kivora;

namespace {

using kivora::test::s;

// The lines of the document before the first caption.
QString tableHead(const char *charset, const QString &heading)
{
    return s("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
             "<html>\r\n"
             "<head>\r\n"
             "<title>(https://kivora.app/)</title>\r\n"
             "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=")
        + s(charset)
        + s("\">\r\n"
            "</head>\r\n"
            "<body>\r\n")
        + heading
        + s("\r\n"
            "<table width=\"0%\" border=\"1\">\r\n"
            "<tr bgcolor=\"#008080\">\r\n");
}

QString tableTail(const QString &footer)
{
    return s("</table>\r\n") + footer + s("\r\n</body>\r\n</html>\r\n");
}

QString captionLine(const char *caption)
{
    return s("<td><div align=\"center\"><strong>") + s(caption) + s("</strong></div></td>\r\n");
}

QString cellLine(const QString &text)
{
    return s("<td><div align=\"center\">") + text + s("</div></td>\r\n");
}

const QString kGrey = s("<tr bgcolor=\"#CCCCCC\">\r\n");
const QString kPlain = s("<tr>\r\n");

} // namespace

TEST(HtmlTable, SmallListByteForByte)
{
    const QString heading
        = htmlHeading(s("6 из 45"), s("Пары номеров"), s("Проанализировано 125 розыгрышей."));
    EXPECT_EQ(heading, s("6 из 45 - Пары номеров.<br>Проанализировано 125 розыгрышей."));
    const QString footer = htmlFooter();
    EXPECT_EQ(footer, s("Создано программой <a href=\"https://kivora.app/\" target=\"_blank\">Kivora</a>."));

    const QString doc = htmlTableDocument({ s("Пара"), s("Не выпадал"), s("Выпадал") },
        { { s("01:02"), s("3"), s("14") }, { s("01:03"), s("0"), s("9") } }, heading, footer);
    const QString expected = tableHead("windows-1251", heading) + captionLine("Пара")
        + captionLine("Не выпадал") + captionLine("Выпадал") + s(" </tr>\r\n") + kPlain + cellLine(s("01:02"))
        + cellLine(s("3")) + cellLine(s("14")) + s("</tr>\r\n") + kGrey + cellLine(s("01:03"))
        + cellLine(s("0")) + cellLine(s("9")) + s("</tr>\r\n") + tableTail(footer);
    EXPECT_EQ(doc, expected);
}

TEST(HtmlTable, NumberListRowsAlternateAndKeepDisplayOrder)
{
    // 45 numbers in the order of a "Выпадал" sort: the writer keeps it.
    QList<QStringList> rows;
    for (int i = 0; i < 45; ++i)
        rows.append({ twoDigits(45 - i), QString::number(i % 7), QString::number(100 - i) });
    const QString doc = htmlTableDocument({ s("№ "), s("Не выпадал"), s("Выпадал") }, rows, s("H"), s("F"));

    QString body;
    for (int i = 0; i < 45; ++i) {
        body += (i % 2 == 0) ? kPlain : kGrey;
        for (const QString &cell : rows.at(i))
            body += cellLine(cell);
        body += s("</tr>\r\n");
    }
    EXPECT_EQ(doc,
        tableHead("windows-1251", s("H")) + captionLine("№ ") + captionLine("Не выпадал")
            + captionLine("Выпадал") + s(" </tr>\r\n") + body + tableTail(s("F")));
    EXPECT_EQ(doc.count(kPlain), 23);
    EXPECT_EQ(doc.count(kGrey), 22);
    EXPECT_TRUE(doc.indexOf(cellLine(s("45"))) < doc.indexOf(cellLine(s("01"))));
}

TEST(HtmlTable, CaptionsAndValuesAreNotEscaped)
{
    const QString doc
        = htmlTableDocument({ s("a<b"), s("x&y") }, { { s("<i>1</i>"), s("&amp;") } }, s("<b>H</b>"), s("F"));
    EXPECT_TRUE(doc.contains(captionLine("a<b")));
    EXPECT_TRUE(doc.contains(captionLine("x&y")));
    EXPECT_TRUE(doc.contains(cellLine(s("<i>1</i>"))));
    EXPECT_TRUE(doc.contains(cellLine(s("&amp;"))));
    EXPECT_TRUE(doc.contains(s("<body>\r\n<b>H</b>\r\n<table")));
}

// The exports of the lists write the lottery's name (from the configuration), the
// captions (from the language file) and text cells as texts: a page the program opens
// in the browser itself runs nothing and shows "A&B" and "<5>" as they are.
TEST(HtmlTableStreaming, NamesCaptionsAndTextCellsAreEscaped)
{
    test::TempFolder dir;
    const QString heading
        = htmlHeading(s("<script>alert(1)</script>"), s("<img src=x onerror=alert(2)>"), s("A&B \"<5>\""));
    EXPECT_EQ(heading,
        s("&lt;script&gt;alert(1)&lt;/script&gt; - &lt;img src=x onerror=alert(2)&gt;.<br>"
          "A&amp;B &quot;&lt;5&gt;&quot;"));
    const QStringList captions { s("<b>№</b>"), s("A&B") };
    auto rows = [](int row) { return QStringList { s("<i>%1</i>").arg(row), s("1 < 2") }; };
    for (const QString &footer : { htmlFooter(), s("日本") }) { // Windows-1251 and UTF-8
        QString error;
        const QString path = dir.filePath(s("list.htm"));
        ASSERT_TRUE(test::taken(writeHtmlTable(path, captions, 3, rows, heading, footer), &error))
            << error.toStdString();
        const QString html = textfile::decode(dir.readBytes(s("list.htm")));
        EXPECT_TRUE(html.contains(captionLine("&lt;b&gt;№&lt;/b&gt;"))) << html.toStdString();
        EXPECT_TRUE(html.contains(captionLine("A&amp;B")));
        EXPECT_TRUE(html.contains(cellLine(s("&lt;i&gt;2&lt;/i&gt;"))));
        EXPECT_TRUE(html.contains(cellLine(s("1 &lt; 2"))));
        for (const char *tag : { "<script", "<img", "<i>", "<b>", "<5>", "A&B" })
            EXPECT_FALSE(html.contains(s(tag))) << tag;
    }
}

TEST(HtmlTable, EmptyListGivesTheHeaderRowOnly)
{
    const QString doc = htmlTableDocument({ s("№ "), s("Выпадал") }, QList<QStringList>(), s("H"), s("F"));
    EXPECT_EQ(doc,
        tableHead("windows-1251", s("H")) + captionLine("№ ") + captionLine("Выпадал") + s(" </tr>\r\n")
            + tableTail(s("F")));
    // A list without columns still makes a valid document.
    EXPECT_EQ(htmlTableDocument({}, QList<QStringList>(), s("H"), s("F")),
        tableHead("windows-1251", s("H")) + s(" </tr>\r\n") + tableTail(s("F")));
}

TEST(HtmlTable, RowsWithMissingOrExtraValuesStayWhole)
{
    const QString doc = htmlTableDocument(
        { s("A"), s("B"), s("C") }, { { s("1") }, { s("2"), s("x"), s("y"), s("z") }, {} }, s("H"), s("F"));
    const QString rows = kPlain + cellLine(s("1")) + cellLine(QString()) + cellLine(QString())
        + s("</tr>\r\n") + kGrey + cellLine(s("2")) + cellLine(s("x")) + cellLine(s("y")) + cellLine(s("z"))
        + s("</tr>\r\n") + kPlain + cellLine(QString()) + cellLine(QString()) + cellLine(QString())
        + s("</tr>\r\n");
    EXPECT_TRUE(doc.contains(s(" </tr>\r\n") + rows + s("</table>"))) << doc.toStdString();
}

TEST(HtmlTable, RowSourceGivesTheSameDocumentAsRows)
{
    QList<QStringList> rows;
    for (int i = 0; i < 101; ++i)
        rows.append({ QString::number(i), s("ё"), QString::number(i * i) });
    const QStringList captions { s("Четвёрка"), s("Не выпадал"), s("Выпадал") };
    const QString fromRows = htmlTableDocument(captions, rows, s("H"), s("F"));
    const QString fromSource = htmlTableDocument(
        captions, static_cast<int>(rows.size()), [&](int i) { return rows.at(i); }, s("H"), s("F"));
    EXPECT_EQ(fromSource, fromRows);
}

// The file is stored in Windows-1251 when it can be, otherwise in UTF-8 with a mark,
// and the document must name the charset it is actually stored in.
TEST(HtmlTable, DeclaredCharsetMatchesTheStoredBytes)
{
    test::TempFolder dir;
    QString error;

    const QString cyrillic = htmlTableDocument({ s("№ ") }, { { s("Кено") } }, s("6 из 45"), htmlFooter());
    EXPECT_TRUE(cyrillic.contains(s("charset=windows-1251\">\r\n")));
    ASSERT_TRUE(test::taken(writeHtmlDocument(dir.filePath(s("a.htm")), cyrillic), &error))
        << error.toStdString();
    const QByteArray bytes = dir.readBytes(s("a.htm"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.size(), cyrillic.size()); // one byte a character
    EXPECT_TRUE(bytes.contains("\xCA\xE5\xED\xEE")); // "Кено" in 1251

    // Anywhere a character outside 1251 appears, the whole document turns UTF-8.
    const QList<std::tuple<QStringList, QList<QStringList>, QString, QString>> cases {
        { { s("日本") }, { { s("1") } }, s("H"), s("F") },
        { { s("A") }, { { s("1") }, { s("2"), s("€ ✓") } }, s("H"), s("F") },
        { { s("A") }, { { s("1") } }, s("Лото 日本"), s("F") },
        { { s("A") }, { { s("1") } }, s("H"), s("F ✓") },
    };
    for (const auto &[captions, rows, heading, footer] : cases) {
        const QString doc = htmlTableDocument(captions, rows, heading, footer);
        EXPECT_TRUE(
            doc.contains(s("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n")));
        EXPECT_FALSE(doc.contains(s("windows-1251")));
        ASSERT_TRUE(test::taken(writeHtmlDocument(dir.filePath(s("u.htm")), doc), &error));
        const QByteArray utf8 = dir.readBytes(s("u.htm"));
        EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(textfile::decode(utf8), doc);
    }
}

TEST(HtmlGrid, TwoRowsOfSixNumbersByteForByte)
{
    const QList<QStringList> list { { s("01"), s("02"), s("03"), s("04"), s("05"), s("06") },
        { s("07"), s("11"), s("23"), s("30"), s("41"), s("45") } };
    const QString doc = gridDocument(
        2, [&](int r, int c) { return list.at(r).value(c); }, 420, 300);

    QString expected = s("<HTML>\r\n<BODY>\r\n\r\n"
                         "<TABLE CELLPADDING=\"1\" CELLSPACING=\"1\" WIDTH=420 HEIGHT=300 BORDER=\"1\">\r\n");
    for (const QStringList &row : list) {
        expected += s("<TR>\r\n");
        for (int c = 0; c < 10; ++c) {
            expected += s("<TD BGCOLOR=\"#FFFFFF\" WIDTH=\"17\" HEIGHT=\"17\" ALIGN=\"LEFT\">")
                + (c < 6 ? row.at(c) : s("&nbsp;")) + s("</TD>\r\n");
        }
        expected += s("</TR>\r\n");
    }
    expected += s("</TABLE>\r\n\r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(doc, expected);
    EXPECT_EQ(doc.count(s("&nbsp;")), 8);
}

TEST(HtmlGrid, EmptyListAndCellLayout)
{
    EXPECT_EQ(gridDocument(
                  0, [](int, int) { return QString(); }, 1, 2),
        s("<HTML>\r\n<BODY>\r\n\r\n<TABLE CELLPADDING=\"1\" CELLSPACING=\"1\" WIDTH=1 HEIGHT=2 "
          "BORDER=\"1\">\r\n"
          "</TABLE>\r\n\r\n</BODY>\r\n</HTML>\r\n"));

    // A QRgb with its alpha byte gives the same six digits; sizes come from the caller.
    const QString doc = gridDocument(
        1, [](int, int c) { return c == 9 ? s("10") : QString(); }, 10, 20, 25, 19, 0xFF0A0BC0u);
    EXPECT_EQ(
        doc.count(s("<TD BGCOLOR=\"#0A0BC0\" WIDTH=\"25\" HEIGHT=\"19\" ALIGN=\"LEFT\">&nbsp;</TD>\r\n")), 9);
    EXPECT_TRUE(doc.contains(
        s("<TD BGCOLOR=\"#0A0BC0\" WIDTH=\"25\" HEIGHT=\"19\" ALIGN=\"LEFT\">10</TD>\r\n</TR>")));
}

// The table written a chunk of rows at a time is the same file as the document built
// whole, in Windows-1251 and, when a text needs it, in UTF-8.
TEST(HtmlTableStreaming, SameBytesAsTheWholeDocument)
{
    test::TempFolder dir;
    const QStringList captions = { QStringLiteral("№№"), QStringLiteral("a"), QStringLiteral("b") };
    auto rows = [](int row) {
        return QStringList { QStringLiteral("%1:%2").arg(row % 90).arg(row % 7), QString::number(row),
            QString::number(row * 3) };
    };
    const QString heading = QString::fromUtf8("6 из 45 - Пары.<br>Проанализировано 5 розыгрышей");
    for (const QString &footer : { htmlFooter(), QString::fromUtf8("日本") }) {
        QString error;
        ASSERT_TRUE(test::taken(
            writeHtmlTable(dir.filePath(QStringLiteral("s.htm")), captions, 20000, rows, heading, footer),
            &error));
        ASSERT_TRUE(test::taken(writeHtmlDocument(dir.filePath(QStringLiteral("w.htm")),
                                    htmlTableDocument(captions, 20000, rows, heading, footer)),
            &error));
        EXPECT_EQ(dir.readBytes(QStringLiteral("s.htm")), dir.readBytes(QStringLiteral("w.htm")));
    }
    // A row that 1251 cannot hold, found after the head was written.
    auto odd = [](int row) {
        return QStringList { row == 15000 ? QString::fromUtf8("日") : QStringLiteral("x") };
    };
    QString error;
    ASSERT_TRUE(test::taken(
        writeHtmlTable(dir.filePath(QStringLiteral("s.htm")), captions, 20000, odd, heading, htmlFooter()),
        &error));
    ASSERT_TRUE(test::taken(writeHtmlDocument(dir.filePath(QStringLiteral("w.htm")),
                                htmlTableDocument(captions, 20000, odd, heading, htmlFooter())),
        &error));
    EXPECT_EQ(dir.readBytes(QStringLiteral("s.htm")), dir.readBytes(QStringLiteral("w.htm")));
    EXPECT_TRUE(dir.readBytes(QStringLiteral("s.htm")).startsWith("\xEF\xBB\xBF"));
}

// Rows that write their own cells give the file of the same cells as strings: captions
// of combinations and groups, numbers of any sign, rows shorter and longer than the
// header.
TEST(HtmlTableStreaming, CellsWrittenByTheRowAreTheCellsOfTheList)
{
    StatTable table;
    const int quadruple[] = { 1, 2, 33, 80 };
    table.addNumbers(quadruple, 4, 0, 12);
    table.addNumber(7, -3, 2147483647);
    EXPECT_EQ(table.caption(0), QStringLiteral("01:02:33:80"));
    EXPECT_EQ(table.caption(1), QStringLiteral("07"));
    StatTable groups;
    groups.kind = StatTable::Kind::Groups;
    groups.addGroup(41, 45, true, 5, 6);
    groups.addGroup(1, 5, false, 0, 0);
    EXPECT_EQ(groups.caption(0), QStringLiteral("41-45"));
    EXPECT_EQ(groups.caption(1), QStringLiteral("01-5"));

    const QStringList captions = { QStringLiteral("№№"), QStringLiteral("a"), QStringLiteral("b") };
    const int rows = 4;
    auto writer = [&table](int row, HtmlRowCells &cells) {
        if (row < table.rowCount()) {
            statRowCells(table, row, cells);
        } else if (row == 2) {
            cells.number(std::numeric_limits<qint64>::min());
        } else {
            for (int c = 0; c < 5; ++c)
                cells.cell(QStringView(u"ячейка"));
        }
    };
    auto strings = [&table](int row) {
        if (row < table.rowCount()) {
            const StatRow &item = table.rows[static_cast<size_t>(row)];
            return QStringList { table.caption(row), QString::number(item.since),
                QString::number(item.drawn) };
        }
        if (row == 2)
            return QStringList { QString::number(std::numeric_limits<qint64>::min()) };
        return QStringList(5, QStringLiteral("ячейка"));
    };
    test::TempFolder dir;
    QString error;
    ASSERT_TRUE(test::taken(writeHtmlTable(dir.filePath(QStringLiteral("s.htm")), captions, rows, writer,
                                QStringLiteral("h"), htmlFooter()),
        &error));
    ASSERT_TRUE(
        test::taken(writeHtmlDocument(dir.filePath(QStringLiteral("w.htm")),
                        htmlTableDocument(captions, rows, strings, QStringLiteral("h"), htmlFooter())),
            &error));
    EXPECT_EQ(dir.readBytes(QStringLiteral("s.htm")), dir.readBytes(QStringLiteral("w.htm")));
    EXPECT_TRUE(dir.readBytes(QStringLiteral("s.htm")).contains("-9223372036854775808"));
}
