// A text buffer handed to the plug-in with guard bytes after it, so a write past the size the
// interface allows is seen rather than silently corrupting the host.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class GuardedText {
public:
    explicit GuardedText(std::size_t size);

    char* data() { return bytes.data(); }
    // Empty when the plug-in kept to the buffer and terminated its text; otherwise what it did.
    std::string fault() const;
    // The text up to its terminator or the end of the buffer.
    std::string text() const;

private:
    std::size_t size;
    std::vector<char> bytes;
};
