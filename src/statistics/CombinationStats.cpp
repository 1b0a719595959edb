#include "statistics/CombinationStats.h"

#include "statistics/NumberSet.h"

#include "statistics/WorkSplit.h"

#include <algorithm>
#include <array>
#include <optional>

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

// The numbers of every draw that lie in the range, counted from its low end: as a bit
// set (does the draw hold a number) and as an ascending list (the numbers above it).
class DrawNumbers final
{
public:
    DrawNumbers(const DrawTable &draws, NumberRange range)
        : m_sets(static_cast<size_t>(draws.rowCount()))
        , m_stride(static_cast<size_t>(std::min(draws.drawNumber(), range.size())))
        , m_lists(m_sets.size() * m_stride)
        , m_sizes(m_sets.size())
    {
        for (int t = 0; t < draws.rowCount(); ++t) {
            const int *cells = draws.numbers(t);
            NumberSet &set = m_sets[static_cast<size_t>(t)];
            for (int j = 0; j < draws.drawNumber(); ++j) {
                if (range.contains(cells[j]))
                    set.insert(cells[j] - range.lo);
            }
            int members[128];
            const int size = set.members(members);
            std::copy(members, members + size, m_lists.begin() + static_cast<std::ptrdiff_t>(t * m_stride));
            m_sizes[static_cast<size_t>(t)] = static_cast<quint8>(size);
        }
    }

    int count() const { return static_cast<int>(m_sets.size()); }
    // The numbers of draw t from `number` up, when the draw holds it; the size of
    // that list (0 when it does not).
    int from(int t, int number, const quint8 *&list) const
    {
        const NumberSet &set = m_sets[static_cast<size_t>(t)];
        if (!set.has(number))
            return 0;
        const int below = set.countBelow(number);
        list = m_lists.data() + static_cast<size_t>(t) * m_stride + below;
        return m_sizes[static_cast<size_t>(t)] - below;
    }

private:
    std::vector<NumberSet> m_sets;
    size_t m_stride;
    std::vector<quint8> m_lists; // m_stride per draw
    std::vector<quint8> m_sizes;
};

// All k-subsets of 0..n-1 ranked in ascending order (first number slowest). The rank
// of u1 < u2 < ... < uk is the sum over positions i of the subsets that put a smaller
// number at position i after the same u1..u(i-1):
//   prefix[i][u(i)] - prefix[i][u(i-1) + 1], prefix[i][v] = sum over w < v of C(n-1-w, k-1-i).
// The subsets with one first number form one block of ranks, starting at prefix[0][u1].
// A draw's numbers above u1 update the counters of their (k-1)-subsets within that
// block; a quadruple of Keno 20 of 80 thus costs at most C(19, 3) = 969 updates per
// draw and first number it holds instead of 79,079 containment tests.
template<int K> class RankTable final
{
public:
    explicit RankTable(int n)
        : m_n(n)
    {
        for (int i = 0; i < K; ++i) {
            m_prefix[i].assign(static_cast<size_t>(n) + 1, 0);
            for (int v = 0; v < n; ++v)
                m_prefix[i][v + 1] = m_prefix[i][v] + static_cast<qint32>(binomial(n - 1 - v, K - 1 - i));
        }
    }

    size_t total() const { return static_cast<size_t>(m_prefix[0][static_cast<size_t>(m_n)]); }
    size_t blockStart(int first) const
    {
        return static_cast<size_t>(m_prefix[0][static_cast<size_t>(first)]);
    }
    size_t blockSize(int first) const { return blockStart(first + 1) - blockStart(first); }
    const qint32 *prefix(int position) const { return m_prefix[static_cast<size_t>(position)].data(); }

private:
    int m_n;
    std::array<std::vector<qint32>, K> m_prefix;
};

// Counts the subsets of one first number at a time, over all the draws. Its counters
// hold one block (79,079 quadruples of 1..80 start with 1: 632 KB), so the updates
// stay in the processor's cache; each thread has its own counter, on a cache line of
// its own.
template<int K> class alignas(64) FirstNumberCounter final
{
public:
    explicit FirstNumberCounter(const RankTable<K> &ranks)
        : m_ranks(ranks)
        , m_counters(ranks.blockSize(0))
    { }

    // The subsets whose smallest number is `first`, over the draws (their numbers
    // counted from the range's low end), oldest first. Returns the longest closed gap
    // among them: the run before a first appearance included, the open run not.
    int count(int first, const DrawNumbers &draws)
    {
        std::fill_n(m_counters.begin(), m_ranks.blockSize(first), RankCounter());
        m_record = 0;
        for (int t = 0; t < draws.count(); ++t) {
            const quint8 *numbers = nullptr;
            const int size = draws.from(t, first, numbers);
            if (size >= K) {
                m_draw = t;
                visit<1>(numbers, size, 1, first, 0);
            }
        }
        return m_record;
    }

    // The counter of the block's subset at offset `index`, after count().
    const RankCounter &at(size_t index) const { return m_counters[index]; }

private:
    template<int Pos> void visit(const quint8 *u, int m, int from, int prev, qint32 base)
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
            const qint32 *prefix = m_ranks.prefix(Pos);
            const qint32 offset = base - prefix[prev + 1];
            for (int j = from; j <= m - (K - Pos); ++j)
                visit<Pos + 1>(u, m, j + 1, u[j], offset + prefix[u[j]]);
        }
    }

    const RankTable<K> &m_ranks;
    std::vector<RankCounter> m_counters;
    int m_draw = 0;
    int m_record = 0;
};

