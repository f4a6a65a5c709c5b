// A host buffer with guard bytes on both sides, so a write past either end is found even without
// AddressSanitizer (which also sees it, the buffer being its own heap block).
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

class GuardedBuffer {
public:
    explicit GuardedBuffer(std::size_t size) : bytes(size + 2 * kGuardBytes, kGuard), usable(size)
    {
        std::memset(data(), 0, usable);
    }

    char* data() { return bytes.data() + kGuardBytes; }
    std::size_t size() const { return usable; }

    // Fills the usable part with a terminated text, cut to fit.
    void holdText(const std::string& text)
    {
        const std::size_t length = text.size() < usable ? text.size() : usable - 1;
        std::memcpy(data(), text.data(), length);
        data()[length] = '\0';
    }

    bool guardsIntact() const
    {
        for (std::size_t i = 0; i < kGuardBytes; ++i)
            if (bytes[i] != kGuard || bytes[kGuardBytes + usable + i] != kGuard)
                return false;
        return true;
    }

private:
    static constexpr std::size_t kGuardBytes = 16;
    static constexpr char kGuard = static_cast<char>(0xA5);

    std::vector<char> bytes;
    std::size_t usable;
};
