#include "play/WheelVerifier.h"

#include "core/MessageCatalog.h"
#include "play/SystemTemplate.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace kivora::wheel {

namespace {

// Per-ticket counters are bytes, processed in blocks the compiler can vectorise.
constexpr int kLane = 32;
// Steps of the walk between two looks at the cancel flag and two progress reports: a
// few milliseconds even for thousands of tickets.
constexpr qint64 kStepsBetweenChecks = 4096;

// C(n, r) for n up to 64, exactly: every one fits in 63 bits (C(64, 32) is about 1.8e18).
class ExactBinomials
{
public:
    ExactBinomials()
    {
        for (int n = 0; n <= kMaxNumbers; ++n) {
            m_table[n][0] = 1;
            for (int r = 1; r <= n; ++r)
                m_table[n][r] = m_table[n - 1][r - 1] + (r < n ? m_table[n - 1][r] : 0);
        }
    }
    qint64 operator()(int n, int r) const
    {
        return n < 0 || r < 0 || r > n || n > kMaxNumbers ? 0 : m_table[n][r];
    }

private:
    qint64 m_table[kMaxNumbers + 1][kMaxNumbers + 1] = {};
};

const ExactBinomials &exactBinomial()
{
    static const ExactBinomials table;
    return table;
}

class Walker
{
public:
    Walker(const std::vector<quint64> &tickets, const Guarantee &g, int holeLimit,
        const std::atomic_bool *cancel, const Progress &progress, CheckResult *result)
        : m_v(g.numbers)
        , m_t(g.match)
        , m_m(g.drawn)
        , m_holeLimit(holeLimit)
        , m_cancel(cancel)
        , m_progress(progress)
        , m_result(result)
    {
        const quint64 all = m_v >= 64 ? ~quint64(0) : (quint64(1) << m_v) - 1;
        for (quint64 ticket : tickets) {
            if ((ticket & all) != 0)
                m_tickets.push_back(ticket & all);
        }
        m_width = static_cast<int>((m_tickets.size() + kLane - 1) / kLane * kLane);
        m_tickets.resize(static_cast<size_t>(m_width), 0);
        m_incidence.assign(static_cast<size_t>(m_v) * m_width, 0);
        for (int j = 0; j < static_cast<int>(m_tickets.size()); ++j) {
            for (int x = 0; x < m_v; ++x) {
                if ((m_tickets[static_cast<size_t>(j)] >> x) & 1U)
                    m_incidence[static_cast<size_t>(x) * m_width + j] = 1;
            }
        }
        m_counts.assign(static_cast<size_t>(m_m) * std::max(m_width, 1), 0);
    }

    void run()
    {
        if (m_width == 0) {
            // No ticket holds a number of the wheel: every m-set is a hole, the first
            // ones are listed.
            m_result->holes = m_result->sets;
            listFirstSets(0, 0, 0);
            return;
        }
        walk(0, 0, 0);
        if (!m_result->cancelled)
            report(1000);
    }

private:
    int m_v;
    int m_t;
    int m_m;
    int m_holeLimit;
    const std::atomic_bool *m_cancel;
    const Progress &m_progress;
    CheckResult *m_result;
    qint64 m_steps = 0;
    qint64 m_decided = 0; // m-sets found covered or counted as holes so far
    int m_reported = -1; // per mille
    int m_width = 0;
    std::vector<quint64> m_tickets;
    std::vector<uint8_t> m_incidence;
    std::vector<uint8_t> m_counts;

    bool cancelled()
    {
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            m_result->cancelled = true;
        return m_result->cancelled;
    }

    void report(int perMille)
    {
        if (perMille != m_reported) {
            m_reported = perMille;
            kivora::report(m_progress, 0, 1000, perMille);
        }
    }

    // Every few thousand steps: the cancel flag, and the share of the m-sets decided.
    bool interrupted()
    {
        if (++m_steps % kStepsBetweenChecks != 0)
            return false;
        if (m_result->sets > 0)
            report(
                static_cast<int>(static_cast<double>(m_decided) / static_cast<double>(m_result->sets) * 999));
        return cancelled();
    }

    void addHoles(quint64 prefix, quint64 candidates)
    {
        m_result->holes += sizeOf(candidates);
        while (candidates != 0 && static_cast<int>(m_result->firstHoles.size()) < m_holeLimit) {
            const quint64 low = candidates & (~candidates + 1);
            m_result->firstHoles.push_back(prefix | low);
            candidates &= candidates - 1;
        }
    }

    static quint64 fromBit(int next, int v)
    {
        const quint64 upTo = v >= 64 ? ~quint64(0) : (quint64(1) << v) - 1;
        const quint64 below = next >= 64 ? ~quint64(0) : (quint64(1) << next) - 1;
        return upTo & ~below;
    }

