#pragma once

#include <algorithm>
#include <functional>

namespace kivora {

// Reports the progress of a long loop: range min..max and the current position. The
// window shows it in the status bar and lets pending events run; position == max
// empties the indicator. An empty function reports nothing.
using Progress = std::function<void(int min, int max, int position)>;

inline void report(const Progress &progress, int min, int max, int position)
{
    if (progress)
        progress(min, max, position);
}

// Reports a loop over min..max at most about a hundred times, and always its end.
class SteppedProgress final
{
public:
    SteppedProgress(const Progress &progress, int min, int max)
        : m_progress(progress)
        , m_min(min)
        , m_max(max)
        , m_step(std::max(1, (max - min) / 100))
        , m_next(min)
    { }
    void at(int position)
    {
        if (position >= m_next) {
            report(m_progress, m_min, m_max, position);
            m_next = position + m_step;
        }
    }
    void done() { report(m_progress, m_min, m_max, m_max); }

private:
    const Progress &m_progress;
    int m_min;
    int m_max;
    int m_step;
    int m_next;
};

} // namespace kivora
