#include "play/WheelVerifier.h"

#include "play/SystemTemplate.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace kivora::wheel {

namespace {

// Per-ticket counters are bytes, processed in blocks the compiler can vectorise.
constexpr int kLane = 32;

class Walker
{
public:
    Walker(const std::vector<quint64> &tickets, const Guarantee &g, int holeLimit,
        const std::atomic_bool *cancel, CheckResult *result)
        : m_v(g.numbers)
        , m_t(g.match)
        , m_m(g.drawn)
        , m_holeLimit(holeLimit)
        , m_cancel(cancel)
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
            // No ticket holds a number of the wheel: every m-set is a hole.
            m_result->holes = 0;
            walkEmpty(0, 0, 0);
            return;
        }
        walk(0, 0, 0);
    }

private:
    int m_v;
    int m_t;
    int m_m;
    int m_holeLimit;
    const std::atomic_bool *m_cancel;
    CheckResult *m_result;
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
            return;
        }
        if (depth <= 2 && cancelled())
            return;
        uint8_t *deeper = m_counts.data() + static_cast<size_t>(depth + 1) * m_width;
        const int last = m_v - (m_m - depth);
        const uint8_t target = static_cast<uint8_t>(m_t);
        for (int x = next; x <= last; ++x) {
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
            if (m_result->cancelled)
                return;
        }
    }

    void walkEmpty(int depth, int next, quint64 prefix)
    {
        if (depth == m_m - 1) {
            addHoles(prefix, fromBit(next, m_v));
            return;
        }
        for (int x = next; x <= m_v - (m_m - depth); ++x)
            walkEmpty(depth + 1, x + 1, prefix | (quint64(1) << x));
    }
};

} // namespace

QString guaranteeProblem(const Guarantee &g)
{
    if (g.numbers < 1 || g.numbers > kMaxNumbers)
        return QStringLiteral("the numbers must be 1 to %1, not %2").arg(kMaxNumbers).arg(g.numbers);
    if (g.match < 1 || g.match > g.drawn)
        return QStringLiteral("the guarantee must be 1 to the drawn count (%1), not %2")
            .arg(g.drawn)
            .arg(g.match);
    if (g.drawn > g.numbers)
        return QStringLiteral("the drawn count must be at most the numbers (%1), not %2")
            .arg(g.numbers)
            .arg(g.drawn);
    return {};
}

CheckResult verify(const std::vector<quint64> &tickets, const Guarantee &guarantee, int holeLimit,
    const std::atomic_bool *cancel)
{
    CheckResult result;
    if (!guaranteeProblem(guarantee).isEmpty())
        return result;
    result.sets = binomial(guarantee.numbers, guarantee.drawn);
    Walker(tickets, guarantee, std::max(holeLimit, 0), cancel, &result).run();
    result.holds = !result.cancelled && result.holes == 0;
    return result;
}

bool ticketsOf(const SystemTemplate &system, std::vector<quint64> *tickets, QString *problem)
{
    tickets->clear();
    tickets->reserve(static_cast<size_t>(system.rowCount()));
    for (int row = 0; row < system.rowCount(); ++row) {
        quint64 set = 0;
        for (int column = 0; column < SystemTemplate::kColumns; ++column) {
            const int code = system.code(row, column);
            if (code < 1)
                continue;
            if (code > kMaxNumbers) {
                if (problem)
                    *problem = QStringLiteral("row %1 names position %2; a wheel has at most %3 numbers")
                                   .arg(row + 1)
                                   .arg(code)
                                   .arg(kMaxNumbers);
                return false;
            }
            set |= quint64(1) << (code - 1);
        }
        if (set != 0)
            tickets->push_back(set);
    }
    return true;
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
