#include "statistics/CombinationStats.h"

#include "core/Binomial.h"
#include "statistics/NumberSet.h"
#include "statistics/WorkSplit.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
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

struct RankCounter
{
    qint32 last = -1; // the newest draw holding the combination
    qint32 drawn = 0;
};

// The numbers of every draw that lie in the range, counted from its low end: for each
// number the draws that hold it (one bit a draw), and for each draw its numbers in
// ascending order.
class DrawNumbers final
{
public:
    DrawNumbers(const DrawTable &draws, NumberRange range)
        : m_count(draws.rowCount())
        , m_words((static_cast<size_t>(m_count) + 63) / 64)
        , m_holders(static_cast<size_t>(range.size()) * m_words)
        , m_sets(static_cast<size_t>(m_count))
        , m_stride(static_cast<size_t>(std::min(draws.drawNumber(), range.size())))
        , m_lists(m_sets.size() * m_stride)
        , m_sizes(m_sets.size())
    {
        int members[128];
        for (int t = 0; t < m_count; ++t) {
            const int *cells = draws.numbers(t);
            NumberSet &set = m_sets[static_cast<size_t>(t)];
            for (int j = 0; j < draws.drawNumber(); ++j) {
                if (range.contains(cells[j]))
                    set.insert(cells[j] - range.lo);
            }
            const int size = set.members(members);
            quint8 *list = m_lists.data() + static_cast<size_t>(t) * m_stride;
            for (int i = 0; i < size; ++i) {
                list[i] = static_cast<quint8>(members[i]);
                m_holders[static_cast<size_t>(members[i]) * m_words + static_cast<size_t>(t) / 64]
                    |= quint64(1) << (t % 64);
            }
            m_sizes[static_cast<size_t>(t)] = static_cast<quint8>(size);
        }
    }

    int count() const { return m_count; }
    // The numbers of draw t in ascending order; returns how many.
    int numbers(int t, const quint8 *&list) const
    {
        list = m_lists.data() + static_cast<size_t>(t) * m_stride;
        return m_sizes[static_cast<size_t>(t)];
    }
    // Calls visit(t, list, size) for every draw t holding `number`, oldest first, with
    // the draw's numbers from `number` up.
    template<class Visit> void forEachHolder(int number, Visit &&visit) const
    {
        const quint64 *words = m_holders.data() + static_cast<size_t>(number) * m_words;
        for (size_t w = 0; w < m_words; ++w) {
            for (quint64 bits = words[w]; bits != 0; bits &= bits - 1) {
                const size_t t = w * 64 + static_cast<size_t>(__builtin_ctzll(bits));
                const int below = m_sets[t].countBelow(number);
                visit(static_cast<int>(t), m_lists.data() + t * m_stride + below, m_sizes[t] - below);
            }
        }
    }

    // The same for every draw holding both a and b (a < b), with its numbers from b up.
    template<class Visit> void forEachHolderOf(int a, int b, Visit &&visit) const
    {
        const quint64 *wordsA = m_holders.data() + static_cast<size_t>(a) * m_words;
        const quint64 *wordsB = m_holders.data() + static_cast<size_t>(b) * m_words;
        for (size_t w = 0; w < m_words; ++w) {
            for (quint64 bits = wordsA[w] & wordsB[w]; bits != 0; bits &= bits - 1) {
                const size_t t = w * 64 + static_cast<size_t>(__builtin_ctzll(bits));
                const int below = m_sets[t].countBelow(b);
                visit(static_cast<int>(t), m_lists.data() + t * m_stride + below, m_sizes[t] - below);
            }
        }
    }

private:
    int m_count;
    size_t m_words; // per number
    std::vector<quint64> m_holders;
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
    // The subsets starting with first < second: one block of ranks too.
    size_t blockStart(int first, int second) const
    {
        return blockStart(first)
            + static_cast<size_t>(
                m_prefix[1][static_cast<size_t>(second)] - m_prefix[1][static_cast<size_t>(first) + 1]);
    }
    size_t blockSize(int /*first*/, int second) const
    {
        return static_cast<size_t>(binomial(m_n - 1 - second, K - 2));
    }
    const qint32 *prefix(int position) const { return m_prefix[static_cast<size_t>(position)].data(); }

private:
    int m_n;
    std::array<std::vector<qint32>, K> m_prefix;
};

// The subsets that start with one prefix of P numbers (P = 1: a first number, P = 2:
// a first pair) form one block of ranks.
template<int P> struct Prefix
{
    std::array<int, P> numbers {};
    int last() const { return numbers[P - 1]; }
};

