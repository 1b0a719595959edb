#include "play/WheelGenerator.h"

#include "core/MessageCatalog.h"
#include "core/Plural.h"
#include "play/KnownDesigns.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

#include <time.h>

namespace kivora::wheel {

namespace {

using Clock = std::chrono::steady_clock;

// Processor time of the calling thread, in seconds.
double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

int lowestBit(quint64 set)
{
    return qCountTrailingZeroBits(set);
}

// Calls fn for every subset of `set` with r members.
template<typename Fn> void forEachSubset(quint64 set, int r, Fn &&fn)
{
    int elements[64];
    int n = 0;
    for (quint64 s = set; s != 0; s &= s - 1)
        elements[n++] = lowestBit(s);
    if (r < 0 || r > n)
        return;
    int index[64];
    for (int i = 0; i < r; ++i)
        index[i] = i;
    for (;;) {
        quint64 subset = 0;
        for (int i = 0; i < r; ++i)
            subset |= quint64(1) << elements[index[i]];
        fn(subset);
        int i = r - 1;
        while (i >= 0 && index[i] == n - r + i)
            --i;
        if (i < 0)
            return;
        ++index[i];
        for (int j = i + 1; j < r; ++j)
            index[j] = index[j - 1] + 1;
    }
}

class Search
{
public:
    Search(const MakeRequest &request, const std::atomic_bool *cancel)
        : m_v(request.guarantee.numbers)
        , m_k(request.ticketSize)
        , m_t(request.guarantee.match)
        , m_m(request.guarantee.drawn)
        , m_all(m_v >= 64 ? ~quint64(0) : (quint64(1) << m_v) - 1)
        , m_cancel(cancel)
        , m_rng(request.seed)
    {
        for (int n = 0; n <= 64; ++n)
            for (int r = 0; r <= kMaxDrawn; ++r)
                m_binomial[n][r] = r <= m_m ? binomial(n, r) : 0;
        const qint64 sets = binomial(m_v, m_m);
        m_counts.assign(static_cast<size_t>(sets), 0);
        m_where.assign(static_cast<size_t>(sets), -1);
    }

    static constexpr int kMaxDrawn = 16;
    // The m-sets visited between two looks at the clock and the cancel flag: well under
    // a millisecond of search. Every loop of the search counts the sets it visits, so
    // none runs on after the time is up, however large one step of it is.
    static constexpr qint64 kWorkBetweenChecks = qint64(1) << 15;

    void setDeadline(Clock::time_point deadline) { m_deadline = deadline; }
    // Lets the search go on after its time ran out once (a new deadline was set); a
    // cancelled search stays stopped.
    void resume() { m_stopped = m_cancel && m_cancel->load(std::memory_order_relaxed); }
    void setProcessorDeadline(double threadSecondsAtEnd) { m_processorDeadline = threadSecondsAtEnd; }
    bool stopped() const { return m_stopped; }
    const std::vector<quint64> &blocks() const { return m_blocks; }
    size_t uncovered() const { return m_uncovered.size(); }

    // Covers every m-set greedily.
    void greedy()
    {
        m_uncovered.reserve(m_counts.size());
        forEachSubset(m_all, m_m, [&](quint64 set) { uncover(set); });
        while (!m_uncovered.empty()) {
            const quint64 target = m_uncovered[static_cast<size_t>(m_rng() % m_uncovered.size())];
            quint64 block = target;
            while (sizeOf(block) > m_t)
                block &= ~randomBit(block);
            while (sizeOf(block) < m_k) {
                quint64 best = 0;
                int bestGain = -1;
                int ties = 0;
                for (quint64 rest = m_all & ~block; rest != 0; rest &= rest - 1) {
                    const quint64 y = rest & (~rest + 1);
                    int gain = 0;
                    qint64 visited = 0;
                    forEachWith(block, y, 0, [&](quint64 set) {
                        gain += m_counts[rank(set)] == 0 ? 1 : 0;
                        ++visited;
                    });
                    if (spent(visited))
                        return; // the cover is left incomplete: no wheel
                    if (gain > bestGain) {
                        bestGain = gain;
                        best = y;
                        ties = 1;
                    } else if (gain == bestGain && m_rng() % static_cast<unsigned>(++ties) == 0) {
                        best = y;
                    }
                }
                block |= best;
            }
            if (spent(addBlock(block)))
                return;
        }
        dropRedundant();
    }

