// The process-wide state a plug-in must leave as it found it: the floating-point control
// words, the locale and, where there are any, the signal handlers.
#pragma once

#include <string>

struct FloatingPointControl {
    unsigned sseControl;
    unsigned x87Control;
    bool operator==(const FloatingPointControl& other) const
    {
        return sseControl == other.sseControl && x87Control == other.x87Control;
    }
};

FloatingPointControl currentFloatingPointControl();
std::string describe(const FloatingPointControl& control);

// The locale name and the installed handlers of the signals a host relies on, as one text.
std::string processWideState();
