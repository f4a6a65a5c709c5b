// The command line of kvhost validate.
#pragma once

#include "../Commands.h"

#include <cstdint>
#include <string>
#include <vector>

struct ValidateOptions {
    std::string pluginPath;
    int level = 5;
    std::uint32_t seed = 1;
    bool skipEditor = false;
    std::vector<std::string> only;
    int timeoutMs = 20000;
    std::string jsonPath;
};

// Throws UsageError for a command line it does not understand.
ValidateOptions parseValidateOptions(const Arguments& arguments);