    // Anneals the current blocks until no m-set is uncovered. False when time ran out
    // or the search was cancelled first.
    bool anneal()
    {
        // Found by trial on C(v, 6, t): about 0.4 for tens of tickets, 0.25 for hundreds.
        const double temperature = 1.5 / std::log(std::max<double>(3, static_cast<double>(m_blocks.size())));
        qint64 moveWork = 0;
        m_shared.resize(m_blocks.size());
        std::vector<qint64> lost;
        std::vector<qint64> gained;
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        indexTickets();
        while (!m_uncovered.empty()) {
            if (spent(moveWork))
                return false;
            const quint64 target = m_uncovered[static_cast<size_t>(m_rng() % m_uncovered.size())];
            const size_t chosen = ticketNextTo(target);
            const quint64 block = m_blocks[chosen];
            const quint64 out = randomBit(block & ~target);
            const quint64 in = randomBit(target & ~block);
            const quint64 base = block & ~out;
            lost.clear();
            gained.clear();
            int delta = 0;
            forEachWith(base, out, in, [&](quint64 set) {
                const qint64 r = rank(set);
                lost.push_back(r);
                delta += m_counts[static_cast<size_t>(r)] == 1 ? 1 : 0;
            });
            forEachWith(base, in, out, [&](quint64 set) {
                const qint64 r = rank(set);
                gained.push_back(r);
                delta -= m_counts[static_cast<size_t>(r)] == 0 ? 1 : 0;
            });
            moveWork = static_cast<qint64>(lost.size() + gained.size()) + 1;
            if (delta > 0 && unit(m_rng) >= std::exp(-delta / temperature))
                continue;
            for (qint64 r : lost)
                decrement(r);
            for (qint64 r : gained)
                increment(r);
            m_blocks[chosen] = base | in;
            forEachSubset(base, m_t - 2, [&](quint64 rest) {
                unindex(rest | out, static_cast<quint32>(chosen));
                m_holding[rank(rest | in)].push_back(static_cast<quint32>(chosen));
            });
        }
        return true;
    }

    // Replaces the tickets by the given ones (which cover every m-set), less those
    // that cover no set alone. False when the time ran out first: the search then holds
    // only part of them, and uncovered() says so.
    bool startFrom(const std::vector<quint64> &tickets)
    {
        while (!m_blocks.empty()) {
            if (spent(removeBlock(m_blocks.size() - 1)))
                return false;
        }
        for (quint64 ticket : tickets) {
            if (spent(addBlock(ticket)))
                return false;
        }
        dropRedundant();
        return true;
    }

    // Drops the ticket that covers the fewest m-sets alone. False, with nothing
    // dropped, when the time ran out first.
    bool dropWeakest()
    {
        size_t weakest = 0;
        int fewest = -1;
        for (size_t i = 0; i < m_blocks.size(); ++i) {
            int alone = 0;
            qint64 visited = 0;
            forEachCovered(m_blocks[i], [&](quint64 set) {
                alone += m_counts[rank(set)] == 1 ? 1 : 0;
                ++visited;
            });
            if (spent(visited))
                return false;
            if (fewest < 0 || alone < fewest) {
                fewest = alone;
                weakest = i;
            }
        }
        if (m_blocks.empty())
            return false;
        spent(removeBlock(weakest));
        return true;
    }

private:
    int m_v;
    int m_k;
    int m_t;
    int m_m;
    quint64 m_all;
    const std::atomic_bool *m_cancel;
    std::mt19937_64 m_rng;
    Clock::time_point m_deadline = Clock::time_point::max();
    double m_processorDeadline = 0; // when above 0, the limit in threadSeconds()
    bool m_stopped = false;
    qint64 m_work = 0; // sets visited since the last look at the clock
    qint64 m_binomial[65][kMaxDrawn + 1] = {};
    std::vector<quint32> m_counts; // tickets covering each m-set, by rank
    std::vector<qint32> m_where; // index in m_uncovered, or -1
    std::vector<quint64> m_uncovered;
    std::vector<quint64> m_blocks;
    std::vector<qint8> m_shared; // how much of the target each ticket holds
    std::vector<std::vector<quint32>> m_holding; // tickets by the ranks of their (t - 1)-subsets
    std::vector<size_t> m_parts;

