#include "reports/AnalysisReports.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "reports/HtmlExport.h"

#include <cmath>

namespace kivora {

namespace {

const QString kDash = QStringLiteral("-");

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QStringList chiSquareRow(const QString &name, const ChiSquareTest &test, const MessageCatalog &messages)
{
    return { name, formatFigure(test.statistic), QString::number(test.df), formatProbability(test.p),
        randomnessVerdict(test, messages) };
}

QStringList tallyRow(const QString &name, const backtest::Tally &tally, const QString &verdict)
{
    return { name, QString::number(tally.picks), formatFigure(tally.meanSize()),
        formatFigure(tally.meanHits()), formatFigure(tally.expectedMean()), formatFigure(tally.z()),
        formatProbability(tally.p()), verdict };
}

// "6 из 45 - Проверка прогноза на прошедших розыгрышах", escaped: the document's title.
QString reportTitle(const QString &lotteryName, const QString &reportName)
{
    return escaped(lotteryName) + QStringLiteral(" - ") + escaped(reportName);
}

// A second table after the first, in the same style.
QString plainTable(const QStringList &columns, const QList<QStringList> &rows)
{
    QString html
        = QStringLiteral("<p></p>\r\n<table width=\"0%\" border=\"1\">\r\n<tr bgcolor=\"#008080\">\r\n");
    for (const QString &caption : columns)
        html += QStringLiteral("<td><div align=\"center\"><strong>") + escaped(caption)
            + QStringLiteral("</strong></div></td>\r\n");
    html += QStringLiteral(" </tr>\r\n");
    for (int i = 0; i < rows.size(); ++i) {
        html += i % 2 == 0 ? QStringLiteral("<tr>\r\n") : QStringLiteral("<tr bgcolor=\"#CCCCCC\">\r\n");
        for (const QString &cell : rows.at(i))
            html += QStringLiteral("<td><div align=\"center\">") + escaped(cell)
                + QStringLiteral("</div></td>\r\n");
        html += QStringLiteral("</tr>\r\n");
    }
    html += QStringLiteral("</table>\r\n<p></p>\r\n");
    return html;
}

QList<QStringList> escapedRows(QList<QStringList> rows)
{
    for (QStringList &row : rows) {
        for (QString &cell : row)
            cell = escaped(cell);
    }
    return rows;
}

QStringList escapedList(QStringList list)
{
    for (QString &text : list)
        text = escaped(text);
    return list;
}

} // namespace

QString formatProbability(double p)
{
    if (std::isnan(p))
        return kDash;
    if (p >= 0.9999)
        return QStringLiteral("1");
    if (p >= 0.0001)
        return QString::number(p, 'f', 4);
    return QString::number(p, 'g', 2);
}

QString formatFigure(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return kDash;
    return QString::number(value, 'f', 2);
}

QString randomnessVerdict(const ChiSquareTest &test, const MessageCatalog &messages)
{
    if (!test.valid)
        return messages("Str254");
    return test.p >= kSignificanceLevel ? messages("Str252") : messages("Str253");
}

QString absenceVerdict(const LongestAbsence &absence, const MessageCatalog &messages)
{
    if (!absence.valid)
        return messages("Str254");
    return absence.p >= kSignificanceLevel ? messages("Str252") : messages("Str253");
}

QStringList randomnessColumns(const MessageCatalog &messages)
{
    return { messages("Str255"), messages("Str256"), messages("Str257"), messages("Str258"),
        messages("Str259") };
}

QList<QStringList> randomnessRows(const RandomnessReport &report, const MessageCatalog &messages)
{
    QList<QStringList> rows;
    rows.append(chiSquareRow(messages("Str248"), report.frequency, messages));
    for (int j = 0; j < static_cast<int>(report.positions.size()); ++j)
        rows.append(
            chiSquareRow(messages("Str249").arg(j + 1), report.positions[static_cast<size_t>(j)], messages));
    rows.append(chiSquareRow(messages("Str250"), report.gaps, messages));
    rows.append({ messages("Str251"), kDash, kDash, formatProbability(report.absence.p),
        absenceVerdict(report.absence, messages) });
    return rows;
}

QStringList randomnessNotes(const RandomnessReport &report, const MessageCatalog &messages)
{
    QStringList notes;
    notes.append(messages("Str263").arg(report.draws).arg(report.skipped));
    notes.append(
        messages("Str260").arg(formatFigure(report.correction), formatFigure(report.frequency.plain)));
    if (!report.drawingOrder && report.drawSize > 1)
        notes.append(messages("Str261"));
    if (report.absence.number >= 0)
        notes.append(withPlurals(messages("Str262").arg(QString::number(report.absence.number),
            QString::number(report.absence.length), formatFigure(report.absence.expected))));
    return notes;
}

QString randomnessHtml(
    const RandomnessReport &report, const QString &lotteryName, const MessageCatalog &messages)
{
    const QString heading = QStringLiteral("<h3>") + escaped(lotteryName) + QStringLiteral(" - ")
        + escaped(messages("Str247")) + QStringLiteral("</h3>\r\n<p>")
        + escapedList(randomnessNotes(report, messages)).join(QStringLiteral("<br>\r\n"))
        + QStringLiteral("</p>");
    return htmlTableDocument(escapedList(randomnessColumns(messages)),
        escapedRows(randomnessRows(report, messages)), heading, htmlFooter(messages),
        reportTitle(lotteryName, messages("Str247")));
}

QString methodName(backtest::Method method, const MessageCatalog &messages)
{
    switch (method) {
    case backtest::Method::ForecastNumbers:
        return messages("Str266");
    case backtest::Method::ForecastPairs:
        return messages("Str267");
    case backtest::Method::Frequent:
        return messages("Str268");
    case backtest::Method::Absent:
        return messages("Str269");
    case backtest::Method::Random:
        return messages("Str270");
    }
    return {};
}

QString backtestVerdict(const backtest::Tally &tally, const MessageCatalog &messages)
{
    if (tally.picks == 0 || !(tally.variance > 0))
        return messages("Str254");
    if (tally.p() >= kSignificanceLevel)
        return messages("Str277");
    return tally.z() > 0 ? messages("Str278") : messages("Str279");
}

QString controlVerdict(const MessageCatalog &messages)
{
    return messages("Str620");
}

QStringList backtestColumns(const MessageCatalog &messages)
{
    return { messages("Str271"), messages("Str272"), messages("Str273"), messages("Str274"),
        messages("Str275"), QStringLiteral("z"), messages("Str258"), messages("Str259") };
}

QList<QStringList> backtestRows(const backtest::Result &result, const MessageCatalog &messages)
{
    QList<QStringList> rows;
    rows.append(
        tallyRow(methodName(result.method, messages), result.tally, backtestVerdict(result.tally, messages)));
    // The control is what the method is measured against, not a method on trial.
    if (result.hasControl)
        rows.append(tallyRow(
            methodName(backtest::Method::Random, messages), result.control, controlVerdict(messages)));
    return rows;
}

QStringList distributionColumns(const backtest::Result &result, const MessageCatalog &messages)
{
    const QString method = methodName(result.method, messages);
    QStringList columns = { messages("Str276"), method, method + QStringLiteral(": ") + messages("Str275") };
    if (result.hasControl)
        columns.append(methodName(backtest::Method::Random, messages));
    return columns;
}

QList<QStringList> distributionRows(const backtest::Result &result)
{
    QList<QStringList> rows;
    const size_t size = std::max(
        result.tally.observed.size(), result.hasControl ? result.control.observed.size() : size_t(0));
    for (size_t h = 0; h < size; ++h) {
        QStringList row = { QString::number(h),
            QString::number(h < result.tally.observed.size() ? result.tally.observed[h] : 0),
            formatFigure(h < result.tally.expected.size() ? result.tally.expected[h] : 0.0) };
        if (result.hasControl)
            row.append(QString::number(h < result.control.observed.size() ? result.control.observed[h] : 0));
        rows.append(row);
    }
    return rows;
}

QString backtestHtml(const backtest::Result &result, const QString &lotteryName, const QString &firstDraw,
    const QString &lastDraw, const MessageCatalog &messages)
{
    const QString heading = QStringLiteral("<h3>") + escaped(lotteryName) + QStringLiteral(" - ")
        + escaped(messages("Str264")) + QStringLiteral("</h3>\r\n<p>")
        + escaped(messages("Str265").arg(firstDraw, lastDraw, QString::number(result.walked)))
        + QStringLiteral("</p>");
    const QString footer
        = plainTable(distributionColumns(result, messages), distributionRows(result)) + htmlFooter(messages);
    return htmlTableDocument(escapedList(backtestColumns(messages)),
        escapedRows(backtestRows(result, messages)), heading, footer,
        reportTitle(lotteryName, messages("Str264")));
}

} // namespace kivora
