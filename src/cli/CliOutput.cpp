#include "cli/CliOutput.h"

#include "cli/JsonWriter.h"

namespace kivora::cli {

QStringList ShownList::cells(int displayRow) const
{
    const StatRow &row = table.rows[static_cast<size_t>(order[static_cast<size_t>(displayRow)])];
    return { table.caption(order[static_cast<size_t>(displayRow)]), QString::number(row.since),
        QString::number(row.drawn) };
}

QStringList numberListColumns(const LanguageTexts &texts)
{
    return { texts.columnCaption(QStringLiteral("ListView1"), 0, QStringLiteral("№ ")),
        texts.columnCaption(QStringLiteral("ListView1"), 1, QStringLiteral("Не выпадал")),
        texts.columnCaption(QStringLiteral("ListView1"), 2, QStringLiteral("Выпадал")) };
}

QStringList combinationViewColumns(const LanguageTexts &texts)
{
    return { texts.columnCaption(QStringLiteral("ListView2"), 0, QStringLiteral("№№")),
        texts.columnCaption(QStringLiteral("ListView2"), 1, QStringLiteral("Не выпадала")),
        texts.columnCaption(QStringLiteral("ListView2"), 2, QStringLiteral("Выпадала")) };
}

QString listJson(const ShownList &list)
{
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("title")).value(list.title);
    json.key(QStringLiteral("draws")).value(qint64(list.draws));
    if (list.lines >= 0)
        json.key(QStringLiteral("lines")).value(qint64(list.lines));
    json.key(QStringLiteral("record")).value(list.recordText);
    json.key(QStringLiteral("top")).value(list.topText);
    json.key(QStringLiteral("rows")).beginArray();
    for (int tableRow : list.order) {
        const StatRow &row = list.table.rows[static_cast<size_t>(tableRow)];
        json.beginArray()
            .value(list.table.caption(tableRow))
            .value(qint64(row.since))
            .value(qint64(row.drawn))
            .endArray();
    }
    json.endArray().endObject();
    return json.text() + QLatin1Char('\n');
}

QString listText(const ShownList &list)
{
    QString text
        = QStringLiteral("# ") + list.title + QStringLiteral("; draws ") + QString::number(list.draws);
    if (list.lines >= 0)
        text += QStringLiteral("; lines ") + QString::number(list.lines);
    text += QStringLiteral("; record ") + list.recordText + QStringLiteral("; top ") + list.topText;
    text += QStringLiteral("\ncaption\tsince\tdrawn\n");
    for (int row = 0; row < static_cast<int>(list.order.size()); ++row)
        text += list.cells(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString groupCountsJson(const GroupCountsTable &table, const QStringList &drawNumbers)
{
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("title")).value(table.title);
    json.key(QStringLiteral("draws")).value(qint64(table.rowCount));
    json.key(QStringLiteral("columns")).beginArray();
    for (const QString &caption : table.columnHeaders())
        json.value(caption);
    json.endArray();
    json.key(QStringLiteral("rows")).beginArray();
    for (int row = 0; row < table.rowCount; ++row) {
        json.beginArray().value(drawNumbers.at(row));
        for (int group = 1; group <= table.groupCount; ++group)
            json.value(qint64(table.count(row, group)));
        json.endArray();
    }
    json.endArray().endObject();
    return json.text() + QLatin1Char('\n');
}

QString groupCountsText(const GroupCountsTable &table, const QStringList &drawNumbers)
{
    QString text = QStringLiteral("# ") + table.title + QStringLiteral("; draws ")
        + QString::number(table.rowCount) + QStringLiteral("\ndraw\t")
        + table.columnHeaders().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row = 0; row < table.rowCount; ++row) {
        text += drawNumbers.at(row);
        for (int group = 1; group <= table.groupCount; ++group)
            text += QLatin1Char('\t') + QString::number(table.count(row, group));
        text += QLatin1Char('\n');
    }
    return text;
}

QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace kivora::cli
