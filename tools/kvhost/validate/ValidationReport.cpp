#include "ValidationReport.h"

#include "../FinishedFile.h"

#include <cstdio>
#include <fstream>

namespace {
std::string jsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

int count(const std::vector<ReportedCheck>& results, CheckStatus status)
{
    int n = 0;
    for (const ReportedCheck& reported : results)
        n += reported.result.status == status ? 1 : 0;
    return n;
}
} // namespace

void printResult(const ReportedCheck& reported)
{
    const std::string& reason = reported.result.reason;
    std::printf("%s  %s%s%s\n", statusName(reported.result.status), reported.check->name, reason.empty() ? "" : ": ",
                reason.c_str());
    std::fflush(stdout);
}

bool printSummary(const std::vector<ReportedCheck>& results)
{
    const int failed = count(results, CheckStatus::fail);
    std::printf("%d passed, %d failed, %d skipped\n", count(results, CheckStatus::pass), failed,
                count(results, CheckStatus::skip));
    return failed == 0;
}

void writeJson(const std::string& path, const std::string& pluginPath, int level, const std::vector<ReportedCheck>& results)
{
    std::string json = "{\"plugin\": " + jsonString(pluginPath) + ", \"level\": " + std::to_string(level)
                       + ",\n \"passed\": " + std::to_string(count(results, CheckStatus::pass))
                       + ", \"failed\": " + std::to_string(count(results, CheckStatus::fail))
                       + ", \"skipped\": " + std::to_string(count(results, CheckStatus::skip)) + ",\n \"checks\": [\n";
    for (std::size_t i = 0; i < results.size(); ++i)
        json += "  {\"name\": " + jsonString(results[i].check->name) + ", \"level\": " + std::to_string(results[i].check->level)
                + ", \"status\": " + jsonString(statusName(results[i].result.status))
                + ", \"reason\": " + jsonString(results[i].result.reason) + "}" + (i + 1 < results.size() ? ",\n" : "\n");
    json += " ]}\n";
    bool written = false;
    {
        std::ofstream file(partialPathFor(path), std::ios::binary);
        file << json;
        written = static_cast<bool>(file.flush());
    }
    finishFile(path, written);
}
