#include "play/TicketFilters.h"

#include "core/MessageCatalog.h"
#include "core/StringFn.h"
#include "play/CombinationList.h"

#include <QStringList>

#include <algorithm>

namespace kivora {

int lowNumbersEnd(const LotteryDefinition &definition)
{
    const int size = definition.maxNumber - definition.minNumber + 1;
    return definition.minNumber + std::max(size, 0) / 2 - 1;
}

TicketFacts ticketFacts(const int *numbers, int count, int lowEnd)
{
    TicketFacts facts;
    for (int i = 0; i < count; ++i) {
        const int n = numbers[i];
        if (n < 0 || n > 127 || facts.numbers.has(n))
            continue;
        facts.numbers.insert(n);
    }
    int sorted[128];
    facts.count = facts.numbers.members(sorted);
    int run = 0;
    int tenCount = 0;
    for (int i = 0; i < facts.count; ++i) {
        const int n = sorted[i];
        facts.sum += n;
        facts.odd += n % 2;
        facts.low += n <= lowEnd ? 1 : 0;
        run = i > 0 && sorted[i - 1] == n - 1 ? run + 1 : 1;
        facts.longestRun = std::max(facts.longestRun, run);
        // Group r holds 10r-9 .. 10r; the numbers are ascending, so a group's members
        // stand together.
        tenCount = i > 0 && (sorted[i - 1] + 9) / 10 == (n + 9) / 10 ? tenCount + 1 : 1;
        facts.mostInOneTen = std::max(facts.mostInOneTen, tenCount);
    }
    return facts;
}

PastDraws::PastDraws(const DrawTable &draws)
{
    m_sets.reserve(static_cast<size_t>(draws.rowCount()));
    for (int r = 0; r < draws.rowCount(); ++r) {
        const int *cells = draws.numbers(r);
        NumberSet set;
        bool holdable = true;
        for (int j = 0; j < draws.drawNumber() && holdable; ++j) {
            // A number no ticket can hold, or one written twice: no ticket of distinct
            // numbers equals the draw.
            holdable = cells[j] >= 0 && cells[j] <= 127 && !set.has(cells[j]);
            if (holdable)
                set.insert(cells[j]);
        }
        if (holdable)
            m_sets.insert(set);
    }
}

bool PastDraws::contains(const NumberSet &numbers) const
{
    return m_sets.count(numbers) != 0;
}

bool passes(const TicketFilters &filters, TicketFilter f, const TicketFacts &facts, const PastDraws &past)
{
    switch (f) {
    case TicketFilter::Sum:
        return filters.sum.accepts(facts.sum);
    case TicketFilter::Odd:
        return filters.odd.accepts(facts.odd);
    case TicketFilter::Low:
        return filters.low.accepts(facts.low);
    case TicketFilter::Run:
        return filters.run.accepts(facts.longestRun);
    case TicketFilter::Ten:
        return !filters.tenOn || facts.mostInOneTen <= filters.tenMost;
    case TicketFilter::PastDraw:
        return !filters.notPastDraw || !past.contains(facts.numbers);
    }
    return true;
}

bool filterOn(const TicketFilters &filters, TicketFilter f)
{
    switch (f) {
    case TicketFilter::Sum:
        return filters.sum.on;
    case TicketFilter::Odd:
        return filters.odd.on;
    case TicketFilter::Low:
        return filters.low.on;
    case TicketFilter::Run:
        return filters.run.on;
    case TicketFilter::Ten:
        return filters.tenOn;
    case TicketFilter::PastDraw:
        return filters.notPastDraw;
    }
    return false;
}

FilterOutcome filterCombinations(CombinationList *list, const TicketFilters &filters,
    const LotteryDefinition &definition, const PastDraws &past)
{
    FilterOutcome outcome;
    outcome.before = list->rowCount();
    outcome.after = outcome.before;
    if (!filters.anyOn() || list->isEmpty())
        return outcome;

    // The captions are the number list's texts ("07"); read each once.
    const QStringList &captions = list->markedCaptions();
    std::vector<int> values(static_cast<size_t>(captions.size()));
    for (qsizetype i = 0; i < captions.size(); ++i)
        values[static_cast<size_t>(i)] = textToInt(captions.at(i));
    const int lowEnd = lowNumbersEnd(definition);

    std::vector<TicketFilter> active;
    for (int f = 0; f < kTicketFilterCount; ++f) {
        if (filterOn(filters, static_cast<TicketFilter>(f)))
            active.push_back(static_cast<TicketFilter>(f));
    }

    std::vector<int> kept;
    kept.reserve(static_cast<size_t>(outcome.before));
    int numbers[CombinationList::kColumns];
    for (int row = 0; row < outcome.before; ++row) {
        int count = 0;
        for (int column = 0; column < CombinationList::kColumns; ++column) {
            const int index = list->markedIndex(row, column);
            if (index >= 0)
                numbers[count++] = values[static_cast<size_t>(index)];
        }
        const TicketFacts facts = ticketFacts(numbers, count, lowEnd);
        bool keep = true;
        for (TicketFilter f : active) {
            if (passes(filters, f, facts, past))
                continue;
            ++outcome.rejected[static_cast<size_t>(f)];
            if (keep)
                ++outcome.removed[static_cast<size_t>(f)];
            keep = false;
        }
        if (keep)
            kept.push_back(row);
    }
    outcome.after = static_cast<int>(kept.size());
    if (outcome.after != outcome.before)
        list->keepRows(kept);
    return outcome;
}

QString filterRule(const TicketFilters &filters, TicketFilter f, const LotteryDefinition &definition,
    const MessageCatalog &messages)
{
    switch (f) {
    case TicketFilter::Sum:
        return messages("Str241").arg(filters.sum.min).arg(filters.sum.max);
    case TicketFilter::Odd:
        return messages("Str242").arg(filters.odd.min).arg(filters.odd.max);
    case TicketFilter::Low:
        return messages("Str243").arg(filters.low.min).arg(filters.low.max).arg(lowNumbersEnd(definition));
    case TicketFilter::Run:
        return messages("Str244").arg(filters.run.min).arg(filters.run.max);
    case TicketFilter::Ten:
        return messages("Str245").arg(filters.tenMost);
    case TicketFilter::PastDraw:
        return messages("Str246");
    }
    return {};
}

QString filterDescription(
    const TicketFilters &filters, const LotteryDefinition &definition, const MessageCatalog &messages)
{
    QStringList rules;
    for (int f = 0; f < kTicketFilterCount; ++f) {
        if (filterOn(filters, static_cast<TicketFilter>(f)))
            rules.append(filterRule(filters, static_cast<TicketFilter>(f), definition, messages));
    }
    if (rules.isEmpty())
        return {};
    // A language file's text could hold a line break; the header must stay one line.
    QString text = messages("Str240") + QLatin1Char(' ') + rules.join(QStringLiteral(", "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace kivora
