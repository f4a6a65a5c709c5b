#include "ValidateOptions.h"

#include "Check.h"

namespace {
constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 10;

long number(const Arguments& arguments, std::size_t& i, long lowest, long highest)
{
    if (i + 1 >= arguments.size())
        throw UsageError(arguments[i] + " needs a number");
    const std::string& text = arguments[++i];
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < lowest || value > highest)
        throw UsageError(arguments[i - 1] + " takes a number from " + std::to_string(lowest) + " to "
                         + std::to_string(highest) + ", not '" + text + "'");
    return value;
}
} // namespace

ValidateOptions parseValidateOptions(const Arguments& arguments)
{
    ValidateOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--level") {
            options.level = static_cast<int>(number(arguments, i, kLowestLevel, kHighestLevel));
        } else if (argument == "--seed") {
            options.seed = static_cast<std::uint32_t>(number(arguments, i, 0, 2147483647L));
        } else if (argument == "--timeout-ms") {
            options.timeoutMs = static_cast<int>(number(arguments, i, 1, 3600000L));
        } else if (argument == "--skip-editor") {
            options.skipEditor = true;
        } else if (argument == "--json" && i + 1 < arguments.size()) {
            options.jsonPath = arguments[++i];
        } else if (argument == "--only") {
            while (i + 1 < arguments.size() && arguments[i + 1].rfind("--", 0) != 0) {
                if (findCheck(arguments[i + 1]) == nullptr)
                    throw UsageError("no check named '" + arguments[i + 1] + "'");
                options.only.push_back(arguments[++i]);
            }
            if (options.only.empty())
                throw UsageError("--only needs at least one check name");
        } else if (argument.rfind("--", 0) == 0 || !options.pluginPath.empty()) {
            throw UsageError("unexpected argument '" + argument + "' for validate");
        } else {
            options.pluginPath = argument;
        }
    }
    if (options.pluginPath.empty())
        throw UsageError("validate needs the plug-in's path");
    return options;
}
