#pragma once

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

} // namespace kivora