    // A ticket that holds t - 1 numbers of the uncovered set, chosen at random: it
    // covers the set once one of its other numbers gives way to one of the set's. The
    // tickets are indexed by their (t - 1)-subsets, so the ones that hold such a part
    // of the set are looked up, not searched for; when none does, a ticket holding the
    // most of it.
    size_t ticketNextTo(quint64 target)
    {
        m_parts.clear();
        size_t holders = 0;
        forEachSubset(target, m_t - 1, [&](quint64 part) {
            const size_t r = rank(part);
            m_parts.push_back(r);
            holders += m_holding[r].size();
        });
        if (holders > 0) {
            size_t pick = static_cast<size_t>(m_rng() % holders);
            for (size_t r : m_parts) {
                const std::vector<quint32> &tickets = m_holding[r];
                if (pick < tickets.size())
                    return tickets[pick];
                pick -= tickets.size();
            }
        }
        int most = -1;
        unsigned ties = 0;
        for (size_t i = 0; i < m_blocks.size(); ++i) {
            const int shared = sizeOf(m_blocks[i] & target);
            m_shared[i] = static_cast<qint8>(shared);
            if (shared > most) {
                most = shared;
                ties = 0;
            }
            ties += shared == most ? 1 : 0;
        }
        unsigned pick = static_cast<unsigned>(m_rng() % ties);
        size_t chosen = 0;
        while (m_shared[chosen] != most || pick-- != 0)
            ++chosen;
        return chosen;
    }

    void indexTickets()
    {
        m_holding.assign(static_cast<size_t>(binomial(m_v, std::max(0, m_t - 1))), {});
        for (size_t i = 0; i < m_blocks.size(); ++i) {
            forEachSubset(m_blocks[i], m_t - 1,
                [&](quint64 part) { m_holding[rank(part)].push_back(static_cast<quint32>(i)); });
        }
    }

    void unindex(quint64 part, quint32 ticket)
    {
        std::vector<quint32> &tickets = m_holding[rank(part)];
        for (quint32 &held : tickets) {
            if (held == ticket) {
                held = tickets.back();
                tickets.pop_back();
                return;
            }
        }
    }

    // Counts the sets a step of the search visited; true when the time is up or the
    // search was cancelled (looked at once enough work has been done since the last look).
    bool spent(qint64 work)
    {
        m_work += work;
        if (m_work < kWorkBetweenChecks)
            return m_stopped;
        m_work = 0;
        return timeUp();
    }

    bool timeUp()
    {
        if (m_stopped)
            return true;
        if ((m_cancel && m_cancel->load(std::memory_order_relaxed))
            || (m_processorDeadline > 0 ? threadSeconds() >= m_processorDeadline
                                        : Clock::now() >= m_deadline))
            m_stopped = true;
        return m_stopped;
    }

    quint64 randomBit(quint64 set)
    {
        int skip = static_cast<int>(m_rng() % static_cast<unsigned>(sizeOf(set)));
        while (skip-- > 0)
            set &= set - 1;
        return set & (~set + 1);
    }

    // The colex rank of an m-set.
    size_t rank(quint64 set) const
    {
        qint64 r = 0;
        int i = 1;
        for (; set != 0; set &= set - 1)
            r += m_binomial[lowestBit(set)][i++];
        return static_cast<size_t>(r);
    }

    // The m-sets that hold `special`, exactly t-1 numbers of `base` and the rest
    // outside base, special and `exclude`. With base a ticket less one number x, these
    // are the sets the ticket covers through x alone (special x, exclude the number
    // that replaces it).
    template<typename Fn> void forEachWith(quint64 base, quint64 special, quint64 exclude, Fn &&fn) const
    {
        const quint64 outside = m_all & ~base & ~special & ~exclude;
        forEachSubset(base, m_t - 1, [&](quint64 inside) {
            forEachSubset(outside, m_m - m_t, [&](quint64 rest) { fn(special | inside | rest); });
        });
    }

