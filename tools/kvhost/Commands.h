// The kvhost commands. Each takes the arguments after its name and the plug-in to load, prints
// its results on stdout and throws KvhostError (or UsageError) when it cannot finish.
#pragma once

#include "KvhostError.h"

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// A command line kvhost does not understand; reported with the usage text.
class UsageError : public KvhostError {
public:
    using KvhostError::KvhostError;
};

void runInfo(const Arguments& arguments, const std::string& pluginPath);
void runProcess(const Arguments& arguments, const std::string& pluginPath);
void runDemo(const Arguments& arguments, const std::string& pluginPath);
void runEditor(const Arguments& arguments, const std::string& pluginPath);
