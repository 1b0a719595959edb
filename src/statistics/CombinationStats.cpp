#include "statistics/CombinationStats.h"

#include "statistics/NumberSet.h"

#include <algorithm>
#include <array>

namespace kivora {

namespace {

const char *titleKey(int k, Family family)
{
    static const char *const keys[3][3] = {
        { "Str25", "Str26", "Str27" },
        { "Str32", "Str30", "Str31" },
        { "Str46", "Str47", "Str48" },
    };
    return keys[k - 2][static_cast<int>(family)];
}

int modeTag(int k)
{
    if (k == 3)
        return StatTable::kTagTriples;
    if (k == 4)
        return StatTable::kTagQuadruples;
    return StatTable::kTagNumbers;
}

qint64 binomial(int n, int r)
{
    if (r < 0 || r > n)
        return 0;
    qint64 result = 1;
    for (int i = 1; i <= r; ++i)
        result = result * (n - r + i) / i;
    return result;
}

struct RankCounter
{
    qint32 last = -1; // the newest draw holding the combination
    qint32 drawn = 0;
};

// All k-subsets of 0..n-1 ranked in ascending order (first number slowest). The rank
// of u1 < u2 < ... < uk is the sum over positions i of the subsets that put a smaller
// number at position i after the same u1..u(i-1):
//   prefix[i][u(i)] - prefix[i][u(i-1) + 1], prefix[i][v] = sum over w < v of C(n-1-w, k-1-i).
// The subsets of every draw's numbers update the counters of their rank; a quadruple
// of Keno 20 of 80 thus costs C(20, 4) = 4845 updates a draw instead of 1,581,580
// containment tests.
template<int K> class SubsetEngine final
{
public:
    explicit SubsetEngine(int n)
        : m_counters(static_cast<size_t>(binomial(n, K)))
    {
        for (int i = 0; i < K; ++i) {
            m_prefix[i].assign(static_cast<size_t>(n) + 1, 0);
            for (int v = 0; v < n; ++v)
                m_prefix[i][v + 1] = m_prefix[i][v] + static_cast<qint32>(binomial(n - 1 - v, K - 1 - i));
        }
    }

    // The subsets of draw t (its numbers counted from the range's low end).
    void addDraw(int t, const NumberSet &draw)
    {
        int numbers[128];
        const int count = draw.members(numbers);
        if (count >= K) {
            m_draw = t;
            visit<0>(numbers, count, 0, -1, 0);
        }
    }

    // The subsets whose smallest number is `first`, over the draws (their numbers
    // counted from the range's low end), oldest first. Their counters lie side by side
    // (79,079 quadruples of 1..80 start with 1: 632 KB), so taking one first number
    // at a time keeps the updates in the processor's cache; the order of the draws,
    // which gaps depend on, is the same for every counter.
    void addFirst(int first, const std::vector<NumberSet> &draws)
    {
        int numbers[128];
        numbers[0] = first;
        const qint32 base = m_prefix[0][static_cast<size_t>(first)];
        for (size_t t = 0; t < draws.size(); ++t) {
            if (!draws[t].has(first))
                continue;
            const int count = draws[t].above(first).members(numbers + 1);
            if (count >= K - 1) {
                m_draw = static_cast<int>(t);
                visit<1>(numbers, count + 1, 1, first, base);
            }
        }
    }

    const std::vector<RankCounter> &counters() const { return m_counters; }
    int longestClosedGap() const { return m_record; }

private:
    template<int Pos> void visit(const int *u, int m, int from, int prev, qint32 base)
    {
        if constexpr (Pos == K - 1) {
            // At the last position each larger number is the next rank (prefix[v] = v).
            // Locals, because the counters are ints too: the compiler would otherwise
            // reload and store the members at every step.
            RankCounter *counters = m_counters.data() + base;
            const int draw = m_draw;
            int record = m_record;
            for (int j = from; j < m; ++j) {
                RankCounter &counter = counters[u[j] - prev - 1];
                record = std::max(record, draw - counter.last - 1);
                counter.last = draw;
                ++counter.drawn;
            }
            m_record = record;
        } else {
            const qint32 *prefix = m_prefix[Pos].data();
            const qint32 offset = base - prefix[prev + 1];
            for (int j = from; j <= m - (K - Pos); ++j)
                visit<Pos + 1>(u, m, j + 1, u[j], offset + prefix[u[j]]);
        }
    }

    std::array<std::vector<qint32>, K> m_prefix;
    std::vector<RankCounter> m_counters;
    int m_draw = 0;
    int m_record = 0;
};

template<int K>
void scanAll(const DrawTable &draws, NumberRange range, StatTable &table, const Progress &progress)
{
    const int n = range.size();
    const int drawCount = draws.rowCount();
    std::vector<NumberSet> sets(static_cast<size_t>(drawCount));
    for (int t = 0; t < drawCount; ++t) {
        const int *cells = draws.numbers(t);
        for (int j = 0; j < draws.drawNumber(); ++j) {
            if (range.contains(cells[j]))
                sets[static_cast<size_t>(t)].insert(cells[j] - range.lo);
        }
    }

    // Counters that fit in the processor's cache (all pairs, all triples of 1..80) are
    // updated draw by draw; larger ones one first number at a time.
    SubsetEngine<K> engine(n);
    constexpr size_t kCacheBytes = 1 << 20;
    if (engine.counters().size() * sizeof(RankCounter) <= kCacheBytes) {
        SteppedProgress steps(progress, 0, drawCount);
        for (int t = 0; t < drawCount; ++t) {
            engine.addDraw(t, sets[static_cast<size_t>(t)]);
            steps.at(t);
        }
        steps.done();
    } else {
        for (int first = 0; first <= n - K; ++first) {
            engine.addFirst(first, sets);
            report(progress, 0, n - K + 1, first);
        }
        report(progress, 0, n - K + 1, n - K + 1);
    }

    // Every combination is listed, so every closed gap counts; then the open runs.
    const std::vector<RankCounter> &counters = engine.counters();
    table.rows.reserve(counters.size());
    int record = engine.longestClosedGap();
    int top = 0;
    size_t rank = 0;
    forEachCombination(range, K, 1, [&](const int *combination) {
        const RankCounter &counter = counters[rank++];
        const int since = drawCount - 1 - counter.last;
        record = std::max(record, since);
        top = std::max(top, static_cast<int>(counter.drawn));
        table.addNumbers(combination, K, since, counter.drawn);
    });
    table.record = record;
    table.topCount = top;
}

// Neighbouring and related families list a few hundred combinations at most: each is
// tested against a bit set of every draw.
void scanFew(const DrawTable &draws, NumberRange range, int k, Family family, StatTable &table,
    const Progress &progress)
{
    std::vector<std::array<int, 4>> combinations;
    auto collect = [&](const int *numbers) {
        std::array<int, 4> combination {};
        std::copy(numbers, numbers + k, combination.begin());
        combinations.push_back(combination);
    };
    if (family == Family::Neighbouring) {
        for (int a = range.lo; a + k - 1 <= range.hi; ++a) {
            const int numbers[4] = { a, a + 1, a + 2, a + 3 };
            collect(numbers);
        }
    } else {
        forEachCombination(range, k, 10, collect);
    }

    const std::vector<NumberSet> sets = drawSets(draws, range);
    SteppedProgress steps(progress, 0, static_cast<int>(combinations.size()));
    table.rows.reserve(combinations.size());
    for (size_t i = 0; i < combinations.size(); ++i) {
        NumberSet candidate;
        for (int j = 0; j < k; ++j)
            candidate.insert(combinations[i][static_cast<size_t>(j)]);
        const SetTally tally = tallySet(sets, candidate);
        table.record = std::max(table.record, tally.longest);
        table.topCount = std::max(table.topCount, tally.drawn);
        table.addNumbers(combinations[i].data(), k, tally.since, tally.drawn);
        steps.at(static_cast<int>(i));
    }
    steps.done();
}

void fillRows(const DrawTable &draws, NumberRange range, int k, Family family, StatTable &table,
    const Progress &progress)
{
    if (range.size() < k)
        return;
    if (family != Family::All)
        scanFew(draws, range, k, family, table, progress);
    else if (k == 2)
        scanAll<2>(draws, range, table, progress);
    else if (k == 3)
        scanAll<3>(draws, range, table, progress);
    else
        scanAll<4>(draws, range, table, progress);
}

} // namespace

StatTable combinationStats(const DrawTable &draws, const LotteryDefinition &definition, int k, Family family,
    const MessageCatalog &messages, const Progress &progress)
{
    StatTable table;
    table.kind = StatTable::Kind::Numbers;
    table.initialSort = 1;
    if (k >= 2 && k <= 4) {
        table.title = messages(titleKey(k, family));
        table.modeTag = modeTag(k);
        fillRows(draws, mainRange(definition), k, family, table, progress);
    }
    table.recordText = QString::number(table.record);
    table.topText = QString::number(table.topCount);
    return table;
}

} // namespace kivora