    template<typename Fn> void forEachCovered(quint64 block, Fn &&fn) const
    {
        for (int j = m_t; j <= std::min(m_k, m_m); ++j) {
            forEachSubset(block, j, [&](quint64 inside) {
                forEachSubset(m_all & ~block, m_m - j, [&](quint64 rest) { fn(inside | rest); });
            });
        }
    }

    void uncover(quint64 set)
    {
        const size_t r = rank(set);
        m_where[r] = static_cast<qint32>(m_uncovered.size());
        m_uncovered.push_back(set);
    }

    void increment(qint64 r)
    {
        const size_t i = static_cast<size_t>(r);
        if (m_counts[i]++ != 0)
            return;
        const qint32 at = m_where[i];
        const quint64 moved = m_uncovered.back();
        m_uncovered[static_cast<size_t>(at)] = moved;
        m_where[rank(moved)] = at;
        m_uncovered.pop_back();
        m_where[i] = -1;
    }

    void decrement(qint64 r)
    {
        const size_t i = static_cast<size_t>(r);
        if (--m_counts[i] != 0)
            return;
        m_where[i] = static_cast<qint32>(m_uncovered.size());
        // The set is rebuilt from its rank only here, when it becomes uncovered.
        m_uncovered.push_back(unrank(r));
    }

    quint64 unrank(qint64 r) const
    {
        quint64 set = 0;
        int n = m_v - 1;
        for (int i = m_m; i >= 1; --i) {
            while (m_binomial[n][i] > r)
                --n;
            r -= m_binomial[n][i];
            set |= quint64(1) << n;
            --n;
        }
        return set;
    }

    // These return the m-sets they visited.
    qint64 addBlock(quint64 block)
    {
        m_blocks.push_back(block);
        qint64 visited = 0;
        forEachCovered(block, [&](quint64 set) {
            increment(static_cast<qint64>(rank(set)));
            ++visited;
        });
        return visited;
    }

    qint64 removeBlock(size_t index)
    {
        const quint64 block = m_blocks[index];
        m_blocks[index] = m_blocks.back();
        m_blocks.pop_back();
        qint64 visited = 0;
        forEachCovered(block, [&](quint64 set) {
            decrement(static_cast<qint64>(rank(set)));
            ++visited;
        });
        return visited;
    }

