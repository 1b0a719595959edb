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

CommandOutput listOutput(const ShownList &list)
{
    CommandOutput output;
    QString note = list.title + QStringLiteral("; draws ") + QString::number(list.draws);
    if (list.lines >= 0)
        note += QStringLiteral("; lines ") + QString::number(list.lines);
    note += QStringLiteral("; record ") + list.recordText + QStringLiteral("; top ") + list.topText;
    output.notes.append(note);
    output.table.columns
        = QStringList { QStringLiteral("caption"), QStringLiteral("since"), QStringLiteral("drawn") };
    for (int tableRow : list.order) {
        const StatRow &row = list.table.rows[static_cast<size_t>(tableRow)];
        output.table.add({ list.table.caption(tableRow), qint64(row.since), qint64(row.drawn) });
    }

    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("title")).value(list.title);
    json.key(QStringLiteral("draws")).value(qint64(list.draws));
    if (list.lines >= 0)
        json.key(QStringLiteral("lines")).value(qint64(list.lines));
    json.key(QStringLiteral("record")).value(list.recordText);
    json.key(QStringLiteral("top")).value(list.topText);
    json.key(QStringLiteral("rows")).rowsSlot();
    json.endObject();
    output.setJson(json);
    return output;
}

CommandOutput groupCountsOutput(const GroupCountsTable &table, const QStringList &drawNumbers)
{
    CommandOutput output;
    output.notes.append(table.title + QStringLiteral("; draws ") + QString::number(table.rowCount));
    output.table.columns = QStringList { QStringLiteral("draw") } + table.columnHeaders();
    for (int row = 0; row < table.rowCount; ++row) {
        std::vector<Cell> cells { drawNumbers.at(row) };
        for (int group = 1; group <= table.groupCount; ++group)
            cells.emplace_back(qint64(table.count(row, group)));
        output.table.add(std::move(cells));
    }

    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("title")).value(table.title);
    json.key(QStringLiteral("draws")).value(qint64(table.rowCount));
    json.key(QStringLiteral("columns")).beginArray();
    for (const QString &caption : table.columnHeaders())
        json.value(caption);
    json.endArray();
    json.key(QStringLiteral("rows")).rowsSlot();
    json.endObject();
    output.setJson(json);
    return output;
}

QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace kivora::cli
