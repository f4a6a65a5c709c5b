// A failure kvhost reports as one line on stderr before it exits with a non-zero status.
#pragma once

#include <stdexcept>
#include <string>

class KvhostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
