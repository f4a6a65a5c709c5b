// What one check found: its verdict and, for a failure or a skip, the reason in one line.
#pragma once

#include <string>

enum class CheckStatus { pass, fail, skip };

struct CheckResult {
    CheckStatus status = CheckStatus::pass;
    // Why it failed or was skipped; for a pass, any warning or report worth reading.
    std::string reason;

    static CheckResult passed(std::string note = {}) { return {CheckStatus::pass, std::move(note)}; }
    static CheckResult failed(std::string why) { return {CheckStatus::fail, std::move(why)}; }
    static CheckResult skipped(std::string why) { return {CheckStatus::skip, std::move(why)}; }
};

const char* statusName(CheckStatus status);
// The inverse of statusName; unknown words read as a failure.
CheckStatus statusFromName(const std::string& name);
