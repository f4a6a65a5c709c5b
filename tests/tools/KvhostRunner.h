// Runs the built kvhost as a separate process on real files, as a person would, and gives back
// its exit status and what it wrote on stderr. A run that does not finish in bounded time is
// stopped and reported as a failure with a negative status.
#pragma once

#include <string>
#include <vector>

struct KvhostResult {
    int exitStatus;
    std::string errors;
};

KvhostResult runKvhost(const std::vector<std::string>& arguments);

// A fresh, empty folder for one test's files.
std::string scratchFolder(const std::string& testName);
