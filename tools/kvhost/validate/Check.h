// One named validation check: its strictness level, the group whose child process runs it, and
// the function that drives a fresh effect and judges it.
#pragma once

#include "CheckResult.h"
#include "Subject.h"

#include <cstdint>
#include <string>
#include <vector>

struct CheckContext {
    const Subject& subject;
    // The strictness asked for, 1 to 10; some checks judge more strictly at higher levels.
    int level;
    std::uint32_t seed;
};

using CheckFunction = CheckResult (*)(const CheckContext& context);

struct Check {
    const char* name;
    int level;
    const char* group;
    CheckFunction run;
};

// Every check, in the order they run.
const std::vector<Check>& allChecks();
const Check* findCheck(const std::string& name);

// The text an effect writes for an opcode into a guarded buffer of the given size. Returns
// empty and sets fault when the effect wrote past it or left it unterminated.
std::string readText(const Instance& instance, int32 opcode, int32 index, std::size_t size, std::string& fault);
// A reason prefixed with where it happened, e.g. "parameter 3 display at 0.5: ...".
std::string at(const std::string& where, const std::string& what);