    // Tickets that cover no set alone are dropped while there is time; the tickets stay
    // a cover either way.
    void dropRedundant()
    {
        for (size_t i = m_blocks.size(); i-- > 0;) {
            bool needed = false;
            qint64 visited = 0;
            forEachCovered(m_blocks[i], [&](quint64 set) {
                needed = needed || m_counts[rank(set)] == 1;
                ++visited;
            });
            if (!needed)
                visited += removeBlock(i);
            if (spent(visited))
                return;
        }
    }
};

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

} // namespace

QString requestProblem(const MakeRequest &request, const MessageCatalog &messages)
{
    const Guarantee &g = request.guarantee;
    QString problem = guaranteeProblem(g, messages);
    if (!problem.isEmpty())
        return problem;
    const int widest = std::min(g.numbers, request.widestTicket);
    if (request.ticketSize < g.match || request.ticketSize > widest)
        return messages("Str464").arg(g.match).arg(widest).arg(request.ticketSize);
    if (g.drawn > Search::kMaxDrawn)
        return messages("Str465").arg(Search::kMaxDrawn);
    if (binomial(g.numbers, g.drawn) > kMaxSets)
        return withPlurals(messages("Str466").arg(g.numbers).arg(g.drawn).arg(binomial(g.numbers, g.drawn)))
            .arg(kMaxSets);
    if (!(request.seconds > 0))
        return messages("Str467");
    return {};
}

int lowerBound(const Guarantee &g, int k)
{
    const int v = g.numbers;
    const int t = g.match;
    const int m = g.drawn;
    if (k >= v)
        return 1;
    if (m == t) {
        qint64 bound = 1;
        for (int i = t - 1; i >= 0; --i)
            bound = ceilDiv(static_cast<qint64>(v - i) * bound, k - i);
        return static_cast<int>(bound);
    }
    qint64 perTicket = 0;
    for (int j = t; j <= std::min(k, m); ++j)
        perTicket += binomial(k, j) * binomial(v - k, m - j);
    return static_cast<int>(std::max<qint64>(1, ceilDiv(binomial(v, m), perTicket)));
}

MakeResult make(const MakeRequest &request, const std::atomic_bool *cancel,
    const std::function<void(const MakeProgress &)> &progress)
{
    MakeResult result;
    if (!requestProblem(request, MessageCatalog()).isEmpty())
        return result;
    const Clock::time_point start = Clock::now();
    const double processorStart = threadSeconds();
    const auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    const int k = request.ticketSize;
    result.bound = lowerBound(request.guarantee, k);

    const quint64 all
        = request.guarantee.numbers >= 64 ? ~quint64(0) : (quint64(1) << request.guarantee.numbers) - 1;
    std::vector<quint64> best;
    if (k >= request.guarantee.numbers) {
        best.push_back(all);
    } else {
        Search search(request, cancel);
        // With a design known in closed form the time is shared: half of it anneals down
        // from the smaller of the greedy cover and the design, the rest from the other
        // (either may do better).
        const std::vector<quint64> known = request.guarantee.drawn == request.guarantee.match
            ? knownCovering(request.guarantee.numbers, k, request.guarantee.match)
            : std::vector<quint64>();
        auto limitTo = [&](double share) {
            const double seconds = request.seconds * share;
            search.setDeadline(
                start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)));
            if (request.processorTime)
                search.setProcessorDeadline(processorStart + seconds);
            search.resume();
        };
        const int goal = std::max(result.bound, request.stopAt);
        auto found = [&] {
            best = search.blocks();
            if (progress)
                progress({ static_cast<int>(best.size()), result.bound, elapsed() });
        };
        auto stopped = [&] {
            return (!best.empty() && static_cast<int>(best.size()) <= goal) || (cancel && cancel->load());
        };
        // From the tickets the search holds: drops a ticket and anneals, as long as that
        // succeeds; keeps the smallest wheel. A search whose time ran out while it took
        // the tickets up holds no cover, and gives none.
        auto annealDown = [&] {
            if (search.uncovered() != 0)
                return;
            if (best.empty() || search.blocks().size() < best.size())
                found();
            while (static_cast<int>(search.blocks().size()) > goal) {
                if (!search.dropWeakest() || !search.anneal())
                    return;
                if (search.blocks().size() < best.size())
                    found();
            }
        };
        limitTo(known.empty() ? 1.0 : 0.5);
        search.greedy();
        std::vector<quint64> greedy;
        if (search.uncovered() == 0) {
            greedy = search.blocks();
            result.greedySize = static_cast<int>(greedy.size());
        }
        const bool knownFirst = !known.empty() && (greedy.empty() || known.size() < greedy.size());
        const std::vector<quint64> &second = knownFirst ? greedy : known;
        // The search holds the greedy cover already; the design replaces it when first.
        if (knownFirst)
            search.startFrom(known);
        if (knownFirst || !greedy.empty())
            annealDown();
        if (!second.empty() && !stopped()) {
            limitTo(1.0);
            search.startFrom(second);
            annealDown();
        }
        result.cancelled = cancel && cancel->load();
    }

    for (quint64 &ticket : best)
        ticket &= all;
    std::sort(best.begin(), best.end(), [](quint64 a, quint64 b) {
        // Lexicographic order of the ascending positions.
        const quint64 differ = a ^ b;
        const quint64 low = differ & (~differ + 1);
        return (a & low) != 0;
    });
    result.tickets = std::move(best);
    result.optimal = !result.tickets.empty() && static_cast<int>(result.tickets.size()) == result.bound;
    result.check = verify(result.tickets, request.guarantee);
    if (!result.check.holds)
        result.tickets.clear(); // never hand out a wheel that does not hold
    result.seconds = elapsed();
    result.processorSeconds = threadSeconds() - processorStart;
    return result;
}

} // namespace kivora::wheel
