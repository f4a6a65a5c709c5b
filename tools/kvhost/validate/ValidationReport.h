// The results of a validation run as people and machines read them: one line per check on
// stdout, the summary line, and the same results as JSON.
#pragma once

#include "Check.h"

#include <string>
#include <vector>

struct ReportedCheck {
    const Check* check;
    CheckResult result;
};

void printResult(const ReportedCheck& reported);
// Prints "N passed, N failed, N skipped"; true when nothing failed.
bool printSummary(const std::vector<ReportedCheck>& results);
// Throws KvhostError when the file cannot be written.
void writeJson(const std::string& path, const std::string& pluginPath, int level, const std::vector<ReportedCheck>& results);
