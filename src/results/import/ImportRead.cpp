#include "results/import/ImportRead.h"

#include "core/MessageCatalog.h"
#include "results/AddDraw.h"
#include "results/import/ImportNumbers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <bitset>
#include <optional>

namespace kivora {

namespace {

// A row's draw or its fault, before the column settles the order of the dates.
struct PendingRow
{
    DateParts date;
    bool undated = false; // "-" in a record of the program's own
    bool isDraw = false; // a draw read (its fault, if any, came with its date); else a skipped row
    std::optional<DrawFault> fault;
    int line = 0;
    QString text; // kept for skipped rows only
};

QString joined(const quint8 *numbers, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += QString::number(numbers[i]);
    }
    return text;
}

// The numbers of a group: every number of its cells in order, then the slice.
// Nothing when all its cells are blank; NotNumbers when a cell holds other text.
std::optional<DrawFault> groupNumbers(
    const ImportRow &row, const ColumnGroup &group, QStringList *numbers, bool *blank)
{
    numbers->clear();
    *blank = true;
    QStringList cell;
    for (int column : group.columns) {
        if (column >= row.fields.size())
            continue;
        const QString &field = row.fields.at(column);
        if (!packedNumberTexts(field, &cell)) {
            *blank = false;
            return DrawFault::NotNumbers;
        }
        if (!cell.isEmpty())
            *blank = false;
        *numbers += cell;
    }
    if (group.packFirst > 0)
        *numbers = numbers->mid(group.packFirst - 1, group.packLast - group.packFirst + 1);
    return std::nullopt;
}

// The numbers of a group as integers, when every piece is plain digits; false sends
// the group to the rules of a typed draw, which name its fault.
bool groupValues(const ImportRow &row, const ColumnGroup &group, std::vector<int> *values, bool *blank)
{
    values->clear();
    for (int column : group.columns) {
        if (column < row.fields.size() && !appendPackedValues(row.fields.at(column), values))
            return false;
    }
    *blank = values->empty();
    if (group.packFirst > 0) {
        const size_t first = static_cast<size_t>(group.packFirst - 1);
        const size_t last = std::min(values->size(), static_cast<size_t>(group.packLast));
        if (first >= last)
            values->clear();
        else
            *values = std::vector<int>(values->begin() + static_cast<std::ptrdiff_t>(first),
                values->begin() + static_cast<std::ptrdiff_t>(last));
    }
    return true;
}

// Whether a group of plain numbers is one the rules of a typed draw accept: count of
// them, each in lo..hi, none twice.
bool plainGroupFits(const std::vector<int> &values, int count, int lo, int hi)
{
    if (static_cast<int>(values.size()) != count)
        return false;
    std::bitset<kLargestNumber + 1> seen;
    for (int v : values) {
        if (v < lo || v > hi || v > kLargestNumber || seen.test(static_cast<size_t>(v)))
            return false;
        seen.set(static_cast<size_t>(v));
    }
    return true;
}

bool isDigits(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    return std::all_of(
        text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

QString ImportedDraws::mainText(const ImportedDraw &draw) const
{
    return joined(numbersOf(draw), mainCount);
}

QString ImportedDraws::additionalText(const ImportedDraw &draw) const
{
    return joined(numbersOf(draw) + mainCount, additionalCount);
}

ImportRead readImportRows(const ImportSource &source, const ImportFormat &format,
    const LotteryDefinition &definition, const QDate &since, const MessageCatalog &messages)
{
    ImportRead result;
    const QString name = QDir::toNativeSeparators(QFileInfo(source.path).absoluteFilePath());
    ImportedDraws &out = result.draws;
    out.mainCount = definition.drawNumber;
    out.additionalCount = definition.additionalCount();
    int addLo = 0;
    int addHi = 0;
    additionalNumberRange(definition, &addLo, &addHi);
    const ColumnMapping &map = format.columns;
    const bool native = format.kind == ImportKind::Native;

    std::vector<PendingRow> pending; // one per draw, and one per skipped row
    std::vector<ImportedDraw> draws;
    DateOrderVote vote;
    ImportRowReader reader(source.text, format);
    ImportRow row;
    QStringList main;
    QStringList additional;
    std::vector<int> mainValues;
    std::vector<int> addValues;
    while (reader.next(&row)) {
        ++result.rows;
        PendingRow base;
        base.line = row.line;
        if (map.date >= 0 && map.date < row.fields.size()) {
            const QString &dateText = row.fields.at(map.date);
            base.undated = native && dateText == QLatin1String("-");
            base.date = readDateParts(dateText);
            vote.add(base.date);
        }
        std::optional<DrawFault> rowFault;
        // Plain printable ASCII, as most rows are, holds no control character.
        const bool printable = !row.raw.isEmpty() && std::all_of(row.raw.begin(), row.raw.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7F;
        });
        for (const QString &field : row.fields) {
            if (printable)
                break;
            if (hasControlCharacter(field)) {
                rowFault = DrawFault::ControlCharacter;
                break;
            }
        }
        int drawsOfRow = 0;
        const size_t firstDraw = draws.size();
        for (size_t g = 0; g < map.main.size() && !rowFault; ++g) {
            bool blank = false;
            bool noAdditional = true;
            // Most rows are plain draws: their numbers are checked as integers, and
            // only a row that fails goes through the rules to learn its fault.
            if (groupValues(row, map.main[g], &mainValues, &blank) && !blank
                && plainGroupFits(
                    mainValues, definition.drawNumber, definition.minNumber, definition.maxNumber)
                && (out.additionalCount == 0
                    || (g < map.additional.size()
                        && groupValues(row, map.additional[g], &addValues, &noAdditional)
                        && plainGroupFits(addValues, out.additionalCount, addLo, addHi)))) {
                ImportedDraw draw;
                draw.line = row.line;
                draw.at = static_cast<quint32>(out.numbers.size());
                for (int n : mainValues)
                    out.numbers.push_back(static_cast<quint8>(n));
                if (out.additionalCount > 0) {
                    for (int n : addValues)
                        out.numbers.push_back(static_cast<quint8>(n));
                }
                draws.push_back(draw);
                ++drawsOfRow;
                continue;
            }
            std::optional<DrawFault> mainFault = groupNumbers(row, map.main[g], &main, &blank);
            if (blank)
                continue;
            additional.clear();
            std::optional<DrawFault> addFault;
            if (g < map.additional.size())
                addFault = groupNumbers(row, map.additional[g], &additional, &noAdditional);
            if (!mainFault)
                mainFault = numberGroupFault(
                    main, definition.drawNumber, definition.minNumber, definition.maxNumber);
            if (!addFault && out.additionalCount > 0)
                addFault = numberGroupFault(additional, out.additionalCount, addLo, addHi);
            if (mainFault || addFault) {
                rowFault = std::min(
                    mainFault.value_or(DrawFault::NotADate), addFault.value_or(DrawFault::NotADate));
                break;
            }
            ImportedDraw draw;
            draw.line = row.line;
            draw.at = static_cast<quint32>(out.numbers.size());
            for (const QString &n : main)
                out.numbers.push_back(static_cast<quint8>(n.toInt()));
            if (out.additionalCount > 0) {
                for (const QString &n : additional)
                    out.numbers.push_back(static_cast<quint8>(n.toInt()));
            }
            draws.push_back(draw);
            ++drawsOfRow;
        }
        // A date that no order of its parts makes real ("31.02.2020") is refused at once.
        const bool realDate = base.date.valid()
            && (dateFromParts(base.date, DateOrder::DayFirst).isValid()
                || dateFromParts(base.date, DateOrder::MonthFirst).isValid());
        if (!rowFault && drawsOfRow > 0 && !realDate && !base.undated)
            rowFault = DrawFault::NotADate;
        if (rowFault) {
            draws.resize(firstDraw);
            base.fault = rowFault;
            base.text = row.written();
            pending.push_back(std::move(base));
            continue;
        }
        if (drawsOfRow == 0)
            continue;
        const int number = map.number >= 0 && map.number < row.fields.size() && drawsOfRow == 1
                && isDigits(row.fields.at(map.number))
            ? row.fields.at(map.number).toInt()
            : -1;
        QString extra;
        if (native && row.fields.size() > 3
            && (row.fields.at(2) != QLatin1String("-") || row.fields.at(3) != QLatin1String("-")))
            extra = row.fields.at(2) + QLatin1Char(',') + row.fields.at(3);
        for (size_t d = firstDraw; d < draws.size(); ++d) {
            draws[d].number = number;
            if (!extra.isEmpty()) {
                draws[d].extra = static_cast<int>(out.extras.size());
                out.extras.append(extra);
            }
            PendingRow drawRow;
            drawRow.isDraw = true;
            drawRow.date = base.date;
            drawRow.undated = base.undated;
            drawRow.line = row.line;
            pending.push_back(drawRow);
        }
    }

    result.dateOrder = format.dateOrder != DateOrder::Unknown ? format.dateOrder : vote.order();
    if (result.dateOrder == DateOrder::Unknown && vote.ambiguous()) {
        result.refusal = ImportRefusal::AmbiguousDates;
        result.message = messages("Str515").arg(name);
        return result;
    }
    // Dates settled: skipped rows and draws in file order, since applied to both.
    size_t next = 0;
    int lastSkippedLine = 0;
    std::vector<QDate> fileDates;
    for (PendingRow &p : pending) {
        QDate date = p.undated ? QDate() : dateFromParts(p.date, result.dateOrder);
        if (!p.fault && !p.undated && !date.isValid())
            p.fault = DrawFault::NotADate;
        if (since.isValid() && date.isValid() && date < since) {
            if (p.isDraw) {
                ++result.beforeSince;
                ++next;
            }
            continue;
        }
        if (p.fault) {
            if (p.line != lastSkippedLine) {
                lastSkippedLine = p.line;
                ++result.skipped;
                ++result.skippedBy[static_cast<size_t>(*p.fault)];
                if (result.firstSkipped.size() < kListedSkippedLines)
                    result.firstSkipped.append({ p.line, *p.fault, p.text });
            }
            // A draw of a row whose other draw was taken stays out with it.
            if (p.isDraw)
                ++next;
            continue;
        }
        ImportedDraw draw = draws[next++];
        draw.date = date;
        if (date.isValid())
            fileDates.push_back(date);
        out.draws.push_back(draw);
    }
    int up = 0;
    int down = 0;
    for (size_t i = 1; i < fileDates.size(); ++i) {
        up += fileDates[i] > fileDates[i - 1] ? 1 : 0;
        down += fileDates[i] < fileDates[i - 1] ? 1 : 0;
    }
    result.order = up == 0 && down == 0 ? RowOrder::Unknown
        : down == 0                     ? RowOrder::OldestFirst
        : up == 0                       ? RowOrder::NewestFirst
                                        : RowOrder::Mixed;
    const bool allDated = std::all_of(
        out.draws.begin(), out.draws.end(), [](const ImportedDraw &d) { return d.date.isValid(); });
    if (allDated) {
        if (result.order == RowOrder::NewestFirst) {
            // The days turn round while a day's draws keep their order in the row.
            std::reverse(out.draws.begin(), out.draws.end());
            for (auto run = out.draws.begin(); run != out.draws.end();) {
                auto end = std::find_if(
                    run, out.draws.end(), [run](const ImportedDraw &d) { return d.date != run->date; });
                std::reverse(run, end);
                run = end;
            }
        }
        const auto before = [](const ImportedDraw &a, const ImportedDraw &b) {
            if (a.date != b.date)
                return a.date < b.date;
            return std::max(a.number, 0) < std::max(b.number, 0);
        };
        if (!std::is_sorted(out.draws.begin(), out.draws.end(), before))
            std::stable_sort(out.draws.begin(), out.draws.end(), before);
    } else if (std::all_of(
                   out.draws.begin(), out.draws.end(), [](const ImportedDraw &d) { return d.number >= 0; })) {
        std::stable_sort(out.draws.begin(), out.draws.end(),
            [](const ImportedDraw &a, const ImportedDraw &b) { return a.number < b.number; });
    }
    if (out.draws.empty()) {
        result.refusal = ImportRefusal::NotResults;
        QString reason = messages("Str513");
        if (result.beforeSince > 0)
            reason = messages("Str522").arg(since.toString(QStringLiteral("dd.MM.yyyy")));
        else if (!result.firstSkipped.isEmpty()) {
            ImportResult skipped;
            skipped.skipped = result.skipped;
            skipped.skippedBy = result.skippedBy;
            skipped.firstSkipped = result.firstSkipped;
            reason = importSummaryText(skipped, messages) + QLatin1Char('\n')
                + importSkippedText(skipped, messages);
        }
        result.message = messages("Str512").arg(name, definition.name, reason);
    }
    return result;
}

} // namespace kivora