// What one thread found beyond the rows; the threads' findings merge by maximum, so
// the result does not depend on how the first numbers were shared out.
struct alignas(64) Extremes
{
    int record = 0;
    int top = 0;
};

void mergeExtremes(const std::vector<Extremes> &extremes, StatTable &table)
{
    for (const Extremes &found : extremes) {
        table.record = std::max(table.record, found.record);
        table.topCount = std::max(table.topCount, found.top);
    }
}

template<int K>
void scanAll(
    const DrawTable &draws, NumberRange range, StatTable &table, const Progress &progress, int threads)
{
    const int n = range.size();
    const int drawCount = draws.rowCount();
    const DrawNumbers sets(draws, range);

    // The subsets of one first number have counters and rows of their own: each first
    // number is one item of work, and its rows are written where they belong while
    // its counters are still in the cache.
    const RankTable<K> ranks(n);
    table.rows.resize(ranks.total());
    const int firstCount = n - K + 1;
    threads = threadsForWork(threads,
        static_cast<double>(drawCount) * static_cast<double>(binomial(std::min(draws.drawNumber(), n), K))
            + static_cast<double>(ranks.total()));
    const int workers = workerCount(firstCount, threads);
    std::vector<std::optional<FirstNumberCounter<K>>> counters(static_cast<size_t>(workers));
    std::vector<Extremes> extremes(static_cast<size_t>(workers));
    forEachItem(firstCount, threads, progress, [&](int first, int worker) {
        std::optional<FirstNumberCounter<K>> &counter = counters[static_cast<size_t>(worker)];
        if (!counter)
            counter.emplace(ranks);
        // Every combination is listed, so every closed gap counts; then the open runs.
        int record = counter->count(first, sets);
        int top = 0;
        StatRow *row = table.rows.data() + ranks.blockStart(first);
        size_t index = 0;
        int combination[K];
        combination[0] = range.lo + first;
        forEachCombination(NumberRange { combination[0] + 1, range.hi }, K - 1, 1, [&](const int *rest) {
            std::copy(rest, rest + K - 1, combination + 1);
            const RankCounter &tally = counter->at(index++);
            const int since = drawCount - 1 - tally.last;
            record = std::max(record, since);
            top = std::max(top, static_cast<int>(tally.drawn));
            *row++ = { StatTable::numbersKey(combination, K), since, tally.drawn };
        });
        Extremes &found = extremes[static_cast<size_t>(worker)];
        found.record = std::max(found.record, record);
        found.top = std::max(found.top, top);
    });
    mergeExtremes(extremes, table);
}

// Neighbouring and related families list a few hundred combinations at most: each is
// tested against a bit set of every draw.
void scanFew(const DrawTable &draws, NumberRange range, int k, Family family, StatTable &table,
    const Progress &progress, int threads)
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

    std::vector<NumberSet> candidates(combinations.size());
    for (size_t i = 0; i < combinations.size(); ++i) {
        for (int j = 0; j < k; ++j)
            candidates[i].insert(combinations[i][static_cast<size_t>(j)]);
    }
    const std::vector<SetTally> tallies = tallySets(drawSets(draws, range), candidates, threads, progress);
    table.rows.reserve(combinations.size());
    for (size_t i = 0; i < combinations.size(); ++i) {
        table.record = std::max(table.record, tallies[i].longest);
        table.topCount = std::max(table.topCount, tallies[i].drawn);
        table.addNumbers(combinations[i].data(), k, tallies[i].since, tallies[i].drawn);
    }
}

void fillRows(const DrawTable &draws, NumberRange range, int k, Family family, StatTable &table,
    const Progress &progress, int threads)
{
    if (range.size() < k)
        return;
    if (family != Family::All)
        scanFew(draws, range, k, family, table, progress, threads);
    else if (k == 2)
        scanAll<2>(draws, range, table, progress, threads);
    else if (k == 3)
        scanAll<3>(draws, range, table, progress, threads);
    else
        scanAll<4>(draws, range, table, progress, threads);
}

} // namespace

StatTable combinationStats(const DrawTable &draws, const LotteryDefinition &definition, int k, Family family,
    const MessageCatalog &messages, const Progress &progress, int threads)
{
    StatTable table;
    table.kind = StatTable::Kind::Numbers;
    table.initialSort = 1;
    if (k >= 2 && k <= 4) {
        table.title = messages(titleKey(k, family));
        table.modeTag = modeTag(k);
        fillRows(draws, mainRange(definition), k, family, table, progress, threads);
    }
    table.recordText = QString::number(table.record);
    table.topText = QString::number(table.topCount);
    return table;
}

} // namespace kivora
