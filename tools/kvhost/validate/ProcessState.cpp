#include "ProcessState.h"

#include <clocale>
#include <cstdio>
#include <xmmintrin.h>

#if !defined(_WIN32)
#include <csignal>
#endif

namespace {
// The status flags are sticky results, not control; only the control bits must be kept.
constexpr unsigned kSseStatusBits = 0x3F;

unsigned x87ControlWord()
{
    unsigned short word = 0;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}

std::string signalHandlers()
{
    std::string text;
#if !defined(_WIN32)
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGINT, SIGTERM, SIGPIPE, SIGCHLD}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        char line[64];
        std::snprintf(line, sizeof line, " signal %d: %p", signal, reinterpret_cast<void*>(action.sa_handler));
        text += line;
    }
#endif
    return text;
}
} // namespace

FloatingPointControl currentFloatingPointControl()
{
    return {_mm_getcsr() & ~kSseStatusBits, x87ControlWord()};
}

std::string describe(const FloatingPointControl& control)
{
    char text[64];
    std::snprintf(text, sizeof text, "MXCSR %#06x, x87 control %#06x", control.sseControl, control.x87Control);
    return text;
}

std::string processWideState()
{
    const char* locale = std::setlocale(LC_ALL, nullptr);
    return std::string("locale ") + (locale != nullptr ? locale : "?") + signalHandlers();
}
