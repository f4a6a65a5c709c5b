// The file a validation child writes as it goes: a line when a check begins and one with its
// result, flushed at once, so what a crashed or killed child did is still known.
#pragma once

#include "CheckResult.h"

#include <cstdio>
#include <map>
#include <string>

class ResultWriter {
public:
    explicit ResultWriter(const std::string& path);
    ~ResultWriter();
    ResultWriter(const ResultWriter&) = delete;
    ResultWriter& operator=(const ResultWriter&) = delete;

    void begin(const std::string& check);
    void end(const std::string& check, const CheckResult& result);

private:
    std::FILE* file;
};

struct ChildProgress {
    // The check begun and not yet ended, empty when none.
    std::string running;
    std::map<std::string, CheckResult> finished;
};

ChildProgress readProgress(const std::string& path);
