#include "CheckResult.h"

const char* statusName(CheckStatus status)
{
    switch (status) {
    case CheckStatus::pass: return "PASS";
    case CheckStatus::fail: return "FAIL";
    case CheckStatus::skip: return "SKIP";
    }
    return "FAIL";
}

CheckStatus statusFromName(const std::string& name)
{
    if (name == "PASS")
        return CheckStatus::pass;
    if (name == "SKIP")
        return CheckStatus::skip;
    return CheckStatus::fail;
}
