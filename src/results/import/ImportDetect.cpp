#include "results/import/ImportDetect.h"

#include "core/MessageCatalog.h"
#include "core/TextFields.h"
#include "results/AddDraw.h"
#include "results/import/ColumnNames.h"
#include "results/import/ImportNumbers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <optional>

namespace kivora {

namespace {

struct Line
{
    QStringView text;
    int index = 0; // 0-based
};

std::vector<Line> firstLines(const QString &text, int limit)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    int index = 0;
    const qsizetype size = text.size();
    while (pos < size && static_cast<int>(lines.size()) < limit) {
        qsizetype i = pos;
        while (i < size && text[i] != QLatin1Char('\n') && text[i] != QLatin1Char('\r'))
            ++i;
        const QStringView line = QStringView(text).mid(pos, i - pos);
        if (!line.trimmed().isEmpty())
            lines.push_back({ line, index });
        if (i + 1 < size && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n'))
            ++i;
        pos = i + 1;
        ++index;
    }
    return lines;
}

bool isInteger(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

// A field that is data rather than a name: a number, a date, numbers packed together.
bool isDataField(const QString &field)
{
    const QString f = field.trimmed();
    return isInteger(f) || readDateParts(f).valid() || packedNumbers(f).size() >= 2;
}

bool looksLikeHeader(const QStringList &fields)
{
    bool letters = false;
    for (const QString &field : fields) {
        if (isDataField(field))
            return false;
        for (QChar c : field)
            letters = letters || c.isLetter();
    }
    return letters;
}

int integerTokens(QStringView line)
{
    int count = 0;
    for (const QString &token : splitDelimited(line, QLatin1Char(' ')))
        count += isInteger(token) ? 1 : 0;
    return count;
}

// The most frequent value and how often it occurs.
std::pair<int, int> mode(const std::vector<int> &values)
{
    std::map<int, int> counts;
    for (int v : values)
        ++counts[v];
    std::pair<int, int> best { 0, 0 };
    for (const auto &[value, count] : counts) {
        if (count > best.second)
            best = { value, count };
    }
    return best;
}

bool isNative(const std::vector<Line> &lines, const LotteryDefinition &definition)
{
    if (lines.empty())
        return false;
    int good = 0;
    const size_t looked = std::min<size_t>(lines.size(), 50);
    for (size_t i = 0; i < looked; ++i) {
        const QStringList fields = splitFields(lines[i].text.toString(), fieldDelimiters());
        const int limit = definition.drawNumber + definition.additionalCount() + 4;
        if (fields.size() >= limit && !recordFault(fields, definition))
            ++good;
    }
    return good * 2 > static_cast<int>(looked);
}

// Columns of a fixed-width table: the runs of dashes of the rule under the header,
// each widened to the start of the next.
std::vector<std::pair<int, int>> columnsFromStarts(const std::vector<int> &starts)
{
    std::vector<std::pair<int, int>> columns;
    for (size_t i = 0; i < starts.size(); ++i)
        columns.push_back({ i == 0 ? 0 : starts[i], i + 1 < starts.size() ? starts[i + 1] : 1 << 20 });
    return columns;
}

std::vector<int> ruleStarts(QStringView rule)
{
    std::vector<int> starts;
    for (qsizetype i = 0; i < rule.size(); ++i) {
        const bool dash = rule[i] == QLatin1Char('-') || rule[i] == QLatin1Char('=');
        if (dash && (i == 0 || !(rule[i - 1] == QLatin1Char('-') || rule[i - 1] == QLatin1Char('='))))
            starts.push_back(static_cast<int>(i));
    }
    return starts;
}

// Starts of the columns that the lines from `from` on (a header and the data) leave
// blank between them.
std::vector<int> gapStarts(const std::vector<Line> &lines, size_t from)
{
    int width = 0;
    for (size_t i = from; i < lines.size(); ++i)
        width = std::max(width, static_cast<int>(lines[i].text.size()));
    std::vector<bool> used(static_cast<size_t>(width), false);
    for (size_t i = from; i < lines.size(); ++i) {
        for (qsizetype c = 0; c < lines[i].text.size(); ++c) {
            if (!lines[i].text[c].isSpace())
                used[static_cast<size_t>(c)] = true;
        }
    }
    std::vector<int> starts;
    for (int c = 0; c < width; ++c) {
        if (used[static_cast<size_t>(c)] && (c == 0 || !used[static_cast<size_t>(c - 1)]))
            starts.push_back(c);
    }
    return starts;
}

// The layout of a text table: kind, delimiter, header, first line of data.
void detectLayout(const std::vector<Line> &lines, const ImportSettings &settings, ImportFormat *format)
{
    static const QChar candidates[]
        = { QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char('|'), QLatin1Char(',') };
    QChar delimiter;
    int delimiterCount = 0;
    if (!settings.delimiter.isEmpty()) {
        const QString d = settings.delimiter.toLower();
        delimiter = d == QLatin1String("tab") ? QLatin1Char('\t')
            : d == QLatin1String("spaces")    ? QLatin1Char(' ')
                                              : d.at(0);
        std::vector<int> counts;
        for (const Line &line : lines)
            counts.push_back(static_cast<int>(splitDelimited(line.text, delimiter).size()));
        delimiterCount = mode(counts).first;
    } else {
        int bestScore = 0;
        for (QChar candidate : candidates) {
            std::vector<int> counts;
            for (const Line &line : lines) {
                if (line.text.contains(candidate))
                    counts.push_back(static_cast<int>(splitDelimited(line.text, candidate).size()));
            }
            const auto [count, often] = mode(counts);
            if (count >= 2 && often > bestScore && often * 5 >= static_cast<int>(lines.size()) * 3) {
                bestScore = often;
                delimiter = candidate;
                delimiterCount = count;
            }
        }
    }
    if (!delimiter.isNull() && delimiter != QLatin1Char(' ')) {
        format->kind = ImportKind::Csv;
        format->delimiter = delimiter;
        for (size_t i = 0; i < lines.size(); ++i) {
            const QStringList fields = splitDelimited(lines[i].text, delimiter);
            if (static_cast<int>(fields.size()) != delimiterCount)
                continue;
            const bool header = settings.header >= 0 ? settings.header == 1 : looksLikeHeader(fields);
            format->header = header;
            if (header)
                format->headerNames = fields;
            format->firstLine = header ? lines[i].index + 1 : lines[i].index;
            return;
        }
        return;
    }
    // Blanks between the fields: a rule of dashes gives fixed columns; else the data
    // lines (those with a few integers) decide between runs of blanks and columns.
    for (size_t i = 1; i < lines.size(); ++i) {
        if (isRuleLine(lines[i].text) && ruleStarts(lines[i].text).size() >= 2) {
            format->kind = ImportKind::Fixed;
            format->fixedColumns = columnsFromStarts(ruleStarts(lines[i].text));
            format->header = settings.header != 0;
            if (format->header)
                format->headerNames = splitFixed(lines[i - 1].text, format->fixedColumns);
            format->firstLine = lines[i].index + 1;
            return;
        }
    }
    size_t firstData = 0;
    while (firstData < lines.size() && integerTokens(lines[firstData].text) < 3)
        ++firstData;
    if (firstData == lines.size())
        firstData = 0;
    const bool header = settings.header >= 0 ? settings.header == 1 && firstData > 0 : firstData > 0;
    std::vector<int> counts;
    for (size_t i = firstData; i < lines.size(); ++i)
        counts.push_back(static_cast<int>(splitDelimited(lines[i].text, QLatin1Char(' ')).size()));
    const auto [count, often] = mode(counts);
    const bool even = often * 10 >= static_cast<int>(counts.size()) * 9;
    const int headerCount = header
        ? static_cast<int>(splitDelimited(lines[firstData - 1].text, QLatin1Char(' ')).size())
        : count;
    format->header = header;
    format->firstLine = lines.empty() ? 0 : lines[firstData].index;
    if (even && headerCount == count) {
        format->kind = ImportKind::Csv;
        format->delimiter = QLatin1Char(' ');
        if (header)
            format->headerNames = splitDelimited(lines[firstData - 1].text, QLatin1Char(' '));
        return;
    }
    format->kind = ImportKind::Fixed;
    // The header takes part: numbers aligned under one name ("Numbers") stay one column.
    std::vector<int> starts = gapStarts(lines, header ? firstData - 1 : firstData);
    if (header) {
        // Numbers that reach past their name to the right belong to the column of that name.
        const QStringView names = lines[firstData - 1].text;
        for (size_t i = starts.size(); i-- > 1;) {
            const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : names.size();
            if (starts[i] >= names.size() || names.mid(starts[i], end - starts[i]).trimmed().isEmpty())
                starts.erase(starts.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    format->fixedColumns = columnsFromStarts(starts);
    if (header)
        format->headerNames = splitFixed(lines[firstData - 1].text, format->fixedColumns);
}

// What the sample says about one column.
struct ColumnFacts
{
    HeaderMeaning meaning;
    int filled = 0;
    int single = 0; // one integer
    int dates = 0;
    int packed = 0; // several integers, packedCount of them most often
    int packedCount = 0;
    int inMain = 0; // cells all of whose numbers lie in the main range
    int inAdditional = 0;
    int ascending = 0; // packed cells in strictly ascending order
    int stepsOfOne = 0; // single integers one apart from the row before
};

std::vector<ColumnFacts> columnFacts(const std::vector<ImportRow> &rows, int columns,
    const QStringList &header, const LotteryDefinition &definition)
{
    int addLo = 0;
    int addHi = 0;
    additionalNumberRange(definition, &addLo, &addHi);
    std::vector<ColumnFacts> facts(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        ColumnFacts &f = facts[static_cast<size_t>(c)];
        if (c < header.size())
            f.meaning = headerMeaning(header.at(c));
        std::vector<int> counts;
        int previous = -1;
        for (const ImportRow &row : rows) {
            if (c >= row.fields.size())
                continue;
            const QString cell = row.fields.at(c).trimmed();
            if (cell.isEmpty())
                continue;
            ++f.filled;
            const std::vector<int> numbers = packedNumbers(cell);
            if (numbers.empty()) {
                if (readDateParts(cell).valid())
                    ++f.dates;
                previous = -1;
                continue;
            }
            if (numbers.size() == 1) {
                ++f.single;
                if (previous >= 0 && std::abs(numbers.front() - previous) == 1)
                    ++f.stepsOfOne;
                previous = numbers.front();
            } else {
                ++f.packed;
                counts.push_back(static_cast<int>(numbers.size()));
                if (std::is_sorted(numbers.begin(), numbers.end()))
                    ++f.ascending;
                previous = -1;
            }
            const auto within = [&numbers](int lo, int hi) {
                return std::all_of(numbers.begin(), numbers.end(), [&](int n) { return n >= lo && n <= hi; });
            };
            f.inMain += within(definition.minNumber, definition.maxNumber) ? 1 : 0;
            f.inAdditional += within(addLo, addHi) ? 1 : 0;
            if (readDateParts(cell).valid() && numbers.size() == 3)
                ++f.dates;
        }
        f.packedCount = mode(counts).first;
    }
    return facts;
}

bool mostly(int part, int whole)
{
    return whole > 0 && part * 10 >= whole * 7;
}

// A unit of numbers: a run of adjacent one-number columns, or one packed column.
struct Unit
{
    std::vector<int> columns;
    int count = 0; // numbers per row
    HeaderClass kind = HeaderClass::Unknown;
    int drawTime = -1;
    bool sorted = false;
    bool inMain = false;
    bool inAdditional = false;
    bool used = false;
};

std::vector<Unit> numberUnits(const std::vector<ColumnFacts> &facts, int numberColumn, int dateColumn)
{
    std::vector<Unit> units;
    for (int c = 0; c < static_cast<int>(facts.size()); ++c) {
        const ColumnFacts &f = facts[static_cast<size_t>(c)];
        const HeaderClass kind = f.meaning.kind;
        if (c == numberColumn || c == dateColumn || kind == HeaderClass::Ignored || kind == HeaderClass::Date
            || kind == HeaderClass::DrawNumber || f.filled == 0)
            continue;
        if (mostly(f.packed, f.filled) && f.packedCount >= 2) {
            Unit unit;
            unit.columns = { c };
            unit.count = f.packedCount;
            unit.kind = kind;
            unit.drawTime = f.meaning.drawTime;
            unit.sorted
                = f.meaning.sorted || (f.ascending == f.packed && f.meaning.kind == HeaderClass::Unknown);
            unit.inMain = f.inMain * 2 >= f.filled;
            unit.inAdditional = f.inAdditional * 2 >= f.filled;
            units.push_back(unit);
            continue;
        }
        if (!mostly(f.single, f.filled))
            continue;
        const bool inMain = f.inMain * 2 >= f.filled;
        const bool inAdditional = f.inAdditional * 2 >= f.filled;
        Unit *last = units.empty() ? nullptr : &units.back();
        if (last && last->count == static_cast<int>(last->columns.size()) && last->columns.back() == c - 1
            && last->kind == kind && last->drawTime == f.meaning.drawTime && last->sorted == f.meaning.sorted
            && last->inMain == inMain) {
            last->columns.push_back(c);
            ++last->count;
            last->inAdditional = last->inAdditional && inAdditional;
            continue;
        }
        Unit unit;
        unit.columns = { c };
        unit.count = 1;
        unit.kind = kind;
        unit.drawTime = f.meaning.drawTime;
        unit.sorted = f.meaning.sorted;
        unit.inMain = inMain;
        unit.inAdditional = inAdditional;
        units.push_back(unit);
    }
    return units;
}

ColumnGroup groupOf(const Unit &unit, int first, int last)
{
    ColumnGroup group;
    if (unit.columns.size() == 1 && unit.count > 1) {
        group.columns = unit.columns;
        if (first != 1 || last != unit.count) {
            group.packFirst = first;
            group.packLast = last;
        }
    } else {
        for (int i = first - 1; i < last; ++i)
            group.columns.push_back(unit.columns[static_cast<size_t>(i)]);
    }
    return group;
}

// The main and additional groups of the draws of one row, found among the units of
// one draw time. Columns in drawing order are preferred over a sorted copy.
struct DrawGroups
{
    std::optional<ColumnGroup> main;
    std::optional<ColumnGroup> additional;
    bool byValuesOnly = false;
};

DrawGroups findGroups(std::vector<Unit> &units, int drawTime, const LotteryDefinition &definition)
{
    const int d = definition.drawNumber;
    const int a = definition.additionalCount();
    DrawGroups found;
    Unit *mainUnit = nullptr;
    for (int pass = 0; pass < 4 && !mainUnit; ++pass) {
        const bool wantSorted = pass >= 2;
        const bool wantNamed = pass % 2 == 0;
        for (Unit &unit : units) {
            if (unit.used || unit.drawTime != drawTime || unit.sorted != wantSorted || !unit.inMain
                || unit.kind == HeaderClass::Additional)
                continue;
            if (wantNamed != (unit.kind == HeaderClass::Main) || unit.count < d)
                continue;
            const bool packed = unit.columns.size() == 1 && unit.count > 1;
            if (packed && unit.count != d && unit.count != d + a)
                continue;
            mainUnit = &unit;
            break;
        }
    }
    if (!mainUnit)
        return found;
    mainUnit->used = true;
    found.main = groupOf(*mainUnit, 1, d);
    found.byValuesOnly = mainUnit->kind != HeaderClass::Main;
    if (a == 0)
        return found;
    // Additional numbers: a column of their own, named or by value, else the rest of
    // the main unit ("Winning Numbers" of Powerball hold 5 + 1).
    for (int pass = 0; pass < 2 && !found.additional; ++pass) {
        for (Unit &unit : units) {
            if (unit.used || unit.drawTime != drawTime || !unit.inAdditional || unit.count != a)
                continue;
            if (pass == 0 && (unit.kind != HeaderClass::Additional || unit.sorted))
                continue;
            if (pass == 1 && (unit.kind == HeaderClass::Main || unit.sorted))
                continue;
            unit.used = true;
            found.additional = groupOf(unit, 1, a);
            break;
        }
    }
    if (!found.additional && mainUnit->count >= d + a)
        found.additional = groupOf(*mainUnit, d + 1, d + a);
    return found;
}

int findDateColumn(const std::vector<ColumnFacts> &facts)
{
    int best = -1;
    int bestScore = -1;
    for (int c = 0; c < static_cast<int>(facts.size()); ++c) {
        const ColumnFacts &f = facts[static_cast<size_t>(c)];
        if (f.meaning.kind == HeaderClass::Ignored || !mostly(f.dates, f.filled))
            continue;
        const int score = (f.meaning.kind == HeaderClass::Date ? 2 : 0) + (f.meaning.drawDate ? 1 : 0);
        if (score > bestScore) {
            best = c;
            bestScore = score;
        }
    }
    return best;
}

int findNumberColumn(const std::vector<ColumnFacts> &facts, int dateColumn)
{
    for (int c = 0; c < static_cast<int>(facts.size()); ++c) {
        const ColumnFacts &f = facts[static_cast<size_t>(c)];
        if (c != dateColumn && f.meaning.kind == HeaderClass::DrawNumber && mostly(f.single, f.filled))
            return c;
    }
    // Without a name: a first column counting the draws one by one.
    if (!facts.empty() && dateColumn != 0) {
        const ColumnFacts &f = facts.front();
        if (f.meaning.kind == HeaderClass::Unknown && f.filled >= 2 && mostly(f.single, f.filled)
            && mostly(f.stepsOfOne, f.filled - 1))
            return 0;
    }
    return -1;
}

ColumnMapping detectColumns(const std::vector<ImportRow> &rows, const QStringList &header,
    const LotteryDefinition &definition, unsigned *doubts)
{
    int columns = static_cast<int>(header.size());
    for (const ImportRow &row : rows)
        columns = std::max(columns, static_cast<int>(row.fields.size()));
    const std::vector<ColumnFacts> facts = columnFacts(rows, columns, header, definition);
    ColumnMapping mapping;
    mapping.date = findDateColumn(facts);
    mapping.number = findNumberColumn(facts, mapping.date);
    std::vector<Unit> units = numberUnits(facts, mapping.number, mapping.date);
    // Two draws a row only when the header names their times.
    std::vector<int> times;
    for (const Unit &unit : units) {
        if (unit.drawTime >= 0 && std::find(times.begin(), times.end(), unit.drawTime) == times.end())
            times.push_back(unit.drawTime);
    }
    std::sort(times.begin(), times.end());
    if (times.size() < 2) {
        for (Unit &unit : units)
            unit.drawTime = -1;
        times = { -1 };
    }
    bool valuesOnly = false;
    for (int time : times) {
        const DrawGroups groups = findGroups(units, time, definition);
        if (!groups.main)
            continue;
        valuesOnly = valuesOnly || groups.byValuesOnly;
        mapping.main.push_back(*groups.main);
        if (groups.additional)
            mapping.additional.push_back(*groups.additional);
    }
    // Guessed from the values while another unit could have served as well.
    if (valuesOnly) {
        for (const Unit &unit : units) {
            if (!unit.used && unit.inMain && !unit.sorted && unit.count >= definition.drawNumber
                && unit.kind != HeaderClass::Additional)
                *doubts |= DoubtColumns;
        }
    }
    if (mapping.date < 0)
        *doubts |= DoubtNoDate;
    return mapping;
}

RowOrder rowOrder(const std::vector<QDate> &dates)
{
    int up = 0;
    int down = 0;
    for (size_t i = 1; i < dates.size(); ++i) {
        if (dates[i] > dates[i - 1])
            ++up;
        else if (dates[i] < dates[i - 1])
            ++down;
    }
    if (up == 0 && down == 0)
        return RowOrder::Unknown;
    if (down == 0)
        return RowOrder::OldestFirst;
    if (up == 0)
        return RowOrder::NewestFirst;
    return RowOrder::Mixed;
}

} // namespace

DetectResult detectImportFormat(const ImportSource &source, const LotteryDefinition &definition,
    const ImportSettings &settings, const MessageCatalog &messages)
{
    DetectResult result;
    const QString name = QDir::toNativeSeparators(QFileInfo(source.path).absoluteFilePath());
    if (!source.ok()) {
        result.refusal = ImportRefusal::Source;
        result.message = source.message;
        return result;
    }
    ImportFormat &format = result.format;
    format.encoding = source.encoding;
    const QStringView trimmed = QStringView(source.text).trimmed();
    QStringList keys;
    std::vector<ImportRow> jsonSample;
    const std::vector<Line> lines = firstLines(source.text, kDetectionRows + 40);
    if ((trimmed.startsWith(QLatin1Char('[')) || trimmed.startsWith(QLatin1Char('{')))
        && jsonRows(source.text, &keys, &jsonSample)) {
        format.kind = ImportKind::Json;
        format.header = true;
        format.headerNames = keys;
    } else if (settings.columns.isEmpty() && settings.delimiter.isEmpty() && isNative(lines, definition)) {
        format.kind = ImportKind::Native;
        format.delimiter = QLatin1Char(',');
    } else {
        detectLayout(lines, settings, &format);
    }
    ImportRowReader reader(source.text, format);
    ImportRow row;
    while (static_cast<int>(result.sample.size()) < kDetectionRows && reader.next(&row)) {
        row.text = row.written();
        row.raw = {};
        result.sample.push_back(row);
    }
    if (format.kind == ImportKind::Native) {
        format.columns.number = 0;
        format.columns.date = 1;
        ColumnGroup main;
        for (int i = 0; i < definition.drawNumber; ++i)
            main.columns.push_back(4 + i);
        format.columns.main.push_back(main);
        if (definition.additionalCount() > 0) {
            ColumnGroup additional;
            for (int i = 0; i < definition.additionalCount(); ++i)
                additional.columns.push_back(4 + definition.drawNumber + i);
            format.columns.additional.push_back(additional);
        }
    } else if (!settings.columns.isEmpty()) {
        const ColumnMap columnMap = parseColumnMap(settings.columns, messages);
        int columns = static_cast<int>(format.headerNames.size());
        for (const ImportRow &sampleRow : result.sample)
            columns = std::max(columns, static_cast<int>(sampleRow.fields.size()));
        const MappingResult mapped = columnMap.ok
            ? resolveColumnMap(columnMap, format.headerNames, columns, messages)
            : MappingResult {};
        if (!mapped.ok) {
            result.refusal = ImportRefusal::BadSettings;
            result.message
                = columnMap.ok ? messages("Str516").arg(settings.columns, mapped.message) : columnMap.message;
            return result;
        }
        format.columns = mapped.mapping;
    } else {
        format.columns = detectColumns(result.sample, format.headerNames, definition, &format.doubts);
    }
    if (format.columns.isEmpty()) {
        result.refusal = ImportRefusal::NotResults;
        result.message = messages("Str512").arg(name, definition.name, messages("Str513"));
        return result;
    }
    // The order of the dates and of the rows, as far as the sample tells.
    if (!settings.dateFormat.isEmpty()) {
        format.dateOrder = dateOrderFromFormat(settings.dateFormat);
        if (format.dateOrder == DateOrder::Unknown) {
            result.refusal = ImportRefusal::BadSettings;
            result.message = messages("Str521").arg(settings.dateFormat);
            return result;
        }
    }
    if (format.columns.date >= 0) {
        DateOrderVote vote;
        std::vector<DateParts> parts;
        for (const ImportRow &sampleRow : result.sample) {
            if (format.columns.date < sampleRow.fields.size()) {
                parts.push_back(readDateParts(sampleRow.fields.at(format.columns.date)));
                vote.add(parts.back());
            }
        }
        if (format.dateOrder == DateOrder::Unknown) {
            format.dateOrder = vote.order();
            if (vote.ambiguous())
                format.doubts |= DoubtDates;
        }
        std::vector<QDate> dates;
        for (const DateParts &p : parts) {
            const QDate date = dateFromParts(p, format.dateOrder);
            if (date.isValid())
                dates.push_back(date);
        }
        format.order = rowOrder(dates);
    }
    return result;
}

} // namespace kivora
