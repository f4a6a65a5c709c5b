#include "GuardedText.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kGuardBytes = 64;
constexpr char kGuardByte = static_cast<char>(0xA5);
} // namespace

// Zeroed as hosts hand it over, so a plug-in that writes nothing leaves an empty text.
GuardedText::GuardedText(std::size_t bufferSize) : size(bufferSize), bytes(bufferSize + kGuardBytes, kGuardByte)
{
    std::fill(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size), '\0');
}

std::string GuardedText::fault() const
{
    const auto guard = bytes.begin() + static_cast<std::ptrdiff_t>(size);
    const auto touched = std::find_if(guard, bytes.end(), [](char c) { return c != kGuardByte; });
    if (touched != bytes.end())
        return "wrote byte " + std::to_string(std::distance(guard, touched) + 1) + " past the end of a "
               + std::to_string(size) + "-byte buffer";
    if (std::memchr(bytes.data(), 0, size) == nullptr)
        return "text not terminated within " + std::to_string(size) + " bytes";
    return {};
}

std::string GuardedText::text() const
{
    const void* end = std::memchr(bytes.data(), 0, size);
    return std::string(bytes.data(), end != nullptr ? static_cast<const char*>(end) : bytes.data() + size);
}
