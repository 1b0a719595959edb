#include "cli/CommandOutput.h"

#include "cli/JsonWriter.h"

namespace kivora::cli {

QString cellText(const Cell &cell)
{
    if (const auto *text = std::get_if<QString>(&cell))
        return *text;
    if (const auto *number = std::get_if<qint64>(&cell))
        return QString::number(*number);
    return std::get<bool>(cell) ? QStringLiteral("1") : QStringLiteral("0");
}

void writeCell(JsonWriter &json, const Cell &cell)
{
    if (const auto *text = std::get_if<QString>(&cell))
        json.value(*text);
    else if (const auto *number = std::get_if<qint64>(&cell))
        json.value(*number);
    else
        json.value(std::get<bool>(cell));
}

void Rows::add(const QStringList &cells)
{
    rows.emplace_back(cells.cbegin(), cells.cend());
}

CommandOutput CommandOutput::ofJson(const JsonWriter &writer)
{
    CommandOutput output;
    output.setJson(writer);
    return output;
}

void CommandOutput::setJson(const JsonWriter &writer)
{
    json = writer.text() + QLatin1Char('\n');
    rowsAt = writer.rowsAt();
}

} // namespace kivora::cli
