#include "X11Connection.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace VSTGUI::platform {

namespace {
constexpr int kOpenAttempts = 20;
constexpr auto kOpenRetryPause = std::chrono::milliseconds(10);
} // namespace

// Without DISPLAY there is nothing to wait for.
Display* openDisplayConnection()
{
    for (int attempt = 1;; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        if (std::getenv("DISPLAY") == nullptr || attempt == kOpenAttempts)
            return nullptr;
        std::this_thread::sleep_for(kOpenRetryPause);
    }
}

} // namespace VSTGUI::platform
