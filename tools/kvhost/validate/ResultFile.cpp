#include "ResultFile.h"

#include "../KvhostError.h"

#include <fstream>
#include <sstream>

ResultWriter::ResultWriter(const std::string& path) : file(std::fopen(path.c_str(), "w"))
{
    if (file == nullptr)
        throw KvhostError(path + ": cannot write the validation results");
}

ResultWriter::~ResultWriter()
{
    std::fclose(file);
}

void ResultWriter::begin(const std::string& check)
{
    std::fprintf(file, "begin %s\n", check.c_str());
    std::fflush(file);
}

void ResultWriter::end(const std::string& check, const CheckResult& result)
{
    std::string reason = result.reason;
    for (char& c : reason)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(file, "end %s %s %s\n", check.c_str(), statusName(result.status), reason.c_str());
    std::fflush(file);
}

ChildProgress readProgress(const std::string& path)
{
    ChildProgress progress;
    std::ifstream file(path);
    std::string line;
    // A line without its newline is still being written and is read next time.
    while (std::getline(file, line) && !file.eof()) {
        std::istringstream words(line);
        std::string kind;
        std::string check;
        words >> kind >> check;
        if (kind == "begin") {
            progress.running = check;
        } else if (kind == "end") {
            std::string status;
            words >> status;
            std::string reason;
            std::getline(words >> std::ws, reason);
            progress.finished[check] = {statusFromName(status), reason};
            progress.running.clear();
        }
    }
    return progress;
}