    // depth numbers chosen (the set `prefix`); m_counts level `depth` holds every
    // ticket's share of it.
    void walk(int depth, int next, quint64 prefix)
    {
        const uint8_t *counts = m_counts.data() + static_cast<size_t>(depth) * m_width;
        if (depth == m_m - 1) {
            quint64 closing = 0;
            for (int j = 0; j < m_width; ++j) {
                const quint64 oneShort = counts[j] + 1 == m_t ? ~quint64(0) : 0;
                closing |= m_tickets[static_cast<size_t>(j)] & oneShort;
            }
            addHoles(prefix, fromBit(next, m_v) & ~closing);
            m_decided += m_v - next;
            return;
        }
        uint8_t *deeper = m_counts.data() + static_cast<size_t>(depth + 1) * m_width;
        const int last = m_v - (m_m - depth);
        const uint8_t target = static_cast<uint8_t>(m_t);
        for (int x = next; x <= last; ++x) {
            if (interrupted())
                return;
            const uint8_t *holds = m_incidence.data() + static_cast<size_t>(x) * m_width;
            uint8_t reached = 0;
            for (int j = 0; j < m_width; ++j) {
                const uint8_t c = static_cast<uint8_t>(counts[j] + holds[j]);
                deeper[j] = c;
                reached |= c >= target ? 1 : 0;
            }
            // A ticket already holds t of the prefix: every m-set below it is covered.
            if (reached == 0)
                walk(depth + 1, x + 1, prefix | (quint64(1) << x));
            else
                m_decided += exactBinomial()(m_v - x - 1, m_m - depth - 1);
            if (m_result->cancelled)
                return;
        }
    }

    // The first m-sets in lexicographic order, as many as are listed.
    void listFirstSets(int depth, int next, quint64 prefix)
    {
        for (int x = next; x <= m_v - (m_m - depth); ++x) {
            if (static_cast<int>(m_result->firstHoles.size()) >= m_holeLimit)
                return;
            const quint64 set = prefix | (quint64(1) << x);
            if (depth == m_m - 1)
                m_result->firstHoles.push_back(set);
            else
                listFirstSets(depth + 1, x + 1, set);
        }
    }
};

} // namespace

bool isSound(const Guarantee &g)
{
    return g.numbers >= 1 && g.numbers <= kMaxNumbers && g.match >= 1 && g.match <= g.drawn
        && g.drawn <= g.numbers;
}

QString guaranteeProblem(const Guarantee &g, const MessageCatalog &messages)
{
    if (g.numbers < 1 || g.numbers > kMaxNumbers)
        return messages("Str460").arg(kMaxNumbers).arg(g.numbers);
    if (g.match < 1 || g.match > g.drawn)
        return messages("Str461").arg(g.drawn).arg(g.match);
    if (g.drawn > g.numbers)
        return messages("Str462").arg(g.numbers).arg(g.drawn);
    return {};
}

CheckResult verify(const std::vector<quint64> &tickets, const Guarantee &guarantee, int holeLimit,
    const std::atomic_bool *cancel, const Progress &progress)
{
    CheckResult result;
    if (!isSound(guarantee))
        return result;
    result.sets = exactBinomial()(guarantee.numbers, guarantee.drawn);
    Walker(tickets, guarantee, std::max(holeLimit, 0), cancel, progress, &result).run();
    result.holds = !result.cancelled && result.holes == 0;
    return result;
}

Outcome<std::vector<quint64>> ticketsOf(const SystemTemplate &system, const MessageCatalog &messages)
{
    std::vector<quint64> tickets;
    tickets.reserve(static_cast<size_t>(system.rowCount()));
    for (int row = 0; row < system.rowCount(); ++row) {
        quint64 set = 0;
        for (int column = 0; column < SystemTemplate::kColumns; ++column) {
            const int code = system.code(row, column);
            if (code < 1)
                continue;
            if (code > kMaxNumbers)
                return Failure::format(messages("Str463").arg(row + 1).arg(code).arg(kMaxNumbers));
            set |= quint64(1) << (code - 1);
        }
        if (set != 0)
            tickets.push_back(set);
    }
    return tickets;
}

int widestTicket(const std::vector<quint64> &tickets)
{
    int widest = 0;
    for (quint64 ticket : tickets)
        widest = std::max(widest, sizeOf(ticket));
    return widest;
}

QString positionsText(quint64 set)
{
    QStringList parts;
    for (int p = 0; p < 64; ++p) {
        if ((set >> p) & 1U)
            parts.append(QString::number(p + 1));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace kivora::wheel
