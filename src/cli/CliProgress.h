#pragma once

// Progress of long work on standard error, for a person watching a terminal: nothing
// during the first second, nothing at all when standard error is a file or a pipe.

#include "core/Progress.h"

#include <QString>

namespace kivora::cli {

// A progress function that draws "<label> 42%" on one line of the terminal and clears
// it at the end; an empty function when standard error is no terminal.
Progress terminalProgress(const QString &label);

} // namespace kivora::cli
