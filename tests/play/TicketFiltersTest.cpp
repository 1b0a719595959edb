// Ticket filters over the combination list: against a plain count of every ticket,
// kept per lottery in the configuration file, and named in a saved file's header.

#include "statistics/StatTestData.h"

#include "core/IniFile.h"
#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "core/SettingsStore.h"
#include "core/StringFn.h"
#include "play/CombinationCheck.h"
#include "play/CombinationFile.h"
#include "play/CombinationList.h"
#include "play/SystemTemplate.h"
#include "play/TicketFilterSettings.h"
#include "play/TicketFilters.h"
#include "support/Taken.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <map>

using namespace kivora;
using namespace kivora::test;

namespace {

// All k-position rows of m marked numbers, the first position slowest, with a
// placeholder row and a blank row at the end.
QString fullTemplate(int m, int k)
{
    QString text;
    std::vector<int> c(static_cast<size_t>(k));
    std::iota(c.begin(), c.end(), 1);
    for (;;) {
        QStringList fields;
        for (int p : c)
            fields.append(QString::number(p));
        text += fields.join(QLatin1Char(' ')) + QStringLiteral("\r\n");
        int i = k - 1;
        while (i >= 0 && c[static_cast<size_t>(i)] == m - (k - 1 - i))
            --i;
        if (i < 0)
            break;
        ++c[static_cast<size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            c[static_cast<size_t>(j)] = c[static_cast<size_t>(j - 1)] + 1;
    }
    return text + QStringLiteral("1 K 3\r\n\r\n");
}

// The numbers of a row as its texts read: the placeholder and empty cells are none.
std::vector<int> ticketOf(const CombinationList &list, int row)
{
    std::vector<int> numbers;
    for (const QString &cell : list.row(row)) {
        if (!cell.isEmpty() && cell != QLatin1String("K"))
            numbers.push_back(textToInt(cell));
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

// Each filter written out plainly over a sorted ticket.
bool plainPasses(const TicketFilters &filters, int f, const std::vector<int> &ticket,
    const std::vector<std::vector<int>> &pastDraws, int lowEnd)
{
    auto inRange = [](const CountRange &range, int value) {
        return !range.on || (range.min <= value && value <= range.max);
    };
    switch (f) {
    case 0:
        return inRange(filters.sum, std::accumulate(ticket.begin(), ticket.end(), 0));
    case 1:
        return inRange(filters.odd,
            static_cast<int>(std::count_if(ticket.begin(), ticket.end(), [](int n) { return n % 2 == 1; })));
    case 2:
        return inRange(filters.low,
            static_cast<int>(
                std::count_if(ticket.begin(), ticket.end(), [lowEnd](int n) { return n <= lowEnd; })));
    case 3: {
        int longest = 0;
        for (size_t i = 0; i < ticket.size(); ++i) {
            size_t j = i;
            while (j + 1 < ticket.size() && ticket[j + 1] == ticket[j] + 1)
                ++j;
            longest = std::max(longest, static_cast<int>(j - i + 1));
        }
        return inRange(filters.run, longest);
    }
    case 4: {
        std::map<int, int> tens;
        int most = 0;
        for (int n : ticket)
            most = std::max(most, ++tens[(n - 1) / 10]);
        return !filters.tenOn || most <= filters.tenMost;
    }
    case 5:
        return !filters.notPastDraw
            || std::find(pastDraws.begin(), pastDraws.end(), ticket) == pastDraws.end();
    }
    return true;
}

TicketFilters randomFilters(std::mt19937 &random)
{
    std::uniform_int_distribution<int> coin(0, 2);
    std::uniform_int_distribution<int> small(0, 6);
    std::uniform_int_distribution<int> sum(40, 200);
    TicketFilters filters;
    const int sumLow = sum(random);
    filters.sum = { coin(random) == 0, sumLow, sumLow + small(random) * 15 };
    for (CountRange *range : { &filters.odd, &filters.low, &filters.run }) {
        const int low = small(random) / 2;
        *range = { coin(random) == 0, low, low + small(random) / 2 };
    }
    filters.tenOn = coin(random) == 0;
    filters.tenMost = 1 + small(random) / 2;
    filters.notPastDraw = coin(random) != 0;
    return filters;
}

} // namespace

// 924 six-number tickets of twelve marked numbers (plus a ticket with a placeholder and
// a blank one), filtered by 120 random choices of filters, against the plain count.
TEST(TicketFilters, AgainstABruteForceCountOfEveryTicket)
{
    const LotteryDefinition six = lottery(1, 45, 6);
    const QStringList marked
        = texts({ "21", "03", "07", "08", "09", "10", "11", "19", "20", "33", "40", "45" });
    const CombinationList full = expandSystem(SystemTemplate::parse(fullTemplate(12, 6)), marked);
    ASSERT_EQ(full.rowCount(), 926);

    // Past draws: some equal tickets, one is a ticket's numbers in another order, one
    // holds a number twice and one a number out of range.
    const std::vector<std::vector<int>> rows = {
        { 3, 7, 8, 9, 10, 11 },
        { 45, 40, 33, 21, 20, 19 },
        { 1, 2, 3, 4, 5, 6 },
        { 3, 3, 8, 9, 10, 11 },
        { 7, 8, 9, 10, 11, 50 },
    };
    const DrawTable draws = makeDraws(6, rows);
    std::vector<std::vector<int>> pastSorted;
    for (std::vector<int> draw : rows) {
        std::sort(draw.begin(), draw.end());
        pastSorted.push_back(draw);
    }
    const PastDraws past(draws);
    const int lowEnd = lowNumbersEnd(six);
    ASSERT_EQ(lowEnd, 22);

    std::mt19937 random(2024);
    for (int round = 0; round < 120; ++round) {
        const TicketFilters filters = randomFilters(random);
        SCOPED_TRACE(round);
        std::array<int, kTicketFilterCount> removed {};
        std::array<int, kTicketFilterCount> rejected {};
        std::vector<QStringList> kept;
        for (int row = 0; row < full.rowCount(); ++row) {
            const std::vector<int> ticket = ticketOf(full, row);
            bool keep = true;
            for (int f = 0; f < kTicketFilterCount; ++f) {
                if (plainPasses(filters, f, ticket, pastSorted, lowEnd))
                    continue;
                ++rejected[static_cast<size_t>(f)];
                if (keep)
                    ++removed[static_cast<size_t>(f)];
                keep = false;
            }
            if (keep)
                kept.push_back(full.row(row));
        }

        CombinationList list = full;
        const FilterOutcome outcome = filterCombinations(&list, filters, six, past);
        EXPECT_EQ(outcome.before, 926);
        EXPECT_EQ(outcome.after, static_cast<int>(kept.size()));
        EXPECT_EQ(outcome.removed, removed);
        EXPECT_EQ(outcome.rejected, rejected);
        EXPECT_EQ(outcome.removedTotal(), 926 - static_cast<int>(kept.size()));
        if (kept.empty()) {
            EXPECT_EQ(list.rowCount(), 1);
            EXPECT_TRUE(list.isEmpty());
            continue;
        }
        ASSERT_EQ(list.rowCount(), static_cast<int>(kept.size()));
        for (int row = 0; row < list.rowCount(); ++row)
            ASSERT_EQ(list.row(row), kept[static_cast<size_t>(row)]) << row;
        // Filtering again removes nothing more.
        EXPECT_EQ(filterCombinations(&list, filters, six, past).removedTotal(), 0);
    }
}

TEST(TicketFilters, FactsOfOneTicket)
{
    const int numbers[] = { 12, 5, 6, 7, 19, 20, 7 };
    const TicketFacts facts = ticketFacts(numbers, 7, 22);
    EXPECT_EQ(facts.count, 6);
    EXPECT_EQ(facts.sum, 69);
    EXPECT_EQ(facts.odd, 3);
    EXPECT_EQ(facts.low, 6);
    EXPECT_EQ(facts.longestRun, 3);
    EXPECT_EQ(facts.mostInOneTen, 3); // 12, 19, 20 share 11-20
    EXPECT_EQ(ticketFacts(numbers, 0, 22).longestRun, 0);
    EXPECT_EQ(lowNumbersEnd(lottery(1, 80, 20)), 40);
    EXPECT_EQ(lowNumbersEnd(lottery(1, 20, 4)), 10);
    EXPECT_EQ(lowNumbersEnd(lottery(0, 36, 5)), 17); // 0..17 is the lower half of 37 numbers
}

// A list with nothing marked stays as it is; removing every ticket leaves one empty
// row, which is refused when saved, as a list without combinations is.
TEST(TicketFilters, EmptyListsAndEverythingRemoved)
{
    const MessageCatalog messages;
    const LotteryDefinition six = lottery(1, 45, 6);
    TicketFilters filters;
    filters.sum = { true, 1000, 2000 };
    CombinationList nothingMarked
        = expandSystem(SystemTemplate::parse(QStringLiteral("1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n")), {});
    const FilterOutcome none = filterCombinations(&nothingMarked, filters, six, PastDraws());
    EXPECT_EQ(none.removedTotal(), 0);
    EXPECT_EQ(nothingMarked.rowCount(), 2);

    CombinationList list = expandSystem(
        SystemTemplate::parse(fullTemplate(7, 6)), texts({ "01", "02", "03", "04", "05", "06", "07" }));
    const FilterOutcome all = filterCombinations(&list, filters, six, PastDraws());
    EXPECT_EQ(all.after, 0);
    EXPECT_EQ(all.removed[0], 9);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_FALSE(combinationSaveRefusal(list, messages).isEmpty());
}

// Rows the player deleted stay deleted; the filter works on what the list shows.
TEST(TicketFilters, ListWithDeletedRows)
{
    const LotteryDefinition six = lottery(1, 45, 6);
    CombinationList list = expandSystem(
        SystemTemplate::parse(fullTemplate(7, 6)), texts({ "01", "02", "03", "04", "05", "06", "08" }));
    ASSERT_TRUE(list.removeRow(0)); // 01 02 03 04 05 06
    ASSERT_TRUE(list.removeRow(0)); // 01 02 03 04 05 08
    const QStringList third = list.row(0);
    TicketFilters filters;
    filters.run = { true, 1, 4 }; // drops five in a row, and the blank row (no run)
    const FilterOutcome outcome = filterCombinations(&list, filters, six, PastDraws());
    EXPECT_EQ(outcome.before, 7);
    QStringList shown;
    for (int row = 0; row < list.rowCount(); ++row)
        shown.append(list.row(row).mid(0, 6).join(QLatin1Char(' ')));
    EXPECT_EQ(shown,
        texts({ "01 02 03 04 06 08", "01 02 03 05 06 08", "01 02 04 05 06 08", "01 03 04 05 06 08",
            "01 K 03   " }));
    EXPECT_EQ(outcome.removed[3], 2); // 02 03 04 05 06 08 and the blank row
    EXPECT_EQ(third, list.row(0));
}

TEST(TicketFilters, DescriptionNamesTheFiltersOnOneLine)
{
    MessageCatalog messages;
    const LotteryDefinition six = lottery(1, 45, 6);
    TicketFilters filters;
    EXPECT_EQ(filterDescription(filters, six, messages), QString());
    filters.sum = { true, 100, 150 };
    filters.low = { true, 2, 4 };
    filters.tenOn = true;
    filters.tenMost = 2;
    filters.notPastDraw = true;
    EXPECT_EQ(filterDescription(filters, six, messages),
        s("Фильтры: сумма 100-150, малых (до 22) 2-4, из одной десятки не больше 2, не совпадает с "
          "прошедшим "
          "розыгрышем"));
    // A language file's text cannot break the header line.
    messages.setText(QStringLiteral("Str240"), QStringLiteral("Filters\r\nof the ticket:"));
    EXPECT_FALSE(filterDescription(filters, six, messages).contains(QLatin1Char('\n')));
}

// The header of a saved file names the filters after the usual text; the check reads
// such a file as before and reports its header line as it is.
TEST(TicketFilters, SavedFileNamesTheFiltersAndStillChecks)
{
    TempFolder dir;
    const MessageCatalog messages;
    LotteryDefinition six = lottery(1, 45, 6);
    six.name = s("6 из 45");
    CombinationList list = expandSystem(
        SystemTemplate::parse(fullTemplate(7, 6)), texts({ "03", "15", "22", "31", "40", "44", "07" }));
    TicketFilters filters;
    filters.odd = { true, 2, 3 };
    const FilterOutcome outcome = filterCombinations(&list, filters, six, PastDraws());
    ASSERT_GT(outcome.removedTotal(), 0);
    const QString description = filterDescription(filters, six, messages);
    const QString path = dir.filePath(QStringLiteral("filtered.ltc"));
    QString error;
    ASSERT_TRUE(test::taken(
        writeCombinationFile(path, list, six.name, s("7 номеров"), messages, description), &error))
        << error.toStdString();

    SavedCombinations file;
    ASSERT_TRUE(test::taken(readSavedCombinations(path), &file, &error)) << error.toStdString();
    EXPECT_EQ(file.lotteryName, six.name);
    EXPECT_EQ(file.header,
        withPlurals(s("Выбрано:  7 номеров - %1 {комбинация|комбинации|комбинаций}; Фильтры: нечётных 2-3")
                        .arg(list.rowCount())));
    EXPECT_EQ(file.lines.size(), list.rowCount());

    const DrawTable draws = makeDraws(6, { { 3, 15, 22, 31, 40, 44 } });
    ASSERT_TRUE(checkReadiness(file, six.name, draws, messages).ok());
    const CheckResult result = checkCombinations(file, draws, 0, six, messages);
    EXPECT_EQ(result.played, 6);
    EXPECT_EQ(std::accumulate(result.counts.begin(), result.counts.end(), 0), list.rowCount());
    EXPECT_EQ(result.report.split(QStringLiteral("\r\n")).at(2), file.header);
}

// The filters live in the lottery's own section. A file without the keys reads as all
// off; writing them changes nothing else in the file.
TEST(TicketFilterSettings, StoredPerLotteryBesideEveryOtherKey)
{
    TempFolder dir;
    QString error;
    ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    IniFile ini(dir.folder().configPath());
    const IniDocument before = ini.load();
    const QString six = s("6 из 45");
    const QString keno = s("Кено (20 из 80)");
    const TicketFilters off = readTicketFilters(before, six);
    EXPECT_FALSE(off.anyOn());
    for (const QString &key : ticketFilterKeys())
        EXPECT_FALSE(before.value(six, key).has_value()) << key.toStdString();

    TicketFilters filters;
    filters.sum = { true, 90, 180 };
    filters.odd = { false, 1, 5 };
    filters.run = { true, 1, 2 };
    filters.tenOn = true;
    filters.tenMost = 3;
    filters.notPastDraw = true;
    const Done stored = storeTicketFilters(ini, six, filters);
    ASSERT_TRUE(stored) << stored.failure().text.toStdString();

    const IniDocument after = ini.load();
    const TicketFilters read = readTicketFilters(after, six);
    EXPECT_TRUE(read.sum.on);
    EXPECT_EQ(read.sum.min, 90);
    EXPECT_EQ(read.sum.max, 180);
    EXPECT_FALSE(read.odd.on);
    EXPECT_EQ(read.odd.max, 5); // kept while off
    EXPECT_FALSE(read.low.on);
    EXPECT_EQ(read.run.max, 2);
    EXPECT_TRUE(read.tenOn);
    EXPECT_EQ(read.tenMost, 3);
    EXPECT_TRUE(read.notPastDraw);
    EXPECT_FALSE(readTicketFilters(after, keno).anyOn());

    // Every other section and key as it was, in its place; the new keys close the section.
    for (const QString &section : before.sectionNames()) {
        QStringList lines = after.keyValueLines(section);
        if (section == six) {
            const qsizetype first = lines.size() - ticketFilterKeys().size();
            for (qsizetype i = 0; i < ticketFilterKeys().size(); ++i)
                EXPECT_TRUE(lines.at(first + i).startsWith(ticketFilterKeys().at(i) + QLatin1Char('=')))
                    << lines.at(first + i).toStdString();
            lines = lines.mid(0, first);
        }
        EXPECT_EQ(lines, before.keyValueLines(section)) << section.toStdString();
    }
    EXPECT_EQ(after.sectionNames(), before.sectionNames());
    EXPECT_EQ(lotteries::readDefinition(after, six).maxNumber, 45);

    // Storing again rewrites the keys in their places.
    filters.sum.on = false;
    ASSERT_TRUE(storeTicketFilters(ini, six, filters));
    EXPECT_EQ(ini.load().keyValueLines(six).size(), after.keyValueLines(six).size());
    EXPECT_FALSE(readTicketFilters(ini.load(), six).sum.on);
}

// Renaming a lottery in the settings dialog takes its filters along.
TEST(TicketFilterSettings, RenamingALotteryKeepsItsFilters)
{
    TempFolder dir;
    QString error;
    ASSERT_TRUE(test::taken(dir.folder().seed(), &error)) << error.toStdString();
    IniFile ini(dir.folder().configPath());
    const QString six = s("6 из 45");
    TicketFilters filters;
    filters.low = { true, 2, 3 };
    ASSERT_TRUE(storeTicketFilters(ini, six, filters));
    const QStringList values = settings::readParams(ini.load(), six);
    ASSERT_TRUE(settings::renameLottery(ini, six, s("Лото 6 из 45"), values));
    const IniDocument after = ini.load();
    EXPECT_FALSE(after.hasSection(six));
    const TicketFilters moved = readTicketFilters(after, s("Лото 6 из 45"));
    EXPECT_TRUE(moved.low.on);
    EXPECT_EQ(moved.low.min, 2);
    EXPECT_EQ(moved.low.max, 3);
    EXPECT_EQ(lotteries::readDefinition(after, s("Лото 6 из 45")).maxNumber, 45);
}
