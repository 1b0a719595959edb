#include "cli/CliProgress.h"

#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace kivora::cli {

namespace {

struct TerminalLine
{
    QByteArray label;
    QElapsedTimer sinceStart;
    qint64 lastDrawn = -1;
    bool drawn = false;
};

} // namespace

Progress terminalProgress(const QString &label)
{
    if (!isatty(STDERR_FILENO))
        return {};
    auto line = std::make_shared<TerminalLine>();
    line->label = label.toUtf8();
    line->sinceStart.start();
    return [line](int min, int max, int position) {
        if (position >= max) {
            if (line->drawn)
                std::fputs("\r\033[K", stderr);
            line->drawn = false;
            return;
        }
        const qint64 elapsed = line->sinceStart.elapsed();
        if (elapsed < 1000 || elapsed - line->lastDrawn < 100)
            return;
        line->lastDrawn = elapsed;
        line->drawn = true;
        const int percent = max > min ? static_cast<int>(100LL * (position - min) / (max - min)) : 0;
        std::fprintf(stderr, "\r%s %d%%\033[K", line->label.constData(), percent);
        std::fflush(stderr);
    };
}

} // namespace kivora::cli