// Counts the subsets of one prefix at a time, over all the draws. Its counters hold one
// block, so the updates stay in the processor's cache: triples by first number (3,081
// triples of 1..80 start with 1: 24 KB), quadruples by first pair (3,003 start with
// 1, 2; by first number they would be 79,079, 632 KB, beyond the fastest cache). Each
// thread has its own counter, on a cache line of its own.
template<int K, int P> class alignas(64) PrefixCounter final
{
    static_assert(P >= 1 && P <= 2 && P < K);

public:
    explicit PrefixCounter(const RankTable<K> &ranks)
        : m_ranks(ranks)
        , m_counters(P == 1 ? ranks.blockSize(0) : ranks.blockSize(0, 1))
    { }

    // The subsets that start with `prefix`, over the draws (their numbers counted from
    // the range's low end), oldest first. Returns the longest closed gap among them:
    // the run before a first appearance included, the open run not.
    int count(const Prefix<P> &prefix, const DrawNumbers &draws)
    {
        std::fill_n(m_counters.begin(), blockSize(prefix), RankCounter());
        m_record = 0;
        const int last = prefix.last();
        auto visitDraw = [this, last](int t, const quint8 *numbers, int size) {
            if (size >= K - P + 1) {
                m_draw = t;
                visit<P>(numbers, size, 1, last, 0);
            }
        };
        if constexpr (P == 1)
            draws.forEachHolder(last, visitDraw);
        else
            draws.forEachHolderOf(prefix.numbers[0], last, visitDraw);
        return m_record;
    }

    size_t blockStart(const Prefix<P> &prefix) const
    {
        if constexpr (P == 1)
            return m_ranks.blockStart(prefix.numbers[0]);
        else
            return m_ranks.blockStart(prefix.numbers[0], prefix.numbers[1]);
    }
    size_t blockSize(const Prefix<P> &prefix) const
    {
        if constexpr (P == 1)
            return m_ranks.blockSize(prefix.numbers[0]);
        else
            return m_ranks.blockSize(prefix.numbers[0], prefix.numbers[1]);
    }

    // The counters of the block after count(), in rank order.
    const RankCounter *counters() const { return m_counters.data(); }

private:
    template<int Pos> void visit(const quint8 *u, int m, int from, int prev, qint32 base)
    {
        if constexpr (Pos == K - 1) {
            // At the last position each larger number is the next rank (prefix[v] = v).
            // Locals, because the counters are ints too: the compiler would otherwise
            // reload and store the members at every step.
            RankCounter *counters = m_counters.data();
            const qint32 shift = base - prev - 1;
            const int draw = m_draw;
            int record = m_record;
            for (const quint8 *number = u + from, *end = u + m; number != end; ++number) {
                RankCounter &counter = counters[*number + shift];
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

// Lets the threads that count wait until the one making the rows has made them.
class RowsGate final
{
public:
    template<class Make> void make(Make &&makeRows)
    {
        try {
            makeRows();
        } catch (...) {
            open(false);
            throw;
        }
        open(true);
    }
    // Whether the rows were made (false: making them failed, and that failure stops
    // the work).
    bool waitUntilMade()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_opened.wait(lock, [this] { return m_state != State::Making; });
        return m_state == State::Made;
    }

private:
    enum class State { Making, Made, Failed };

    void open(bool made)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_state = made ? State::Made : State::Failed;
        }
        m_opened.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_opened;
    State m_state = State::Making;
};

// Lists the combinations that start with `prefix` (counted from the range's low end)
// into their rows from their counters; returns the longest open run and the largest
// drawn.
template<int K, int P>
Extremes listPrefix(
    const Prefix<P> &prefix, NumberRange range, int drawCount, const RankCounter *counters, StatRow *row)
{
    Extremes found;
    int combination[K];
    for (int i = 0; i < P; ++i)
        combination[i] = range.lo + prefix.numbers[static_cast<size_t>(i)];
    forEachCombination(NumberRange { combination[P - 1] + 1, range.hi }, K - P, 1, [&](const int *rest) {
        std::copy(rest, rest + K - P, combination + P);
        const RankCounter &tally = *counters++;
        const int since = drawCount - 1 - tally.last;
        found.record = std::max(found.record, since);
        found.top = std::max(found.top, static_cast<int>(tally.drawn));
        *row++ = { StatTable::numbersKey(combination, K), since, tally.drawn };
    });
    return found;
}

// Pairs, draw by draw: all their counters fit in the fastest cache (5,050 pairs of
// 0..100: 40 KB), and the whole count takes a few milliseconds on the Keno base, too
// little to share out. Returns the longest closed gap.
int countPairs(const DrawNumbers &draws, const RankTable<2> &ranks, std::vector<RankCounter> &counters,
    const Progress &progress)
{
    int record = 0;
    SteppedProgress steps(progress, 0, draws.count());
    for (int t = 0; t < draws.count(); ++t) {
        const quint8 *u = nullptr;
        const int m = draws.numbers(t, u);
        for (int i = 0; i + 1 < m; ++i) {
            RankCounter *block = counters.data() + ranks.blockStart(u[i]);
            const int skip = u[i] + 1; // the block starts with the pair (u[i], u[i] + 1)
            for (int j = i + 1; j < m; ++j) {
                RankCounter &counter = block[u[j] - skip];
                record = std::max(record, t - counter.last - 1);
                counter.last = t;
                ++counter.drawn;
            }
        }
        steps.at(t);
    }
    steps.done();
    return record;
}

template<int K>
void scanAll(
    const DrawTable &draws, NumberRange range, StatTable &table, const Progress &progress, int threads)
{
    const int n = range.size();
    const int drawCount = draws.rowCount();
    const DrawNumbers sets(draws, range);
    const RankTable<K> ranks(n);
    const int firstCount = n - K + 1;

    if constexpr (K == 2) {
        table.rows.resize(ranks.total());
        std::vector<RankCounter> counters(ranks.total());
        Extremes whole;
        whole.record = countPairs(sets, ranks, counters, progress);
        for (int first = 0; first < firstCount; ++first) {
            const Extremes found = listPrefix<K, 1>(Prefix<1> { { first } }, range, drawCount,
                counters.data() + ranks.blockStart(first), table.rows.data() + ranks.blockStart(first));
            whole.record = std::max(whole.record, found.record);
            whole.top = std::max(whole.top, found.top);
        }
        mergeExtremes({ whole }, table);
        return;
    }

    // The subsets of one prefix have counters and rows of their own: each prefix is
    // one item of work, and its rows are written where they belong while its counters
    // are still in the cache. Making the rows (25 MB for all quadruples of 1..80) is
    // the item before them, so that one thread makes them while the others count.
    constexpr int P = K >= 4 ? 2 : 1;
    std::vector<Prefix<P>> prefixes;
    for (int first = 0; first < firstCount; ++first) {
        if constexpr (P == 1) {
            prefixes.push_back({ { first } });
        } else {
            for (int second = first + 1; second <= n - K + 1; ++second)
                prefixes.push_back({ { first, second } });
        }
    }
    const int items = static_cast<int>(prefixes.size());
    threads = threadsForWork(threads,
        static_cast<double>(drawCount) * static_cast<double>(binomial(std::min(draws.drawNumber(), n), K))
            + static_cast<double>(ranks.total()));
    const int workers = workerCount(items + 1, threads);
    std::vector<std::optional<PrefixCounter<K, P>>> counters(static_cast<size_t>(workers));
    std::vector<Extremes> extremes(static_cast<size_t>(workers));
    RowsGate rows;
    forEachItem(items + 1, threads, progress, [&](int item, int worker) {
        if (item == 0) {
            rows.make([&] { table.rows.resize(ranks.total()); });
            return;
        }
        const Prefix<P> &prefix = prefixes[static_cast<size_t>(item - 1)];
        std::optional<PrefixCounter<K, P>> &counter = counters[static_cast<size_t>(worker)];
        if (!counter)
            counter.emplace(ranks);
        // Every combination is listed, so every closed gap counts; then the open runs.
        const int closed = counter->count(prefix, sets);
        if (!rows.waitUntilMade())
            return;
        const Extremes found = listPrefix<K, P>(
            prefix, range, drawCount, counter->counters(), table.rows.data() + counter->blockStart(prefix));
        Extremes &all = extremes[static_cast<size_t>(worker)];
        all.record = std::max({ all.record, closed, found.record });
        all.top = std::max(all.top, found.top);
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
        // Two numbers are related when they differ by 10 to 90: in a lottery of 0..100,
        // 00 and 100 share a last digit but are no related pair.
        forEachCombination(range, k, 10, [&](const int *numbers) {
            if (numbers[k - 1] - numbers[0] <= 90)
                collect(numbers);
        });
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

QString combinationTitle(int k, Family family, const MessageCatalog &messages)
{
    return messages(titleKey(k, family));
}

StatTable combinationStats(const DrawTable &draws, const LotteryDefinition &definition, int k, Family family,
    const MessageCatalog &messages, const Progress &progress, int threads)
{
    StatTable table;
    table.kind = StatTable::Kind::Numbers;
    table.initialSort = 1;
    if (k >= 2 && k <= 4) {
        table.title = combinationTitle(k, family, messages);
        table.modeTag = modeTag(k);
        fillRows(draws, mainRange(definition), k, family, table, progress, threads);
    }
    table.recordText = QString::number(table.record);
    table.topText = QString::number(table.topCount);
    return table;
}

} // namespace kivora
