#include "ProgressBar.h"

#include <cstdio>
#include <utility>

#if defined(_WIN32)
#include <io.h>
#define KV_ISATTY _isatty
#define KV_FILENO _fileno
#else
#include <unistd.h>
#define KV_ISATTY isatty
#define KV_FILENO fileno
#endif

namespace {
constexpr int kCells = 40;
}

ProgressBar::ProgressBar(std::string name, bool wanted)
    : label(std::move(name)), visible(wanted && KV_ISATTY(KV_FILENO(stderr)) != 0)
{
}

ProgressBar::~ProgressBar()
{
    if (visible && drawnCells >= 0)
        std::fputc('\n', stderr);
}

void ProgressBar::update(double fraction)
{
    const int cells = static_cast<int>(fraction * kCells);
    if (!visible || cells == drawnCells)
        return;
    drawnCells = cells;
    std::fprintf(stderr, "\r%s [%-*s] %3d%%", label.c_str(), kCells, std::string(static_cast<std::size_t>(cells), '#').c_str(),
                 static_cast<int>(fraction * 100.0));
    std::fflush(stderr);
}
