// kvhost validate: runs the checks for the asked level, each group in a child kvhost so a
// crash or hang of the plug-in fails that check and the run goes on with the next.
#include "Check.h"
#include "ChildProcess.h"
#include "ResultFile.h"
#include "ValidateOptions.h"
#include "ValidationReport.h"

#include "ValidateCommand.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

namespace {
constexpr int kPollMs = 10;
const char* const kChildCommand = "validate-child";
const char* const kEditorGroup = "editor";

std::vector<const Check*> selectedChecks(const ValidateOptions& options)
{
    std::vector<const Check*> checks;
    for (const Check& check : allChecks()) {
        const bool named = std::find(options.only.begin(), options.only.end(), check.name) != options.only.end();
        const bool skipped = options.skipEditor && std::string(check.group) == kEditorGroup;
        if ((options.only.empty() ? check.level <= options.level : named) && !skipped)
            checks.push_back(&check);
    }
    return checks;
}

std::string resultFilePath(const std::string& group)
{
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = "kvhost-validate-" + std::to_string(stamp) + "-" + std::to_string(std::random_device{}()) + "-" + group + ".txt";
    return (std::filesystem::temp_directory_path() / name).string();
}

Arguments childArguments(const ValidateOptions& options, const std::string& results, const std::vector<const Check*>& checks)
{
    Arguments arguments = {kChildCommand, options.pluginPath, results, std::to_string(options.level), std::to_string(options.seed)};
    for (const Check* check : checks)
        arguments.push_back(check->name);
    return arguments;
}

// Runs the checks of one group in children until each has a result, in order; a check that
// hangs or crashes its child fails, and a new child goes on with the rest.
std::vector<ReportedCheck> runGroup(const ValidateOptions& options, std::vector<const Check*> pending)
{
    std::vector<ReportedCheck> reported;
    while (!pending.empty()) {
        const std::string results = resultFilePath(pending.front()->group);
        ChildProcess child(childArguments(options, results, pending));
        std::string running;
        auto runningSince = std::chrono::steady_clock::now();
        bool hung = false;
        while (!child.waitFor(kPollMs)) {
            const ChildProgress progress = readProgress(results);
            if (progress.running != running) {
                running = progress.running;
                runningSince = std::chrono::steady_clock::now();
            }
            if (std::chrono::steady_clock::now() - runningSince > std::chrono::milliseconds(options.timeoutMs)) {
                child.kill();
                child.waitFor(options.timeoutMs);
                hung = true;
                break;
            }
        }
        const ChildProgress progress = readProgress(results);
        std::filesystem::remove(results);
        std::vector<const Check*> rest;
        bool stopped = false;
        for (const Check* check : pending) {
            const auto found = progress.finished.find(check->name);
            if (found != progress.finished.end() && !stopped) {
                reported.push_back({check, found->second});
            } else if (!stopped) {
                // The first check without a result is where the child hung or died.
                const std::string why = hung ? "no answer within " + std::to_string(options.timeoutMs) + " ms (hung)"
                                             : "the plug-in crashed the process (" + child.ending() + ")";
                reported.push_back({check, CheckResult::failed(why)});
                stopped = true;
            } else {
                rest.push_back(check);
            }
        }
        for (std::size_t i = reported.size() - (pending.size() - rest.size()); i < reported.size(); ++i)
            printResult(reported[i]);
        pending = rest;
    }
    return reported;
}
} // namespace

void runValidate(const Arguments& arguments)
{
    const ValidateOptions options = parseValidateOptions(arguments);
    if (!std::filesystem::exists(options.pluginPath))
        throw KvhostError(options.pluginPath + ": no such file");
    const std::vector<const Check*> checks = selectedChecks(options);
    std::vector<ReportedCheck> results;
    for (std::size_t first = 0; first < checks.size();) {
        std::size_t end = first;
        while (end < checks.size() && std::string(checks[end]->group) == checks[first]->group)
            ++end;
        const std::vector<ReportedCheck> group = runGroup(options, {checks.begin() + first, checks.begin() + end});
        results.insert(results.end(), group.begin(), group.end());
        first = end;
    }
    const bool passed = printSummary(results);
    if (!options.jsonPath.empty())
        writeJson(options.jsonPath, options.pluginPath, options.level, results);
    if (!passed)
        throw ValidationFailed();
}

void runValidateChild(const Arguments& arguments)
{
    if (arguments.size() < 4)
        throw UsageError("validate-child is kvhost validate's own command");
    ResultWriter writer(arguments[1]);
    const int level = std::stoi(arguments[2]);
    const auto seed = static_cast<std::uint32_t>(std::stoul(arguments[3]));
    std::string loadProblem;
    std::unique_ptr<Subject> subject;
    try {
        subject = std::make_unique<Subject>(arguments[0]);
    } catch (const KvhostError& error) {
        loadProblem = error.what();
    }
    for (std::size_t i = 4; i < arguments.size(); ++i) {
        const Check* check = findCheck(arguments[i]);
        if (check == nullptr)
            continue;
        writer.begin(check->name);
        const bool isEntryCheck = check->run == allChecks().front().run;
        CheckResult result;
        if (!loadProblem.empty())
            result = isEntryCheck ? CheckResult::failed(loadProblem) : CheckResult::skipped("the library does not load");
        else if (!subject->unusable().empty() && !isEntryCheck)
            result = CheckResult::skipped("the effect record is unusable");
        else
            result = check->run({*subject, level, seed});
        writer.end(check->name, result);
    }
}
