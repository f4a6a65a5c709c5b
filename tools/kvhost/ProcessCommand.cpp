// kvhost process IN.wav OUT.wav [--param NAME=VALUE ...] [--program N] [--block N] [--rate HZ]
#include "Commands.h"
#include "PluginHost.h"
#include "ProgressBar.h"
#include "WavReader.h"
#include "WavWriter.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {
constexpr int32 kDefaultBlockSize = 512;
constexpr int32 kLargestBlockSize = 1 << 20;
// Files shorter than this finish before a progress bar would tell anything.
constexpr double kProgressBarSeconds = 5.0;

struct ProcessOptions {
    std::string inputPath;
    std::string outputPath;
    std::vector<std::pair<std::string, float>> parameters;
    int32 program = -1;
    int32 blockSize = kDefaultBlockSize;
    float sampleRate = 0.0f;
};

double number(const std::string& text, const std::string& option)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        throw UsageError(option + " wants a number, not '" + text + "'");
    return value;
}

int32 wholeNumber(const std::string& text, const std::string& option, int32 lowest, int32 highest)
{
    const double value = number(text, option);
    // Range first: converting a value outside int32 (or NaN) to int32 is undefined.
    if (!(value >= lowest && value <= highest) || value != std::floor(value))
        throw UsageError(option + " wants a whole number from " + std::to_string(lowest) + " to "
                         + std::to_string(highest) + ", not '" + text + "'");
    return static_cast<int32>(value);
}

std::pair<std::string, float> parameterSetting(const std::string& text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        throw UsageError("--param wants NAME=VALUE, not '" + text + "'");
    const double value = number(text.substr(equals + 1), "--param " + text.substr(0, equals));
    if (!(value >= 0.0 && value <= 1.0))
        throw UsageError("--param " + text.substr(0, equals) + " wants a value from 0 to 1");
    return {text.substr(0, equals), static_cast<float>(value)};
}

ProcessOptions parseOptions(const Arguments& arguments)
{
    ProcessOptions options;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            paths.push_back(argument);
            continue;
        }
        if (i + 1 == arguments.size())
            throw UsageError(argument + " wants a value");
        const std::string& value = arguments[++i];
        if (argument == "--param")
            options.parameters.push_back(parameterSetting(value));
        else if (argument == "--program")
            options.program = wholeNumber(value, argument, 0, std::numeric_limits<int32>::max());
        else if (argument == "--block")
            options.blockSize = wholeNumber(value, argument, 1, kLargestBlockSize);
        else if (argument == "--rate")
            options.sampleRate = static_cast<float>(wholeNumber(value, argument, 1, 10000000));
        else
            throw UsageError("unknown option " + argument);
    }
    if (paths.size() != 2)
        throw UsageError("process wants an input and an output file");
    options.inputPath = paths[0];
    options.outputPath = paths[1];
    return options;
}
} // namespace

void runProcess(const Arguments& arguments, const std::string& pluginPath)
{
    const ProcessOptions options = parseOptions(arguments);
    const AudioBuffer input = readWav(options.inputPath);
    const PluginHost host(pluginPath);
    if (options.program >= 0)
        host.selectProgram(options.program);
    for (const auto& [name, value] : options.parameters)
        host.setParameter(host.parameterIndex(name), value);

    const float sampleRate = options.sampleRate > 0.0f ? options.sampleRate : static_cast<float>(input.sampleRate);
    ProgressBar bar(options.outputPath, static_cast<double>(input.frames()) > kProgressBarSeconds * input.sampleRate);
    const AudioBuffer output = host.process(input, options.blockSize, sampleRate, [&bar](double done) { bar.update(done); });
    writeWav(options.outputPath, output);
}
